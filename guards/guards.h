// Owners of the handles that GDI, USER, the kernel and COM hand out: each
// gives back what it holds when it goes out of scope, so that every path
// out of a function, an early return included, releases what it took.
#pragma once

#include <windows.h>

#include <utility>

// A handle with a function that frees it; `Free` is called only for a
// handle that is not null.
template <class Handle, auto Free>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owned& operator=(Owned&& other) noexcept
    {
        Owned(std::move(other)).Swap(*this);
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned()
    {
        if (handle_)
            Free(handle_);
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void Reset(Handle handle = Handle{}) { Owned(handle).Swap(*this); }
    Handle Release() { return std::exchange(handle_, Handle{}); }

private:
    void Swap(Owned& other) noexcept { std::swap(handle_, other.handle_); }
    Handle handle_{};
};

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DeleteMemoryDC(HDC dc) { DeleteDC(dc); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void DestroyCursorHandle(HCURSOR cursor) { DestroyCursor(cursor); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void DestroyAcceleratorHandle(HACCEL table) { DestroyAcceleratorTable(table); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }
inline void UnmapFileView(char* view) { UnmapViewOfFile(view); }
inline void FreeLocal(void* memory) { LocalFree(memory); }

using OwnedFont = Owned<HFONT, DeleteGdiObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteGdiObject>;
using OwnedPen = Owned<HPEN, DeleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, DeleteGdiObject>;
using OwnedMemoryDC = Owned<HDC, DeleteMemoryDC>;
using OwnedIcon = Owned<HICON, DestroyIconHandle>;
using OwnedCursor = Owned<HCURSOR, DestroyCursorHandle>;
using OwnedMenu = Owned<HMENU, DestroyMenuHandle>;
using OwnedAccelerators = Owned<HACCEL, DestroyAcceleratorHandle>;
using OwnedGlobal = Owned<HGLOBAL, FreeGlobal>;
using OwnedKernelHandle = Owned<HANDLE, CloseKernelHandle>;
// A view of a file mapping in this process, read and written as bytes.
using OwnedFileView = Owned<char*, UnmapFileView>;
// The argument array of CommandLineToArgvW.
using OwnedArgumentList = Owned<LPWSTR*, FreeLocal>;

// A device context from GetDC or GetWindowDC, released to its window.
class WindowDC {
public:
    enum Area { Client, Whole };
    explicit WindowDC(HWND window, Area area = Client)
        : window_(window), dc_(area == Whole ? GetWindowDC(window) : GetDC(window))
    {
    }
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context, the previous one selected back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The saved state of a device context, restored on the way out.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A locked global memory block, unlocked on the way out.
template <class T = void>
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), data_(static_cast<T*>(GlobalLock(memory))) {}
    ~GlobalLockGuard()
    {
        if (data_)
            GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    T* Get() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }

private:
    HGLOBAL memory_;
    T* data_;
};

// A COM interface pointer that releases its reference.
template <class Interface>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(Interface* pointer) : pointer_(pointer) {}  // takes over a reference
    ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept
    {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComRef()
    {
        if (pointer_)
            pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

// A string that COM allocated (BSTR), freed on the way out.
inline void FreeComString(BSTR text) { SysFreeString(text); }
using OwnedComString = Owned<BSTR, FreeComString>;

// A VARIANT that COM filled in, cleared on the way out.
class ClearedVariant {
public:
    ClearedVariant() { VariantInit(&value_); }
    ~ClearedVariant() { VariantClear(&value_); }
    ClearedVariant(const ClearedVariant&) = delete;
    ClearedVariant& operator=(const ClearedVariant&) = delete;

    VARIANT* Out() { return &value_; }
    const VARIANT& Get() const { return value_; }

private:
    VARIANT value_;
};

// COM initialised on this thread for as long as the guard lives; released
// only when this call initialised it (a thread that had COM keeps it).
class ComApartment {
public:
    explicit ComApartment(DWORD model) : result_(CoInitializeEx(nullptr, model)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when COM could not be had in this model (the thread already
    // has the other one).
    bool Ready() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};
