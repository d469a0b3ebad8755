// The process of a captured control as the remote memory channel sees it:
// opened, with its bitness, and blocks of memory in it whose addresses both
// this process and the control can use.
#pragma once

#include "item_layouts.h"
#include "guards.h"
#include "remote_allocation.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>

// The bitness of the process's code: from IsWow64Process2 where the system
// has it, else from IsWow64Process on the process and on this one.  Nothing
// when the system does not tell; the handle needs
// PROCESS_QUERY_LIMITED_INFORMATION or more.
std::optional<Bitness> ProcessBitness(HANDLE process);

// The process that owns a control, opened for the channel's blocks.
struct ControlProcess {
    OwnedKernelHandle handle;
    Bitness bits = kOwnBitness;
};

// Opens the process of the window with the access the channel needs and
// learns its bitness; false, holding nothing, when either fails.  A process
// that refuses the access (one running with higher rights) is noted
// (unread_windows.h).
bool OpenControlProcess(HWND window, ControlProcess* process);

// The address that a block in a process of that bitness must end at or
// below.  The address travels as the message's lParam and in the
// structure's text pointer: a 32-bit control takes 32 bits, and a 32-bit
// caller's lParam is signed, so that an address of 2 GB or more could reach
// a 64-bit control sign-extended.
uint64_t BlockAddressEnd(Bitness target);

// `size` bytes of committed, zero-filled read/write memory in the process,
// allocated from the bottom of its address space (MEM_TOP_DOWN, from a
// 32-bit caller into a 64-bit process, gives an address cut to 32 bits whose
// block can be neither used nor freed).  The block only when VirtualQueryEx
// confirms it, whole and ending at or below `end`; otherwise nothing, and a
// block that was allocated but cannot be used is freed again.
RemoteAllocation AllocateBlockBelow(HANDLE process, size_t size, uint64_t end);
