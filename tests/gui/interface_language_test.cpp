// The interface Quillscape.exe shows, read from outside through the wide
// functions: English for a user whose interface language is not Japanese
// (these tests run once more in an English prefix) or when the profile's
// "Language" says "en"; the Japanese resources when it says "ja". Wine
// keeps a menu inside its process: app_tests reads the menus.

#include "gui_test.h"
#include "program_profile.h"
#include "program_windows.h"
#include "resource.h"
#include "wait_until.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kCommandAbout = 57664;

// The run's locale, as tools/with-wine was asked for it.
bool EnglishLocale()
{
    const char* locale = std::getenv("QS_LOCALE");
    return locale && std::string(locale) == "en";
}

std::wstring WideText(HWND window)
{
    WCHAR text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

std::vector<std::wstring> ControlTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(WideText(child));
    return texts;
}

class InterfaceLanguageTest : public GuiTest {
protected:
    // English as the run allows: the user's language in an English locale,
    // the profile's choice in a Japanese one.
    void ChooseEnglish()
    {
        if (!EnglishLocale())
            ChooseLanguage("en");
    }

    static void ChooseLanguage(const char* language)
    {
        EXPECT_TRUE(WriteProfileText("Settei", "Language", language));
    }

    // The dialog that the frame's command opens; it waits for it.
    HWND OpenDialog(UINT command)
    {
        PostMessageW(program_->Frame(), WM_COMMAND, command, 0);
        return WaitForWindow(program_->Process().Id(), "#32770");
    }

    static void CloseDialog(HWND dialog)
    {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }

    // The message pane, asked with a bound.
    std::wstring MessagePane() const
    {
        HWND bar = FindWindowExW(program_->Frame(), nullptr, STATUSCLASSNAMEW, nullptr);
        WCHAR text[256] = L"";
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(bar, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            kWindowAnswerTimeoutMs, &copied);
        return text;
    }

    // The message pane's text for a menu item under the pointer.
    std::wstring PromptOf(UINT command) const
    {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(program_->Frame(), WM_MENUSELECT, MAKEWPARAM(command, MF_STRING), 0, SMTO_ABORTIFHUNG,
                            kWindowAnswerTimeoutMs, &result);
        return MessagePane();
    }
};

TEST_F(InterfaceLanguageTest, TheEnglishInterfaceShowsEnglishDialogsStatusTextsAndHelp)
{
    ChooseEnglish();
    ASSERT_TRUE(StartProgram());
    EXPECT_EQ(MessagePane(), L"Ready");
    EXPECT_EQ(PromptOf(ID_OPTIONS), L"Change the conversion options");
    EXPECT_EQ(PromptOf(57665), L"Quit Quillscape");

    HWND options = OpenDialog(ID_OPTIONS);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(WideText(options), L"Options");
    EXPECT_EQ(ControlTexts(options),
              (std::vector<std::wstring>{L"Remove blank &rows", L"Remove blank &columns",
                                         L"Remove access-key &markers (&&)", L"Show multiline text on &one line",
                                         L"OK", L"Cancel"}));
    CloseDialog(options);

    HWND about = OpenDialog(kCommandAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WideText(about), L"About Quillscape");
    EXPECT_EQ(WideText(GetDlgItem(about, IDC_VERSION_LINE)), L"Quillscape Version 2.0.2");
    CloseDialog(about);

    // The viewer's caption is the one the English help file gives it.
    PostMessageW(program_->Frame(), WM_COMMAND, 57670, 0);
    HWND viewer = WaitForWindow(program_->Process().Id(), "HH Parent");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(WideText(viewer), L"Quillscape Help");
    ASSERT_TRUE(program_->Close());
}

// The gesture in the English interface makes the same document; a
// conversion stopped with Esc leaves the English message in the pane.
TEST_F(InterfaceLanguageTest, TheFinderConvertsInTheEnglishInterface)
{
    ChooseEnglish();
    SeedPlacementBesideFixtures();
    HWND buttons = OpenFixture(L"buttons");
    ASSERT_NE(buttons, nullptr);
    ASSERT_TRUE(StartProgram());
    ASSERT_TRUE(ConvertAt(OnCaption(buttons)));
    ExpectActiveDocumentIsConversionOf(buttons);
    // The document's own commands.
    EXPECT_EQ(PromptOf(57643), L"Undo the last action");
    EXPECT_EQ(PromptOf(57648), L"Open another window for the active document");

    HWND lists = OpenFixture(L"lists --slow-answers");
    ASSERT_NE(lists, nullptr);
    HWND frame = program_->Frame();
    ASSERT_TRUE(PressFinder());
    ASSERT_TRUE(DragFinderTo(OnCaption(lists)));
    ASSERT_TRUE(input_.Release());
    // The frame restored and its MDI area back on the screen: the conversion has begun.
    ASSERT_TRUE(WaitUntil([this, frame] {
        RECT area;
        GetWindowRect(program_->MdiClient(), &area);
        return MouseCaptureOf(frame) != frame && !IsIconic(frame) && area.left > -1000;
    }));
    ASSERT_TRUE(input_.MoveTo(CentreOf(program_->MdiClient())));
    ASSERT_TRUE(input_.Tap("Escape"));
    ASSERT_TRUE(WaitUntil([this] { return program_->Documents().size() == 2 && program_->Answers(); }));
    EXPECT_EQ(MessagePane(), L"Reading the window was canceled.");
}

// The Japanese about box is the taller one (235 x 145 dialog units against
// 235 x 90), whatever its font; the options dialog shows its Japanese texts
// whole in either locale.
TEST_F(InterfaceLanguageTest, JapaneseChosenOrTheUsersLanguageGivesTheJapaneseResources)
{
    if (EnglishLocale())
        ChooseLanguage("ja");
    ASSERT_TRUE(StartProgram());
    HWND about = OpenDialog(kCommandAbout);
    ASSERT_NE(about, nullptr);
    RECT client;
    GetClientRect(about, &client);
    EXPECT_GT(client.bottom * 2, client.right) << "the about box is the English one";
    CloseDialog(about);
    HWND options = OpenDialog(ID_OPTIONS);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(WideText(options), L"ｵﾌﾟｼｮﾝ");
    EXPECT_EQ(ControlTexts(options).back(), L"ｷｬﾝｾﾙ");
    CloseDialog(options);
    EXPECT_EQ(PromptOf(ID_OPTIONS), L"オプションの変更");
}

}  // namespace
