#include "gauges.h"

#include "messages.h"
#include "records.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kMarkBytes = 2;  // every mark is one full-width character

// Progress bars and trackbars have no message helpers of their own in the
// system headers; these keep the timeout guard of SendToWindow.
int ProgressBar_GetLimit(HWND hwnd, bool low)
{
    return static_cast<int>(AnswerOr(0, hwnd, PBM_GETRANGE, low ? TRUE : FALSE, 0));
}

int ProgressBar_GetPos(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, PBM_GETPOS));
}

int Trackbar_GetNumTics(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, TBM_GETNUMTICS));
}

int Trackbar_GetRangeMin(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, TBM_GETRANGEMIN));
}

int Trackbar_GetRangeMax(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, TBM_GETRANGEMAX));
}

int Trackbar_GetPos(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, TBM_GETPOS));
}

// The messages behind GetScrollRange and GetScrollPos for a scroll-bar
// control, sent through the guard; the system carries the two results of
// SBM_GETRANGE across processes.
void ScrollBar_GetRange(HWND hwnd, INT* min, INT* max)
{
    *min = 0;
    *max = 0;
    LRESULT ignored;
    SendToWindow(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(min), reinterpret_cast<LPARAM>(max), &ignored);
}

int ScrollBar_GetPos(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, SBM_GETPOS));
}

bool HasStyle(HWND hwnd, LONG bit)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & bit) != 0;
}

// Marks across a horizontal gauge: its width in columns, halved.
int32_t MarksAcross(const ItemRect& rect)
{
    return WidthInColumns(rect) / kMarkBytes;
}

// Fractions are single precision.  The x87 unit would otherwise keep more
// bits, and 45 % of 20 marks would come out as 9 instead of 8.
float Fraction(int64_t part, int64_t whole)
{
    volatile float fraction = static_cast<float>(part) / static_cast<float>(whole);
    return fraction;
}

// marks times fraction, truncated towards zero; the product of a float and an
// int is exact in a double.  A value beyond the int range (a scroll bar
// position far outside its range) is cut to it.
int32_t MarksAt(int32_t marks, float fraction)
{
    const double product = static_cast<double>(marks) * static_cast<double>(fraction);
    const double lowest = std::numeric_limits<int32_t>::min();
    const double highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(product, lowest, highest));
}

std::string Repeat(const char* piece, int64_t count)
{
    std::string text;
    for (int64_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

// The own record holds the first row; each further row is a record 7 pixels
// lower than the one before.  Stops when the table is full.
void WriteRows(const char* tag, const std::vector<std::string>& rows)
{
    CaptureItem& own = CurrentRecord();
    own.text = rows.empty() ? std::string() : rows.front();
    ItemRect rect = own.rect;
    for (size_t i = 1; i < rows.size(); ++i) {
        rect.top += kPixelsPerRow;
        if (!AppendPlainRecord(tag, rect, rows[i]))
            return;
    }
}

ItemRect OneRowLower(ItemRect rect)
{
    rect.top += kPixelsPerRow;
    return rect;
}

// The second line of a horizontal scroll bar and the down arrow of a spin
// control are left out, without a message, when the table has no room.
void AppendIfRoom(const char* tag, const ItemRect& rect, std::string text)
{
    if (ItemCount + 1 < kItemLimit)
        AppendPlainRecord(tag, rect, std::move(text));
}

struct Turn {
    const char* from;
    const char* to;
};

// The mark at `mark` of a line, replaced by its turned form; a mark the
// table does not name stays as it is, one beyond the line gives nothing.
std::string TurnedMark(const std::string& line, size_t mark, const std::vector<Turn>& turns)
{
    const size_t at = mark * kMarkBytes;
    if (at >= line.size())
        return {};
    const std::string piece = line.substr(at, kMarkBytes);
    for (const Turn& turn : turns)
        if (piece == turn.from)
            return turn.to;
    return piece;
}

// A horizontal picture of two lines turned by 90 degrees: one row per mark
// of `right`, holding the turned mark of `left`, then that of `right`.
std::vector<std::string> TurnedRows(const std::string& left, const std::vector<Turn>& leftTurns,
                                    const std::string& right, const std::vector<Turn>& rightTurns)
{
    std::vector<std::string> rows;
    for (size_t mark = 0; mark < right.size() / kMarkBytes; ++mark)
        rows.push_back(TurnedMark(left, mark, leftTurns) + TurnedMark(right, mark, rightTurns));
    return rows;
}

// --- progress bars

void FillProgress(CaptureItem& item, bool vertical, int64_t low, int64_t high, int64_t pos)
{
    const float fraction = high == low ? 0.0f : Fraction(pos - low, high - low);
    // The rows of a vertical bar lie inside its frame.
    const int32_t marks = vertical ? ((item.rect.bottom - kPixelsPerRow) - (item.rect.top + kPixelsPerRow)) /
                                         kPixelsPerRow
                                   : MarksAcross(item.rect);
    const int32_t filled = std::clamp(MarksAt(marks, fraction), 0, std::max(marks, 0));
    if (vertical)
        WriteRows("ProgressBar", std::vector<std::string>(static_cast<size_t>(filled), "■"));
    else
        item.text = Repeat("■", filled);
}

// --- trackbars

struct TickScale {
    int32_t ticks;
    int32_t marks;  // ticks fall on whole marks
    int32_t step;   // marks from one tick to the next
};

// A single tick would divide by zero: it is laid out as no ticks, with the
// scale's two ends only.
TickScale FitTicks(int32_t ticks, int32_t marks)
{
    ticks = std::min(ticks, marks);
    if (ticks <= 1)
        return {ticks, marks, marks - 1};
    const int32_t step = std::abs((marks - 1) / (ticks - 1));
    return {ticks, (ticks - 1) * step + 1, step};
}

// "┝", the inner ticks "┯" with "━" between them, "┥".
std::string ScaleLine(const TickScale& scale)
{
    const std::string gap = Repeat("━", scale.step - 1);
    std::string line = "┝";
    for (int32_t i = 0; i < scale.ticks - 2; ++i)
        line += gap + "┯";
    return line + gap + "┥";
}

// The thumb "△" at mark `thumb`, with "│" at the ends it does not take.
std::string ThumbLine(int32_t marks, int32_t thumb)
{
    const std::string blanks = Repeat("  ", marks - 2);
    if (thumb == 0)
        return "△" + blanks + "│";
    if (thumb == marks)
        return "│" + blanks + "△";
    return "│" + Repeat("  ", thumb - 1) + "△" + Repeat("  ", marks - thumb - 2) + "│";
}

const std::vector<Turn> kThumbTurns = {{"│", "―"}, {"△", "⇒"}};
const std::vector<Turn> kScaleTurns = {{"┝", "┰"}, {"━", "┃"}, {"┯", "┨"}, {"┥", "┸"}};

// --- scroll bars

// The thumb takes marks p and p + 1; the position is not taken from the
// range's minimum, so a range that does not start at 0 pushes it along.
int32_t ScrollThumb(int32_t marks, int64_t min, int64_t max, int64_t pos)
{
    const float fraction = max == min ? 0.0f : Fraction(pos, max - min);
    const int64_t thumb = std::max<int64_t>(int64_t{MarksAt(marks - 4, fraction)} + 1, 1);
    return static_cast<int32_t>(std::min<int64_t>(thumb, int64_t{marks} - 2));
}

// The two lines of the bar, top (A) and bottom (B).
std::pair<std::string, std::string> ScrollLines(int32_t marks, int32_t thumb)
{
    std::string top, bottom;
    for (int32_t i = 0; i < marks; ++i) {
        if (i == 0) {
            top += "┌";
            bottom += "└";
        } else if (i == marks - 1) {
            top += "┐";
            bottom += "┘";
        } else if (i == thumb || i == thumb + 1) {
            top += "┰";
            bottom += "┸";
        } else if (i == 1 || i == marks - 2) {
            top += "┬";
            bottom += "┴";
        } else {
            top += "―";
            bottom += "―";
        }
    }
    return {top, bottom};
}

const std::vector<Turn> kBottomTurns = {{"└", "┌"}, {"┴", "├"}, {"―", "│"}, {"┘", "└"}, {"┸", "┝"}};
const std::vector<Turn> kTopTurns = {{"┌", "┐"}, {"┬", "┤"}, {"―", "│"}, {"┐", "┘"}, {"┰", "┥"}};

}  // namespace

void CaptureProgressBar(HWND hwnd)
{
    const int64_t low = ProgressBar_GetLimit(hwnd, true);
    const int64_t high = ProgressBar_GetLimit(hwnd, false);
    FormProgressBar(CurrentRecord(), HasStyle(hwnd, PBS_VERTICAL), {low, high, ProgressBar_GetPos(hwnd)});
}

void FormProgressBar(CaptureItem& item, bool vertical, const GaugePosition& position)
{
    item.kind = 'B';
    item.shape = vertical ? 'T' : 'Y';
    SetClassName(item, "ProgressBar");
    FillProgress(item, vertical, position.min, position.max, position.pos);
}

void CaptureSlider(HWND hwnd)
{
    const int32_t ticks = Trackbar_GetNumTics(hwnd);
    const int64_t min = Trackbar_GetRangeMin(hwnd);
    const int64_t max = Trackbar_GetRangeMax(hwnd);
    const int64_t pos = Trackbar_GetPos(hwnd);
    FormSlider(CurrentRecord(), HasStyle(hwnd, TBS_VERT), ticks, {min, max, pos});
}

void FormSlider(CaptureItem& item, bool vertical, int32_t ticks, const GaugePosition& position)
{
    SetClassName(item, "Slider");
    const int64_t min = position.min;
    const int64_t max = position.max;
    const int64_t pos = position.pos;
    const int32_t across = vertical ? (item.rect.bottom - item.rect.top) / kPixelsPerRow : MarksAcross(item.rect);
    const TickScale scale = FitTicks(ticks, across);
    const float fraction = max == min ? 0.0f : Fraction(pos - min, max - min);
    const int32_t thumb = std::clamp(MarksAt(scale.marks, fraction), 0, std::max(scale.marks, 0));
    const std::string scaleLine = ScaleLine(scale);
    const std::string thumbLine = ThumbLine(scale.marks, thumb);
    if (vertical) {
        WriteRows("Slider", TurnedRows(thumbLine, kThumbTurns, scaleLine, kScaleTurns));
        return;
    }
    item.text = scaleLine;
    AppendPlainRecord("Slider", OneRowLower(item.rect), thumbLine);
}

void CaptureScrollBar(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    item.kind = ' ';
    item.shape = ' ';
    SetClassName(item, "ScrollBar");
    INT min, max;
    ScrollBar_GetRange(hwnd, &min, &max);
    const int64_t pos = ScrollBar_GetPos(hwnd);
    const bool vertical = HasStyle(hwnd, SBS_VERT);
    if (vertical) {
        // One row more than the bar, starting two rows higher.
        item.rect.top -= 2 * kPixelsPerRow;
        item.rect.bottom -= kPixelsPerRow;
    }
    const int32_t marks = vertical ? (item.rect.bottom - item.rect.top) / kPixelsPerRow : MarksAcross(item.rect);
    const auto [top, bottom] = ScrollLines(marks, ScrollThumb(marks, min, max, pos));
    if (vertical) {
        WriteRows("ScrollBar", TurnedRows(bottom, kBottomTurns, top, kTopTurns));
        return;
    }
    item.text = top;
    AppendIfRoom("ScrollBar", OneRowLower(item.rect), bottom);
}

void CaptureSpin(HWND)
{
    CaptureItem& item = CurrentRecord();
    SetClassName(item, "Spin");
    item.text = "Λ";
    AppendIfRoom("Spin", OneRowLower(item.rect), "Ｖ");
}
