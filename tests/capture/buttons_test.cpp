// Buttons and statics made by the test, read by their extractors.
#include "capture_test_support.h"

#include <string>

namespace {

class ButtonsTest : public CaptureTest {
protected:
    // The one record of a single control.
    CaptureItem CaptureOne(HWND control)
    {
        const auto items = Capture(control);
        EXPECT_EQ(items.size(), 1u);
        return items.empty() ? CaptureItem{} : items[0];
    }
};

// The mark follows the check bits alone: focus and pressing do not hide it.
TEST_F(ButtonsTest, CheckAndRadioMarksFollowTheCheckState)
{
    struct MarkCase {
        DWORD style;
        WPARAM check;
        bool pushed;
        bool focused;
        const char* tag;
        std::string text;
    };
    const MarkCase cases[] = {
        {BS_AUTOCHECKBOX, BST_UNCHECKED, false, false, "CheckBox", "□Save"},
        {BS_AUTOCHECKBOX, BST_CHECKED, false, false, "CheckBox", "■Save"},
        {BS_AUTOCHECKBOX, BST_CHECKED, true, false, "CheckBox", "■Save"},
        {BS_AUTOCHECKBOX, BST_CHECKED, false, true, "CheckBox", "■Save"},
        {BS_3STATE, BST_INDETERMINATE, false, false, "CheckBox", "ЙSave"},
        {BS_AUTORADIOBUTTON, BST_CHECKED, false, true, "RadioButton", "●Save"},
        {BS_RADIOBUTTON, BST_UNCHECKED, true, false, "RadioButton", "○Save"},
        {BS_AUTO3STATE, BST_INDETERMINATE, false, false, "CheckBox", "ЙSave"},
        {BS_CHECKBOX, BST_CHECKED, false, false, "CheckBox", "■Save"},
    };
    for (const MarkCase& c : cases) {
        HWND button = AddChild("Button", "Save", c.style, 10, 10, 40, 20);
        SendMessageA(button, BM_SETCHECK, c.check, 0);
        SendMessageA(button, BM_SETSTATE, c.pushed, 0);
        if (c.focused)
            SetFocus(button);
        const UINT state = static_cast<UINT>(SendMessageA(button, BM_GETSTATE, 0, 0));
        EXPECT_EQ((state & BST_PUSHED) != 0, c.pushed);
        EXPECT_EQ((state & BST_FOCUS) != 0, c.focused);

        const CaptureItem item = CaptureOne(button);
        EXPECT_STREQ(item.className, c.tag) << "state " << state;
        EXPECT_EQ(item.text, c.text) << "state " << state;
        DestroyWindow(button);
    }
}

TEST_F(ButtonsTest, CaptionsAreEvenedCentredAndKeepTheirMarkersForTheLayout)
{
    const CaptureItem odd = CaptureOne(AddChild("Button", "Odd", BS_AUTOCHECKBOX, 10, 10, 60, 20));
    EXPECT_EQ(odd.text, "□Odd ");

    const CaptureItem push = CaptureOne(AddChild("Button", "Cancel", BS_PUSHBUTTON, 10, 40, 100, 25));
    EXPECT_EQ(push.text, std::string(6, ' ') + "Cancel");
    EXPECT_EQ(KindAndShape(push), "BL");

    HWND group = AddChild("Button", "&Save && Exit", BS_GROUPBOX, 120, 10, 200, 100);
    const CaptureItem caption = CaptureOne(group);
    EXPECT_EQ(caption.kind, 'G');
    EXPECT_EQ(caption.text, "&Save && Exit ");
    Capture(host_);
    EXPECT_NE(result_.text.find("Save & Exit"), std::string::npos) << "mnemonics removed once\n" << result_.text;
}

TEST_F(ButtonsTest, ThinFramedAndEtchedStaticsBecomeLines)
{
    const CaptureItem thin = CaptureOne(AddChild("Static", "", SS_ETCHEDHORZ, 10, 10, 300, 2));
    EXPECT_STREQ(thin.className, "LINE");
    std::string thinLine;
    for (int i = 0; i < 30; ++i)
        thinLine += "─";
    EXPECT_EQ(thin.text, thinLine);

    const CaptureItem thick = CaptureOne(AddChild("Static", "", SS_BLACKRECT, 10, 20, 300, 5));
    EXPECT_EQ(thick.text.substr(0, 4), "━━");
    EXPECT_EQ(thick.text.size(), 60u);

    const CaptureItem gray = CaptureOne(AddChild("Static", "gray", SS_GRAYFRAME, 10, 30, 300, 2));
    EXPECT_STREQ(gray.className, "Static") << "a gray frame is no line";

    HWND vertical = AddChild("Static", "", SS_ETCHEDVERT, 350, 10, 2, 70);
    RECT rect;
    GetWindowRect(vertical, &rect);
    const auto marks = Capture(vertical);
    ASSERT_EQ(marks.size(), 14u);
    for (size_t i = 0; i < marks.size(); ++i) {
        EXPECT_STREQ(marks[i].className, "LINE");
        EXPECT_EQ(marks[i].text, "│");
        EXPECT_EQ(marks[i].rect.top, rect.top + 7 * static_cast<int>(i));
    }
}

}  // namespace
