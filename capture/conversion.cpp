#include "conversion.h"

#include "accessible_capture.h"
#include "caption_letters.h"
#include "code_page_932.h"
#include "text_grid.h"
#include "capture_state.h"
#include "capture_stop.h"
#include "display_scale.h"
#include "foreign_characters.h"
#include "unread_windows.h"
#include "walker.h"
#include "window_text.h"

#include <string>
#include <utility>

const char kNoTargetMessage[] = "有効な画面ではありません。";
const char kItemLimitMessage[] = "最大取得可能件数を超えました！";
const char kSilentProgramMessage[] = "応答しないプログラムがあったため、一部の内容を取得できませんでした。";
const char kVanishedWindowMessage[] = "取得中に閉じられたウィンドウがあったため、一部の内容を取得できませんでした。";
const char kOutOfBoundsMessage[] = "範囲外の応答を返したプログラムがあったため、一部の内容を取得できませんでした。";
const char kTableFullMessage[] = "最大取得可能件数を超えたため、一部の内容を取得できませんでした。";
const char kProcessNotOpenedMessage[] =
    "権限の高いプログラムの内容は取得できませんでした。Quillscape を管理者として実行すると取得できます。";
const char kTimeUpMessage[] = "取得に時間がかかりすぎたため、途中で打ち切りました。";
const char kCancelledMessage[] = "取得を中止しました。";

namespace {

// The engine reports a full table through a plain function; this routes it
// to the reporter of the running capture.
CaptureReporter* activeReporter;

void ReportItemLimit()
{
    if (activeReporter)
        activeReporter->ItemLimitReached();
}

class ActiveReporter {
public:
    explicit ActiveReporter(CaptureReporter& reporter)
    {
        activeReporter = &reporter;
        SetItemLimitNotifier(ReportItemLimit);
    }
    ~ActiveReporter()
    {
        SetItemLimitNotifier(nullptr);
        activeReporter = nullptr;
    }
    ActiveReporter(const ActiveReporter&) = delete;
    ActiveReporter& operator=(const ActiveReporter&) = delete;
};

HWND TopLevelAncestor(HWND window)
{
    while (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(window);
        if (!parent)
            break;
        window = parent;
    }
    return window;
}

// Fields the layout does not read are set all the same, so that a capture
// dump never carries what an earlier conversion left in the table.
CaptureItem& AddRecord(const char* className, std::string text)
{
    CaptureItem& item = ItemTable[ItemCount++];
    item.text = std::move(text);
    item.rect = {};
    SetClassName(item, className);
    item.kind = ' ';
    item.shape = ' ';
    item.source = RecordSource::Window;
    return item;
}

ItemRect WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return ToLayoutPixels(rect);
}

std::string MenuLabel(HMENU menu, UINT position)
{
    const int length = GetMenuStringW(menu, position, nullptr, 0, MF_BYPOSITION);
    if (length <= 0)
        return {};
    std::wstring label(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetMenuStringW(menu, position, &label[0], length + 1, MF_BYPOSITION);
    label.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
    return ToEngineText(label);
}

// The labels up to the first empty one, each followed by two spaces, as
// far as one row of the grid reaches.
std::string MenuBarLabels(HMENU menu)
{
    std::string labels;
    for (UINT position = 0; labels.size() < TextGrid::kCols; ++position) {
        const std::string label = MenuLabel(menu, position);
        if (label.empty())
            return labels;
        labels += label + "  ";
    }
    return labels;
}

// Records 0 and 1: the window with its title, and its caption buttons.
void RecordWindow(HWND window)
{
    const ItemRect rect = WindowRect(window);
    char className[kClassNameSize];
    GetClassNameA(window, className, kClassNameSize);
    AddRecord(className, WindowTitle(window)).rect = rect;
    AddRecord("Style", CaptionLetters(window)).rect = rect;
}

void RecordMenuBar(HWND window)
{
    HMENU menu = GetMenu(window);
    if (!menu)
        return;
    AddRecord("Menu", MenuBarLabels(menu)).kind = 'M';
}

// A whole window whose walk finds no child record is read through its
// accessibility tree.
void ReadControls(HWND target, Reading reading)
{
    if (reading == Reading::Accessible) {
        CaptureAccessible(target, true);
        return;
    }
    const int32_t beforeWalk = ItemCount;
    WalkChildren(target, 0);
    if (CaptureMode == 'O' && ItemCount == beforeWalk && !CaptureMustStop())
        CaptureAccessible(target, false);
}

}  // namespace

bool ConvertWindow(HWND dropped, ConversionResult* out, CaptureReporter& reporter, int dpi, Reading reading)
{
    if (!dropped || !IsWindow(dropped)) {
        reporter.NoTarget();
        return false;
    }
    ForgetUnreadWindows();
    const HWND topLevel = TopLevelAncestor(dropped);
    CaptureMode = topLevel == dropped ? 'O' : 'K';
    BeginCaptureScale(topLevel, dpi);
    BeginCapture();
    if (CaptureMode == 'O') {
        RecordWindow(dropped);
        RecordMenuBar(dropped);
    }
    ListRightEdge = 0;
    {
        const ActiveReporter active(reporter);
        const CaptureClock clock;
        ReadControls(dropped, reading);
    }
    if (ItemCount >= kItemLimit)
        NoteTableFull();
    reporter.Captured();
    *out = LayOutItems();
    out->unicodeText = FromEngineText(out->text);
    out->replacedCharacters = ReplaceForeignCharacters(&out->text);
    ReplaceForeignCharacters(&out->title);
    out->gaps = CountUnreadWindows();
    out->gaps.stop = CaptureStopReason();
    return true;
}

const char* GapsMessage(const CaptureGaps& gaps)
{
    if (gaps.stop == CaptureStop::Cancelled)
        return kCancelledMessage;
    if (gaps.stop == CaptureStop::TimeUp)
        return kTimeUpMessage;
    if (gaps.silentThreads > 0)
        return kSilentProgramMessage;
    if (gaps.unopenedProcesses > 0)
        return kProcessNotOpenedMessage;
    if (gaps.lyingWindows > 0)
        return kOutOfBoundsMessage;
    if (gaps.tableFull)
        return kTableFullMessage;
    if (gaps.vanishedWindows > 0)
        return kVanishedWindowMessage;
    return nullptr;
}
