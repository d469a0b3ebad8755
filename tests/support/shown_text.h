// What the program shows, read back as text: captions, the documents'
// views, message boxes and the message pane. Texts are in the program's
// code page.
#pragma once

#include "text_of_window.h"

#include <windows.h>

#include <string>

// A window's text in the code page of the test's process.
std::string ShownText(HWND window);
// The whole text of an edit control, such as a document's view.
std::string ViewText(HWND view);
// The text of a message box, without its caption.
std::string MessageBoxText(HWND box);
// The first part of a frame's status bar; asked with a bound, so that a
// busy program cannot hold the test.
std::string MessagePaneText(HWND frame);
