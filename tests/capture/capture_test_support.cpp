#include "capture_test_support.h"

#include <algorithm>

namespace {

constexpr char kHostClass[] = "QsCaptureTestHost";

}  // namespace

void RegisterPlainClass(const char* className)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
}

HWND CaptureTest::host_;

void CaptureTest::SetUpTestSuite()
{
    RegisterPlainClass(kHostClass);
    host_ = CreateWindowExA(0, kHostClass, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, kHostLeft, kHostTop, 400,
                            300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void CaptureTest::TearDownTestSuite()
{
    DestroyWindow(host_);
}

void CaptureTest::SetUp()
{
    ResetCaptureState();
    ASSERT_TRUE(host_);
    SetWindowPos(host_, nullptr, kHostLeft, kHostTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CaptureTest::TearDown()
{
    while (HWND child = GetTopWindow(host_))
        DestroyWindow(child);
}

HWND CaptureTest::AddChild(const char* className, const char* text, DWORD style, int x, int y, int width,
                           int height, DWORD exStyle, HWND parent)
{
    HWND child = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 parent ? parent : host_, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(child) << className;
    return child;
}

std::vector<CaptureItem> CaptureTest::Capture(HWND target)
{
    if (!ConvertWindow(target, &result_, reporter_))
        return {};
    const size_t own = CaptureMode == 'O' ? 2 : 0;
    return {reporter_.items.begin() + std::min(own, reporter_.items.size()), reporter_.items.end()};
}

std::vector<std::string> Texts(const std::vector<CaptureItem>& items)
{
    std::vector<std::string> texts;
    for (const CaptureItem& item : items)
        texts.push_back(item.text);
    return texts;
}

std::string KindAndShape(const CaptureItem& item)
{
    return {item.kind, item.shape};
}
