// Edits, combo boxes and list boxes made by the test, read by their
// extractors through the walk.
#include "capture_test_support.h"

#include <string>

namespace {

class TextControlsTest : public CaptureTest {
protected:
    // Screen top of the host window: the origin of list-box capacities.
    int HostTop()
    {
        RECT rect;
        GetWindowRect(host_, &rect);
        return rect.top;
    }

    // Kind and shape of the record with this text.
    static std::string Frame(const std::vector<CaptureItem>& items, const std::string& text)
    {
        for (const CaptureItem& item : items)
            if (item.text == text)
                return KindAndShape(item);
        return "no record \"" + text + "\"";
    }

    // Client y of the given screen y.
    int ClientY(int screenY)
    {
        POINT point{0, screenY};
        ScreenToClient(host_, &point);
        return point.y;
    }
};

TEST_F(TextControlsTest, ListEntriesAreReadWholeFromAnsiAndUnicodeLists)
{
    const std::string longEntry(700, 'a');
    HWND ansi = AddChild("ListBox", "", 0, 10, 10, 150, 100);
    HWND unicode = CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE, 170, 10, 150, 100, host_, nullptr,
                                   nullptr, nullptr);
    SendMessageA(ansi, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longEntry.c_str()));
    SendMessageA(ansi, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("日本語"));
    const std::wstring longWide(700, L'a');
    SendMessageW(unicode, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longWide.c_str()));
    SendMessageW(unicode, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"日本語"));

    for (HWND list : {ansi, unicode}) {
        const auto items = Capture(list);
        EXPECT_EQ(Texts(items), (std::vector<std::string>{"", longEntry, "日本語"}));
        for (const CaptureItem& item : items)
            EXPECT_STREQ(item.className, "ListBox");
    }
}

TEST_F(TextControlsTest, OwnerDrawnListsWithoutStringsGiveEmptyRows)
{
    HWND list = AddChild("ListBox", "", LBS_OWNERDRAWFIXED, 10, 10, 150, 100);
    for (LPARAM data : {0x41414141, 0x42424242, 0x43434343})
        SendMessageA(list, LB_ADDSTRING, 0, data);

    EXPECT_EQ(Texts(Capture(list)), (std::vector<std::string>{"", "", "", ""}));
}

// Rows 10 to 20 below the window's top hold 20 - 10 - 4 + 2 entries.
TEST_F(TextControlsTest, AWholeWindowShowsTheEntriesThatFitFromTheFirstVisible)
{
    HWND list = AddChild("ListBox", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 10, ClientY(HostTop() + 70), 150, 70);
    for (int i = 0; i < 100; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
    SendMessageA(list, LB_SETTOPINDEX, 5, 0);

    const auto items = Capture(host_);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"", "5", "6", "7", "8", "9", "10", "11", "12"}));
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].kind, 'B') << "the framed block the entries are placed in";
    EXPECT_EQ(items[1].rect.top, items[0].rect.top);
    EXPECT_EQ(items[8].rect.top, items[0].rect.top + 7 * 7);
}

struct ComboCase {
    const char* selection;
    DWORD style;
    std::string text;
};

TEST_F(TextControlsTest, ComboBoxesShowTheSelectionPaddedToTheMark)
{
    const ComboCase cases[] = {
        {"abc", 0, "abc" + std::string(33, ' ') + "│▼"},
        {"abcd", 0, "abcd" + std::string(32, ' ') + "│▼"},
        {"abc", CBS_OWNERDRAWFIXED, std::string(36, ' ') + "│▼"},
    };
    for (const ComboCase& c : cases) {
        HWND combo = AddChild("ComboBox", "", CBS_DROPDOWNLIST | c.style, 10, 10, 200, 100);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.selection));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        RECT rect;
        GetWindowRect(combo, &rect);

        const auto items = Capture(combo);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].text, c.text);
        EXPECT_EQ(items[0].rect.right - items[0].rect.left, 5 * static_cast<int>(c.text.size()) + 4);
        EXPECT_EQ(items[0].rect.top, rect.top + 7);
        DestroyWindow(combo);
    }
}

TEST_F(TextControlsTest, EditsAreFramedByTheirEdgeAndHeightAndWrapped)
{
    const std::string text = "This single-line text of 125 bytes fills an edit control sixty columns wide; "
                             "the capture breaks it at spaces into three rows.";
    AddChild("Edit", "small", 0, 10, 10, 100, 18, WS_EX_CLIENTEDGE);
    AddChild("Edit", "plain", 0, 10, 40, 100, 30);
    HWND wide = AddChild("Edit", text.c_str(), ES_AUTOHSCROLL, 10, 80, 300, 30, WS_EX_CLIENTEDGE);

    const auto items = Capture(host_);
    EXPECT_EQ(Frame(items, "small"), "BS");
    EXPECT_EQ(Frame(items, "plain"), "  ");
    EXPECT_EQ(Frame(items, "This single-line text of 125 bytes fills an edit control"), "BL");
    EXPECT_EQ(Frame(items, "sixty columns wide; the capture breaks it at spaces into"), "  ");
    EXPECT_EQ(Frame(items, "three rows."), "  ");
    EXPECT_EQ(items.size(), 5u);

    EXPECT_EQ(Capture(wide)[0].kind, ' ') << "no frame for a single control";
}

}  // namespace
