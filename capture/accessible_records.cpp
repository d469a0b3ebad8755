#include "accessible_records.h"

#include "answer_bounds.h"
#include "buttons.h"
#include "code_page_932.h"
#include "gauges.h"
#include "list_view.h"
#include "records.h"
#include "status_bar.h"
#include "tab_control.h"
#include "text_controls.h"
#include "tree_view.h"
#include "unread_windows.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

using Objects = std::vector<AccessibleObject>;

// A trackbar without tick marks of its own has the two at its ends.
constexpr int32_t kSliderTicks = 2;
// Progress bars and sliders give their position as a text; read as a
// share of this range.
constexpr GaugePosition kPercentRange{0, 100, 0};

std::string Text(const std::wstring& text)
{
    return ToEngineText(text);
}

// The indexes of the children of objects[parent] (those one level deeper,
// up to the next object at the parent's level or above).
std::vector<size_t> ChildrenOf(const Objects& objects, size_t parent)
{
    std::vector<size_t> children;
    const int depth = objects[parent].depth;
    for (size_t i = parent + 1; i < objects.size() && objects[i].depth > depth; ++i)
        if (objects[i].depth == depth + 1)
            children.push_back(i);
    return children;
}

std::vector<size_t> ChildrenInRole(const Objects& objects, size_t parent, long role)
{
    std::vector<size_t> children = ChildrenOf(objects, parent);
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [&](size_t child) { return objects[child].role != role; }),
                   children.end());
    return children;
}

UINT CheckState(long state)
{
    if (state & STATE_SYSTEM_CHECKED)
        return BST_CHECKED;
    return (state & STATE_SYSTEM_MIXED) ? BST_INDETERMINATE : BST_UNCHECKED;
}

// The leading number of a value such as "40" or "40%"; 0 when there is none.
int64_t LeadingNumber(const std::wstring& value)
{
    return std::wcstol(value.c_str(), nullptr, 10);
}

GaugePosition PercentPosition(const std::wstring& value)
{
    GaugePosition position = kPercentRange;
    position.pos = std::clamp(LeadingNumber(value), position.min, position.max);
    return position;
}

bool IsUpright(const RECT& screen)
{
    return screen.bottom - screen.top > screen.right - screen.left;
}

class RecordMaker {
public:
    RecordMaker(HWND window, const Objects& objects) : window_(window), objects_(objects) {}

    // False once the table is full.
    bool Visit(size_t index)
    {
        const AccessibleObject& object = objects_[index];
        switch (object.role) {
        case ROLE_SYSTEM_PUSHBUTTON:
            return Record(object, "Button", [&](CaptureItem& item) { FormPushButton(item, Text(object.name)); });
        case ROLE_SYSTEM_CHECKBUTTON:
            return Record(object, "Button", [&](CaptureItem& item) {
                FormCheckBox(item, CheckState(object.state), Text(object.name));
            });
        case ROLE_SYSTEM_RADIOBUTTON:
            return Record(object, "Button", [&](CaptureItem& item) {
                FormRadioButton(item, CheckState(object.state), Text(object.name));
            });
        case ROLE_SYSTEM_STATICTEXT:
            return Record(object, "Static", [&](CaptureItem& item) {
                item.text = Text(object.name);
                FormTextStatic(item, SS_LEFT, 0);
            });
        // A read-only text shows no frame of its own, as a label does.
        case ROLE_SYSTEM_TEXT:
            return Record(object, "Edit", [&](CaptureItem& item) {
                FormEdit(item, !(object.state & STATE_SYSTEM_READONLY), Text(object.value));
            });
        case ROLE_SYSTEM_COMBOBOX:
            return Record(object, "ComboBox", [&](CaptureItem& item) { FormComboBox(item, Text(object.value)); });
        case ROLE_SYSTEM_PROGRESSBAR:
            return Record(object, "msctls_progress32", [&](CaptureItem& item) {
                FormProgressBar(item, IsUpright(object.screen), PercentPosition(object.value));
            });
        case ROLE_SYSTEM_SLIDER:
            return Record(object, "msctls_trackbar32", [&](CaptureItem& item) {
                FormSlider(item, IsUpright(object.screen), kSliderTicks, PercentPosition(object.value));
            });
        // A group box comes before the controls it frames, as in a dialog.
        case ROLE_SYSTEM_GROUPING:
            return Record(object, "Button", [&](CaptureItem& item) { FormGroupBox(item, Text(object.name)); }) &&
                   VisitChildren(index);
        case ROLE_SYSTEM_LIST:
            return RecordList(index);
        case ROLE_SYSTEM_OUTLINE:
            return RecordOutline(index);
        case ROLE_SYSTEM_PAGETABLIST:
            return RecordTabs(index);
        case ROLE_SYSTEM_STATUSBAR:
            return RecordStatusBar(index);
        case ROLE_SYSTEM_TABLE:
            return RecordTable(index);
        case ROLE_SYSTEM_MENUBAR:
            return true;
        default:
            return VisitChildren(index);
        }
    }

    // The first menu bar's labels, each followed by two spaces, as record
    // 2 of a whole window that has no menu bar of its own.
    void RecordMenuBar()
    {
        if (CaptureMode != 'O' || ItemCount != 2)
            return;
        const auto isMenuBar = [](const AccessibleObject& object) { return object.role == ROLE_SYSTEM_MENUBAR; };
        const auto bar = std::find_if(objects_.begin(), objects_.end(), isMenuBar);
        if (bar == objects_.end())
            return;
        std::string labels;
        for (size_t item : ChildrenInRole(objects_, static_cast<size_t>(bar - objects_.begin()), ROLE_SYSTEM_MENUITEM))
            labels += Text(objects_[item].name) + "  ";
        const int prepared = ItemCount;
        PrepareRecord(RECT{}, "Menu");
        CaptureItem& menu = CurrentRecord();
        menu.rect = {};
        menu.kind = 'M';
        menu.text = std::move(labels);
        KeepOrDrop(prepared, false);
    }

private:
    // Prepares the object's record, has `form` shape it (it may append more
    // records) and keeps them, or drops them for an object partly above or
    // left of the screen; false when the table is full.
    template <class Form>
    bool Record(const AccessibleObject& object, const char* className, Form form)
    {
        const int prepared = ItemCount;
        const bool skip = PrepareRecord(object.screen, className);
        form(CurrentRecord());
        return KeepOrDrop(prepared, skip);
    }

    bool VisitChildren(size_t index)
    {
        for (size_t child : ChildrenOf(objects_, index))
            if (!Visit(child))
                return false;
        return true;
    }

    // The entries are the items shown: the hidden and scrolled-out ones
    // were not read.
    bool RecordList(size_t index)
    {
        const std::vector<size_t> entries = ChildrenInRole(objects_, index, ROLE_SYSTEM_LISTITEM);
        return Record(objects_[index], "ListBox", [&](CaptureItem& item) {
            FormListBox(
                item, [] { return 0; }, [&] { return static_cast<int>(entries.size()); },
                [&](int entry, std::string* text) {
                    *text = Text(objects_[entries[static_cast<size_t>(entry)]].name);
                    return true;
                });
        });
    }

    // Outline items come one after the other, each with its level as its
    // value; a level more than one deeper than the item before is no honest
    // outline and is taken as one deeper.
    int LevelOf(const AccessibleObject& item, int previous)
    {
        const int64_t level = LeadingNumber(item.value);
        const int64_t deepest = std::min<int64_t>(previous + 1, kTreeDepthLimit - 1);
        if (level < 0 || level > deepest) {
            NoteAnswerOutOfBounds(window_);
            return static_cast<int>(std::clamp<int64_t>(level, 0, deepest));
        }
        return static_cast<int>(level);
    }

    // A line closes the sibling lists of the deeper lines before it, and
    // draws a connector up to its sibling above when its sibling's branch
    // lies between them; every root but the first draws one.
    bool RecordOutline(size_t index)
    {
        const std::vector<size_t> items = ChildrenInRole(objects_, index, ROLE_SYSTEM_OUTLINEITEM);
        return Record(objects_[index], "SysTreeView32", [&](CaptureItem&) {
            BeginTreeLines(false);
            int previous = -1;
            for (size_t i = 0; i < items.size() && !TreeLinesFull(); ++i) {
                const AccessibleObject& item = objects_[items[i]];
                const int level = LevelOf(item, previous);
                if (level < previous)
                    EndTreeSiblingList();
                const bool connector = level == 0 ? i > 0 : level < previous;
                const uint32_t state = (item.state & STATE_SYSTEM_EXPANDED) ? TVIS_EXPANDED : 0;
                const int32_t children = (item.state & STATE_SYSTEM_COLLAPSED) ? 1 : 0;
                AddTreeLine(level, state, children, Text(item.name), connector);
                previous = level;
            }
            EndTreeSiblingList();
            FinishTreeRecord([] { return size_t{0}; });
        });
    }

    bool RecordTabs(size_t index)
    {
        std::vector<std::string> captions;
        int selected = -1;
        for (size_t tab : ChildrenInRole(objects_, index, ROLE_SYSTEM_PAGETAB)) {
            if (selected < 0 && (objects_[tab].state & STATE_SYSTEM_SELECTED))
                selected = static_cast<int>(captions.size());
            captions.push_back(Text(objects_[tab].name));
        }
        return Record(objects_[index], "SysTabControl32", [&](CaptureItem& item) {
            WidenToListRightEdge(item);
            FormTabControl(item, selected, captions);
        });
    }

    // The panes are the status bar's children; one without children is a
    // single pane showing its name.
    bool RecordStatusBar(size_t index)
    {
        std::vector<std::string> panes;
        for (size_t pane : ChildrenOf(objects_, index))
            panes.push_back(Text(objects_[pane].name));
        if (panes.empty())
            panes.push_back(Text(objects_[index].name));
        return Record(objects_[index], "msctls_statusbar32",
                      [&](CaptureItem& item) { FormStatusBar(item, panes); });
    }

    // Column headers are the table's children of that role, rows its rows
    // with their cells; a row without cells shows its name in the first
    // column.
    bool RecordTable(size_t index)
    {
        const std::vector<size_t> headers = ChildrenInRole(objects_, index, ROLE_SYSTEM_COLUMNHEADER);
        const std::vector<size_t> rows = ChildrenInRole(objects_, index, ROLE_SYSTEM_ROW);
        const auto cellText = [&](int row, int column) -> std::string {
            const size_t rowIndex = rows[static_cast<size_t>(row)];
            const std::vector<size_t> cells = ChildrenInRole(objects_, rowIndex, ROLE_SYSTEM_CELL);
            if (cells.empty())
                return column == 0 ? Text(objects_[rowIndex].name) : std::string();
            return static_cast<size_t>(column) < cells.size() ? Text(objects_[cells[static_cast<size_t>(column)]].name)
                                                              : std::string();
        };
        const auto headerText = [&](int column) { return Text(objects_[headers[static_cast<size_t>(column)]].name); };
        return Record(objects_[index], "SysListView32", [&](CaptureItem&) {
            CaptureItem& list = StartListView();
            const bool hasHeader = !headers.empty();
            CountListView(list, static_cast<int>(rows.size()), hasHeader);
            const int columns = hasHeader ? static_cast<int>(headers.size()) : 1;
            FillListView(list, {static_cast<int>(rows.size()), columns, hasHeader, headerText, cellText});
        });
    }

    HWND window_;
    const Objects& objects_;
};

}  // namespace

void RecordAccessibleObjects(HWND window, const std::vector<AccessibleObject>& objects)
{
    if (objects.empty())
        return;
    RecordMaker maker(window, objects);
    maker.RecordMenuBar();
    maker.Visit(0);
}
