// The remote memory channel: memory that a control of another process can
// write its get-item answers into, and the moves of those bytes between that
// process and this one.
//
// Get-item messages carry a pointer to an item structure in lParam; for a
// control of another process that pointer must be valid in the control's
// process.  Each block of the channel holds a text buffer of 256 UTF-16
// units followed by the item structure (the wide form, whatever the system's
// code page), whose text pointer names the buffer.  The local copy
// of a block is always a view of a named file mapping, so the code that fills
// and reads the structure is the same on both paths:
//
//  - NT (IsNtPlatform set): the block has a twin allocated in the control's
//    process; an exchange writes the local copy there, sends the message with
//    a pointer into the twin and reads the twin back.
//  - Otherwise: a mapping view lies at the same address in every process, so
//    the message points into the view itself.
//
// The structure is written in the layout of the control's bitness
// (item_layouts.h), which the channel learns when it opens the control's
// process; on the shared-view path the control is of this program's bitness.
//
// A control of this process works on both paths.  Everything a channel takes
// lives for one extractor call and is given back when the channel goes out of
// scope, also after a failed step.
#pragma once

#include "item_layouts.h"
#include "guards.h"
#include "remote_allocation.h"
#include "remote_memory.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// 1 when the system is of the NT family (PlatformIsNt), else 0; chooses the
// channel's path.  Set when the program starts; tests force 0 to take the
// shared-view path.
extern int32_t IsNtPlatform;

// GetVersionExA reports VER_PLATFORM_WIN32_NT.
bool PlatformIsNt();

// UTF-16 units of a block's text buffer, the capacity the structure gives;
// a text arrives with at most 255 of them.
constexpr uint32_t kRemoteTextChars = 256;

// Bytes of a block's text buffer, in front of the structure.
constexpr uint32_t kRemoteTextSize = kRemoteTextChars * sizeof(wchar_t);

// Bytes of code page 932 a text keeps, as an ANSI request would give them.
constexpr size_t kRemoteTextLimit = kRemoteTextChars - 1;

// A block as the channel opens it: the mapping's base name ("Quillscape" or
// "Quillscape2") and the size of its item structure for controls of each
// bitness; the text buffer comes in front.
struct ChannelBlock {
    const char* mappingName;
    uint32_t itemSize32;
    uint32_t itemSize64;
};

template <class Layout>
constexpr ChannelBlock BlockFor(const char* mappingName, const LayoutsByBitness<Layout>& item)
{
    return {mappingName, item.bits32.size, item.bits64.size};
}

// One block of a channel.
class RemoteBuffer {
public:
    // The text buffer of the local copy in code page 932: after an exchange
    // the control's text, at most 255 bytes long; a text cut short does not
    // end in half of a double-byte character.
    std::string Text() const;

    // The text buffer of the local copy, as the control wrote it (UTF-16,
    // NUL-terminated after an exchange).
    const wchar_t* WideText() const { return reinterpret_cast<const wchar_t*>(view_.Get()); }

    // The bitness of the control: the layout its structure is written in.
    Bitness Bits() const { return bits_; }

    // Writes a field of the item structure of the local copy, behind the
    // text buffer; a field of 4 bytes takes the value's low 32 bits.
    void Put(ItemField field, uint64_t value);

    // A field of the item structure, zero-extended.
    uint64_t Get(ItemField field) const;

    // The text buffer's address as the control sees it: the value for the
    // structure's text pointer.
    uintptr_t TextAddress() const;

    // Points the structure's text pointer at the text buffer and sets its
    // capacity, 256 characters.
    void PointAtText(ItemField text, ItemField capacity);

    // Sends the message to `window` (the control, or a window of the same
    // process) with lParam pointing at the structure, and brings the control's
    // answer into the local copy.  Success is the read-back on NT and the
    // message's result otherwise; a message that goes unanswered is a failure
    // and leaves the local copy as it was.  A text pointer that the control
    // moved out of the text buffer leaves the text empty and is noted as an
    // answer out of bounds (unread_windows.h).
    bool Exchange(HWND window, UINT message, WPARAM wParam);

private:
    friend class RemoteChannel;

    bool ExchangeThroughRemoteBlock(HWND window, UINT message, WPARAM wParam);
    bool ExchangeThroughView(HWND window, UINT message, WPARAM wParam);
    void KeepTextInsideBuffer(HWND window);

    ChannelBlock block_{};
    Bitness bits_ = kOwnBitness;
    size_t size_ = 0;  // the text buffer and the structure in the control's layout
    std::optional<ItemField> textField_;  // the structure's text pointer, once set
    OwnedKernelHandle mapping_;
    OwnedFileView view_;
    RemoteAllocation remote_;  // NT only
};

// The channel of one extractor call: its blocks and, on NT, the control's
// process, shared by the blocks.
class RemoteChannel {
public:
    // Opens the blocks for the control: first every mapping, then
    // every view, then (NT) the process and a twin of every block.  False
    // when a step fails, when a mapping of the same name already exists,
    // when the control's bitness is unknown, when no twin can be had where
    // both processes can address it, or when the control's thread does not
    // answer; nothing is then held.
    bool Open(HWND control, std::initializer_list<ChannelBlock> blocks);

    RemoteBuffer& Buffer(size_t index) { return buffers_[index]; }

private:
    bool CreateMappings(std::initializer_list<ChannelBlock> blocks);
    bool MapViews();
    bool AllocateRemoteBlocks(HWND control);

    ControlProcess process_;
    std::vector<RemoteBuffer> buffers_;  // freed before the process handle is closed
};

// The one-shot read of status bars and date-time pickers: a single block in
// the control's process, with no local mapping, on every platform.
class OneShotRead {
public:
    // Opens the control's process and allocates `size` zero-filled bytes in
    // it where both processes can address them; false, holding nothing, when
    // either fails or when the control's thread does not answer.
    bool Open(HWND control, size_t size);

    // Sends the message to the control with lParam pointing at the block;
    // false when it goes unanswered.
    bool Ask(UINT message, WPARAM wParam, LRESULT* result);

    // Copies the first `count` bytes of the block.
    bool Read(void* out, size_t count) const;

    // The block's address in the control's process.
    uintptr_t Address() const;

private:
    HWND control_ = nullptr;
    ControlProcess process_;
    RemoteAllocation block_;  // freed before the process handle is closed
};

// The private name of a mapping: the base name, a dot and this process's id.
std::string InstanceMappingName(const char* baseName);
