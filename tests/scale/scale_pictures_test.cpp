// The fixture's dialogs, made from their templates as any program makes
// them, so that they grow with the display scale: converted at the screen's
// DPI they must give the picture of 96 DPI. tests/scale/run_scales runs this
// program in prefixes of 96, 120, 144 and 192 DPI.
#include "code_page.h"
#include "display_scale.h"
#include "fixture_ids.h"
#include "golden_picture.h"
#include "host_path.h"
#include "live_capture.h"
#include "scale_shifts.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct TemplateDialog {
    const char* name;  // of its picture at 96 DPI, tests/live/golden/NAME.txt
    int templateId;
};

const TemplateDialog kDialogs[] = {
    {"scale-edits", IDD_EDITS},
    {"scale-lists", IDD_LISTS},
    {"scale-buttons", IDD_BUTTONS},
    {"scale-statics", IDD_STATICS},
    {"scale-main", IDD_MAIN},
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

std::vector<std::string> PictureAt96(const std::string& name)
{
    const std::wstring path = HostPath(QS_LIVE_GOLDEN_DIR) + L"\\" + std::wstring(name.begin(), name.end()) + L".txt";
    const std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), std::fclose);
    std::string bytes;
    char chunk[4096];
    size_t size;
    while (file && (size = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, size);
    return PictureLines(bytes);
}

// The 96-DPI picture with the lines that the system's rounding moves at
// `dpi` put in.
std::vector<std::string> ExpectedAt(const std::string& name, int dpi)
{
    std::vector<std::string> lines = PictureAt96(name);
    for (const ScaleShift& shift : ScaleShifts()) {
        if (shift.dpi == dpi && name == shift.picture && shift.line >= 1 &&
            static_cast<size_t>(shift.line) <= lines.size())
            lines[static_cast<size_t>(shift.line) - 1] = shift.text;
    }
    return lines;
}

// Why the pictures at `dpi` are drawn anew, or null.
const char* RedrawnBecause(int dpi)
{
    for (const RedrawnScale& scale : RedrawnScales()) {
        if (scale.dpi == dpi)
            return scale.why;
    }
    return nullptr;
}

// The shifts the picture takes at `dpi`, each with its reason, for the log.
void ReportShifts(const std::string& name, int dpi)
{
    for (const ScaleShift& shift : ScaleShifts()) {
        if (shift.dpi == dpi && name == shift.picture)
            std::cout << "  line " << shift.line << ": " << shift.why << "\n";
    }
}

size_t LinesDiffering(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    size_t differing = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        differing += a[i] != b[i];
    return differing;
}

// A picture that differs is left in the working directory for a look.
void KeepActual(const std::string& name, int dpi, const std::string& utf8)
{
    CreateDirectoryW(L"scale-actual", nullptr);
    const std::wstring path = L"scale-actual\\" + std::wstring(name.begin(), name.end()) + L"-" +
                              std::to_wstring(dpi) + L".txt";
    const std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"wb"), std::fclose);
    if (file)
        std::fwrite(utf8.data(), 1, utf8.size(), file.get());
}

class ScalePicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // All at once and kept to the end: Wine takes seconds to take a
        // top-level window off a display without a window manager.
        for (const TemplateDialog& dialog : kDialogs) {
            HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog.templateId), nullptr,
                                             PlainDialogProc, 0);
            ShowWindow(window, SW_SHOWNOACTIVATE);
            windows_.push_back(window);
        }
    }

    static std::vector<HWND> windows_;
};

std::vector<HWND> ScalePicturesTest::windows_;

TEST_F(ScalePicturesTest, TemplateDialogsGiveThePictureOf96Dpi)
{
    for (size_t i = 0; i < windows_.size(); ++i) {
        const TemplateDialog& dialog = kDialogs[i];
        SCOPED_TRACE(dialog.name);
        ASSERT_TRUE(windows_[i]);
        const int dpi = WindowDpi(windows_[i]);
        const ConversionResult result = CaptureLive(windows_[i]);
        const char* redrawnBecause = RedrawnBecause(dpi);
        if (dpi == kLayoutDpi || redrawnBecause) {
            const std::string name = dpi == kLayoutDpi ? dialog.name : dialog.name + ("-" + std::to_string(dpi));
            EXPECT_TRUE(MatchesGolden(name, result.text));
            std::cout << dialog.name << " at " << dpi << " DPI: "
                      << LinesDiffering(PictureLines(ShiftJisToUtf8(result.text)), PictureAt96(dialog.name)) << " of "
                      << PictureLines(result.text).size() << " lines differ from 96 DPI\n";
            if (redrawnBecause)
                std::cout << "  " << redrawnBecause << "\n";
            continue;
        }
        const std::string utf8 = ShiftJisToUtf8(result.text);
        const std::vector<std::string> actual = PictureLines(utf8);
        EXPECT_EQ(actual, ExpectedAt(dialog.name, dpi)) << "at " << dpi << " DPI";
        if (actual != ExpectedAt(dialog.name, dpi))
            KeepActual(dialog.name, dpi, utf8);
        std::cout << dialog.name << " at " << dpi << " DPI: " << LinesDiffering(actual, PictureAt96(dialog.name))
                  << " of " << actual.size() << " lines differ from 96 DPI\n";
        ReportShifts(dialog.name, dpi);
    }
}

class FailingReporter : public CaptureReporter {
public:
    void NoTarget() override { ADD_FAILURE() << "no target"; }
    void ItemLimitReached() override { ADD_FAILURE() << "item limit"; }
};

// qscap --dpi: a DPI given to the conversion rules over the window's own;
// at twice the window's DPI the picture, blank columns and rows kept, is
// half as wide and high, give or take the frame's cells.
TEST_F(ScalePicturesTest, AGivenDpiRulesOverTheWindowsOwn)
{
    HWND window = windows_[0];
    const int32_t keptLines = DelSpcLinFlg, keptColumns = DelSpcColFlg;
    DelSpcLinFlg = DelSpcColFlg = 0;
    FailingReporter reporter;
    ConversionResult measured, halved;
    const bool converted = ConvertWindow(window, &measured, reporter) &&
                           ConvertWindow(window, &halved, reporter, 2 * WindowDpi(window));
    DelSpcLinFlg = keptLines;
    DelSpcColFlg = keptColumns;
    ASSERT_TRUE(converted);
    EXPECT_NEAR(halved.outputCols, measured.outputCols / 2, 8);
    EXPECT_NEAR(halved.outputRows, measured.outputRows / 2, 4);
}

}  // namespace
