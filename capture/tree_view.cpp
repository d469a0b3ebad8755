#include "tree_view.h"

#include "answer_bounds.h"
#include "fit_rows.h"
#include "messages.h"
#include "records.h"
#include "remote_buffer.h"
#include "sjis.h"
#include "unread_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char kTag[] = "SysTreeView32";
constexpr char kMappingName[] = "Quillscape";
constexpr int kIndentPerLevel = 4;
constexpr uint32_t kCheckedImage = 2;
constexpr size_t kLineLimit = kItemLimit;

constexpr ChannelBlock kTreeBlock = BlockFor(kMappingName, kTreeItemLayouts);

struct TreeLine {
    std::string text;
    bool connector;  // a connector is drawn from this line up to its sibling above
};

// The rendered lines of the tree being captured, rebuilt by every call.
std::vector<TreeLine> TreeScratchTable;
char TreeHasCheckBoxes;
// Every item met so far: an item that comes again closes a loop.
ItemChain TreeItemsSeen;

HTREEITEM NextItem(HWND window, UINT relation, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(
        AnswerOr(0, window, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The next item in that relation, or null when there is none or when it was
// met before: a loop, noted as an answer out of bounds, ends the chain.
HTREEITEM NextNewItem(HWND window, UINT relation, HTREEITEM item)
{
    HTREEITEM next = NextItem(window, relation, item);
    if (next && !TreeItemsSeen.Enter(reinterpret_cast<uintptr_t>(next))) {
        NoteAnswerOutOfBounds(window);
        return nullptr;
    }
    return next;
}

// Brings the item's text, state and children flag into the block.
bool ReadItem(RemoteBuffer& block, HWND window, HTREEITEM item)
{
    const TreeItemLayout& fields = kTreeItemLayouts.For(block.Bits());
    block.Put(fields.mask, TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN);
    block.Put(fields.hItem, reinterpret_cast<uintptr_t>(item));
    block.PointAtText(fields.pszText, fields.cchTextMax);
    return block.Exchange(window, TVM_GETITEMW, 0);
}

// The state and children flag of the item in the block.
struct ItemState {
    uint32_t state;
    int32_t children;
};

ItemState StateOf(const RemoteBuffer& block)
{
    const TreeItemLayout& fields = kTreeItemLayouts.For(block.Bits());
    return {static_cast<uint32_t>(block.Get(fields.state)), static_cast<int32_t>(block.Get(fields.cChildren))};
}

bool IsExpanded(const RemoteBuffer& block)
{
    return StateOf(block).state & TVIS_EXPANDED;
}

const char* Mark(const ItemState& item)
{
    if (item.state & TVIS_EXPANDED)
        return "[-]";
    return item.children == 1 ? "[+]" : " ├";
}

const char* CheckMark(const ItemState& item)
{
    return (item.state & TVIS_STATEIMAGEMASK) >> 12 == kCheckedImage ? "■" : "□";
}

void AddLine(const RemoteBuffer& block, int depth, bool connector)
{
    const ItemState item = StateOf(block);
    AddTreeLine(depth, item.state, item.children, block.Text(), connector);
}


// Renders the children of parentItem and, below each expanded one, its
// branch.  False when it gave up (an expanded item without children, an
// unreadable first child, a full scratch table or a level deeper than the
// grid can indent); the callers then give up as well.
bool CaptureTreeBranch(RemoteBuffer& block, HTREEITEM parentItem, HWND window, int depth)
{
    if (depth >= kTreeDepthLimit) {
        NoteAnswerOutOfBounds(window);
        return false;
    }
    HTREEITEM item = NextNewItem(window, TVGN_CHILD, parentItem);
    if (!item || !ReadItem(block, window, item))
        return false;
    bool afterExpanded = false;
    for (;;) {
        if (TreeLinesFull())
            return false;
        const bool expanded = IsExpanded(block);
        AddLine(block, depth, afterExpanded);
        afterExpanded = false;
        if (expanded) {
            if (!CaptureTreeBranch(block, item, window, depth + 1))
                return false;
            afterExpanded = true;
        }
        item = NextNewItem(window, TVGN_NEXT, item);
        if (!item || !ReadItem(block, window, item)) {
            EndTreeSiblingList();
            return true;
        }
    }
}

// Every root item and the branches of the expanded ones.  The first root
// is read whether or not the control answers: a tree without items still
// gives one line.
void RenderRoots(RemoteBuffer& block, HWND window)
{
    HTREEITEM item = NextNewItem(window, TVGN_ROOT, nullptr);
    ReadItem(block, window, item);
    for (;;) {
        const bool expanded = IsExpanded(block);
        AddLine(block, 0, !TreeScratchTable.empty());
        if (expanded)
            CaptureTreeBranch(block, item, window, 1);
        item = NextNewItem(window, TVGN_NEXT, item);
        if (!item || !ReadItem(block, window, item)) {
            EndTreeSiblingList();
            return;
        }
        if (TreeLinesFull())
            return;
    }
}

// The column of the line's own mark: its "├", the bracket's inside, or
// its "└".
size_t ConnectorColumn(const std::string& text)
{
    const size_t branch = FindChars(text, "├");
    if (branch != std::string::npos)
        return branch;
    const size_t bracket = FindChars(text, "[");
    if (bracket != std::string::npos)
        return bracket + 1;
    return FindChars(text, "└");
}

bool HasTwoSpacesAt(const std::string& text, size_t column)
{
    return column + 1 < text.size() && text[column] == ' ' && text[column + 1] == ' ';
}

// Runs "│" up from each marked line through the blank columns of the lines
// above, up to its sibling's mark.
void DrawConnectors()
{
    for (size_t line = 0; line < TreeScratchTable.size(); ++line) {
        if (!TreeScratchTable[line].connector)
            continue;
        const size_t column = ConnectorColumn(TreeScratchTable[line].text);
        if (column == std::string::npos)
            continue;
        for (size_t above = line; above-- > 0 && HasTwoSpacesAt(TreeScratchTable[above].text, column);)
            TreeScratchTable[above].text.replace(column, 2, "│");
    }
}

// The first line whose text contains that of the control's first visible
// item; line 0 when none does.
size_t FirstVisibleLine(RemoteBuffer& block, HWND window)
{
    ReadItem(block, window, NextItem(window, TVGN_FIRSTVISIBLE, nullptr));
    const std::string visible = block.Text();
    for (size_t line = 0; line < TreeScratchTable.size(); ++line)
        if (FindChars(TreeScratchTable[line].text, visible) != std::string::npos)
            return line;
    return 0;
}

// A whole window shows the lines that fit the framed control from its first
// visible one; a single control opens a block of all its lines.  Returns the
// first line to copy and sets FitRowCount to the number after it.
size_t ChooseLines(const std::function<size_t()>& firstVisibleLine)
{
    CaptureItem& tree = CurrentRecord();
    if (CaptureMode != 'O') {
        tree.kind = 'I';
        FitRowCount = static_cast<int32_t>(TreeScratchTable.size()) - 1;
        return 0;
    }
    tree.kind = 'B';
    tree.shape = 'L';
    FitRowCount = FitLineCount(tree.rect);
    return firstVisibleLine();
}

// The lines are placed by their order, so their rectangles stay empty.
void CopyLines(size_t first)
{
    const int64_t last = std::min<int64_t>(static_cast<int64_t>(first) + FitRowCount,
                                           static_cast<int64_t>(TreeScratchTable.size()) - 1);
    for (int64_t line = static_cast<int64_t>(first); line <= last; ++line)
        if (!AppendPlainRecord(kTag, ItemRect{0, 0, 0, 0}, TreeScratchTable[static_cast<size_t>(line)].text))
            return;
}

}  // namespace

void CaptureTreeView(HWND hwnd)
{
    BeginTreeLines((GetWindowLongA(hwnd, GWL_STYLE) & TVS_CHECKBOXES) != 0);
    TreeItemsSeen = ItemChain();
    RemoteChannel channel;
    if (!channel.Open(hwnd, {kTreeBlock}))
        return;
    RemoteBuffer& block = channel.Buffer(0);
    RenderRoots(block, hwnd);
    FinishTreeRecord([&] { return FirstVisibleLine(block, hwnd); });
}

void BeginTreeLines(bool hasCheckBoxes)
{
    TreeScratchTable.clear();
    TreeHasCheckBoxes = hasCheckBoxes ? 'Y' : 'N';
}

void AddTreeLine(int depth, uint32_t state, int32_t children, const std::string& caption, bool connector)
{
    const ItemState item{state, children};
    std::string text(static_cast<size_t>(depth * kIndentPerLevel), ' ');
    text += Mark(item);
    if (TreeHasCheckBoxes == 'Y')
        text += CheckMark(item);
    text += caption;
    TreeScratchTable.push_back({std::move(text), connector});
}

bool TreeLinesFull()
{
    return TreeScratchTable.size() >= kLineLimit;
}

void EndTreeSiblingList()
{
    if (TreeScratchTable.empty())
        return;
    std::string& text = TreeScratchTable.back().text;
    while (ReplaceFirstChars(text, "├", "└")) {
    }
}

void FinishTreeRecord(const std::function<size_t()>& firstVisibleLine)
{
    DrawConnectors();
    const size_t first = ChooseLines(firstVisibleLine);
    CaptureItem& tree = CurrentRecord();
    tree.text.clear();
    SetClassName(tree, kTag);
    CopyLines(first);
}
