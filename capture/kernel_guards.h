// Owners of the kernel resources the remote memory channel takes: each
// gives its resource back when it goes out of scope, so that every way out
// of an extractor, a failed step half-way included, frees what was taken.
#pragma once

#include <windows.h>

#include <utility>

// A process or file-mapping handle.
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle()
    {
        if (handle_)
            CloseHandle(handle_);
    }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

// A view of a file mapping in this process.
class MappedView {
public:
    MappedView() = default;
    explicit MappedView(void* view) : view_(view) {}
    MappedView(MappedView&& other) noexcept : view_(std::exchange(other.view_, nullptr)) {}
    MappedView& operator=(MappedView&& other) noexcept
    {
        std::swap(view_, other.view_);
        return *this;
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    ~MappedView()
    {
        if (view_)
            UnmapViewOfFile(view_);
    }

    char* Get() const { return static_cast<char*>(view_); }
    explicit operator bool() const { return view_ != nullptr; }

private:
    void* view_ = nullptr;
};

// Memory allocated in another process.  The process handle is borrowed: its
// owner must outlive this guard.
class RemoteAllocation {
public:
    RemoteAllocation() = default;
    RemoteAllocation(HANDLE process, void* address) : process_(process), address_(address) {}
    RemoteAllocation(RemoteAllocation&& other) noexcept
        : process_(other.process_), address_(std::exchange(other.address_, nullptr))
    {
    }
    RemoteAllocation& operator=(RemoteAllocation&& other) noexcept
    {
        std::swap(process_, other.process_);
        std::swap(address_, other.address_);
        return *this;
    }
    RemoteAllocation(const RemoteAllocation&) = delete;
    RemoteAllocation& operator=(const RemoteAllocation&) = delete;
    ~RemoteAllocation()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }

    HANDLE Process() const { return process_; }
    char* Get() const { return static_cast<char*>(address_); }
    explicit operator bool() const { return address_ != nullptr; }

    // Leaves the memory to the other process for good: a message that went
    // unanswered may still be handled later and write its answer here.
    void Abandon() { address_ = nullptr; }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};
