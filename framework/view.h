// A view shows a document inside a child frame; it is the first target on
// the command route while its frame is active.
#pragma once

#include "command.h"
#include "window.h"

#include <string>

class Document;
class MdiChildWindow;

class View : public Window, public CommandTarget {
public:
    Document* GetDocument() const { return document_; }
    MdiChildWindow* Frame() const { return frame_; }

    // Creates the view's window as the frame's only child.
    virtual bool CreateView(MdiChildWindow* frame, Document* document) = 0;
    // The document has been made or read; the view shows it.
    virtual void OnInitialUpdate() {}

    // The document's bytes as the view holds them, and putting them in.
    virtual std::string SaveBytes() const = 0;
    virtual bool LoadBytes(const std::string& bytes) = 0;

    // A control notification (WM_COMMAND) that the view's window sent its frame.
    virtual void OnNotification(UINT code) { (void)code; }

protected:
    void Attach(MdiChildWindow* frame, Document* document)
    {
        frame_ = frame;
        document_ = document;
    }
    // The view's window exists: the document counts it among its views.
    void JoinDocument();
    void OnFinalMessage() override;

private:
    Document* document_ = nullptr;
    MdiChildWindow* frame_ = nullptr;
};
