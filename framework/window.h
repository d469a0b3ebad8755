// The base of every window the framework drives, dialogs included: one C++
// object per window, bound to its handle, whose virtual WndProc sees every
// message.
//
// A window is bound either when we create it from one of our registered
// classes (Create), when a dialog of ours starts, or when we take over a
// window that already exists, a control of a dialog template for example
// (Subclass). In every case Default() hands a message on to what would have
// handled it without us.
//
// A parent reflects what its child controls must answer themselves:
// WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR* about a child that is
// a framework window reach that child first as Reflected(message)
// (private_messages.h). A non-zero answer settles the message; otherwise
// the parent handles it as usual.
//
// Ownership, for every frame, view and document: whoever creates one owns
// it, until the framework's final message for it. A window object made with
// new is given to its window once the window exists (GiveToWindow); Window
// deletes it right after the window's WM_NCDESTROY, and no one else does. A
// document belongs to its template, which lets it go when the document's
// last view closes. COM objects keep their reference counts (com_object.h).
#pragma once

#include <windows.h>

#include <memory>

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
    HWND Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rect,
                HWND parent, HMENU menuOrId);

    // Binds an existing window: its own procedure, and any other subclass
    // of it, stays behind Default(), however the subclasses come and go.
    bool Subclass(HWND hwnd);

    // Registers a window class whose windows bind to the object given as
    // the creation parameter. False only if registration failed for a
    // reason other than the class existing already.
    static bool RegisterClassFor(const wchar_t* className, UINT style, HICON icon, HCURSOR cursor,
                                 HBRUSH background);

    // Hands `object`, whose window exists, to that window, which deletes it
    // after its final message. Null, with the object deleted, when there
    // is no window (any more).
    template <class Derived>
    static Derived* GiveToWindow(std::unique_ptr<Derived> object)
    {
        if (!object || !object->Handle())
            return nullptr;
        object->ownedByWindow_ = true;
        return object.release();
    }

    // Called by the message loop before a message is dispatched; true when
    // the message was handled and must not be dispatched.
    virtual bool PreTranslateMessage(MSG* message);

protected:
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

    // What the window would do with the message without this object.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    // The procedure behind a created window; frames replace it with
    // DefFrameProc or DefMDIChildProc, dialogs with DefDlgProc's.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window is gone; the handle is already unbound.
    virtual void OnFinalMessage() {}

    // For a window procedure of its own (a dialog's): binds the window to
    // this object, and hands a bound window's messages to its object.
    bool Bind(HWND hwnd);
    static LRESULT Dispatch(Window* window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK CreatedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR object);
    void Unbind();
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) const;

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
    bool ownedByWindow_ = false;
};
