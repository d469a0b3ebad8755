// Reading a window's text in the two ways the extractors need, neither of
// which can hang on a program that has stopped answering.
#pragma once

#include <windows.h>

#include <string>

// The window's title as GetWindowTextW gives it, full length.  For a window
// of another process that is what the system holds, without asking the
// program; a window of this process is asked through SendToWindow.
std::string WindowTitle(HWND hwnd);

// The text the window itself reports (WM_GETTEXT), full length: the
// length is asked first and the buffer made to fit.  Both are in code page
// 932 (code_page_932.h).
std::string AskWindowText(HWND hwnd);

// Enables the window and gives it the focus, as some controls report their
// text only then; skipped for a window whose thread does not answer.
void EnableAndFocus(HWND hwnd);
