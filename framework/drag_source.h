// Dragging text out of a window with OLE: a data object that offers the
// text as CF_UNICODETEXT and, for older targets, as CF_TEXT in the system's
// code page, and a drop source that drops on release and cancels on Escape.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <string>

// The data object of a drag of `text`, with one reference for the caller.
IDataObject* MakeTextData(const std::wstring& text);

// Runs the system's drag loop with `text` offered for copying or moving.
// The effect the target chose, or DROPEFFECT_NONE.
DWORD DragText(const std::wstring& text, DWORD allowedEffects);
