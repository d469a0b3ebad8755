// qscap and qslayout run as a user runs them: a capture dump laid out again
// gives the capture's text byte for byte, and wrong requests end with
// status 2 and a message on stderr.

#include "fixture_ids.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "program_run.h"

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kNoWindowOrUsage = 2;

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
                                                     << PictureUtf8(layout.output) << "qscap:\n"
                                                     << PictureUtf8(capture.output);
    }
};

TEST_F(QscapTest, LayoutOfTheDumpGivesTheCapturedBytes)
{
    ASSERT_TRUE(Open(L"edits"));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_));
    ExpectLayoutOfDumpGivesTheSameBytes(L"--hwnd " + Hex(window_) +
                                        L" --option NoMuitiLine=1 --option DelSpcLinFlg=0");
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

TEST(QscapErrors, NoSuchWindowGivesStatus2AndTheMessage)
{
    for (const wchar_t* target : {L"--title \"No window has this title\"", L"--class QsNoSuchClass", L"--hwnd 0x0"}) {
        SCOPED_TRACE(std::string(target, target + std::char_traits<wchar_t>::length(target)));
        const ProgramRun run = RunProgram(QS_QSCAP, target);
        EXPECT_EQ(run.exitCode, kNoWindowOrUsage);
        EXPECT_EQ(run.errors, "有効な画面ではありません。\n");
        EXPECT_EQ(run.output, "");
    }
}

TEST(QscapErrors, BadArgumentsGiveStatus2AndTheUsage)
{
    for (const wchar_t* arguments : {L"", L"--bogus", L"--title", L"--hwnd zz", L"--child 5", L"--point 1",
                                     L"--hwnd 0x1 --option CutUnderLine=2", L"--hwnd 0x1 --option Nope=1",
                                     L"--title a --hwnd 0x1", L"--hwnd 0x1 --child 1 --point 1,2"}) {
        SCOPED_TRACE(std::string(arguments, arguments + std::char_traits<wchar_t>::length(arguments)));
        const ProgramRun run = RunProgram(QS_QSCAP, arguments);
        EXPECT_EQ(run.exitCode, kNoWindowOrUsage);
        EXPECT_EQ(run.errors.rfind("usage: qscap", 0), 0u) << run.errors;
        EXPECT_EQ(run.output, "");
    }
}

}  // namespace
