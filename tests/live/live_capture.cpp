#include "live_capture.h"

#include "capture_state.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Not a timing requirement: only a conversion that hangs should fail here.
constexpr DWORD kSafetyBoundMs = 20000;

// Counts what a conversion tells the user.
class CountingReporter : public CaptureReporter {
public:
    void NoTarget() override { ++noTarget; }
    void ItemLimitReached() override { ++itemLimit; }

    int noTarget = 0;
    int itemLimit = 0;
};

void UseDefaultOptions()
{
    DelSpcLinFlg = 1;
    DelSpcColFlg = 1;
    CutUnderLine = 1;
    NoMuitiLine = 0;
}

}  // namespace

ConversionResult CaptureLive(HWND window, const CaptureGaps& expected)
{
    UseDefaultOptions();
    CountingReporter reporter;
    ConversionResult result;
    EXPECT_TRUE(ConvertWindow(window, &result, reporter));
    EXPECT_EQ(reporter.noTarget, 0);
    EXPECT_EQ(reporter.itemLimit, 0);
    EXPECT_EQ(result.gaps.silentThreads, expected.silentThreads);
    EXPECT_EQ(result.gaps.unaskedWindows, expected.unaskedWindows);
    EXPECT_EQ(result.gaps.vanishedWindows, expected.vanishedWindows);
    return result;
}

ConversionResult TimedCaptureLive(HWND window, const char* what, const CaptureGaps& expected)
{
    const DWORD start = GetTickCount();
    ConversionResult result = CaptureLive(window, expected);
    const DWORD elapsed = GetTickCount() - start;
    std::printf("[ capture of %s took %lu ms ]\n", what, static_cast<unsigned long>(elapsed));
    std::fflush(stdout);
    EXPECT_LT(elapsed, kSafetyBoundMs);
    return result;
}

std::vector<std::string> PictureLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}
