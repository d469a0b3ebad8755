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
QS_SAME_FIELD(NativeTree, TVITEMA, mask);
QS_SAME_FIELD(NativeTree, TVITEMA, hItem);
QS_SAME_FIELD(NativeTree, TVITEMA, state);
QS_SAME_FIELD(NativeTree, TVITEMA, stateMask);
QS_SAME_FIELD(NativeTree, TVITEMA, pszText);
QS_SAME_FIELD(NativeTree, TVITEMA, cchTextMax);
QS_SAME_FIELD(NativeTree, TVITEMA, iImage);
QS_SAME_FIELD(NativeTree, TVITEMA, iSelectedImage);
QS_SAME_FIELD(NativeTree, TVITEMA, cChildren);
QS_SAME_FIELD(NativeTree, TVITEMA, lParam);
static_assert(kTreeItemLayouts.For(kOwnBitness).size == sizeof(TVITEMA), "a block holds all of TVITEMA");

using NativeHeader = HeaderItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeHeader, HDITEMA, mask);
QS_SAME_FIELD(NativeHeader, HDITEMA, cxy);
QS_SAME_FIELD(NativeHeader, HDITEMA, pszText);
QS_SAME_FIELD(NativeHeader, HDITEMA, hbm);
QS_SAME_FIELD(NativeHeader, HDITEMA, cchTextMax);
QS_SAME_FIELD(NativeHeader, HDITEMA, fmt);
QS_SAME_FIELD(NativeHeader, HDITEMA, lParam);
QS_SAME_FIELD(NativeHeader, HDITEMA, iImage);
QS_SAME_FIELD(NativeHeader, HDITEMA, iOrder);
static_assert(kHeaderItemLayouts.For(kOwnBitness).size == offsetof(HDITEMA, type),
              "a block holds HDITEMA up to iOrder");

using NativeList = ListItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeList, LVITEMA, mask);
QS_SAME_FIELD(NativeList, LVITEMA, iItem);
QS_SAME_FIELD(NativeList, LVITEMA, iSubItem);
QS_SAME_FIELD(NativeList, LVITEMA, state);
QS_SAME_FIELD(NativeList, LVITEMA, stateMask);
QS_SAME_FIELD(NativeList, LVITEMA, pszText);
QS_SAME_FIELD(NativeList, LVITEMA, cchTextMax);
QS_SAME_FIELD(NativeList, LVITEMA, iImage);
QS_SAME_FIELD(NativeList, LVITEMA, lParam);
QS_SAME_FIELD(NativeList, LVITEMA, iIndent);
static_assert(kListItemLayouts.For(kOwnBitness).size == offsetof(LVITEMA, iGroupId),
              "a block holds LVITEMA up to iIndent");

using NativeTab = TabItemMirror<kOwnBitness>;
QS_SAME_FIELD(NativeTab, TCITEMA, mask);
QS_SAME_FIELD(NativeTab, TCITEMA, dwState);
QS_SAME_FIELD(NativeTab, TCITEMA, dwStateMask);
QS_SAME_FIELD(NativeTab, TCITEMA, pszText);
QS_SAME_FIELD(NativeTab, TCITEMA, cchTextMax);
QS_SAME_FIELD(NativeTab, TCITEMA, iImage);
QS_SAME_FIELD(NativeTab, TCITEMA, lParam);
static_assert(kTabItemLayouts.For(kOwnBitness).size == sizeof(TCITEMA), "a block holds all of TCITEMA");

#undef QS_SAME_FIELD

static_assert(kTreeItemLayouts.bits32.size == 40 && kHeaderItemLayouts.bits32.size == 36 &&
                  kListItemLayouts.bits32.size == 40 && kTabItemLayouts.bits32.size == 28,
              "32-bit blocks of 296, 292, 296 and 284 bytes");
static_assert(kTreeItemLayouts.bits64.size == 56 && kTreeItemLayouts.bits64.hItem.offset == 8 &&
                  kTreeItemLayouts.bits64.pszText.offset == 24 && kTreeItemLayouts.bits64.cChildren.offset == 44,
              "64-bit TVITEMA");
static_assert(kListItemLayouts.bits64.pszText.offset == 24 && kListItemLayouts.bits64.cchTextMax.offset == 32 &&
                  kListItemLayouts.bits64.size == 52,
              "64-bit LVITEMA up to iIndent");
static_assert(kHeaderItemLayouts.bits64.pszText.offset == 8 && kHeaderItemLayouts.bits64.cchTextMax.offset == 24 &&
                  kHeaderItemLayouts.bits64.size == 48,
              "64-bit HDITEMA up to iOrder");
static_assert(kTabItemLayouts.bits64.pszText.offset == 16 && kTabItemLayouts.bits64.size == 40, "64-bit TCITEMA");

}  // namespace
