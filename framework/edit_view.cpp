#include "edit_view.h"

#include "document.h"
#include "guards.h"
#include "mdi_child.h"
#include "text_of_window.h"

#include <algorithm>

namespace {

// One tab stop every 32 dialog-template units.
constexpr int kTabStop = 32;

}  // namespace

bool EditView::CreateView(MdiChildWindow* frame, Document* document)
{
    Attach(frame, document);
    RECT client;
    GetClientRect(frame->Handle(), &client);
    HWND edit = CreateWindowExW(0, L"Edit", L"", kEditViewStyle, 0, 0, client.right, client.bottom,
                                frame->Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstPaneId)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!edit || !Subclass(edit)) {
        if (edit)
            DestroyWindow(edit);
        return false;
    }
    SendMessageW(edit, EM_SETLIMITTEXT, kEditViewLimit, 0);
    int tabStop = kTabStop;
    SendMessageW(edit, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    if (OnCreate() == -1) {
        DestroyWindow(edit);  // the frame, which still holds the view, frees it
        return false;
    }
    JoinDocument();
    return true;
}

std::wstring EditView::Text() const
{
    return WindowText(Handle());
}

std::wstring EditView::TextBetween(DWORD start, DWORD end) const
{
    const std::wstring text = Text();
    return start < text.size() ? text.substr(start, end - start) : std::wstring();
}

// EM_CHARFROMPOS gives the offset in a low word, which wraps past 65,535
// characters, and the line in the high word: the line's own start, with
// the low word's distance from it, is the offset whole.
DWORD EditView::CharacterAt(LPARAM position) const
{
    const LRESULT found = SendMessageW(Handle(), EM_CHARFROMPOS, 0, position);
    const auto lineStart = static_cast<DWORD>(SendMessageW(Handle(), EM_LINEINDEX, HIWORD(found), 0));
    return lineStart + static_cast<WORD>(LOWORD(found) - LOWORD(lineStart));
}

std::string EditView::SaveBytes(TextEncoding encoding, bool* lost) const
{
    if (exactBytes_ && exactBytes_->encoding == encoding) {
        if (lost)
            *lost = false;
        return exactBytes_->bytes;
    }
    return EncodeText(Text(), encoding, lost);
}

bool EditView::LoadBytes(const std::string& bytes, TextEncoding encoding)
{
    const std::wstring text = DecodeText(bytes, encoding);
    // An edit control ends its text at the first NUL.
    if (text.find(L'\0') != std::wstring::npos)
        return false;
    settingText_ = true;
    const bool set = SetWindowTextW(Handle(), text.c_str()) != 0;
    settingText_ = false;
    exactBytes_ = set ? std::optional<FileBytes>(FileBytes{bytes, encoding}) : std::nullopt;
    SendMessageW(Handle(), EM_SETMODIFY, FALSE, 0);
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

bool EditView::QueryCommand(UINT id, CommandState* state)
{
    DWORD start = 0, end = 0;
    switch (id) {
    case kCommandUndo:
        state->enabled = SendMessageW(Handle(), EM_CANUNDO, 0, 0) != 0;
        return true;
    case kCommandCut:
    case kCommandCopy:
        SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        state->enabled = start != end;
        return true;
    case kCommandPaste:
        state->enabled = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
        return true;
    }
    return View::QueryCommand(id, state);
}

void EditView::ExecuteCommand(UINT id)
{
    switch (id) {
    case kCommandUndo:
        SendMessageW(Handle(), EM_UNDO, 0, 0);
        break;
    case kCommandCut:
        SendMessageW(Handle(), WM_CUT, 0, 0);
        break;
    case kCommandCopy:
        SendMessageW(Handle(), WM_COPY, 0, 0);
        break;
    case kCommandPaste:
        SendMessageW(Handle(), WM_PASTE, 0, 0);
        break;
    default:
        View::ExecuteCommand(id);
        break;
    }
}

HFONT EditView::PrintingFont() const
{
    return printerFont_ ? printerFont_ : reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
}

// The pages follow the font's cell on the printer itself, so that the
// preview, drawing in the printer's units, breaks them at the same lines.
void EditView::OnBeginPrinting(HDC dc, PrintInfo& info)
{
    TEXTMETRICW metrics{};
    {
        SelectedObject font(dc, PrintingFont());
        GetTextMetricsW(dc, &metrics);
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
