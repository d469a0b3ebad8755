#include "graphemes.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

enum class GraphemeBreak : uint8_t {
    Other, CR, LF, Control, Extend, ZWJ, Regional_Indicator, Prepend,
    SpacingMark, L, V, T, LV, LVT, Extended_Pictographic
};

struct CodePointRange {
    char32_t first, last;
};

struct BreakRange {
    char32_t first, last;
    GraphemeBreak value;
};

#include "unicode_tables.inc"

template <class Range, size_t N>
const Range* RangeOf(const Range (&ranges)[N], char32_t c)
{
    const Range* found = std::upper_bound(std::begin(ranges), std::end(ranges), c,
                                          [](char32_t value, const Range& r) { return value < r.first; });
    if (found == std::begin(ranges) || c > found[-1].last)
        return nullptr;
    return found - 1;
}

GraphemeBreak BreakOf(char32_t c)
{
    const BreakRange* range = RangeOf(kBreakRanges, c);
    return range ? range->value : GraphemeBreak::Other;
}

bool IsControl(GraphemeBreak b)
{
    return b == GraphemeBreak::CR || b == GraphemeBreak::LF || b == GraphemeBreak::Control;
}

bool JoinsHangul(GraphemeBreak before, GraphemeBreak after)
{
    using B = GraphemeBreak;
    switch (before) {
    case B::L:
        return after == B::L || after == B::V || after == B::LV || after == B::LVT;
    case B::LV:
    case B::V:
        return after == B::V || after == B::T;
    case B::LVT:
    case B::T:
        return after == B::T;
    default:
        return false;
    }
}

// What came before the candidate boundary, beyond the character right before it.
struct Context {
    bool pictographicThenExtends = false;  // Extended_Pictographic Extend*
    bool pictographicThenZwj = false;      // Extended_Pictographic Extend* ZWJ
    bool oddRegionalIndicators = false;    // an unpaired flag half
};

bool Joins(GraphemeBreak before, GraphemeBreak after, const Context& context)
{
    using B = GraphemeBreak;
    if (before == B::CR && after == B::LF)
        return true;
    if (IsControl(before) || IsControl(after))
        return false;
    if (JoinsHangul(before, after))
        return true;
    if (after == B::Extend || after == B::ZWJ || after == B::SpacingMark || before == B::Prepend)
        return true;
    if (before == B::ZWJ && after == B::Extended_Pictographic)
        return context.pictographicThenZwj;
    return before == B::Regional_Indicator && after == B::Regional_Indicator && context.oddRegionalIndicators;
}

void Advance(Context& context, GraphemeBreak b)
{
    using B = GraphemeBreak;
    context.pictographicThenZwj = b == B::ZWJ && context.pictographicThenExtends;
    context.pictographicThenExtends =
        b == B::Extended_Pictographic || (b == B::Extend && context.pictographicThenExtends);
    context.oddRegionalIndicators = b == B::Regional_Indicator && !context.oddRegionalIndicators;
}

}  // namespace

size_t GraphemeEnd(const std::u32string& text, size_t start)
{
    if (start >= text.size())
        return text.size();
    Context context;
    GraphemeBreak before = BreakOf(text[start]);
    Advance(context, before);
    size_t end = start + 1;
    for (; end < text.size(); ++end) {
        const GraphemeBreak after = BreakOf(text[end]);
        if (!Joins(before, after, context))
            break;
        Advance(context, after);
        before = after;
    }
    return end;
}

int GraphemeCells(const std::u32string& grapheme)
{
    return !grapheme.empty() && RangeOf(kWideRanges, grapheme[0]) ? 2 : 1;
}
