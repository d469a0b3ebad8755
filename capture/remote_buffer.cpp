#include "remote_buffer.h"

#include "answer_bounds.h"
#include "code_page_932.h"
#include "messages.h"
#include "unread_windows.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace {

constexpr DWORD kMappingSize = 4096;

uintptr_t AddressValue(const void* address)
{
    return reinterpret_cast<uintptr_t>(address);
}

size_t BlockSize(const ChannelBlock& block, Bitness bits)
{
    return kRemoteTextSize + (bits == Bitness::Bits64 ? block.itemSize64 : block.itemSize32);
}

RemoteAllocation Allocate(const ControlProcess& process, size_t size)
{
    return AllocateBlockBelow(process.handle.Get(), size, BlockAddressEnd(process.bits));
}

// Sends a message that points into a remote block.  A message sent but not
// answered may still reach the control later, so its block is left to the
// process; one never sent leaves nothing behind.
bool AskThroughBlock(HWND window, UINT message, WPARAM wParam, RemoteAllocation& block, uintptr_t offset,
                     LRESULT* result)
{
    const LPARAM address = static_cast<LPARAM>(AddressValue(block.Get()) + offset);
    const Delivery delivery = DeliverToWindow(window, message, wParam, address, result, CharSet::Wide);
    if (delivery == Delivery::Unanswered)
        block.Abandon();
    return delivery == Delivery::Answered;
}

// Controls fill a text buffer up to its capacity and then leave out the NUL.
void EndTextWithinCapacity(char* buffer)
{
    auto* text = reinterpret_cast<wchar_t*>(buffer);
    if (wcsnlen(text, kRemoteTextChars) == kRemoteTextChars)
        text[kRemoteTextChars - 1] = L'\0';
}

}  // namespace

int32_t IsNtPlatform = PlatformIsNt() ? 1 : 0;

bool PlatformIsNt()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string InstanceMappingName(const char* baseName)
{
    return std::string(baseName) + '.' + std::to_string(GetCurrentProcessId());
}

uintptr_t RemoteBuffer::TextAddress() const
{
    return AddressValue(remote_.Process() ? remote_.Get() : view_.Get());
}

std::string RemoteBuffer::Text() const
{
    const std::string text = ToEngineText(WideText(), wcsnlen(WideText(), kRemoteTextChars));
    return text.substr(0, WholeCharacterLength(text.data(), std::min(text.size(), kRemoteTextLimit)));
}

void RemoteBuffer::Put(ItemField field, uint64_t value)
{
    // Both bitnesses are little-endian: the low bytes come first.
    std::memcpy(view_.Get() + kRemoteTextSize + field.offset, &value, field.size);
}

void RemoteBuffer::PointAtText(ItemField text, ItemField capacity)
{
    textField_ = text;
    Put(text, TextAddress());
    Put(capacity, kRemoteTextChars);
}

uint64_t RemoteBuffer::Get(ItemField field) const
{
    uint64_t value = 0;
    std::memcpy(&value, view_.Get() + kRemoteTextSize + field.offset, field.size);
    return value;
}

bool RemoteBuffer::Exchange(HWND window, UINT message, WPARAM wParam)
{
    const bool answered = remote_.Process() ? ExchangeThroughRemoteBlock(window, message, wParam)
                                            : ExchangeThroughView(window, message, wParam);
    KeepTextInsideBuffer(window);
    EndTextWithinCapacity(view_.Get());
    return answered;
}

// The structure's text pointer names where the control put the text: only a
// place inside our buffer is read, and the text is moved to its start.
void RemoteBuffer::KeepTextInsideBuffer(HWND window)
{
    if (!textField_)
        return;
    const ReadBackText checked = CheckTextPointer(Get(*textField_), TextAddress(), kRemoteTextSize);
    char* text = view_.Get();
    if (checked.outOfBounds) {
        NoteAnswerOutOfBounds(window);
        text[0] = '\0';
    } else if (checked.offset > 0) {
        std::memmove(text, text + checked.offset, kRemoteTextSize - checked.offset);
        std::memset(text + kRemoteTextSize - checked.offset, 0, checked.offset);
    }
}

bool RemoteBuffer::ExchangeThroughRemoteBlock(HWND window, UINT message, WPARAM wParam)
{
    if (!remote_)
        return false;
    WriteProcessMemory(remote_.Process(), remote_.Get(), view_.Get(), size_, nullptr);
    LRESULT ignored;
    if (!AskThroughBlock(window, message, wParam, remote_, kRemoteTextSize, &ignored))
        return false;
    return ReadProcessMemory(remote_.Process(), remote_.Get(), view_.Get(), size_, nullptr);
}

bool RemoteBuffer::ExchangeThroughView(HWND window, UINT message, WPARAM wParam)
{
    LRESULT result;
    const LPARAM item = static_cast<LPARAM>(AddressValue(view_.Get() + kRemoteTextSize));
    return SendToWindow(window, message, wParam, item, &result) && result != 0;
}

bool RemoteChannel::Open(HWND control, std::initializer_list<ChannelBlock> blocks)
{
    buffers_.clear();
    process_ = ControlProcess();
    const bool opened = IsAnswering(control) && CreateMappings(blocks) && MapViews() &&
                        (!IsNtPlatform || AllocateRemoteBlocks(control));
    if (!opened) {
        buffers_.clear();
        process_ = ControlProcess();
    }
    return opened;
}

bool RemoteChannel::CreateMappings(std::initializer_list<ChannelBlock> blocks)
{
    buffers_.reserve(blocks.size());
    for (const ChannelBlock& block : blocks) {
        if (BlockSize(block, Bitness::Bits32) > kMappingSize || BlockSize(block, Bitness::Bits64) > kMappingSize)
            return false;
        const std::string name = InstanceMappingName(block.mappingName);
        SetLastError(ERROR_SUCCESS);
        OwnedKernelHandle mapping(
            CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kMappingSize, name.c_str()));
        // Someone else's mapping of this name may hold anything.
        if (!mapping || GetLastError() == ERROR_ALREADY_EXISTS)
            return false;
        buffers_.emplace_back();
        buffers_.back().block_ = block;
        buffers_.back().size_ = BlockSize(block, kOwnBitness);
        buffers_.back().mapping_ = std::move(mapping);
    }
    return true;
}

bool RemoteChannel::MapViews()
{
    for (RemoteBuffer& buffer : buffers_) {
        void* view = MapViewOfFile(buffer.mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0);
        buffer.view_ = OwnedFileView(static_cast<char*>(view));
        if (!buffer.view_)
            return false;
    }
    return true;
}

bool RemoteChannel::AllocateRemoteBlocks(HWND control)
{
    if (!OpenControlProcess(control, &process_))
        return false;
    for (RemoteBuffer& buffer : buffers_) {
        buffer.bits_ = process_.bits;
        buffer.size_ = BlockSize(buffer.block_, process_.bits);
        buffer.remote_ = Allocate(process_, buffer.size_);
        if (!buffer.remote_)
            return false;
    }
    return true;
}

bool OneShotRead::Open(HWND control, size_t size)
{
    control_ = control;
    block_ = RemoteAllocation();
    if (IsAnswering(control) && OpenControlProcess(control, &process_))
        block_ = Allocate(process_, size);
    if (!block_)
        process_ = ControlProcess();
    return static_cast<bool>(block_);
}

bool OneShotRead::Ask(UINT message, WPARAM wParam, LRESULT* result)
{
    *result = 0;
    return block_ && AskThroughBlock(control_, message, wParam, block_, 0, result);
}

bool OneShotRead::Read(void* out, size_t count) const
{
    return block_ && ReadProcessMemory(process_.handle.Get(), block_.Get(), out, count, nullptr);
}

uintptr_t OneShotRead::Address() const
{
    return AddressValue(block_.Get());
}
