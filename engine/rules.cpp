#include "rules.h"

#include "text_grid.h"

#include <cstring>

namespace {

enum Arm : unsigned { kUp = 1, kDown = 2, kLeft = 4, kRight = 8 };

struct ThinRule {
    const char* piece;
    unsigned arms;
};

// Every union of these arm sets is again one of them.
constexpr ThinRule kThinRules[] = {
    {Rule::kHorizontal, kLeft | kRight},
    {Rule::kVertical, kUp | kDown},
    {Rule::kTopLeft, kRight | kDown},
    {Rule::kTopRight, kLeft | kDown},
    {Rule::kBottomLeft, kUp | kRight},
    {Rule::kBottomRight, kUp | kLeft},
    {Rule::kTeeRight, kUp | kDown | kRight},
    {Rule::kTeeLeft, kUp | kDown | kLeft},
    {Rule::kTeeDown, kLeft | kRight | kDown},
    {Rule::kTeeUp, kLeft | kRight | kUp},
    {Rule::kCross, kUp | kDown | kLeft | kRight},
};

unsigned ArmsOf(const char* cell)
{
    for (const ThinRule& rule : kThinRules)
        if (cell[0] == rule.piece[0] && cell[1] == rule.piece[1])
            return rule.arms;
    return 0;
}

const char* RuleWithArms(unsigned arms)
{
    for (const ThinRule& rule : kThinRules)
        if (rule.arms == arms)
            return rule.piece;
    return nullptr;
}

}  // namespace

void MergeRule(TextGrid& grid, int64_t row, int64_t col, const char* piece)
{
    if (!TextGrid::Contains(row, col) || !TextGrid::Contains(row, col + 1))
        return;
    char old[2] = {static_cast<char>(grid.ByteAt(row, col)), static_cast<char>(grid.ByteAt(row, col + 1))};
    if ((old[0] == ' ' && old[1] == ' ') || std::memcmp(old, kFullWidthSpace, 2) == 0) {
        grid.PutPiece(row, col, piece);
        return;
    }
    unsigned oldArms = ArmsOf(old);
    if (oldArms == 0)
        return;
    grid.PutPiece(row, col, RuleWithArms(oldArms | ArmsOf(piece)));
}
