// An output document: a converted window's picture, or a text file. Its
// text lives in its view.
#pragma once

#include "document.h"

class CQuillscapeDoc : public Document {};
