// Without any printer (no CUPS to ask): print, print direct, the preview and
// print setup each say so once, start nothing, and leave the program as it
// was.
#include "application.h"
#include "dialog_answer.h"
#include "edit_view.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "print_texts.h"
#include "test_app.h"
#include "view.h"

#include <gtest/gtest.h>

namespace {

TEST(NoPrinterTest, PrintingAndThePreviewRefuseWithAClearMessage)
{
    TestApp app;
    app.Command(kCommandNew);
    auto* view = static_cast<EditView*>(app.MainFrame()->ActiveChild()->GetView());
    SendMessageA(view->Edit(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("絵\r\n"));
    const HMENU menu = GetMenu(app.MainFrame()->Handle());

    for (UINT command : {kCommandPrint, kCommandPrintDirect, kCommandPrintPreview, kCommandPrintSetup}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(StateOfCommand(app.MainFrame()->Route(), command).enabled);
        app.messages.clear();
        DialogAnswer noDialog([](HWND dialog) { Click(dialog, IDCANCEL); });
        app.Command(command);
        EXPECT_FALSE(noDialog.Answered()) << "no dialog opens";
        EXPECT_EQ(app.messages, std::vector<std::wstring>{LoadString(kNoPrinterText)});
        EXPECT_EQ(app.MainFrame()->Preview(), nullptr);
        EXPECT_EQ(GetMenu(app.MainFrame()->Handle()), menu);
        EXPECT_EQ(view->Pages(), nullptr) << "nothing was paginated";
    }
    EXPECT_FALSE(app.Printer().EnsureDefaults());
}

}  // namespace
