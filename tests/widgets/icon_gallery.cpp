// icon_gallery.exe: icon buttons in each of their modes, for tests that
// drive them with the mouse and look at them from outside.
//
//   icon_gallery.exe buttons   the gallery (client area at screen 40, 40,
//                              buttons as widget_test_ids.h lists them);
//                              writes "ready 0x<HWND>" once it is shown
//   icon_gallery.exe           a window titled kGalleryLinkedTitle, shown as
//                              the starter asks: the link button's target
//
// The gallery counts the commands it gets and answers the queries of
// widget_test_ids.h. Closing the window ends the program; a button that
// cannot be set up ends it at once with status 1 and a line on stderr.

#include "fixture_ready.h"
#include "icon_button.h"
#include "reflecting_parent.h"
#include "widget_test_ids.h"

#include <cstdio>
#include <cstring>
#include <map>

namespace {

constexpr RECT kGalleryClient{40, 40, 350, 100};
constexpr int kButtonCount = 6;

RECT ButtonRect(int id)
{
    const int x = 10 + 50 * (id - IDC_GALLERY_FLAT);
    return {x, 10, x + 40, 50};
}

class Gallery : public ReflectingParent {
public:
    Gallery() : ReflectingParent(kGalleryBackground) {}
    bool AddButtons();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CIconButton& Button(int id) { return buttons_[id - IDC_GALLERY_FLAT]; }
    bool AddButton(int id, DWORD style, const char* caption);
    bool SetUp(int id);

    CIconButton buttons_[kButtonCount];
    std::map<UINT, LRESULT> commands_;
    LRESULT notifications_ = 0;
};

bool Gallery::AddButton(int id, DWORD style, const char* caption)
{
    const HWND button = AddControl("Button", id, WS_TABSTOP | style, caption, ButtonRect(id));
    return button && Button(id).Subclass(button) && SetUp(id);
}

bool Gallery::AddButtons()
{
    return AddButton(IDC_GALLERY_FLAT, BS_PUSHBUTTON, "") && AddButton(IDC_GALLERY_FRAMELESS, BS_PUSHBUTTON, "") &&
           AddButton(IDC_GALLERY_CHECK, BS_AUTOCHECKBOX, "") && AddButton(IDC_GALLERY_MENU, BS_PUSHBUTTON, "") &&
           AddButton(IDC_GALLERY_LINK, BS_PUSHBUTTON, "") && AddButton(IDC_GALLERY_CURSOR, BS_PUSHBUTTON, "");
}

// Each setter answers 0 on success; the sum is 0 only if all succeeded.
bool Gallery::SetUp(int id)
{
    CIconButton& button = Button(id);
    char self[MAX_PATH];
    switch (id) {
    case IDC_GALLERY_FLAT:
        return button.AssignIcons(IDI_TEST_IN, IDI_TEST_OUT) + button.AssignTip(L"Flat button") == 0;
    case IDC_GALLERY_FRAMELESS:
        return button.AssignIcons(IDI_TEST_IN, IDI_TEST_OUT) + button.ShowFlatFrame(false) +
                   button.UseParentBackdrop(false) == 0;
    case IDC_GALLERY_CHECK:
        return button.AssignIcons(IDI_TEST_IN, IDI_TEST_OUT) == 0;
    case IDC_GALLERY_MENU:
        return button.AssignIcons(IDI_TEST_IN, CIconButton::kGreyCopy) +
                   button.AssignDropMenu(IDR_TEST_MENU, Handle()) +
                   button.AssignMenuNotification(Handle(), kGalleryMenuNotification, kGalleryNotificationParam) == 0;
    case IDC_GALLERY_LINK:
        GetModuleFileNameA(nullptr, self, sizeof self);
        return button.AssignBitmaps(IDB_TEST_PICTURE, kTestPictureTransparent, CIconButton::kDarkerCopy) +
                   button.AssignLink(self) == 0;
    default:
        return button.AssignIcons(IDI_TEST_IN, IDI_TEST_OUT) + button.AssignCursor(IDC_TEST_POINTER) +
                   button.UseBalloonTip() + button.AssignTip(IDS_TEST_TIP) == 0;
    }
}

LRESULT Gallery::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        ++commands_[LOWORD(wParam)];
        break;
    case kGalleryMenuNotification:
        notifications_ += IsMenu(reinterpret_cast<HMENU>(wParam)) && lParam == kGalleryNotificationParam;
        return 0;
    case kGalleryIsHovered:
        return Button(static_cast<int>(wParam)).IsHovered();
    case kGalleryCommandCount:
        return commands_[static_cast<UINT>(wParam)];
    case kGalleryNotifications:
        return notifications_;
    case kGalleryCursor:
        return reinterpret_cast<LRESULT>(Button(static_cast<int>(wParam)).Cursor());
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    }
    return ReflectingParent::WndProc(message, wParam, lParam);
}

// As the application's loop does: the window of the message and its
// parents see it first.
bool PreTranslate(MSG* message)
{
    for (HWND hwnd = message->hwnd; hwnd; hwnd = GetParent(hwnd)) {
        Window* window = Window::FromHandle(hwnd);
        if (window && window->PreTranslateMessage(message))
            return true;
    }
    return false;
}

int RunMessageLoop()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!PreTranslate(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int show)
{
    const bool buttons = std::strcmp(commandLine, "buttons") == 0;
    Gallery gallery;
    if (!gallery.CreateTopLevel(buttons ? "Icon gallery" : kGalleryLinkedTitle, kGalleryClient))
        return 1;
    if (!buttons) {
        ShowWindow(gallery.Handle(), show);
        return RunMessageLoop();
    }
    if (!gallery.AddButtons()) {
        std::fprintf(stderr, "icon_gallery: a button could not be set up\n");
        return 1;
    }
    ShowWindow(gallery.Handle(), SW_SHOW);
    SetForegroundWindow(gallery.Handle());
    UpdateWindow(gallery.Handle());
    ReportReady(gallery.Handle());
    return RunMessageLoop();
}
