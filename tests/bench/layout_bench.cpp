// Layout speed against its floor: initialising the grid and copying the
// 802,000 bytes of the output once.  Each case reports its time per layout
// next to the floor measured in the same run, and their ratio.
#include "capture_dump.h"
#include "capture_state.h"
#include "layout.h"
#include "text_grid.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

CaptureDump LoadDumpFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream json;
    json << file.rdbuf();
    CaptureDump dump;
    std::string error;
    if (!ParseCaptureDump(json.str(), &dump, &error))
        throw std::runtime_error(path + ": " + error);
    return dump;
}

void AddItem(CaptureDump& dump, const char* className, std::string text, ItemRect rect, char kind, char shape)
{
    CaptureItem item{};
    item.text = std::move(text);
    item.rect = rect;
    SetClassName(item, className);
    item.kind = kind;
    item.shape = shape;
    dump.items.push_back(item);
}

// 3000 records over the whole grid: report list views with hundreds of rows,
// framed edits, group boxes and labels, with wide blank gaps between the
// columns of controls so that both compactions have much to remove.
CaptureDump MakeLargeCapture()
{
    CaptureDump dump;
    dump.captureMode = 'O';
    AddItem(dump, "#32770", "Large window", {0, 0, 3990, 6990}, ' ', ' ');
    AddItem(dump, "Style", "＿□Ｘ", {0, 0, 3990, 6990}, ' ', ' ');
    for (int list = 0; list < 4; ++list) {
        int left = 20 + list * 990;
        AddItem(dump, "SysListView32", "", {left, 40, left + 600, 6500}, 'B', 'H');
        for (int column = 0; column < 3; ++column) {
            int x = left + 4 + column * 200;
            AddItem(dump, "SysListView32", "Column " + std::to_string(column), {x, 44, x + 200, 60}, 'B', 'X');
            for (int row = 0; row < 150; ++row)
                AddItem(dump, "SysListView32", "Row " + std::to_string(row) + " cell", {x, 60, x + 200, 74}, ' ', ' ');
        }
    }
    int x = 0, y = 6520;
    while (dump.items.size() < static_cast<size_t>(kItemLimit)) {
        switch (dump.items.size() % 3) {
        case 0:
            AddItem(dump, "Edit", "edit text", {x + 10, y, x + 210, y + 21}, 'B', 'L');
            break;
        case 1:
            AddItem(dump, "Button", "Group", {x + 10, y, x + 300, y + 60}, 'G', ' ');
            break;
        default:
            AddItem(dump, "Static", "  label  ", {x + 20, y + 25, x + 200, y + 38}, ' ', ' ');
            break;
        }
        x = (x + 330) % 3600;
        if (x < 330)
            y = 6520 + (y - 6520 + 70) % 420;
    }
    return dump;
}

// Seconds for one grid initialisation plus one copy of the whole output.
double FloorSeconds()
{
    std::vector<char> output(static_cast<size_t>(TextGrid::kRows) * TextGrid::kRowBytes);
    const int rounds = 200;
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        TextGrid grid;
        std::memcpy(output.data(), grid.Row(0), output.size());
        benchmark::DoNotOptimize(output.data());
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / rounds;
}

void RunLayout(benchmark::State& state, const CaptureDump& dump)
{
    double floor = FloorSeconds();
    double total = 0;
    for (auto _ : state) {
        LoadCaptureDump(dump);
        auto start = Clock::now();
        ConversionResult result = LayOutItems();
        total += std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(result.text.data());
    }
    double perLayout = total / static_cast<double>(state.iterations());
    state.counters["layout_us"] = perLayout * 1e6;
    state.counters["floor_us"] = floor * 1e6;
    state.counters["x_floor"] = perLayout / floor;
}

void BM_TypicalDialog(benchmark::State& state)
{
    static const CaptureDump dump = LoadDumpFile(QS_SOURCE_DIR "/tests/golden/typical-dialog.json");
    RunLayout(state, dump);
}

void BM_LargeCapture(benchmark::State& state)
{
    static const CaptureDump dump = MakeLargeCapture();
    RunLayout(state, dump);
}

BENCHMARK(BM_TypicalDialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeCapture)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
