#include "remote_items.h"

#include "remote_buffer.h"

#include <cstdint>

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

// Mappings of the test's own, apart from those of the conversions it runs.
constexpr ChannelBlock kTreeBlock = BlockFor("QsTestTree", kTreeItemLayouts);
constexpr ChannelBlock kHeaderBlock = BlockFor("QsTestHeader", kHeaderItemLayouts);
constexpr ChannelBlock kCellBlock = BlockFor("QsTestCell", kListItemLayouts);
constexpr ChannelBlock kTabBlock = BlockFor("QsTestTab", kTabItemLayouts);

HTREEITEM NextItem(HWND tree, UINT relation, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(AskControl(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Brings the item's text, expanded state and children flag into the block.
bool ReadTreeItem(RemoteBuffer& block, HWND tree, HTREEITEM item)
{
    const TreeItemLayout& fields = kTreeItemLayouts.For(block.Bits());
    block.Put(fields.mask, TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN);
    block.Put(fields.hItem, reinterpret_cast<uintptr_t>(item));
    block.Put(fields.stateMask, TVIS_EXPANDED);
    block.PointAtText(fields.pszText, fields.cchTextMax);
    return block.Exchange(tree, TVM_GETITEMW, 0);
}

int Depth(HWND tree, HTREEITEM item)
{
    int depth = 0;
    while ((item = NextItem(tree, TVGN_PARENT, item)) != nullptr)
        ++depth;
    return depth;
}

TreeItemState StateOf(RemoteBuffer& block, HWND tree, HTREEITEM item)
{
    const TreeItemLayout& fields = kTreeItemLayouts.For(block.Bits());
    return {block.Text(), (block.Get(fields.state) & TVIS_EXPANDED) != 0, static_cast<int32_t>(block.Get(fields.cChildren)),
            NextItem(tree, TVGN_NEXT, item) == nullptr, Depth(tree, item)};
}

std::string HeaderText(RemoteBuffer& block, HWND header, int column)
{
    const HeaderItemLayout& fields = kHeaderItemLayouts.For(block.Bits());
    block.Put(fields.mask, HDI_TEXT);
    block.PointAtText(fields.pszText, fields.cchTextMax);
    return block.Exchange(header, HDM_GETITEMW, column) ? block.Text() : std::string();
}

std::string CellText(RemoteBuffer& block, HWND list, int row, int column)
{
    const ListItemLayout& fields = kListItemLayouts.For(block.Bits());
    block.Put(fields.iSubItem, static_cast<uint32_t>(column));
    block.PointAtText(fields.pszText, fields.cchTextMax);
    return block.Exchange(list, LVM_GETITEMTEXTW, row) ? block.Text() : std::string();
}

std::string TabCaption(RemoteBuffer& block, HWND tabs, int index)
{
    const TabItemLayout& fields = kTabItemLayouts.For(block.Bits());
    block.Put(fields.mask, TCIF_TEXT);
    block.PointAtText(fields.pszText, fields.cchTextMax);
    return block.Exchange(tabs, TCM_GETITEMW, index) ? block.Text() : std::string();
}

// The texts of the control's items by index, as many as `countMessage`
// says, each read by `read`; empty if the channel cannot be opened.
std::vector<std::string> EveryItemText(HWND control, const ChannelBlock& block, UINT countMessage,
                                       std::string (*read)(RemoteBuffer&, HWND, int))
{
    RemoteChannel channel;
    if (!channel.Open(control, {block}))
        return {};
    std::vector<std::string> texts;
    const int count = static_cast<int>(AskControl(control, countMessage, 0, 0));
    for (int index = 0; index < count; ++index)
        texts.push_back(read(channel.Buffer(0), control, index));
    return texts;
}

HWND HeaderOf(HWND list)
{
    return reinterpret_cast<HWND>(AskControl(list, LVM_GETHEADER, 0, 0));
}

}  // namespace

LRESULT AskControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(control, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer))
        return 0;
    return static_cast<LRESULT>(answer);
}

std::vector<TreeItemState> VisibleTreeItems(HWND tree)
{
    RemoteChannel channel;
    if (!channel.Open(tree, {kTreeBlock}))
        return {};
    RemoteBuffer& block = channel.Buffer(0);
    std::vector<TreeItemState> items;
    const LRESULT fitting = AskControl(tree, TVM_GETVISIBLECOUNT, 0, 0);
    for (HTREEITEM item = NextItem(tree, TVGN_FIRSTVISIBLE, nullptr);
         item && static_cast<LRESULT>(items.size()) < fitting; item = NextItem(tree, TVGN_NEXTVISIBLE, item)) {
        if (!ReadTreeItem(block, tree, item))
            return {};
        items.push_back(StateOf(block, tree, item));
    }
    return items;
}

HTREEITEM FindTreeChild(HWND tree, HTREEITEM parent, const std::string& text)
{
    RemoteChannel channel;
    if (!channel.Open(tree, {kTreeBlock}))
        return nullptr;
    RemoteBuffer& block = channel.Buffer(0);
    HTREEITEM item = parent ? NextItem(tree, TVGN_CHILD, parent) : NextItem(tree, TVGN_ROOT, nullptr);
    for (; item; item = NextItem(tree, TVGN_NEXT, item)) {
        if (ReadTreeItem(block, tree, item) && block.Text() == text)
            return item;
    }
    return nullptr;
}

std::vector<std::string> HeaderTexts(HWND list)
{
    HWND header = HeaderOf(list);
    return header ? EveryItemText(header, kHeaderBlock, HDM_GETITEMCOUNT, HeaderText) : std::vector<std::string>();
}

std::vector<std::string> ListCellTexts(HWND list)
{
    HWND header = HeaderOf(list);
    const int columns = header ? static_cast<int>(AskControl(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const int rows = static_cast<int>(AskControl(list, LVM_GETITEMCOUNT, 0, 0));
    RemoteChannel channel;
    if (!channel.Open(list, {kCellBlock}))
        return {};
    std::vector<std::string> texts;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            texts.push_back(CellText(channel.Buffer(0), list, row, column));
    }
    return texts;
}

std::vector<std::string> TabCaptions(HWND tabs)
{
    return EveryItemText(tabs, kTabBlock, TCM_GETITEMCOUNT, TabCaption);
}
