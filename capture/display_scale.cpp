#include "display_scale.h"

namespace {

int scaleDpi = kLayoutDpi;
POINT scaleOrigin{};

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kLayoutDpi;
}

// Systems before Windows 10 1607 lack GetDpiForWindow: it is looked up
// when the program runs.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction GetDpiForWindowIfPresent()
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32)
        return nullptr;
    return reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")));
}

// Rounded to the nearest pixel, as the system rounds when it scales.
int32_t ToLayout(LONG pixels, LONG origin)
{
    return origin + MulDiv(pixels - origin, kLayoutDpi, scaleDpi);
}

}  // namespace

int WindowDpi(HWND window)
{
    static const GetDpiForWindowFunction getDpiForWindow = GetDpiForWindowIfPresent();
    const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

void BeginCaptureScale(HWND topLevel, int dpi)
{
    RECT rect{};
    GetWindowRect(topLevel, &rect);
    scaleOrigin = {rect.left, rect.top};
    scaleDpi = dpi > 0 ? dpi : WindowDpi(topLevel);
}

int CaptureDpi()
{
    return scaleDpi;
}

ItemRect ToLayoutPixels(const RECT& screen)
{
    return {ToLayout(screen.left, scaleOrigin.x), ToLayout(screen.top, scaleOrigin.y),
            ToLayout(screen.right, scaleOrigin.x), ToLayout(screen.bottom, scaleOrigin.y)};
}
