#include "tab_control.h"

#include "answer_bounds.h"
#include "messages.h"
#include "records.h"
#include "remote_buffer.h"
#include "text_grid.h"
#include "unread_windows.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr ChannelBlock kTabBlock = BlockFor("Quillscape", kTabItemLayouts);

// Each tab takes at least its separator, two columns of the caption line:
// more tabs than that line holds cannot be shown, nor does a real control
// have them.
constexpr int64_t kTabLimit = TextGrid::kCols / 2;

int TabControl_GetItemCount(HWND hwnd)
{
    const BoundedCount count = BoundCount(AnswerOr(0, hwnd, TCM_GETITEMCOUNT), kTabLimit, kTabLimit);
    if (count.outOfBounds)
        NoteAnswerOutOfBounds(hwnd);
    return count.value;
}

int TabControl_GetCurSel(HWND hwnd)
{
    return static_cast<int>(AnswerOr(-1, hwnd, TCM_GETCURSEL));
}

// A caption that cannot be read is empty.
std::string ReadCaption(HWND hwnd, RemoteBuffer& block, int index)
{
    const TabItemLayout& fields = kTabItemLayouts.For(block.Bits());
    block.Put(fields.mask, TCIF_TEXT | TCIF_STATE);
    block.PointAtText(fields.pszText, fields.cchTextMax);
    if (!block.Exchange(hwnd, TCM_GETITEMW, static_cast<WPARAM>(index)))
        return {};
    return block.Text();
}

// The caption line and, under it, the strip: a caption takes an even number
// of columns, and the strip has "─" under it, or blanks under the selected
// tab.  Under each separator the strip has the corner or tee that closes
// the selected tab's sides.
class TabStrip {
public:
    explicit TabStrip(int selected) : selected_(selected) {}

    void Add(int index, bool last, const std::string& caption)
    {
        const char* under = index == selected_ ? "  " : "─";
        captions_ += caption;
        for (size_t i = 0; i < caption.size() / 2; ++i)
            strip_ += under;
        if (caption.size() % 2 != 0) {
            captions_ += ' ';
            strip_ += under;
        }
        captions_ += last ? "~" : "│";
        strip_ += index == selected_ - 1 ? "┘" : index == selected_ ? "└" : "┴";
    }

    const std::string& Captions() const { return captions_; }
    const std::string& Strip() const { return strip_; }

private:
    int selected_;
    std::string captions_;
    std::string strip_;
};

// The framed caption line, empty until the captions are read.
void StartTabRecord(CaptureItem& item)
{
    item.kind = 'B';
    item.shape = 'L';
    SetClassName(item, "TabControl");
    item.text.clear();
}

}  // namespace

void CaptureTabControl(HWND hwnd)
{
    StartTabRecord(CurrentRecord());
    const int count = TabControl_GetItemCount(hwnd);
    const int selected = TabControl_GetCurSel(hwnd);
    RemoteChannel channel;
    if (!channel.Open(hwnd, {kTabBlock}))
        return;
    std::vector<std::string> captions;
    for (int i = 0; i < count; ++i)
        captions.push_back(ReadCaption(hwnd, channel.Buffer(0), i));
    FormTabControl(CurrentRecord(), selected, captions);
}

void WidenToListRightEdge(CaptureItem& item)
{
    const int32_t edge = ListRightEdge + 10;
    if (edge > item.rect.right)
        item.rect.right = edge;
}

void FormTabControl(CaptureItem& item, int selected, const std::vector<std::string>& captions)
{
    StartTabRecord(item);
    TabStrip strip(selected);
    const int count = static_cast<int>(captions.size());
    for (int i = 0; i < count; ++i)
        strip.Add(i, i + 1 == count, captions[static_cast<size_t>(i)]);
    item.text = strip.Captions();
    ItemRect stripRect = item.rect;
    stripRect.top += kPixelsPerRow;
    if (AppendPlainRecord("TabControl", stripRect, strip.Strip()))
        CurrentRecord().shape = 'W';
}
