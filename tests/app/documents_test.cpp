#include "application.h"
#include "capture_state.h"
#include "child_frame.h"
#include "doc_template.h"
#include "document.h"
#include "edit_view.h"
#include "file_contents.h"
#include "mdi_child.h"
#include "main_frame.h"
#include "mdi_frame.h"
#include "shown_text.h"
#include "test_app.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

class DocumentsTest : public ::testing::Test {
protected:
    MdiChildWindow* Active() const { return app_.MainFrame()->ActiveChild(); }
    EditView* ActiveView() const { return static_cast<EditView*>(Active()->GetView()); }
    Document* ActiveDocument() const { return Active()->GetDocument(); }
    size_t DocumentCount() const { return app_.FirstTemplate()->Documents().size(); }
    bool Enabled(UINT id) const { return StateOfCommand(app_.MainFrame()->Route(), id).enabled; }

    // A new document holding `bytes` as a conversion puts them in.
    Document* NewDocumentWith(const std::string& bytes)
    {
        app_.Command(kCommandNew);
        SendMessageA(ActiveView()->Edit(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(bytes.c_str()));
        ActiveDocument()->SetModifiedFlag(false);
        return ActiveDocument();
    }

    TestApp app_;
};

TEST_F(DocumentsTest, NewDocumentsAreNumberedAndSizedAfterTheLastConversion)
{
    EXPECT_EQ(WindowText(app_.MainFrame()->Handle()), L"Quillscape");
    EXPECT_FALSE(Enabled(kCommandSave)) << "no document: no save, cut, copy or paste";
    EXPECT_FALSE(Enabled(kCommandCopy));
    EXPECT_FALSE(Enabled(kCommandPaste));

    app_.Command(kCommandNew);
    RECT rect;
    GetWindowRect(Active()->Handle(), &rect);
    // The system keeps a sizable window at least its smallest tracking width.
    EXPECT_EQ(rect.right - rect.left,
              std::max(50 + 2 * GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CXMINTRACK)));
    EXPECT_EQ(rect.bottom - rect.top,
              50 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYDLGFRAME));
    // An edit control draws its border itself and drops the style bit.
    EXPECT_EQ(GetWindowLongA(ActiveView()->Edit(), GWL_STYLE) | WS_BORDER, static_cast<LONG>(kEditViewStyle));
    EXPECT_EQ(SendMessageA(ActiveView()->Edit(), EM_GETLIMITTEXT, 0, 0), static_cast<LRESULT>(kEditViewLimit));

    OutputCols = 20;
    OutputRows = 3;
    app_.Command(kCommandNew);
    GetWindowRect(Active()->Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 170 + 2 * GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_EQ(WindowText(Active()->Handle()), L"QSC2");
    EXPECT_EQ(WindowText(app_.MainFrame()->Handle()), L"Quillscape - QSC2");
    EXPECT_FALSE(ActiveDocument()->IsModified());
    ResetCaptureState();

    EXPECT_EQ(GetMenuItemCount(GetMenu(app_.MainFrame()->Handle())), 6) << "the document's menu";
    EXPECT_TRUE(Enabled(kCommandSave));
    EXPECT_FALSE(Enabled(kCommandCopy)) << "nothing selected";
    for (char typed : {'a', 'b', 'c'})
        SendMessageA(ActiveView()->Edit(), WM_CHAR, typed, 1);
    SendMessageA(ActiveView()->Edit(), EM_SETSEL, 0, 2);
    EXPECT_TRUE(Enabled(kCommandCopy));
    EXPECT_TRUE(ActiveDocument()->IsModified()) << "an edit marks the document";
}

TEST_F(DocumentsTest, SavingWritesExactlyTheBytesAndOpeningShowsThemAgain)
{
    const std::string lines = "\x84\xA1\x84\x9F\x84\xA2\r\n\x84\xA0 \x84\xA0\r\n";  // ┌─┐ / │ │
    Document* document = NewDocumentWith(lines);
    const std::wstring path = ScratchPath(L"picture.txt");
    ASSERT_TRUE(document->DoSave(path));
    EXPECT_EQ(FileBytes(path), lines) << "a converted picture is saved in Shift-JIS";
    EXPECT_EQ(WindowText(Active()->Handle()), L"picture.txt");
    EXPECT_EQ(app_.RecentFiles()->Path(0), path);
    ActiveDocument()->OnCloseDocument();

    // Half a double-byte character and a character that code page 932 maps
    // twice do not survive a round trip through the control's Unicode text.
    const std::string picture = lines + "\xED\x40 \x82\r\n";
    ASSERT_TRUE(WriteFileBytes(path, picture));
    ASSERT_NE(app_.OpenDocumentFile(path), nullptr);
    EXPECT_FALSE(ActiveDocument()->IsModified());
    ASSERT_TRUE(ActiveDocument()->DoFileSave());
    EXPECT_EQ(FileBytes(path), picture) << "read and written back unchanged";

    // Once the text is edited, the control's text is what is saved.
    SendMessageA(ActiveView()->Edit(), EM_SETSEL, 0, 0);
    SendMessageA(ActiveView()->Edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
    EXPECT_TRUE(ActiveDocument()->IsModified());
    ASSERT_TRUE(ActiveDocument()->DoFileSave());
    EXPECT_EQ(FileBytes(path).value_or("").substr(0, 7), "x\x84\xA1\x84\x9F\x84\xA2");
    EXPECT_TRUE(app_.messages.empty());
}

TEST_F(DocumentsTest, AFailedSaveKeepsTheTextTheFlagAndThePreviousFile)
{
    Document* document = NewDocumentWith("picture\r\n");
    const std::wstring path = ScratchPath(L"kept.txt");
    ASSERT_TRUE(WriteFileBytes(path, "previous"));
    document->SetModifiedFlag(true);

    EXPECT_FALSE(document->DoSave(ScratchPath(L"no such folder\\x.txt")));
    const std::wstring folder = ScratchPath(L"a folder");
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_FALSE(document->DoSave(folder)) << "a folder cannot be replaced by the file";
    ASSERT_EQ(app_.messages.size(), 2u);
    EXPECT_EQ(app_.messages[0], LoadString(kSaveFailedMessage));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(ActiveView()->Text(), L"picture\r\n");
    EXPECT_EQ(FileBytes(path), "previous");
    EXPECT_EQ(document->Title(), L"QSC1");
}

TEST_F(DocumentsTest, TheMessagePaneShowsTheHighlightedCommandsPrompt)
{
    HWND frame = app_.MainFrame()->Handle();
    HWND status = GetDlgItem(frame, kCommandToggleStatusBar);
    const auto pane = [status] {
        char text[256] = "";
        SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_EQ(pane(), "レディ");
    HMENU menu = GetMenu(frame);
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(kCommandExit, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(Widen(pane()), PromptPart(LoadString(kCommandExit)));
    EXPECT_FALSE(pane().empty());
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(pane(), "レディ") << "the idle text when the menu closes";

    EXPECT_TRUE(StateOfCommand(app_.MainFrame()->Route(), kCommandToggleStatusBar).checked);
    app_.Command(kCommandToggleStatusBar);
    EXPECT_FALSE(IsWindowVisible(status));
    EXPECT_FALSE(StateOfCommand(app_.MainFrame()->Route(), kCommandToggleStatusBar).checked);
}

TEST_F(DocumentsTest, FilesThatCannotBeShownOpenNothing)
{
    const std::wstring large = ScratchPath(L"large.txt");
    ASSERT_TRUE(WriteFileBytes(large, std::string(kEditViewLimit + 1, 'a')));
    const std::wstring withNul = ScratchPath(L"zero byte.txt");
    ASSERT_TRUE(WriteFileBytes(withNul, std::string("a\0b", 3)));
    const std::wstring missing = ScratchPath(L"missing.txt");

    EXPECT_EQ(app_.OpenDocumentFile(large), nullptr);
    EXPECT_EQ(app_.OpenDocumentFile(withNul), nullptr);
    EXPECT_EQ(app_.OpenDocumentFile(missing), nullptr);
    TestApp::Pump();
    EXPECT_EQ(DocumentCount(), 0u) << "no document half-loaded";
    EXPECT_EQ(Active(), nullptr);
    ASSERT_EQ(app_.messages.size(), 3u);
    EXPECT_NE(app_.messages[0].find(large), std::wstring::npos) << "the too-large message names the file";
    EXPECT_EQ(app_.messages[1], LoadString(kOpenFailedMessage));
    EXPECT_EQ(app_.messages[2], LoadString(kOpenFailedMessage));

    // A recent file that has gone leaves the list with the same message.
    ASSERT_TRUE(WriteFileBytes(missing, "here"));
    ASSERT_NE(app_.OpenDocumentFile(missing), nullptr);
    ActiveDocument()->OnCloseDocument();
    DeleteFileW(missing.c_str());
    app_.Command(kFirstRecentFileCommand);
    EXPECT_EQ(app_.RecentFiles()->Size(), 0u);
    EXPECT_EQ(app_.messages.back(), LoadString(kOpenFailedMessage));
}

TEST_F(DocumentsTest, ClosingAModifiedDocumentAsksAndRespectsTheAnswer)
{
    Document* document = NewDocumentWith("text\r\n");
    document->SetModifiedFlag(true);

    app_.answer = IDCANCEL;
    app_.Command(kCommandClose);
    ASSERT_EQ(DocumentCount(), 1u) << "cancel keeps everything";
    EXPECT_EQ(app_.messages.back(), L"QSC1 への変更を保存しますか?");
    EXPECT_TRUE(document->IsModified());

    app_.answer = IDCANCEL;
    SendMessageA(app_.MainFrame()->Handle(), WM_CLOSE, 0, 0);
    TestApp::Pump();
    ASSERT_TRUE(IsWindow(app_.MainFrame()->Handle())) << "closing the program is cancelled too";

    app_.answer = IDNO;
    app_.Command(kCommandClose);
    EXPECT_EQ(DocumentCount(), 0u);
    EXPECT_EQ(app_.messages.size(), 3u);

    NewDocumentWith("unchanged\r\n");
    app_.Command(kCommandClose);
    EXPECT_EQ(DocumentCount(), 0u) << "an unmodified document closes without asking";
    EXPECT_EQ(app_.messages.size(), 3u);
    EXPECT_EQ(GetMenuItemCount(GetMenu(app_.MainFrame()->Handle())), 4) << "the frame's own menu is back";
    EXPECT_EQ(WindowText(app_.MainFrame()->Handle()), L"Quillscape");
}

// The Window menu's entry for the `number`th child frame.
std::wstring WindowMenuEntry(HWND frame, int number)
{
    wchar_t text[256] = L"";
    GetMenuStringW(GetMenu(frame), kFirstMdiChildId + number - 1, text, 256, MF_BYCOMMAND);
    return text;
}

TEST_F(DocumentsTest, TitlesCaptionsAndSizesBehaveAsInEveryMdiProgram)
{
    auto* frame = static_cast<CMainFrame*>(app_.MainFrame());
    HWND main = frame->Handle();
    ConversionResult result;
    result.text = "\x8F\xE3\x82\xCC\x8D\x73\r\n\x89\xBA\x82\xCC\x8D\x73\r\n";  // 上の行 / 下の行
    result.unicodeText = Widen(result.text);
    // A title shows its first line without control characters; the text
    // keeps every line. The newest document has its Window-menu entry at once.
    const std::vector<std::pair<std::string, std::string>> titles = {
        {result.text, "\x8F\xE3\x82\xCC\x8D\x73"},
        {"first\tline\x01\x7F\nsecond\rthird", "firstline"},
    };
    int number = 0;
    for (const auto& [title, shown] : titles) {
        result.title = title;
        ASSERT_TRUE(frame->ShowConversion(result));
        TestApp::Pump();
        EXPECT_EQ(WindowText(Active()->Handle()), Widen(shown));
        EXPECT_EQ(WindowText(main), L"Quillscape - " + Widen(shown));
        ++number;
        EXPECT_EQ(WindowMenuEntry(main, number), L"&" + std::to_wstring(number) + L" " + Widen(shown));
        EXPECT_EQ(ActiveView()->Text(), result.unicodeText);
    }

    SendMessageA(app_.MainFrame()->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Active()->Handle()), 0);
    TestApp::Pump();
    EXPECT_EQ(WindowText(main), L"Quillscape - [firstline]");
    result.title = "third";
    ASSERT_TRUE(frame->ShowConversion(result));
    TestApp::Pump();
    EXPECT_TRUE(IsZoomed(Active()->Handle())) << "a new document opens maximised beside a maximised one";
    EXPECT_EQ(WindowText(main), L"Quillscape - [third]");
    EXPECT_EQ(WindowMenuEntry(main, 3), L"&3 third");
    SendMessageA(app_.MainFrame()->MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(Active()->Handle()), 0);
    TestApp::Pump();
    EXPECT_EQ(WindowText(main), L"Quillscape - third");

    // A file's frame is sized for its text, whatever the last conversion's size.
    OutputCols = 100;
    OutputRows = 20;
    const std::wstring path = ScratchPath(L"lines.txt");
    ASSERT_TRUE(
        WriteFileBytes(path, "12345678901234567890\r\n\x8F\xE3\r\n" + std::string(30, '-') + "\r\nlast"));
    ASSERT_NE(app_.OpenDocumentFile(path), nullptr);
    TestApp::Pump();
    RECT rect, client;
    GetWindowRect(Active()->Handle(), &rect);
    GetClientRect(main, &client);
    const SIZE wanted = ChildFrameSize(30, 4, client);
    EXPECT_EQ(rect.right - rect.left, wanted.cx);
    EXPECT_EQ(rect.bottom - rect.top, wanted.cy);
    ResetCaptureState();
}

}  // namespace
