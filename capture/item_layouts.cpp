// Compile-time checks: the mirrors of this build's bitness must match the
// system's declarations field by field.  The 32-bit build so checks the
// 32-bit mirrors and the 64-bit build the 64-bit ones; a few sizes and
// offsets of the other bitness, as its headers give them, check that this
// compiler lays out that bitness's mirrors the same way.
#include "item_layouts.h"

#include <windows.h>
#include <commctrl.h>

namespace {

#define QS_SAME_FIELD(Mirror, Header, field)                                                     \
    static_assert(offsetof(Mirror, field) == offsetof(Header, field) &&                          \
                      sizeof(Mirror::field) == sizeof(Header::field),                            \
                  #Header "." #field " lies elsewhere")

using NativeTree = TreeItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeTree, TVITEMW, mask);
QS_SAME_FIELD(NativeTree, TVITEMW, hItem);
QS_SAME_FIELD(NativeTree, TVITEMW, state);
QS_SAME_FIELD(NativeTree, TVITEMW, stateMask);
QS_SAME_FIELD(NativeTree, TVITEMW, pszText);
QS_SAME_FIELD(NativeTree, TVITEMW, cchTextMax);
QS_SAME_FIELD(NativeTree, TVITEMW, iImage);
QS_SAME_FIELD(NativeTree, TVITEMW, iSelectedImage);
QS_SAME_FIELD(NativeTree, TVITEMW, cChildren);
QS_SAME_FIELD(NativeTree, TVITEMW, lParam);
static_assert(kTreeItemLayouts.For(kOwnBitness).size == sizeof(TVITEMW), "a block holds all of TVITEMW");

using NativeHeader = HeaderItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeHeader, HDITEMW, mask);
QS_SAME_FIELD(NativeHeader, HDITEMW, cxy);
QS_SAME_FIELD(NativeHeader, HDITEMW, pszText);
QS_SAME_FIELD(NativeHeader, HDITEMW, hbm);
QS_SAME_FIELD(NativeHeader, HDITEMW, cchTextMax);
QS_SAME_FIELD(NativeHeader, HDITEMW, fmt);
QS_SAME_FIELD(NativeHeader, HDITEMW, lParam);
QS_SAME_FIELD(NativeHeader, HDITEMW, iImage);
QS_SAME_FIELD(NativeHeader, HDITEMW, iOrder);
static_assert(kHeaderItemLayouts.For(kOwnBitness).size == offsetof(HDITEMW, type),
              "a block holds HDITEMW up to iOrder");

using NativeList = ListItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeList, LVITEMW, mask);
QS_SAME_FIELD(NativeList, LVITEMW, iItem);
QS_SAME_FIELD(NativeList, LVITEMW, iSubItem);
QS_SAME_FIELD(NativeList, LVITEMW, state);
QS_SAME_FIELD(NativeList, LVITEMW, stateMask);
QS_SAME_FIELD(NativeList, LVITEMW, pszText);
QS_SAME_FIELD(NativeList, LVITEMW, cchTextMax);
QS_SAME_FIELD(NativeList, LVITEMW, iImage);
QS_SAME_FIELD(NativeList, LVITEMW, lParam);
QS_SAME_FIELD(NativeList, LVITEMW, iIndent);
static_assert(kListItemLayouts.For(kOwnBitness).size == offsetof(LVITEMW, iGroupId),
              "a block holds LVITEMW up to iIndent");

using NativeTab = TabItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeTab, TCITEMW, mask);
QS_SAME_FIELD(NativeTab, TCITEMW, dwState);
QS_SAME_FIELD(NativeTab, TCITEMW, dwStateMask);
QS_SAME_FIELD(NativeTab, TCITEMW, pszText);
QS_SAME_FIELD(NativeTab, TCITEMW, cchTextMax);
QS_SAME_FIELD(NativeTab, TCITEMW, iImage);
QS_SAME_FIELD(NativeTab, TCITEMW, lParam);
static_assert(kTabItemLayouts.For(kOwnBitness).size == sizeof(TCITEMW), "a block holds all of TCITEMW");

#undef QS_SAME_FIELD

static_assert(kTreeItemLayouts.bits32.size == 40 && kHeaderItemLayouts.bits32.size == 36 &&
                  kListItemLayouts.bits32.size == 40 && kTabItemLayouts.bits32.size == 28,
              "32-bit blocks of 296, 292, 296 and 284 bytes");
static_assert(kTreeItemLayouts.bits64.size == 56 && kTreeItemLayouts.bits64.hItem.offset == 8 &&
                  kTreeItemLayouts.bits64.pszText.offset == 24 && kTreeItemLayouts.bits64.cChildren.offset == 44,
              "64-bit TVITEMW");
static_assert(kListItemLayouts.bits64.pszText.offset == 24 && kListItemLayouts.bits64.cchTextMax.offset == 32 &&
                  kListItemLayouts.bits64.size == 52,
              "64-bit LVITEMW up to iIndent");
static_assert(kHeaderItemLayouts.bits64.pszText.offset == 8 && kHeaderItemLayouts.bits64.cchTextMax.offset == 24 &&
                  kHeaderItemLayouts.bits64.size == 48,
              "64-bit HDITEMW up to iOrder");
static_assert(kTabItemLayouts.bits64.pszText.offset == 16 && kTabItemLayouts.bits64.size == 40, "64-bit TCITEMW");

}  // namespace
