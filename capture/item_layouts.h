// The item structures that get-item messages carry, as controls of either
// bitness read them.  A 64-bit control reads its pointers, handles and
// LPARAMs as 8 bytes aligned to 8, so most fields lie at other offsets than
// in a 32-bit control; the channel writes every structure in the layout of
// the control's bitness, whatever the bitness of this program.
//
// Each structure is described once as a mirror of the system's declaration,
// for both bitnesses; the layouts, the offsets and sizes of the fields the
// capture uses, follow from the mirrors, and item_layouts.cpp checks the
// mirror of this build's bitness against the system's own header.
#pragma once

#include <cstddef>
#include <cstdint>

// The bitness of a process's code: it decides the layout its controls read.
enum class Bitness { Bits32, Bits64 };

constexpr Bitness kOwnBitness = sizeof(void*) == 8 ? Bitness::Bits64 : Bitness::Bits32;

// A pointer, handle or LPARAM of 64-bit code, in a build of either bitness.
struct alignas(8) Address64 {
    uint64_t value;
};

template <Bitness>
struct AddressOf;
template <>
struct AddressOf<Bitness::Bits32> {
    using Type = uint32_t;
};
template <>
struct AddressOf<Bitness::Bits64> {
    using Type = Address64;
};

// Mirrors of TVITEMW, HDITEMW, LVITEMW and TCITEMW.  HDITEMW and LVITEMW end
// with iOrder and iIndent: the later fields belong to requests the capture
// never makes.
template <Bitness bits>
struct TreeItemMirror {
    using Address = typename AddressOf<bits>::Type;
    uint32_t mask;
    Address hItem;
    uint32_t state;
    uint32_t stateMask;
    Address pszText;
    int32_t cchTextMax;
    int32_t iImage;
    int32_t iSelectedImage;
    int32_t cChildren;
    Address lParam;
};

template <Bitness bits>
struct HeaderItemMirror {
    using Address = typename AddressOf<bits>::Type;
    uint32_t mask;
    int32_t cxy;
    Address pszText;
    Address hbm;
    int32_t cchTextMax;
    int32_t fmt;
    Address lParam;
    int32_t iImage;
    int32_t iOrder;
};

template <Bitness bits>
struct ListItemMirror {
    using Address = typename AddressOf<bits>::Type;
    uint32_t mask;
    int32_t iItem;
    int32_t iSubItem;
    uint32_t state;
    uint32_t stateMask;
    Address pszText;
    int32_t cchTextMax;
    int32_t iImage;
    Address lParam;
    int32_t iIndent;
};

template <Bitness bits>
struct TabItemMirror {
    using Address = typename AddressOf<bits>::Type;
    uint32_t mask;
    uint32_t dwState;
    uint32_t dwStateMask;
    Address pszText;
    int32_t cchTextMax;
    int32_t iImage;
    Address lParam;
};

// A field's place in a structure: its offset and its size, 4 or 8 bytes.
struct ItemField {
    uint32_t offset;
    uint32_t size;
};

// The fields that the capture writes or reads, and the size of the
// structure up to its last mirrored field: the part a block holds.
struct TreeItemLayout {
    uint32_t size;
    ItemField mask, hItem, state, stateMask, pszText, cchTextMax, cChildren;
};
struct HeaderItemLayout {
    uint32_t size;
    ItemField mask, pszText, cchTextMax;
};
struct ListItemLayout {
    uint32_t size;
    ItemField iSubItem, pszText, cchTextMax;
};
struct TabItemLayout {
    uint32_t size;
    ItemField mask, pszText, cchTextMax;
};

// One structure's layouts for controls of 32-bit and of 64-bit code.
template <class Layout>
struct LayoutsByBitness {
    Layout bits32;
    Layout bits64;

    constexpr const Layout& For(Bitness bits) const { return bits == Bitness::Bits64 ? bits64 : bits32; }
};

#define QS_ITEM_FIELD(Mirror, name) \
    ItemField { offsetof(Mirror, name), sizeof(Mirror::name) }
#define QS_ITEM_END(Mirror, last) static_cast<uint32_t>(offsetof(Mirror, last) + sizeof(Mirror::last))

template <Bitness bits>
constexpr TreeItemLayout TreeItemLayoutOf()
{
    using M = TreeItemMirror<bits>;
    return {QS_ITEM_END(M, lParam),        QS_ITEM_FIELD(M, mask),     QS_ITEM_FIELD(M, hItem),
            QS_ITEM_FIELD(M, state),       QS_ITEM_FIELD(M, stateMask), QS_ITEM_FIELD(M, pszText),
            QS_ITEM_FIELD(M, cchTextMax),  QS_ITEM_FIELD(M, cChildren)};
}

template <Bitness bits>
constexpr HeaderItemLayout HeaderItemLayoutOf()
{
    using M = HeaderItemMirror<bits>;
    return {QS_ITEM_END(M, iOrder), QS_ITEM_FIELD(M, mask), QS_ITEM_FIELD(M, pszText), QS_ITEM_FIELD(M, cchTextMax)};
}

template <Bitness bits>
constexpr ListItemLayout ListItemLayoutOf()
{
    using M = ListItemMirror<bits>;
    return {QS_ITEM_END(M, iIndent), QS_ITEM_FIELD(M, iSubItem), QS_ITEM_FIELD(M, pszText),
            QS_ITEM_FIELD(M, cchTextMax)};
}

template <Bitness bits>
constexpr TabItemLayout TabItemLayoutOf()
{
    using M = TabItemMirror<bits>;
    return {QS_ITEM_END(M, lParam), QS_ITEM_FIELD(M, mask), QS_ITEM_FIELD(M, pszText), QS_ITEM_FIELD(M, cchTextMax)};
}

#undef QS_ITEM_FIELD
#undef QS_ITEM_END

constexpr LayoutsByBitness<TreeItemLayout> kTreeItemLayouts{TreeItemLayoutOf<Bitness::Bits32>(),
                                                            TreeItemLayoutOf<Bitness::Bits64>()};
constexpr LayoutsByBitness<HeaderItemLayout> kHeaderItemLayouts{HeaderItemLayoutOf<Bitness::Bits32>(),
                                                                HeaderItemLayoutOf<Bitness::Bits64>()};
constexpr LayoutsByBitness<ListItemLayout> kListItemLayouts{ListItemLayoutOf<Bitness::Bits32>(),
                                                            ListItemLayoutOf<Bitness::Bits64>()};
constexpr LayoutsByBitness<TabItemLayout> kTabItemLayouts{TabItemLayoutOf<Bitness::Bits32>(),
                                                          TabItemLayoutOf<Bitness::Bits64>()};
