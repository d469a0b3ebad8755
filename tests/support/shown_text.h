// What the program shows, read back as text: captions, the documents'
// views, message boxes and the message pane, read through the wide functions
// and given in code page 932 like every text of the tests.
#pragma once

#include "text_of_window.h"

#include <windows.h>

#include <string>

// A window's text.
std::string ShownText(HWND window);
// The whole text of an edit control, such as a document's view.
std::string ViewText(HWND view);
// The text of a message box, without its caption.
std::string MessageBoxText(HWND box);
// The first part of a frame's status bar; asked with a bound, so that a
// busy program cannot hold the test.
std::string MessagePaneText(HWND frame);
