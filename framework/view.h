// A view shows a document inside a child frame; it is the first target on
// the command route while its frame is active.
#pragma once

#include "command.h"
#include "print_info.h"
#include "text_encoding.h"
#include "window.h"

#include <string>

class Document;
class MdiChildWindow;

// The printing commands a view takes.
constexpr UINT kCommandPrint = 0xE107;         // 57607
constexpr UINT kCommandPrintDirect = 0xE108;   // 57608, no print dialog
constexpr UINT kCommandPrintPreview = 0xE109;  // 57609

class View : public Window, public CommandTarget {
public:
    Document* GetDocument() const { return document_; }
    MdiChildWindow* Frame() const { return frame_; }

    // Creates the view's window as the frame's only child.
    virtual bool CreateView(MdiChildWindow* frame, Document* document) = 0;
    // The document has been made or read; the view shows it.
    virtual void OnInitialUpdate() {}

    // The document's text as a file's bytes in `encoding` (*lost: whether
    // characters became "?"), and a file's bytes put in.
    virtual std::string SaveBytes(TextEncoding encoding, bool* lost) const = 0;
    virtual bool LoadBytes(const std::string& bytes, TextEncoding encoding) = 0;

    // A control notification (WM_COMMAND) that the view's window sent its frame.
    virtual void OnNotification(UINT code) { (void)code; }

    // Printing and the print preview, in their order: preparation (the print
    // dialog; false stops everything before it starts), the beginning with
    // the printer's device context (paginating sets info.maxPage), each page
    // (false when it could not be drawn), the end. The end comes whenever
    // the preparation succeeded.
    virtual bool OnPreparePrinting(PrintInfo& info) { return DoPreparePrinting(info); }
    virtual void OnBeginPrinting(HDC dc, PrintInfo& info) { (void)dc, (void)info; }
    virtual bool OnPrint(HDC dc, PrintInfo& info) { (void)dc, (void)info; return true; }
    virtual void OnEndPrinting(HDC dc, PrintInfo& info) { (void)dc, (void)info; }

    // The printing commands; a derived view asks these for the ids it does not take.
    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

protected:
    // The print dialog, or for print direct and the preview the
    // application's printer without it; false when there is no printer or
    // the user cancelled.
    bool DoPreparePrinting(PrintInfo& info);

    void Attach(MdiChildWindow* frame, Document* document)
    {
        frame_ = frame;
        document_ = document;
    }
    // The view's window exists: the document counts it among its views.
    void JoinDocument();
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;

private:
    Document* document_ = nullptr;
    MdiChildWindow* frame_ = nullptr;
};
