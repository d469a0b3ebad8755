// The class-name dispatch table: which extractor reads a window.
#pragma once

#include <windows.h>

// An extractor completes the record prepared at ItemTable[ItemCount] for the
// window and may append more; on return ItemCount indexes its last record.
using Extractor = void (*)(HWND hwnd);

// The number of the table row (1 to 18) that takes the class name; 18 is
// the fallback for every class that no other row takes.
int DispatchRowFor(const char* className);

// Runs the extractor of the row that takes the current record's class name.
void Dispatch(HWND hwnd);
