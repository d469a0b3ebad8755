#include "main_frame.h"

#include "application.h"
#include "capture_state.h"
#include "display_scale.h"
#include "options_dialog.h"
#include "pick_window.h"
#include "remote_buffer.h"
#include "resource.h"
#include "settings.h"

#include <algorithm>
#include <climits>

HWND DropTarget = nullptr;

namespace {

constexpr UINT kStatusBarId = 0xE801;  // 59393

const std::vector<StatusIndicator> kIndicators = {
    {kIndicatorKana, VK_KANA},
    {kIndicatorCaps, VK_CAPITAL},
    {kIndicatorNum, VK_NUMLOCK},
    {kIndicatorScroll, VK_SCROLL},
};

// The finder's pictures are drawn for 96 DPI; on a scaled screen they grow
// with the bar around them.
HBITMAP LoadBitmapResource(int id, int dpi)
{
    const auto natural = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP size{};
    if (!natural || dpi == kLayoutDpi || !GetObjectW(natural, sizeof size, &size))
        return natural;
    return static_cast<HBITMAP>(CopyImage(natural, IMAGE_BITMAP, MulDiv(size.bmWidth, dpi, kLayoutDpi),
                                          MulDiv(size.bmHeight, dpi, kLayoutDpi), LR_COPYDELETEORG));
}

// The client width that shows every control of the bar, with the margin
// of its first control on the right too.
int BarWidth(HWND bar)
{
    int left = INT_MAX, right = 0;
    for (HWND child = GetTopWindow(bar); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&rect), 2);
        left = std::min<int>(left, rect.left);
        right = std::max<int>(right, rect.right);
    }
    return left == INT_MAX ? 0 : right + left;
}

// At a large display scale the bar can be wider than the frame's remembered
// size: the frame grows until the bar's last button shows, and moves left
// as far as it must to stay on its monitor.
void WidenToShow(HWND frame, HWND bar)
{
    RECT client{}, outer{};
    GetClientRect(frame, &client);
    GetWindowRect(frame, &outer);
    const int missing = BarWidth(bar) - client.right;
    if (missing <= 0)
        return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor);
    const int width = outer.right - outer.left + missing;
    const int left = std::max<int>(monitor.rcWork.left, std::min<int>(outer.left, monitor.rcWork.right - width));
    SetWindowPos(frame, nullptr, left, outer.top, width, outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetShowCommand(HWND window, UINT showCommand)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    placement.showCmd = showCommand;
    SetWindowPlacement(window, &placement);
}

// Windows that are never converted: the desktop, whose walk meets every
// window on the screen, and this program's own, which would be read while
// they wait for the conversion.
bool IsOffLimits(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return window == GetDesktopWindow() || process == GetCurrentProcessId();
}

// While the frame is minimised the keyboard belongs to whichever program
// the system gives it to, so the gesture watches the key itself.
constexpr UINT_PTR kEscapeWatchTimer = 1;
constexpr UINT kEscapeWatchMs = 30;

// Down now, or pressed and let go since the last call.
bool EscapePressed()
{
    return (GetAsyncKeyState(VK_ESCAPE) & 0x8001) != 0;
}

}  // namespace

CMainFrame::CMainFrame()
{
    DropTarget = nullptr;
}

bool CMainFrame::PreCreateWindow(RECT* rect)
{
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    *rect = ClampToScreen(LoadFramePlacement(Application::Current()->GetProfile()), screen);
    IsNtPlatform = PlatformIsNt() ? 1 : 0;
    return true;
}

int CMainFrame::OnCreate()
{
    if (!m_wndFinderBar.CreateFinderBar(Handle()))
        return -1;
    const int dpi = WindowDpi(Handle());
    m_bmpFinderFull.Reset(LoadBitmapResource(IDB_FINDER_FULL, dpi));
    m_bmpFinderEmpty.Reset(LoadBitmapResource(IDB_FINDER_EMPTY, dpi));
    SetFinderImage(m_bmpFinderFull.Get());
    WidenToShow(Handle(), m_wndFinderBar.Handle());
    if (!m_wndStatusBar.CreateBar(Handle(), kStatusBarId, WS_CHILD | WS_VISIBLE, kIndicators))
        return -1;
    SetBars(&m_wndFinderBar, &m_wndStatusBar);
    return 0;
}

void CMainFrame::OnDestroyFrame()
{
    const Profile& profile = Application::Current()->GetProfile();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle(), &placement);
    SaveFramePlacement(profile, placement.rcNormalPosition, IsZoomed(Handle()) == 1);
    SaveOptionFlags(profile);
}

void CMainFrame::OnShowWindow(bool shown)
{
    if (shown && StartsMaximised(Application::Current()->GetProfile()))
        SetShowCommand(Handle(), SW_SHOWMAXIMIZED);
}

HWND CMainFrame::PickWindowAt(HWND reference, POINT point) const
{
    ClientToScreen(reference, &point);
    return ::PickWindowAt(point);
}

void CMainFrame::InvertTargetFrame(HWND window) const
{
    RECT rect;
    GetWindowRect(window, &rect);
    WindowDC dc(window, WindowDC::Whole);
    if (!dc)
        return;
    const int previousMode = SetROP2(dc.Get(), R2_NOT);
    OwnedPen pen(CreatePen(PS_INSIDEFRAME, 3 * GetSystemMetrics(SM_CXBORDER), RGB(0, 0, 0)));
    {
        SelectedObject selectedPen(dc.Get(), pen.Get());
        SelectedObject selectedBrush(dc.Get(), GetStockObject(NULL_BRUSH));
        Rectangle(dc.Get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    }
    SetROP2(dc.Get(), previousMode);
}

void CMainFrame::MinimizeFrame() const
{
    SetShowCommand(Handle(), SW_SHOWMINIMIZED);
}

void CMainFrame::RestoreFrame() const
{
    SetShowCommand(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    ShowWindow(Handle(), SW_SHOW);
}

void CMainFrame::SetFinderImage(HBITMAP image) const
{
    SendDlgItemMessageW(m_wndFinderBar.Handle(), IDC_FINDER_IMAGE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(image));
}

void CMainFrame::StartFinder()
{
    SetCapture(Handle());
    EscapePressed();  // forgets a press from before the gesture
    SetTimer(Handle(), kEscapeWatchTimer, kEscapeWatchMs, nullptr);
    SetFinderImage(m_bmpFinderEmpty.Get());
    SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_FINDER_CURSOR)));
}

void CMainFrame::TrackFinder(WPARAM keys, LPARAM position)
{
    // Both halves unsigned: a minimised frame's client area lies far off the
    // screen, where the pointer's offsets exceed a signed 16-bit half.
    POINT point{static_cast<LONG>(LOWORD(position)), static_cast<LONG>(HIWORD(position))};
    if (keys != MK_LBUTTON || GetCapture() != Handle())
        return;
    RECT finderImage;
    GetWindowRect(GetDlgItem(m_wndFinderBar.Handle(), IDC_FINDER_IMAGE), &finderImage);
    POINT screenPoint = point;
    ClientToScreen(Handle(), &screenPoint);
    if (PtInRect(&finderImage, screenPoint)) {
        MarkTarget(nullptr);
        return;
    }
    HWND picked = PickWindowAt(Handle(), point);
    MinimizeFrame();
    MarkTarget(picked && !IsOffLimits(picked) ? picked : nullptr);
}

// Moves the mark to `target` (none: no mark), erasing the old one.
void CMainFrame::MarkTarget(HWND target)
{
    if (target == DropTarget)
        return;
    if (DropTarget)
        InvertTargetFrame(DropTarget);
    DropTarget = target;
    if (DropTarget)
        InvertTargetFrame(DropTarget);
}

void CMainFrame::EndGesture()
{
    KillTimer(Handle(), kEscapeWatchTimer);
    ReleaseCapture();
    SetFinderImage(m_bmpFinderFull.Get());
}

void CMainFrame::ReleaseFinder()
{
    EndGesture();
    if (!DropTarget)
        return;
    InvertTargetFrame(DropTarget);
    // Every window repaints in its own time: a synchronous erase (as
    // InvalidateRect of the whole screen does under Wine) would wait for a
    // program that has stopped answering.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    RestoreFrame();
    ConvertWindow();
}

// Esc during the gesture: the mark goes, the frame comes back, nothing is
// converted.
void CMainFrame::CancelFinder()
{
    MarkTarget(nullptr);
    EndGesture();
    if (IsIconic(Handle()))
        RestoreFrame();
}

// The help message of a top-level frame: the help, then, with no Shift,
// Ctrl or Alt held, the main window's help command as well.
void CMainFrame::OnHelpMessage()
{
    ShowHelp();
    if (GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
        SendMessageW(Application::Current()->MainWindow(), WM_COMMAND, kCommandHelp, 0);
}

bool CMainFrame::QueryCommand(UINT id, CommandState* state)
{
    switch (id) {
    case IDC_FINDER_IMAGE:
    case ID_OPTIONS:
    case kCommandHelp:
    case kCommandContextHelp:
        return true;
    }
    return MdiFrameWindow::QueryCommand(id, state);
}

void CMainFrame::ExecuteCommand(UINT id)
{
    switch (id) {
    case IDC_FINDER_IMAGE:
        StartFinder();
        break;
    case ID_OPTIONS:
        COptionDlg(Handle()).DoModal();
        break;
    // No topic belongs to a single control: the help opens at its contents.
    case kCommandHelp:
    case kCommandContextHelp:
        ShowHelp();
        break;
    default:
        MdiFrameWindow::ExecuteCommand(id);
    }
}

LRESULT CMainFrame::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        TrackFinder(wParam, lParam);
        break;
    case WM_LBUTTONUP:
        if (GetCapture() == Handle())
            ReleaseFinder();
        break;
    case WM_TIMER:
        // A gesture whose capture the system took away ends as if abandoned.
        if (wParam == kEscapeWatchTimer) {
            if (GetCapture() != Handle() || EscapePressed())
                CancelFinder();
            return 0;
        }
        break;
    case WM_COMMAND:
        // A second press soon after the first reaches the frame as a double click.
        if (LOWORD(wParam) == IDC_FINDER_IMAGE && HIWORD(wParam) == STN_DBLCLK) {
            StartFinder();
            return 0;
        }
        break;
    case WM_SHOWWINDOW: {
        const LRESULT result = MdiFrameWindow::WndProc(message, wParam, lParam);
        OnShowWindow(wParam != 0);
        return result;
    }
    case WM_HELP:
        OnHelpMessage();
        return TRUE;
    case WM_SETCURSOR:
        // The wait cursor stays while a conversion pumps messages.
        if (converting_) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    }
    return MdiFrameWindow::WndProc(message, wParam, lParam);
}
