// Extractors for embedded browsers, toolbars and the MDI child frames of
// applications built on the same class framework.
#pragma once

#include <windows.h>

// A frame around the placeholder "<HTML>"; nothing of the page is read.
void CaptureHtmlHost(HWND hwnd);

// An empty frame, and one empty record per button.
void CaptureToolbar(HWND hwnd);

// A caption bar: the title, then the caption-button marks at the right end,
// framed with a rule under it.  The record ends one column after its text.
void CaptureMdiCaption(HWND hwnd);
