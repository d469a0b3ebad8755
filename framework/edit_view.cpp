#include "edit_view.h"

#include "document.h"
#include "guards.h"
#include "mdi_child.h"
#include "text_of_window.h"

#include <algorithm>

namespace {

// One tab stop every 32 dialog-template units.
constexpr int kTabStop = 32;

// Whether an ANSI edit control counts its offsets in bytes (as Windows
// does) or in characters (as Wine does, keeping its text in Unicode): a
// hidden control holding one double-byte character tells.
bool EditOffsetsCountBytes()
{
    static const bool countsBytes = [] {
        HWND probe = CreateWindowExA(0, "Edit", "\x82\xa0", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        DWORD start = 0, end = 0;
        SendMessageA(probe, EM_SETSEL, 0, -1);
        SendMessageA(probe, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        DestroyWindow(probe);
        return end == 2;
    }();
    return countsBytes;
}

std::string ToCodePage(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr,
                            nullptr);
    return bytes;
}

}  // namespace

bool EditView::CreateView(MdiChildWindow* frame, Document* document)
{
    Attach(frame, document);
    RECT client;
    GetClientRect(frame->Handle(), &client);
    HWND edit = CreateWindowExA(0, "Edit", "", kEditViewStyle, 0, 0, client.right, client.bottom,
                                frame->Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstPaneId)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!edit || !Subclass(edit)) {
        if (edit)
            DestroyWindow(edit);
        return false;
    }
    SendMessageA(edit, EM_SETLIMITTEXT, kEditViewLimit, 0);
    int tabStop = kTabStop;
    SendMessageA(edit, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    if (OnCreate() == -1) {
        DestroyWindow(edit);  // the frame, which still holds the view, frees it
        return false;
    }
    JoinDocument();
    return true;
}

std::string EditView::Text() const
{
    return WindowText(Handle());
}

std::string EditView::TextBetween(DWORD start, DWORD end) const
{
    if (EditOffsetsCountBytes()) {
        const std::string text = Text();
        return start < text.size() ? text.substr(start, end - start) : std::string();
    }
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(Handle(), &text[0], length + 1), 0)));
    return start < text.size() ? ToCodePage(text.substr(start, end - start)) : std::string();
}

// EM_CHARFROMPOS gives the offset in a low word, which wraps past 65,535
// characters, and the line in the high word: the line's own start, with
// the low word's distance from it, is the offset whole.
DWORD EditView::CharacterAt(LPARAM position) const
{
    const LRESULT found = SendMessageA(Handle(), EM_CHARFROMPOS, 0, position);
    const auto lineStart = static_cast<DWORD>(SendMessageA(Handle(), EM_LINEINDEX, HIWORD(found), 0));
    return lineStart + static_cast<WORD>(LOWORD(found) - LOWORD(lineStart));
}

std::string EditView::SaveBytes() const
{
    return exactBytes_ ? *exactBytes_ : Text();
}

bool EditView::LoadBytes(const std::string& bytes)
{
    // An edit control ends its text at the first NUL.
    if (bytes.find('\0') != std::string::npos)
        return false;
    settingText_ = true;
    const bool set = SetWindowTextA(Handle(), bytes.c_str()) != 0;
    settingText_ = false;
    exactBytes_ = set ? std::optional<std::string>(bytes) : std::nullopt;
    SendMessageA(Handle(), EM_SETMODIFY, FALSE, 0);
    return set;
}

void EditView::OnNotification(UINT code)
{
    if (code != EN_CHANGE || settingText_)
        return;
    exactBytes_.reset();
    if (Document* document = GetDocument())
        document->SetModifiedFlag(true);
}

LRESULT EditView::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == EM_REPLACESEL && GetWindowTextLengthA(Handle()) == 0 && lParam) {
        // The whole text comes in one piece: keep its bytes.
        const std::string bytes = reinterpret_cast<const char*>(lParam);
        settingText_ = true;
        const LRESULT result = Default(message, wParam, lParam);
        settingText_ = false;
        exactBytes_ = bytes;
        if (Document* document = GetDocument())
            document->SetModifiedFlag(true);
        return result;
    }
    return View::WndProc(message, wParam, lParam);
}

bool EditView::QueryCommand(UINT id, CommandState* state)
{
    DWORD start = 0, end = 0;
    switch (id) {
    case kCommandUndo:
        state->enabled = SendMessageA(Handle(), EM_CANUNDO, 0, 0) != 0;
        return true;
    case kCommandCut:
    case kCommandCopy:
        SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        state->enabled = start != end;
        return true;
    case kCommandPaste:
        state->enabled = IsClipboardFormatAvailable(CF_TEXT) != 0;
        return true;
    }
    return View::QueryCommand(id, state);
}

void EditView::ExecuteCommand(UINT id)
{
    switch (id) {
    case kCommandUndo:
        SendMessageA(Handle(), EM_UNDO, 0, 0);
        break;
    case kCommandCut:
        SendMessageA(Handle(), WM_CUT, 0, 0);
        break;
    case kCommandCopy:
        SendMessageA(Handle(), WM_COPY, 0, 0);
        break;
    case kCommandPaste:
        SendMessageA(Handle(), WM_PASTE, 0, 0);
        break;
    default:
        View::ExecuteCommand(id);
        break;
    }
}

HFONT EditView::PrintingFont() const
{
    return printerFont_ ? printerFont_ : reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
}

// The pages follow the font's cell on the printer itself, so that the
// preview, drawing in the printer's units, breaks them at the same lines.
void EditView::OnBeginPrinting(HDC dc, PrintInfo& info)
{
    TEXTMETRICA metrics{};
    {
        SelectedObject font(dc, PrintingFont());
        GetTextMetricsA(dc, &metrics);
    }
    const SIZE area{info.drawArea.right - info.drawArea.left, info.drawArea.bottom - info.drawArea.top};
    pages_ = std::make_unique<TextPages>(Text(), metrics.tmHeight + metrics.tmExternalLeading,
                                         metrics.tmAveCharWidth, area);
    info.maxPage = pages_->PageCount();
}

bool EditView::OnPrint(HDC dc, PrintInfo& info)
{
    if (!pages_)
        return false;
    SelectedObject font(dc, PrintingFont());
    return pages_->Draw(dc, info.currentPage, POINT{info.drawArea.left, info.drawArea.top});
}

void EditView::OnEndPrinting(HDC, PrintInfo&)
{
    pages_.reset();
    printerFont_ = nullptr;
}
