#include "view.h"

#include "document.h"
#include "mdi_child.h"

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
    delete this;
}
