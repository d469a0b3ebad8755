// Extractors for buttons (push buttons, check boxes, radio buttons, group
// boxes) and for statics, panels and MDI client areas.
#pragma once

#include "capture_state.h"

#include <windows.h>

#include <string>

// Check and radio marks before the caption, a group-box caption, or a
// framed push button with its caption centred.
void CaptureButton(HWND hwnd);

// Text, frame, icon or bitmap placeholder; thin etched or framed statics
// become lines of rule characters.
void CaptureStatic(HWND hwnd);

// The shapes of these controls, from what was read of them; the record's
// rectangle is already set.  Shared by the child-window reading and the
// accessibility-tree reading, so that both draw a control alike.
// `checkState` holds BST_CHECKED or BST_INDETERMINATE.
void FormCheckBox(CaptureItem& item, UINT checkState, const std::string& caption);
void FormRadioButton(CaptureItem& item, UINT checkState, const std::string& caption);
void FormGroupBox(CaptureItem& item, std::string caption);
void FormPushButton(CaptureItem& item, std::string caption);
// The record's text is the static's; aligned or wrapped by the style bits.
void FormTextStatic(CaptureItem& item, LONG style, LONG exStyle);
