// Extractors for buttons (push buttons, check boxes, radio buttons, group
// boxes) and for statics, panels and MDI client areas.
#pragma once

#include <windows.h>

// Check and radio marks before the caption, a group-box caption, or a
// framed push button with its caption centred.
void CaptureButton(HWND hwnd);

// Text, frame, icon or bitmap placeholder; thin etched or framed statics
// become lines of rule characters.
void CaptureStatic(HWND hwnd);
