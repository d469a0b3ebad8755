#include "view.h"

#include "document.h"
#include "mdi_child.h"
#include "private_messages.h"

void View::JoinDocument()
{
    document_->AddView(this);
}

void View::OnFinalMessage()
{
    if (frame_)
        frame_->DetachView();
    if (document_)
        document_->RemoveView(this);
}

LRESULT View::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kReflectedCommand) {
        OnNotification(HIWORD(wParam));
        return TRUE;  // the view's own notification, no command for the frame
    }
    return Window::WndProc(message, wParam, lParam);
}
