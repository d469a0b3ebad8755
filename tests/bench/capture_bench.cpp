// Speed of the captures that read another process's controls through the
// remote memory channel: a report list view of 1000 rows x 5 columns and a
// tree of 1000 expanded items, owned by a second instance of this program
// (--owner) and each converted alone (mode 'K') in several rounds.  The time
// per exchange is set beside its floor: one bare message round trip to the
// same list view, timed just before and just after each capture, so that
// both see the same load of a busy machine.  An exchange writes the
// block, sends the message and reads the block back, so its cost should stay
// close to the round trip's; a channel opened per item would not.
//
// Run inside a Wine environment:  tools/with-wine wine capture_bench.exe
#include "capture_bench_owner.h"

#include "capture_state.h"
#include "conversion.h"
#include "messages.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr int kFloorRoundTrips = 1000;
constexpr UINT kQueryTimeoutMs = 5000;
constexpr double kGoalRatio = 3.0;

double MicrosecondsBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::micro>(end - start).count();
}

// Ends the capture's clock when the walk is done, before the layout.
class TimingReporter : public CaptureReporter {
public:
    void NoTarget() override {}
    void ItemLimitReached() override { tableFull = true; }
    void Captured() override { walkEnd = Clock::now(); }

    Clock::time_point walkEnd{};
    bool tableFull = false;
};

LRESULT AskOwner(HWND owner, UINT message, WPARAM controlId)
{
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(owner, message, controlId, 0, SMTO_ABORTIFHUNG, kQueryTimeoutMs, &answer);
    return static_cast<LRESULT>(answer);
}

struct CaptureRun {
    double microseconds = 0;
    double floorMicroseconds = 0;  // per round trip, around this capture
    LRESULT itemReads = 0;
    LRESULT otherMessages = 0;
    bool singleControl = false;
    bool tableFull = false;
};

CaptureRun CaptureAlone(HWND owner, int controlId)
{
    HWND control = GetDlgItem(owner, controlId);
    AskOwner(owner, kResetCounts, 0);
    TimingReporter reporter;
    ConversionResult result;
    const Clock::time_point start = Clock::now();
    const bool converted = ConvertWindow(control, &result, reporter);
    CaptureRun run;
    run.microseconds = MicrosecondsBetween(start, reporter.walkEnd);
    run.itemReads = AskOwner(owner, kQueryItemReads, controlId);
    run.otherMessages = AskOwner(owner, kQueryOtherMessages, controlId);
    run.singleControl = converted && CaptureMode == 'K';
    run.tableFull = reporter.tableFull;
    return run;
}

// Microseconds per bare round trip to the control, through the path that
// every message of a capture takes.
double MeasureRoundTrip(HWND control)
{
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kFloorRoundTrips; ++i) {
        LRESULT ignored;
        SendToWindow(control, LVM_GETITEMCOUNT, 0, 0, &ignored);
    }
    return MicrosecondsBetween(start, Clock::now()) / kFloorRoundTrips;
}

struct Spread {
    double best;
    double median;
    double worst;
};

Spread SpreadOf(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples.front(), samples[samples.size() / 2], samples.back()};
}

struct Bench {
    const char* name;
    int controlId;
    LRESULT expectedReads;
    std::vector<CaptureRun> runs;
};

// Every header or cell read makes a record, the read that finds the item
// table full included.  A single list view's reads start with record 2,
// after its own and the one before it (its header window's or the reference
// record), so the table stops a capture after kItemLimit - 1 reads: 1000
// rows of 5 columns are more than it holds.
LRESULT ExpectedListReads()
{
    return std::min(kBenchColumns * (1 + kBenchRows), kItemLimit - 1);
}

// True when every round made the expected reads, as a single control.
bool CheckRuns(const Bench& bench)
{
    for (const CaptureRun& run : bench.runs) {
        if (!run.singleControl || run.itemReads != bench.expectedReads) {
            std::printf("\n%s: %ld exchanges in a capture of mode %c, expected %ld in mode K\n", bench.name,
                        static_cast<long>(run.itemReads), run.singleControl ? 'K' : 'O',
                        static_cast<long>(bench.expectedReads));
            return false;
        }
    }
    return true;
}

// Besides the ratio per exchange, the ratio per message of any kind: a tree
// sends a TVM_GETNEXTITEM for every item it reads, and no channel can save
// that round trip.
void PrintBench(const Bench& bench)
{
    const CaptureRun& first = bench.runs.front();
    const double exchanges = static_cast<double>(first.itemReads);
    const LRESULT messages = first.itemReads + first.otherMessages;
    std::vector<double> captures, perExchange, floors, ratios, messageRatios;
    for (const CaptureRun& run : bench.runs) {
        captures.push_back(run.microseconds / 1000);
        perExchange.push_back(run.microseconds / exchanges);
        floors.push_back(run.floorMicroseconds);
        ratios.push_back(perExchange.back() / floors.back());
        messageRatios.push_back(run.microseconds / static_cast<double>(messages) / floors.back());
    }
    const Spread capture = SpreadOf(captures);
    const Spread exchange = SpreadOf(perExchange);
    const Spread floor = SpreadOf(floors);
    const Spread ratio = SpreadOf(ratios);
    const Spread messageRatio = SpreadOf(messageRatios);
    std::printf("\n%s: %ld exchanges and %ld other messages per capture%s\n", bench.name,
                static_cast<long>(first.itemReads), static_cast<long>(first.otherMessages),
                first.tableFull ? " (stopped by the full item table)" : "");
    std::printf("                          best     median\n");
    std::printf("  capture (ms)        %9.1f  %9.1f\n", capture.best, capture.median);
    std::printf("  per exchange (us)   %9.2f  %9.2f\n", exchange.best, exchange.median);
    std::printf("  floor (us)          %9.2f  %9.2f\n", floor.best, floor.median);
    std::printf("  ratio               %9.2f  %9.2f   (worst %.2f; goal %.0f)\n", ratio.best, ratio.median,
                ratio.worst, kGoalRatio);
    std::printf("  ratio per message   %9.2f  %9.2f   (worst %.2f; %ld messages)\n", messageRatio.best,
                messageRatio.median, messageRatio.worst, static_cast<long>(messages));
}

int Measure(HWND owner)
{
    HWND list = GetDlgItem(owner, kBenchListId);
    std::vector<Bench> benches{
        {"list view 1000 rows x 5 columns", kBenchListId, ExpectedListReads(), {}},
        {"tree of 1000 expanded items", kBenchTreeId, kBenchTreeItems, {}},
    };
    double floorBefore = MeasureRoundTrip(list);
    for (int round = 0; round < kRounds; ++round) {
        for (Bench& bench : benches) {
            CaptureRun run = CaptureAlone(owner, bench.controlId);
            const double floorAfter = MeasureRoundTrip(list);
            run.floorMicroseconds = (floorBefore + floorAfter) / 2;
            floorBefore = floorAfter;
            bench.runs.push_back(run);
        }
    }
    std::printf("capture_bench: %d rounds, each control converted alone in another process; floor per "
                "exchange: one LVM_GETITEMCOUNT round trip, the mean of %d timed before and %d after each "
                "capture\n",
                kRounds, kFloorRoundTrips, kFloorRoundTrips);
    bool expected = true;
    for (const Bench& bench : benches) {
        if (CheckRuns(bench))
            PrintBench(bench);
        else
            expected = false;
    }
    return expected ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmark(argc, argv, "capture_bench", Measure);
}
