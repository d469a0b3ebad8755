// The owner of a block the remote memory channel allocates in another
// process: freed when it goes out of scope, so that every way out of an
// extractor, a failed step half-way included, frees what was taken.
#pragma once

#include <windows.h>

#include <utility>

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
