#include "status_bar.h"

#include "answer_bounds.h"
#include "code_page_932.h"
#include "messages.h"
#include "records.h"
#include "remote_buffer.h"
#include "unread_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Bytes of a pane's text that are kept.
constexpr size_t kPaneTextLimit = 1024;

struct Pane {
    bool ownerDrawn;
    size_t capacity;  // UTF-16 units the control may write for the text, NUL included
};

// The number of parts; their right edges are not needed, so none are asked
// for and no block is involved.
int StatusBar_GetParts(HWND hwnd)
{
    const BoundedCount parts =
        BoundCount(AnswerOr(0, hwnd, SB_GETPARTS), kStatusBarPartLimit, kStatusBarPartLimit);
    if (parts.outOfBounds)
        NoteAnswerOutOfBounds(hwnd);
    return parts.value;
}

// The pane's length in UTF-16 units in the low word, its drawing type in the
// high word.
DWORD StatusBar_GetTextLength(HWND hwnd, int part)
{
    return static_cast<DWORD>(
        AnswerOr(0, hwnd, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0, CharSet::Wide));
}

// An owner-drawn pane has no text, only the program's data.
std::vector<Pane> AskPanes(HWND hwnd)
{
    std::vector<Pane> panes;
    const int parts = StatusBar_GetParts(hwnd);
    for (int i = 0; i < parts; ++i) {
        const DWORD length = StatusBar_GetTextLength(hwnd, i);
        const bool ownerDrawn = (HIWORD(length) & SBT_OWNERDRAW) != 0;
        panes.push_back({ownerDrawn, ownerDrawn ? 0 : size_t{LOWORD(length)} + 1});
    }
    return panes;
}

size_t BlockSizeFor(const std::vector<Pane>& panes)
{
    size_t size = 1;
    for (const Pane& pane : panes)
        size = std::max(size, pane.capacity);
    return size * sizeof(wchar_t);
}

// The text up to the first NUL in code page 932, at most `limit` bytes,
// without a double-byte character cut in half at the end.
std::string WholeCharacters(const wchar_t* text, size_t limit)
{
    const std::string converted = ToEngineText(text, wcsnlen(text, limit));
    return converted.substr(0, WholeCharacterLength(converted.data(), std::min(converted.size(), limit)));
}

// A pane that is owner-drawn or does not answer has an empty text.
std::string ReadPane(OneShotRead& block, int index, const Pane& pane)
{
    LRESULT ignored;
    if (pane.ownerDrawn || !block.Ask(SB_GETTEXTW, static_cast<WPARAM>(index), &ignored))
        return {};
    const size_t count = std::min(pane.capacity, kPaneTextLimit + 1);
    std::vector<wchar_t> text(count + 1, L'\0');
    if (!block.Read(text.data(), count * sizeof(wchar_t)))
        return {};
    return WholeCharacters(text.data(), kPaneTextLimit);
}

}  // namespace

void CaptureStatusBar(HWND hwnd)
{
    const std::vector<Pane> panes = AskPanes(hwnd);
    OneShotRead block;
    if (!block.Open(hwnd, BlockSizeFor(panes)))
        return;
    std::vector<std::string> texts;
    for (size_t i = 0; i < panes.size(); ++i)
        texts.push_back(ReadPane(block, static_cast<int>(i), panes[i]));
    FormStatusBar(CurrentRecord(), texts);
}

void FormStatusBar(CaptureItem& item, const std::vector<std::string>& panes)
{
    SetClassName(item, "StatusBar");
    item.text.clear();
    for (const std::string& pane : panes) {
        item.text += pane;
        item.text += " │ ";
        StatusBarSeen = 'Y';
    }
}
