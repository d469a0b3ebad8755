// No window, however it lies, can hang, crash or exhaust a capture: qscap
// captures chaos.exe under each of its lies and under answers drawn from
// seeds.  Every capture ends well within the conversion's time bound, qscap
// exits 0 or 3 with one known line for each cause, and the target still
// answers afterwards.  In the 64-bit build with the 32-bit build beside it,
// every direction of reader and target takes part. The target keeps no
// memory or mapped view of the reader's, but for the block of a message that
// a control did not answer because it destroyed itself meanwhile: whether it
// will still write there cannot be known, so the block stays with it.

#include "capture_stop.h"
#include "host_path.h"
#include "live_fixture.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Program {
    const char* name;
    const char* path;
};

std::vector<Program> Readers()
{
    std::vector<Program> readers{{"own qscap", QS_QSCAP}};
#ifdef QS_BUILD32_QSCAP
    if (Runs32BitPrograms())
        readers.push_back({"32-bit qscap", QS_BUILD32_QSCAP});
#endif
    return readers;
}

std::vector<Program> Targets()
{
    std::vector<Program> targets{{"own chaos", QS_CHAOS}};
#ifdef QS_BUILD32_CHAOS
    if (Runs32BitPrograms())
        targets.push_back({"32-bit chaos", QS_BUILD32_CHAOS});
#endif
    return targets;
}

const char* const kLies[] = {"honest", "huge", "negative", "cycles", "long", "short",
                             "no-nul", "outside", "changing", "destroying"};
constexpr int kSeeds = 4;

// A capture that ends takes a few seconds at most; the margin is for a
// busy machine's start of qscap.
constexpr DWORD kCaptureBoundMs = kCaptureTimeLimitMs + 15000;

const char* const kCauses[] = {
    "qscap: the window's program did not answer; ",
    "qscap: windows closed while they were read; ",
    "qscap: answers out of bounds; ",
    "qscap: item table full; ",
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

bool IsCauseLine(const std::string& line)
{
    for (const char* cause : kCauses)
        if (line.rfind(cause, 0) == 0)
            return true;
    return false;
}

// The allocations a reader could leave in the target: committed one-page
// blocks (every block of the remote memory channel is one page) and mapped
// views.
struct TargetAllocations {
    size_t pageBlocks = 0;
    size_t mappedViews = 0;
};

TargetAllocations AllocationsOf(HANDLE process)
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    TargetAllocations found;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQueryEx(process, at, &info, sizeof info) == sizeof info;
         at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.AllocationBase != info.BaseAddress || info.State != MEM_COMMIT)
            continue;
        found.pageBlocks += info.Type == MEM_PRIVATE && info.Protect == PAGE_READWRITE &&
                            info.RegionSize == system.dwPageSize;
        found.mappedViews += info.Type == MEM_MAPPED;
    }
    return found;
}

class ChaosCaptureTest : public LiveFixtureTest {
protected:
    // Captures the target under `arguments` with the reader; the lines qscap
    // wrote on stderr.
    std::vector<std::string> CaptureUnder(const Program& reader, const Program& target,
                                          const std::wstring& arguments)
    {
        const std::string what = std::string(reader.name) + " on " + target.name + " " +
                                 std::string(arguments.begin(), arguments.end());
        SCOPED_TRACE(what);
        if (!Open(HostPath(target.path), arguments))
            return {};
        const TargetAllocations before = AllocationsOf(fixture_->Process().Handle());
        const DWORD start = GetTickCount();
        const ProgramRun run = RunProgram(reader.path, L"--hwnd " + Hex(window_) + L" --utf8");
        const DWORD elapsed = GetTickCount() - start;
        const TargetAllocations after = AllocationsOf(fixture_->Process().Handle());
        if (arguments != L"destroying")
            EXPECT_EQ(after.pageBlocks, before.pageBlocks);
        EXPECT_EQ(after.mappedViews, before.mappedViews);
        EXPECT_LT(elapsed, kCaptureBoundMs);
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << "exit status " << run.exitCode << "\n"
                                                            << run.errors;
        EXPECT_FALSE(run.output.empty()) << "no picture";
        const std::vector<std::string> lines = Lines(run.errors);
        EXPECT_EQ(run.exitCode == 3, !lines.empty()) << run.errors;
        for (const std::string& line : lines)
            EXPECT_TRUE(IsCauseLine(line)) << line;
        EXPECT_TRUE(WindowAnswers(window_)) << "the target no longer answers";
        return lines;
    }
};

bool Says(const std::vector<std::string>& lines, const char* cause)
{
    for (const std::string& line : lines)
        if (line.rfind(cause, 0) == 0)
            return true;
    return false;
}

TEST_F(ChaosCaptureTest, EveryLieEndsInBoundedTimeWithItsCauseNamed)
{
    for (const Program& reader : Readers()) {
        for (const Program& target : Targets()) {
            for (const char* lie : kLies) {
                const std::vector<std::string> lines =
                    CaptureUnder(reader, target, std::wstring(lie, lie + std::char_traits<char>::length(lie)));
                const std::string name = lie;
                if (name == "honest") {
                    EXPECT_TRUE(lines.empty());
                } else if (name == "huge" || name == "negative" || name == "cycles" || name == "outside") {
                    EXPECT_TRUE(Says(lines, "qscap: answers out of bounds; ")) << name;
                } else if (name == "destroying") {
                    EXPECT_TRUE(Says(lines, "qscap: windows closed while they were read; "));
                }
            }
        }
    }
}

TEST_F(ChaosCaptureTest, SeededAnswersEndInBoundedTime)
{
    for (const Program& reader : Readers())
        for (const Program& target : Targets())
            for (int seed = 1; seed <= kSeeds; ++seed)
                CaptureUnder(reader, target, L"seed " + std::to_wstring(seed));
}

}  // namespace
