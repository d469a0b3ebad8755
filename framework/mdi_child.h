// A child frame in the MDI client: it holds one view, keeps it filling
// its client area, and closes its document when it is the last frame.
#pragma once

#include "command.h"
#include "window.h"

#include <memory>

class Document;
class MdiFrameWindow;
class View;

class MdiChildWindow : public Window, public CommandTarget {
public:
    ~MdiChildWindow() override;

    // Makes the frame in `frame`'s MDI client with `view` on `document`;
    // the frame stays hidden until Activate. It keeps the view until the
    // view's window exists, which then owns it.
    bool CreateFrame(MdiFrameWindow* frame, Document* document, std::unique_ptr<View> view);

    View* GetView() const { return view_; }
    Document* GetDocument() const;
    void UpdateTitle(int number, int count);
    // Shows the frame and makes it the active child.
    void Activate();
    // Destroys the frame without asking; its view goes with it.
    void Close();

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

protected:
    friend class View;
    void DetachView() { view_ = nullptr; }

    // The size the frame is created with: `size` holds CW_USEDEFAULT in both
    // fields until a derived frame sets it.
    virtual void PreCreateWindow(SIZE* size) { (void)size; }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    MdiFrameWindow* mainFrame_ = nullptr;
    View* view_ = nullptr;
    std::unique_ptr<View> unmadeView_;
    Document* pendingDocument_ = nullptr;
};
