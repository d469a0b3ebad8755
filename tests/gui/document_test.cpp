// Output documents made by the finder, used as a user uses them: closed
// fresh or after an edit, and their selected text dragged into another
// program.

#include "code_page.h"
#include "fixture_ids.h"
#include "gui_test.h"
#include "wait_until.h"

#include <cstdio>
#include <string>

namespace {

std::string Hex(const std::string& bytes)
{
    std::string hex;
    for (unsigned char byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += digits;
    }
    return hex;
}

class DocumentTest : public GuiTest {
protected:
    // The program beside a fixture window, with that window's control `id`
    // converted (or the whole window, from its title bar, for id 0); the
    // fixture window.
    HWND ConvertFixture(const std::wstring& fixture, int id)
    {
        SeedPlacementBesideFixtures();
        HWND window = OpenFixture(fixture);
        if (!window || !StartProgram())
            return nullptr;
        return ConvertAt(id ? CentreOf(GetDlgItem(window, id)) : OnCaption(window)) ? window : nullptr;
    }

    // Closes the child frame as its close box does, without waiting.
    static void AskToClose(HWND child) { PostMessageA(child, WM_CLOSE, 0, 0); }

    // Waits for the save prompt and answers it with a click on `button`.
    void AnswerSavePrompt(const std::string& title, int button)
    {
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = program_->MessageBox()) != nullptr; })) << "no prompt";
        EXPECT_EQ(ShownText(box), "Quillscape");
        EXPECT_EQ(ShiftJisToUtf8(MessageBoxText(box)), ShiftJisToUtf8(title + " への変更を保存しますか?"));
        ASSERT_TRUE(input_.MoveTo(CentreOf(GetDlgItem(box, button))));
        ASSERT_TRUE(input_.Run("click 1"));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the prompt stayed";
    }

    // Selects `start` to `end` of the view (edit-control offsets), presses
    // inside the selection and drags it onto the drop window, where the
    // bytes `selected` must arrive.
    void DragSelectionOnto(HWND dropWindow, HWND view, LRESULT start, LRESULT end, const std::string& selected)
    {
        SendMessageA(view, EM_SETSEL, start, end);
        SendMessageA(view, EM_SCROLLCARET, 0, 0);
        // Presses in a row never land close enough together to be a double click.
        const LRESULT inside = SendMessageA(view, EM_POSFROMCHAR, start + (++drags_ % 2 ? 5 : 1), 0);
        POINT from{static_cast<SHORT>(LOWORD(inside)) + 1, static_cast<SHORT>(HIWORD(inside)) + 4};
        ClientToScreen(view, &from);
        HWND report = GetDlgItem(dropWindow, IDC_DROP_RECEIVED);

        ASSERT_TRUE(input_.MoveTo(from));
        ASSERT_TRUE(input_.Press());
        ASSERT_TRUE(input_.Glide(from, CentreOf(dropWindow), 10));
        ASSERT_TRUE(WaitUntil([&] { return ShownText(report) == "drag entered"; }))
            << "no drag came over the target from offset " << start;
        ASSERT_TRUE(input_.Release());
        EXPECT_TRUE(WaitUntil([&] { return ShownText(report) == Hex(selected); })) << ShownText(report);
    }

    int drags_ = 0;
};

TEST_F(DocumentTest, FreshDocumentClosesAtOnceAnEditedOneAsksFirst)
{
    HWND dialog = ConvertFixture(L"buttons", IDC_CHECK_ON);
    ASSERT_TRUE(dialog);
    AskToClose(program_->ActiveDocument());
    ASSERT_TRUE(WaitUntil([this] { return program_->Documents().empty() && program_->Answers(); }));
    EXPECT_FALSE(program_->MessageBox());

    ASSERT_TRUE(ConvertAt(CentreOf(GetDlgItem(dialog, IDC_CHECK_ON))));
    HWND child = program_->ActiveDocument();
    HWND view = ViewOf(child);
    const std::string converted = ViewText(view);
    ASSERT_TRUE(input_.MoveTo(CentreOf(view)));
    ASSERT_TRUE(input_.Run("click 1"));
    ASSERT_TRUE(input_.Tap("x"));
    ASSERT_TRUE(WaitUntil([&] { return ViewText(view) != converted; })) << "the key did not reach the view";

    AskToClose(child);
    const std::string title = ShownText(child);
    AnswerSavePrompt(title, IDCANCEL);
    EXPECT_TRUE(program_->Answers());
    EXPECT_TRUE(IsWindow(child));
    EXPECT_EQ(program_->Documents().size(), 1u);

    AskToClose(child);
    AnswerSavePrompt(title, IDNO);
    EXPECT_TRUE(WaitUntil([this] { return program_->Documents().empty(); }));
}

TEST_F(DocumentTest, SelectionDraggedIntoAnotherProgramArrivesAsTextAndStays)
{
    HWND dropWindow = ConvertFixture(L"drop", 0);
    ASSERT_TRUE(dropWindow);
    HWND view = ViewOf(program_->ActiveDocument());
    const std::string text = ViewText(view);
    const size_t secondLineEnd = text.find("\r\n", text.find("\r\n") + 2) + 2;
    ASSERT_NE(secondLineEnd, std::string::npos + 2) << "fewer than two lines:\n" << ShiftJisToUtf8(text);

    // The first two lines, in the edit control's own offsets.
    const LRESULT end = SendMessageA(view, EM_LINEINDEX, 2, 0);
    DragSelectionOnto(dropWindow, view, 0, end, text.substr(0, secondLineEnd));

    // The target asked for a move; the view keeps its text and its selection.
    ASSERT_TRUE(program_->Answers());
    EXPECT_TRUE(ViewText(view) == text) << ShiftJisToUtf8(ViewText(view));
    DWORD selStart = 0, selEnd = 0;
    SendMessageA(view, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, static_cast<DWORD>(end));

    // Far past the 65,535 characters that the low word of a character
    // position can tell, in a document of several hundred thousand.
    std::string large;
    for (int line = 0; line < 5000; ++line)
        large += "line " + std::to_string(line) + std::string(70, '.') + "\r\n";
    ASSERT_TRUE(SendMessageA(view, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(large.c_str())));
    for (int line : {900, 4321}) {
        const std::string wanted = "line " + std::to_string(line) + "....";
        const LRESULT start = SendMessageA(view, EM_LINEINDEX, line, 0);
        ASSERT_EQ(large.compare(static_cast<size_t>(start), wanted.size(), wanted), 0);
        DragSelectionOnto(dropWindow, view, start, start + static_cast<LRESULT>(wanted.size()), wanted);
    }
}
}  // namespace
