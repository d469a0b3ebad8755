// The base of every window the framework drives: one C++ object per window,
// bound to its handle, whose virtual WndProc sees every message.
//
// A window is bound either when we create it from one of our registered
// classes (Create) or when we take over a window that already exists, a
// control of a dialog template for example (Subclass). In both cases
// Default() hands a message on to what would have handled it without us.
#pragma once

#include <windows.h>

// Owner-drawn controls draw themselves: a framework window that gets
// WM_DRAWITEM for a child that is also a framework window sends the child
// this message with the same parameters instead.
constexpr UINT kReflectedDrawItem = WM_APP + 0x1000 + WM_DRAWITEM;

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // The framework object bound to `hwnd`, or null.
    static Window* FromHandle(HWND hwnd);

    // Creates a window of a class registered with RegisterClassFor and binds
    // it to this object from its very first message on. A rectangle whose
    // left is CW_USEDEFAULT leaves place and size to the system.
    HWND Create(const char* className, const char* title, DWORD style, DWORD exStyle, const RECT& rect,
                HWND parent, HMENU menuOrId);

    // Binds an existing window: its own procedure stays behind Default().
    bool Subclass(HWND hwnd);

    // Registers a window class whose windows bind to the object given as
    // the creation parameter. False only if registration failed for a
    // reason other than the class existing already.
    static bool RegisterClassFor(const char* className, UINT style, HICON icon, HCURSOR cursor,
                                 HBRUSH background);

    // Called by the message loop before a message is dispatched; true when
    // the message was handled and must not be dispatched.
    virtual bool PreTranslateMessage(MSG* message);

protected:
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

    // What the window would do with the message without this object.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    // The procedure behind a created window; frames replace it with
    // DefFrameProc or DefMDIChildProc.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window is gone; the handle is already unbound.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK CreatedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Dispatch(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Bind(HWND hwnd);
    void Unbind();
    bool ReflectDrawItem(LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC subclassedProc_ = nullptr;
};
