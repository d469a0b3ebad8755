// Readers and targets of both bitnesses in a win64 prefix: qscap.exe of the
// 32-bit build and qscap64.exe of this one capture the fixture windows of
// both builds (32→32, 32→64, 64→32, 64→64) and Wine's own 64-bit programs.
// Every direction must give the same bytes, for the fixtures those of their
// golden pictures: an item structure written in a layout the control does
// not read leaves its trees, lists and tabs empty. On a machine that does
// not execute 32-bit programs (tools/with-wine then sets QS_NO_32BIT=1) only
// the 64-bit reader and targets take part.

#include "code_page.h"
#include "golden_picture.h"
#include "golden_windows.h"
#include "host_path.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "picture_checks.h"
#include "program_run.h"
#include "remote_items.h"
#include "remote_memory.h"
#include "wait_until.h"
#include "wine_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Reader {
    const char* name;
    const char* program;
};

struct Target {
    const char* name;
    Bitness bits;
    const char* fixture;
    const char* controls;
};

const std::vector<Reader>& Readers()
{
    static const std::vector<Reader> readers = Runs32BitPrograms()
        ? std::vector<Reader>{{"32-bit qscap", QS_BUILD32_QSCAP}, {"64-bit qscap", QS_QSCAP}}
        : std::vector<Reader>{{"64-bit qscap", QS_QSCAP}};
    return readers;
}

const std::vector<Target>& Targets()
{
    static const std::vector<Target> targets = Runs32BitPrograms()
        ? std::vector<Target>{{"32-bit fixture", Bitness::Bits32, QS_BUILD32_QSFIXTURE, QS_BUILD32_QSCONTROLS},
                              {"64-bit fixture", Bitness::Bits64, QS_QSFIXTURE, QS_QSCONTROLS}}
        : std::vector<Target>{{"64-bit fixture", Bitness::Bits64, QS_QSFIXTURE, QS_QSCONTROLS}};
    return targets;
}

std::optional<Bitness> BitnessOf(DWORD processId)
{
    OwnedKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return process ? ProcessBitness(process.Get()) : std::nullopt;
}

// Polls, bounded, until one of the list's cells holds the text.
bool WaitForListText(HWND list, const std::string& text)
{
    return WaitUntil([&] {
        const std::vector<std::string> cells = ListCellTexts(list);
        return std::find(cells.begin(), cells.end(), text) != cells.end();
    });
}

bool IsBuilt(const char* program)
{
    return GetFileAttributesW(HostPath(program).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadersAreBuilt()
{
    return std::all_of(Readers().begin(), Readers().end(), [](const Reader& reader) { return IsBuilt(reader.program); });
}

// Each reader's text of the window that the qscap arguments name, in the
// order of Readers().
std::vector<std::string> CaptureWithEveryReader(const std::wstring& arguments)
{
    std::vector<std::string> pictures;
    for (const Reader& reader : Readers()) {
        SCOPED_TRACE(reader.name);
        const ProgramRun run = RunProgram(reader.program, arguments);
        EXPECT_EQ(run.exitCode, 0u) << run.errors;
        EXPECT_EQ(run.errors, "");
        pictures.push_back(run.output);
    }
    return pictures;
}

class BitnessMatrixTest : public LiveFixtureTest, public ::testing::WithParamInterface<GoldenWindow> {
protected:
    void SetUp() override
    {
        for (const Target& target : Targets())
            ASSERT_TRUE(IsBuilt(target.controls) && IsBuilt(target.fixture))
                << "build the fixtures of both bitnesses first: tools/build mingw && tools/build mingw64";
        ASSERT_TRUE(ReadersAreBuilt()) << "build the 32-bit qscap first: tools/build mingw";
    }

    void ExpectEveryReaderGivesTheGolden(const char* golden, const std::wstring& arguments)
    {
        SCOPED_TRACE(golden);
        const std::vector<std::string> pictures = CaptureWithEveryReader(arguments);
        for (size_t i = 0; i < pictures.size(); ++i)
            EXPECT_TRUE(MatchesGolden(golden, pictures[i])) << Readers()[i].name;
    }
};

TEST_P(BitnessMatrixTest, EveryReaderGivesTheGoldenTextOfEveryTarget)
{
    const GoldenWindow& window = GetParam();
    for (const Target& target : Targets()) {
        SCOPED_TRACE(target.name);
        const char* program = window.program == FixtureProgramKind::Controls ? target.controls : target.fixture;
        ASSERT_TRUE(Open(HostPath(program), window.Arguments()));
        ASSERT_EQ(BitnessOf(fixture_->Process().Id()), target.bits);

        const std::wstring handle = L"--hwnd " + Hex(window_);
        ExpectEveryReaderGivesTheGolden(window.golden, handle);
        for (const SingleControl& control : window.controls)
            ExpectEveryReaderGivesTheGolden(control.golden, handle + L" --child " + std::to_wstring(control.id));
    }
}

std::string CaseName(const ::testing::TestParamInfo<GoldenWindow>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Fixture, BitnessMatrixTest, ::testing::ValuesIn(kFixtureWindows), CaseName);
INSTANTIATE_TEST_SUITE_P(Controls, BitnessMatrixTest, ::testing::ValuesIn(kControlsWindows), CaseName);

TEST(WineProgramsOfBothReaders, RegeditGivesTheSameTextToBothAndShowsItsKeysAndValues)
{
    ASSERT_TRUE(ReadersAreBuilt()) << "build the 32-bit qscap first: tools/build mingw";
    WineRegedit regedit;
    ASSERT_TRUE(regedit.Open()) << "no regedit window with HKEY_CURRENT_USER opened";
    ASSERT_EQ(BitnessOf(regedit.Process().Id()), Bitness::Bits64);

    const std::vector<std::string> pictures = CaptureWithEveryReader(L"--hwnd " + Hex(regedit.Main()));
    for (size_t i = 1; i < pictures.size(); ++i)
        EXPECT_TRUE(pictures[i] == pictures[0]) << Readers()[0].name << ":\n"
                                                << ShiftJisToUtf8(pictures[0]) << Readers()[i].name << ":\n"
                                                << ShiftJisToUtf8(pictures[i]);
    EXPECT_TRUE(HasClosedOuterFrame(pictures[0]));
    ExpectRegeditContent(pictures[0], regedit);
}

// A task list that holds a fixture window. The status bar counts processes
// and memory, which change from one capture to the next: each picture is
// checked on its own.
TEST(WineProgramsOfBothReaders, TaskManagerShowsItsTabsTasksAndButtonsToBoth)
{
    ASSERT_TRUE(ReadersAreBuilt()) << "build the 32-bit qscap first: tools/build mingw";
    FixtureProcess fixture(FixtureProgram(), L"statics");
    ASSERT_TRUE(fixture.ReadyWindow());
    ChildProcess taskmgr(L"taskmgr.exe", L"");
    ASSERT_TRUE(taskmgr.Started());
    HWND main = WaitForWindow(taskmgr.Id(), "#32770");
    ASSERT_TRUE(main) << "no task manager window";
    ASSERT_EQ(BitnessOf(taskmgr.Id()), Bitness::Bits64);
    HWND tabs = FindDescendant(main, WC_TABCONTROLA);
    HWND tasks = FindDescendant(main, WC_LISTVIEWA);
    ASSERT_TRUE(tabs && tasks);
    ASSERT_TRUE(WaitForListText(tasks, "Fixture: statics スタティック")) << "the fixture is not in the task list";
    const std::vector<std::string> captions = TabCaptions(tabs);
    ASSERT_FALSE(captions.empty());
    const std::vector<std::string> texts = VisibleControlTexts(main, STATUSCLASSNAMEA);

    const std::vector<std::string> pictures = CaptureWithEveryReader(L"--hwnd " + Hex(main));
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(std::string(Readers()[i].name) + ":\n" + ShiftJisToUtf8(pictures[i]));
        EXPECT_TRUE(HasClosedOuterFrame(pictures[i]));
        for (const std::string& caption : captions)
            EXPECT_TRUE(ShowsText(pictures[i], caption));
        for (const std::string& text : texts)
            EXPECT_TRUE(ShowsText(pictures[i], text));
        ExpectShowsListContent(pictures[i], tasks);
    }
}

}  // namespace
