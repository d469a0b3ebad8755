#include "rules.h"

#include "text_grid.h"


namespace {

enum Arm : unsigned { kUp = 1, kDown = 2, kLeft = 4, kRight = 8 };

// The thin rules are the consecutive characters 0x84 0x9F to 0x84 0xA9:
// ─ │ ┌ ┐ ┘ └ ├ ┬ ┤ ┴ ┼.  Every union of their arm sets is one of them.
constexpr unsigned char kFirstThinTrail = 0x9F;
constexpr unsigned kArmsByTrail[] = {
    kLeft | kRight,                  // ─
    kUp | kDown,                     // │
    kRight | kDown,                  // ┌
    kLeft | kDown,                   // ┐
    kUp | kLeft,                     // ┘
    kUp | kRight,                    // └
    kUp | kDown | kRight,            // ├
    kLeft | kRight | kDown,          // ┬
    kUp | kDown | kLeft,             // ┤
    kLeft | kRight | kUp,            // ┴
    kUp | kDown | kLeft | kRight,    // ┼
};
constexpr unsigned kThinRuleCount = sizeof kArmsByTrail / sizeof kArmsByTrail[0];

// 0 for anything that is not a thin rule.
unsigned ArmsOf(unsigned char lead, unsigned char trail)
{
    unsigned index = static_cast<unsigned>(trail - kFirstThinTrail);
    return lead == kRuleLeadByte && index < kThinRuleCount ? kArmsByTrail[index] : 0;
}

// The thin rule for each set of arms, 0 where no rule has exactly these arms.
struct TrailTable {
    unsigned char trail[16] = {};
    constexpr TrailTable()
    {
        for (unsigned i = 0; i < kThinRuleCount; ++i)
            trail[kArmsByTrail[i]] = static_cast<unsigned char>(kFirstThinTrail + i);
    }
};
constexpr TrailTable kTrailByArms;

}  // namespace

void MergeRule(TextGrid& grid, int64_t row, int64_t col, const char* piece)
{
    if (!TextGrid::ContainsPiece(row, col))
        return;
    const char* cell = grid.Row(static_cast<int>(row)) + col;
    if ((cell[0] == ' ' && cell[1] == ' ') || (cell[0] == kFullWidthSpace[0] && cell[1] == kFullWidthSpace[1])) {
        grid.PutPiece(row, col, piece);
        return;
    }
    unsigned oldArms = ArmsOf(static_cast<unsigned char>(cell[0]), static_cast<unsigned char>(cell[1]));
    if (oldArms == 0)
        return;
    const char merged[] = {
        cell[0],
        static_cast<char>(kTrailByArms.trail[oldArms | ArmsOf(static_cast<unsigned char>(piece[0]),
                                                               static_cast<unsigned char>(piece[1]))]),
    };
    grid.PutPiece(row, col, merged);
}
