// Rule characters of the drawing and the merge that joins frames.
#pragma once

#include <cstdint>

class TextGrid;

// Thin rules (two bytes each in Shift-JIS, lead byte 0x84).
namespace Rule {
constexpr char kHorizontal[] = "─";
constexpr char kVertical[] = "│";
constexpr char kTopLeft[] = "┌";
constexpr char kTopRight[] = "┐";
constexpr char kBottomLeft[] = "└";
constexpr char kBottomRight[] = "┘";
constexpr char kTeeRight[] = "├";
constexpr char kTeeLeft[] = "┤";
constexpr char kTeeDown[] = "┬";
constexpr char kTeeUp[] = "┴";
constexpr char kCross[] = "┼";
}  // namespace Rule

// Heavy rules of the window frame.
namespace HeavyRule {
constexpr char kHorizontal[] = "━";
constexpr char kVertical[] = "┃";
constexpr char kTopLeft[] = "┏";
constexpr char kTopRight[] = "┓";
constexpr char kBottomLeft[] = "┗";
constexpr char kBottomRight[] = "┛";
constexpr char kVerticalBranchRight[] = "┠";
constexpr char kVerticalBranchLeft[] = "┨";
constexpr char kHorizontalBranchUp[] = "┷";
}  // namespace HeavyRule

constexpr char kFullWidthSpace[] = "　";
constexpr unsigned char kRuleLeadByte = 0x84;

// Writes a thin rule piece at (row, col), joined with a thin rule already
// there; text and every other character in the cell win over the piece.
void MergeRule(TextGrid& grid, int64_t row, int64_t col, const char* piece);
