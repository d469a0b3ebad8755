// A view that is a multi-line Unicode edit control: the document's text
// lives in the control. Undo, cut, copy and paste are its commands, and
// each change the user makes marks the document modified.
//
// The bytes of a file read are also kept as they came: bytes that are not
// valid Shift-JIS, or characters that the code page maps twice, would not
// come back the same from the control's text. Saving in the file's own
// encoding writes the kept bytes until the text is changed.
//
// It prints its text line by line in its printer font (its own font
// without one), laid out by TextPages.
#pragma once

#include "text_pages.h"
#include "view.h"

#include <memory>
#include <optional>
#include <string>

constexpr UINT kCommandUndo = 0xE12B;   // 57643
constexpr UINT kCommandCut = 0xE123;    // 57635
constexpr UINT kCommandCopy = 0xE122;   // 57634
constexpr UINT kCommandPaste = 0xE125;  // 57637
constexpr UINT kFirstPaneId = 0xE900;   // the view's id in its frame

constexpr DWORD kEditViewStyle = 0x50B001C4;  // child, visible, border, both scroll bars, multi-line, auto-scroll both ways, selection kept
constexpr UINT kEditViewLimit = 0xFFFFF;

class EditView : public View {
public:
    bool CreateView(MdiChildWindow* frame, Document* document) override;

    HWND Edit() const { return Handle(); }
    std::wstring Text() const;
    // The text between two of the control's offsets (EM_GETSEL, CharacterAt).
    std::wstring TextBetween(DWORD start, DWORD end) const;
    // The offset of the character at a point of the control's client area
    // (x in the low word of `position`, y in the high word).
    DWORD CharacterAt(LPARAM position) const;
    std::string SaveBytes(TextEncoding encoding, bool* lost) const override;
    bool LoadBytes(const std::string& bytes, TextEncoding encoding) override;
    void OnNotification(UINT code) override;

    // The font printing and the preview use, owned by the caller until the
    // end of printing.
    void SetPrinterFont(HFONT font) { printerFont_ = font; }
    void OnBeginPrinting(HDC dc, PrintInfo& info) override;
    bool OnPrint(HDC dc, PrintInfo& info) override;
    void OnEndPrinting(HDC dc, PrintInfo& info) override;
    // The layout of the pages between the beginning and the end of printing.
    const TextPages* Pages() const { return pages_.get(); }

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

protected:
    // The edit control exists; -1 fails the view's creation.
    virtual int OnCreate() { return 0; }

private:
    struct FileBytes {
        std::string bytes;
        TextEncoding encoding;
    };
    HFONT PrintingFont() const;

    std::optional<FileBytes> exactBytes_;
    bool settingText_ = false;
    HFONT printerFont_ = nullptr;
    std::unique_ptr<TextPages> pages_;
};
