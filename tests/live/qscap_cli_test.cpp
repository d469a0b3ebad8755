// qscap and qslayout run as a user runs them: a capture dump laid out again
// gives the capture's text byte for byte, an incomplete capture writes its
// picture and says why with status 3, and wrong requests end with status 2
// and a message on stderr.

#include "code_page.h"
#include "cp932.h"
#include "fixture_ids.h"
#include "foreign_characters.h"
#include "golden_picture.h"
#include "host_path.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "program_run.h"

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kNoWindowOrUsage = 2;
constexpr DWORD kIncomplete = 3;

// A file name of its own in the temporary folder, removed again with the object.
class TemporaryFile {
public:
    TemporaryFile()
    {
        wchar_t folder[MAX_PATH];
        wchar_t name[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"qsd", 0, name);
        path_ = name;
    }
    ~TemporaryFile() { DeleteFileW(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::wstring Quoted() const { return L"\"" + path_ + L"\""; }

private:
    std::wstring path_;
};

class QscapTest : public LiveFixtureTest {
protected:
    // Runs qscap on `target` (its window and option arguments) with a dump,
    // then qslayout on that dump; both must print the same bytes.
    void ExpectLayoutOfDumpGivesTheSameBytes(const std::wstring& target)
    {
        SCOPED_TRACE(std::string(target.begin(), target.end()));
        TemporaryFile dump;
        const ProgramRun capture = RunProgram(QS_QSCAP, target + L" --dump " + dump.Quoted());
        ASSERT_EQ(capture.exitCode, 0u) << capture.errors;
        EXPECT_EQ(capture.errors, "");
        ASSERT_NE(capture.output.find("\r\n"), std::string::npos) << "no text";
        const ProgramRun layout = RunProgram(QS_QSLAYOUT, dump.Quoted());
        ASSERT_EQ(layout.exitCode, 0u) << layout.errors;
        EXPECT_TRUE(layout.output == capture.output) << "qslayout:\n"
                                                     << ShiftJisToUtf8(layout.output) << "qscap:\n"
                                                     << ShiftJisToUtf8(capture.output);
    }
};

TEST_F(QscapTest, LayoutOfTheDumpGivesTheCapturedBytes)
{
    ASSERT_TRUE(Open(L"edits"));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_) +
                                        L" --option NoMuitiLine=1 --option DelSpcLinFlg=0");
    // Scaled as on a screen of 200 %: the dump holds the scaled rectangles.
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_) + L" --dpi 192");
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_) + L" --child " +
                                        std::to_wstring(IDC_EDIT_MULTI));

    ASSERT_TRUE(Open(L"lists"));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_) + L" --child " +
                                        std::to_wstring(IDC_LIST_SCROLLED));

    ASSERT_TRUE(Open(L"buttons"));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_) +
                                        L" --option CutUnderLine=0 --option DelSpcColFlg=0");

    // Found by its Japanese title, passed through the ANSI command line.
    ASSERT_TRUE(Open(L"main"));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--title \"Fixture: main メイン\"");
}

// Texts in scripts that code page 932 lacks: the UTF-8 picture, the
// conversion's UTF-16 picture and the layout of the dump keep every
// character in its place; the Shift-JIS picture has "?" or "？" in their
// cells, and qscap says once how many.
TEST_F(QscapTest, CharactersOutsideCodePage932KeepTheirPlaceWidthAndIdentity)
{
    ASSERT_TRUE(Open(L"scripts"));
    const std::wstring target = L"--hwnd " + Hex(window_);
    TemporaryFile dump;
    const ProgramRun utf8 = RunProgram(QS_QSCAP, target + L" --utf8 --dump " + dump.Quoted());
    ASSERT_EQ(utf8.exitCode, 0u) << utf8.errors;
    EXPECT_EQ(utf8.errors, "");
    EXPECT_TRUE(MatchesGoldenUtf8("scripts", utf8.output));
    const ProgramRun layout = RunProgram(QS_QSLAYOUT, L"--utf8 " + dump.Quoted());
    EXPECT_EQ(layout.output, utf8.output);

    const ConversionResult live = CaptureLive(window_);
    EXPECT_EQ(WideToUtf8(live.unicodeText), utf8.output);

    std::string expected = Utf8ToShiftJis(utf8.output);
    const size_t replaced = ReplaceForeignCharacters(&expected);
    EXPECT_EQ(live.replacedCharacters, replaced);
    const ProgramRun shiftJis = RunProgram(QS_QSCAP, target);
    ASSERT_EQ(shiftJis.exitCode, 0u) << shiftJis.errors;
    EXPECT_EQ(ShiftJisToUtf8(shiftJis.output), ShiftJisToUtf8(expected));
    EXPECT_EQ(shiftJis.output, live.text);
    EXPECT_EQ(shiftJis.errors, "qscap: " + std::to_string(replaced) +
                                   " characters outside code page 932 written as \"?\" or \"？\"; --utf8 keeps them\n");
    ClearForeignCharacters();
}

// The picture is the one the program shows; stderr says what it lacks.
TEST_F(QscapTest, IncompleteCapturesWriteThePictureAndSayWhyWithStatus3)
{
    ASSERT_TRUE(Open(L"closing"));
    const ProgramRun closed = RunProgram(QS_QSCAP, L"--hwnd " + Hex(window_));
    EXPECT_EQ(closed.exitCode, kIncomplete);
    EXPECT_EQ(closed.errors, "qscap: windows closed while they were read; the picture is cut short (windows: 1)\n");
    EXPECT_TRUE(MatchesGolden("closing", closed.output));

    ASSERT_TRUE(Open(L"lists --hang-after-ready"));
    const ProgramRun hung = RunProgram(QS_QSCAP, L"--hwnd " + Hex(window_));
    EXPECT_EQ(hung.exitCode, kIncomplete);
    EXPECT_EQ(hung.errors,
              "qscap: the window's program did not answer; its controls' contents are missing "
              "(threads: 1, windows: 10)\n");
    EXPECT_TRUE(MatchesGolden("lists-hung", hung.output));
}

TEST(QscapErrors, NoSuchWindowGivesStatus2AndTheMessageInTheTextsCodePage)
{
    struct Case {
        const wchar_t* target;
        const char* message;
    };
    const Case cases[] = {{L"--title \"No window has this title\"", "有効な画面ではありません。\n"},
                          {L"--class QsNoSuchClass", "有効な画面ではありません。\n"},
                          {L"--hwnd 0x0", "有効な画面ではありません。\n"},
                          {L"--utf8 --hwnd 0x0", u8"有効な画面ではありません。\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.target, c.target + std::char_traits<wchar_t>::length(c.target)));
        const ProgramRun run = RunProgram(QS_QSCAP, c.target);
        EXPECT_EQ(run.exitCode, kNoWindowOrUsage);
        EXPECT_EQ(run.errors, c.message);
        EXPECT_EQ(run.output, "");
    }
}

TEST(QscapErrors, BadArgumentsAreNamedWithStatus2)
{
    struct Case {
        const wchar_t* arguments;
        const char* fault;
    };
    const Case cases[] = {
        {L"", "no window given: use --title, --class, --hwnd or --point"},
        {L"--bogus --hwnd 0x1", "--bogus: no such argument"},
        {L"--hwnd 0x1 --title", "--title: needs a value"},
        {L"--hwnd 0x1 --child", "--child: needs a value"},
        {L"--hwnd 0xZZ", "--hwnd 0xZZ: not a window handle in hexadecimal (0x0 to 0xFFFFFFFF)"},
        {L"--hwnd 0x1 --child 70000", "--child 70000: not a control id (0 to 65535)"},
        {L"--point 1", "--point 1: not a screen point X,Y"},
        {L"--hwnd 0x1 --option CutUnderLine=2", "--option CutUnderLine=2: the value must be 0 or 1"},
        {L"--hwnd 0x1 --option Foo=1",
         "--option Foo=1: no such option; they are DelSpcLinFlg, DelSpcColFlg, CutUnderLine and NoMuitiLine"},
        {L"--hwnd 0x1 --option Foo", "--option Foo: not NAME=0|1"},
        {L"--hwnd 0x1 -o \"\"", "-o \"\": needs a file name"},
        {L"--hwnd 0x1 --dpi 71", "--dpi 71: not a DPI from 72 to 960"},
        {L"--hwnd 0x1 --dpi 144x", "--dpi 144x: not a DPI from 72 to 960"},
        {L"--title a --hwnd 0x1", "--hwnd: cannot be used with --title or --class"},
        {L"--child 5", "--child: needs its window: --title, --class or --hwnd"},
        {L"--hwnd 0x1 --child 1 --point 1,2", "--child: cannot be used with --point"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.arguments, c.arguments + std::char_traits<wchar_t>::length(c.arguments)));
        const ProgramRun run = RunProgram(QS_QSCAP, c.arguments);
        EXPECT_EQ(run.exitCode, kNoWindowOrUsage);
        EXPECT_EQ(run.errors, "qscap: " + std::string(c.fault) + "\nsee qscap --help\n");
        EXPECT_EQ(run.output, "");
    }
}

TEST(QscapErrors, HelpPrintsTheUsageOnStdout)
{
    const ProgramRun run = RunProgram(QS_QSCAP, L"--hwnd 0xZZ --help");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output.rfind("usage: qscap", 0), 0u) << run.output;
    EXPECT_NE(run.output.find("exit status"), std::string::npos);
    EXPECT_EQ(run.errors, "");
}

}  // namespace
