// Rule characters of the drawing and the merge that joins frames.
#pragma once

#include <cstdint>

class TextGrid;

// Thin rules (two bytes each in Shift-JIS, lead byte 0x84).
namespace Rule {
constexpr char kHorizontal[] = "\x84\x9F";  // ─
constexpr char kVertical[] = "\x84\xA0";  // │
constexpr char kTopLeft[] = "\x84\xA1";  // ┌
constexpr char kTopRight[] = "\x84\xA2";  // ┐
constexpr char kBottomLeft[] = "\x84\xA4";  // └
constexpr char kBottomRight[] = "\x84\xA3";  // ┘
constexpr char kTeeRight[] = "\x84\xA5";  // ├
constexpr char kTeeLeft[] = "\x84\xA7";  // ┤
constexpr char kTeeDown[] = "\x84\xA6";  // ┬
constexpr char kTeeUp[] = "\x84\xA8";  // ┴
constexpr char kCross[] = "\x84\xA9";  // ┼
}  // namespace Rule

// Heavy rules of the window frame.
namespace HeavyRule {
constexpr char kHorizontal[] = "\x84\xAA";  // ━
constexpr char kVertical[] = "\x84\xAB";  // ┃
constexpr char kTopLeft[] = "\x84\xAC";  // ┏
constexpr char kTopRight[] = "\x84\xAD";  // ┓
constexpr char kBottomLeft[] = "\x84\xAF";  // ┗
constexpr char kBottomRight[] = "\x84\xAE";  // ┛
constexpr char kVerticalBranchRight[] = "\x84\xB5";  // ┠
constexpr char kVerticalBranchLeft[] = "\x84\xB7";  // ┨
constexpr char kHorizontalBranchUp[] = "\x84\xB8";  // ┷
}  // namespace HeavyRule

constexpr char kFullWidthSpace[] = "\x81\x40";  // full-width space
constexpr unsigned char kRuleLeadByte = 0x84;

// Writes a thin rule piece at (row, col), joined with a thin rule already
// there; text and every other character in the cell win over the piece.
void MergeRule(TextGrid& grid, int64_t row, int64_t col, const char* piece);
