// One conversion of a window, shared by the main frame and the console
// tool: capture into the item table, then layout.
#pragma once

#include "display_scale.h"
#include "layout.h"

#include <windows.h>

// The messages a conversion may have for the user (Shift-JIS).
extern const char kNoTargetMessage[];   // "有効な画面ではありません。"
extern const char kItemLimitMessage[];  // "最大取得可能件数を超えました！"
// "応答しないプログラムがあったため、一部の内容を取得できませんでした。"
extern const char kSilentProgramMessage[];
// "取得中に閉じられたウィンドウがあったため、一部の内容を取得できませんでした。"
extern const char kVanishedWindowMessage[];
// "範囲外の応答を返したプログラムがあったため、一部の内容を取得できませんでした。"
extern const char kOutOfBoundsMessage[];
// "最大取得可能件数を超えたため、一部の内容を取得できませんでした。"
extern const char kTableFullMessage[];
// "権限の高いプログラムの内容は取得できませんでした。Quillscape を管理者として実行すると取得できます。"
extern const char kProcessNotOpenedMessage[];
// "取得に時間がかかりすぎたため、途中で打ち切りました。"
extern const char kTimeUpMessage[];
// "取得を中止しました。"
extern const char kCancelledMessage[];

// The one message that says what a capture with these gaps lacks, for a
// status bar, the cause that cost the most first: a stop (cancelled, time
// up), a silent program, a process that could not be opened, answers out of
// bounds, a full table, then closed windows; null when complete.
const char* GapsMessage(const CaptureGaps& gaps);

// Delivers those messages: a message box in the program, a line on stderr in
// the console tool.
class CaptureReporter {
public:
    virtual ~CaptureReporter() = default;
    // There is no window to convert; nothing has changed.
    virtual void NoTarget() = 0;
    // The item table is full; the conversion goes on with what it holds.
    virtual void ItemLimitReached() = 0;
    // The walk has ended and the layout has not yet changed the table: the
    // point at which a capture dump is taken.
    virtual void Captured() {}
};

// How a conversion reads the target's controls.
enum class Reading {
    // Its child windows; a window whose walk finds no child window is read
    // through its accessibility tree instead.
    Windows,
    // Its accessibility tree (MSAA) alone, whatever windows it has; the
    // system's proxy stands in for a window without a tree of its own.
    Accessible,
};

// Converts `dropped` into *out.  The window whose top-level ancestor (by
// WS_CHILD and GetParent) is itself is converted whole (mode 'O'): its title,
// caption-button letters ("Style") and menu bar ("Menu") are recorded before
// the walk.  Any other window is converted as a single control (mode 'K').
// out->gaps says what could not be read.  False, after reporter.NoTarget(),
// when `dropped` names no window.  Pixels become cells at the DPI of the
// top-level window, or at `dpi` when one is given (display_scale.h).
bool ConvertWindow(HWND dropped, ConversionResult* out, CaptureReporter& reporter, int dpi = kMeasuredDpi,
                   Reading reading = Reading::Windows);
