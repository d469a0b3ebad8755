// Speed of a whole conversion into an output document: the 1000-row report
// list view of the capture benchmark, owned by a second instance of this
// program, converted alone and opened in Quillscape's main frame, which runs
// in this process. Capture, layout and filling the view are timed apart; the
// filling is set beside its floor, the same text set into a bare edit
// control with the view's styles and limit, in the same run.
//
// Run inside a Wine environment:  tools/with-wine wine document_bench.exe
#include "capture_bench_owner.h"

#include "conversion.h"
#include "edit_view.h"
#include "quillscape_app.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr double kGoalRatio = 2.0;

double MillisecondsBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

class TimingReporter : public CaptureReporter {
public:
    void NoTarget() override {}
    void ItemLimitReached() override {}
    void Captured() override { walkEnd = Clock::now(); }

    Clock::time_point walkEnd{};
};

// The program without its message boxes, which would wait for a user.
class BenchApp : public CQuillscapeApp {
public:
    int ShowMessage(const std::wstring&, UINT) const override { return IDOK; }
    CMainFrame* Frame() const { return static_cast<CMainFrame*>(MainFrame()); }
};

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The floor: the same text into a bare edit control, as the view gets it.
double FillBareEdit(const std::string& text)
{
    HWND edit = CreateWindowExA(0, "Edit", "", (kEditViewStyle & ~WS_CHILD) | WS_POPUP, 0, 0, 600, 400, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_SETLIMITTEXT, kEditViewLimit, 0);
    const Clock::time_point start = Clock::now();
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(edit, EM_LINESCROLL, static_cast<WPARAM>(-999), -999);
    const double elapsed = MillisecondsBetween(start, Clock::now());
    DestroyWindow(edit);
    return elapsed;
}

struct Round {
    double capture, layout, fill, bare;
};

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

int Measure(HWND owner)
{
    BenchApp app;
    if (!app.InitInstance()) {
        std::printf("document_bench: Quillscape did not start\n");
        return 1;
    }
    HWND list = GetDlgItem(owner, kBenchListId);
    std::vector<Round> rounds;
    size_t bytes = 0;
    for (int i = 0; i < kRounds; ++i) {
        TimingReporter reporter;
        ConversionResult result;
        const Clock::time_point start = Clock::now();
        if (!ConvertWindow(list, &result, reporter)) {
            std::printf("document_bench: the list view was not converted\n");
            return 1;
        }
        const Clock::time_point laidOut = Clock::now();
        app.Frame()->ShowConversion(result);
        const Clock::time_point filled = Clock::now();
        rounds.push_back({MillisecondsBetween(start, reporter.walkEnd), MillisecondsBetween(reporter.walkEnd, laidOut),
                          MillisecondsBetween(laidOut, filled), FillBareEdit(result.text)});
        bytes = result.text.size();
        Pump();
    }
    std::vector<double> capture, layout, fill, bare, ratio;
    for (const Round& round : rounds) {
        capture.push_back(round.capture);
        layout.push_back(round.layout);
        fill.push_back(round.fill);
        bare.push_back(round.bare);
        ratio.push_back(round.fill / round.bare);
    }
    std::printf("document_bench: %d rounds, the list view of %d rows converted alone into a document of %zu bytes\n",
                kRounds, kBenchRows, bytes);
    std::printf("  median (ms): capture %.1f, layout %.1f, filling the view %.1f, bare edit control %.1f\n",
                Median(capture), Median(layout), Median(fill), Median(bare));
    std::printf("  filling / bare edit: median %.2f, worst %.2f (goal %.0f at most)\n", Median(ratio),
                *std::max_element(ratio.begin(), ratio.end()), kGoalRatio);
    SendMessageA(app.Frame()->Handle(), WM_CLOSE, 0, 0);
    Pump();
    app.ExitInstance();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmark(argc, argv, "document_bench", Measure);
}
