#include "remote_memory.h"

#include "unread_windows.h"

namespace {

// VirtualQueryEx needs PROCESS_QUERY_INFORMATION, which holds what
// IsWow64Process needs.
constexpr DWORD kProcessAccess =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION;

using IsWow64Process2Function = BOOL(WINAPI*)(HANDLE process, USHORT* processMachine, USHORT* nativeMachine);

IsWow64Process2Function FindIsWow64Process2()
{
    return reinterpret_cast<IsWow64Process2Function>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process2")));
}

bool IsMachineOf64Bits(USHORT machine)
{
    return machine == IMAGE_FILE_MACHINE_AMD64 || machine == IMAGE_FILE_MACHINE_ARM64 ||
           machine == IMAGE_FILE_MACHINE_IA64;
}

// A process under WOW64 runs 32-bit code; any other runs the system's own.
std::optional<Bitness> BitnessFromIsWow64Process2(IsWow64Process2Function isWow64Process2, HANDLE process)
{
    USHORT processMachine = IMAGE_FILE_MACHINE_UNKNOWN;
    USHORT nativeMachine = IMAGE_FILE_MACHINE_UNKNOWN;
    if (!isWow64Process2(process, &processMachine, &nativeMachine))
        return std::nullopt;
    if (processMachine != IMAGE_FILE_MACHINE_UNKNOWN || !IsMachineOf64Bits(nativeMachine))
        return Bitness::Bits32;
    return Bitness::Bits64;
}

std::optional<Bitness> BitnessFromIsWow64Process(HANDLE process)
{
    BOOL targetIsWow64 = FALSE;
    if (!IsWow64Process(process, &targetIsWow64))
        return std::nullopt;
    if (targetIsWow64)
        return Bitness::Bits32;
    if (kOwnBitness == Bitness::Bits64)
        return Bitness::Bits64;
    // A 32-bit program outside WOW64 runs on a 32-bit system.
    BOOL selfIsWow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &selfIsWow64))
        return std::nullopt;
    return selfIsWow64 ? Bitness::Bits64 : Bitness::Bits32;
}

// The block is the whole of an allocation of this size, committed and
// read/write.
bool IsWholeBlock(const MEMORY_BASIC_INFORMATION& info, const void* address, size_t size)
{
    return info.AllocationBase == address && info.BaseAddress == address && info.State == MEM_COMMIT &&
           info.Type == MEM_PRIVATE && info.Protect == PAGE_READWRITE && info.RegionSize >= size;
}

bool EndsAtOrBelow(const void* address, size_t size, uint64_t end)
{
    const uint64_t start = reinterpret_cast<uintptr_t>(address);
    return start <= end && size <= end - start;
}

}  // namespace

std::optional<Bitness> ProcessBitness(HANDLE process)
{
    if (const IsWow64Process2Function isWow64Process2 = FindIsWow64Process2())
        return BitnessFromIsWow64Process2(isWow64Process2, process);
    return BitnessFromIsWow64Process(process);
}

bool OpenControlProcess(HWND window, ControlProcess* process)
{
    process->handle = OwnedKernelHandle();
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId))
        return false;
    OwnedKernelHandle handle(OpenProcess(kProcessAccess, FALSE, processId));
    if (!handle && GetLastError() == ERROR_ACCESS_DENIED)
        NoteProcessNotOpened(window);
    const std::optional<Bitness> bits = handle ? ProcessBitness(handle.Get()) : std::nullopt;
    if (!bits)
        return false;
    process->handle = std::move(handle);
    process->bits = *bits;
    return true;
}

uint64_t BlockAddressEnd(Bitness target)
{
    constexpr uint64_t k2Gb = uint64_t{1} << 31;
    constexpr uint64_t k4Gb = uint64_t{1} << 32;
    if (kOwnBitness == Bitness::Bits32)
        return target == Bitness::Bits64 ? k2Gb : k4Gb;
    return target == Bitness::Bits32 ? k4Gb : UINT64_MAX;
}

RemoteAllocation AllocateBlockBelow(HANDLE process, size_t size, uint64_t end)
{
    RemoteAllocation block(process, VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    if (!block)
        return block;
    MEMORY_BASIC_INFORMATION info{};
    const bool known = VirtualQueryEx(process, block.Get(), &info, sizeof info) == sizeof info;
    const bool whole = known && IsWholeBlock(info, block.Get(), size);
    if (whole && EndsAtOrBelow(block.Get(), size, end))
        return block;
    // An address that does not name a block of ours may name someone
    // else's memory: only our own block is freed.
    if (!whole)
        block.Abandon();
    return RemoteAllocation();
}
