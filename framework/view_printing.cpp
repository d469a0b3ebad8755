// The printing half of the view: its commands and the preparation that
// asks for the printer.
#include "view.h"

#include "application.h"
#include "print_job.h"
#include "print_preview.h"

bool View::QueryCommand(UINT id, CommandState*)
{
    return id == kCommandPrint || id == kCommandPrintDirect || id == kCommandPrintPreview;
}

void View::ExecuteCommand(UINT id)
{
    switch (id) {
    case kCommandPrint:
        PrintView(*this, false);
        break;
    case kCommandPrintDirect:
        PrintView(*this, true);
        break;
    case kCommandPrintPreview:
        PrintPreview::Start(*this);
        break;
    }
}

bool View::DoPreparePrinting(PrintInfo& info)
{
    Application* application = Application::Current();
    if (info.preview || info.direct)
        return application->GetPrinterDeviceDefaults(&info.dialog);
    return application->DoPrintDialog(&info.dialog);
}
