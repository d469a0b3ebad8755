// What holds for every picture of a whole window, whatever the fonts, so
// that windows of other programs can be checked without golden pictures.
#pragma once

#include "remote_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The first line runs ┏━…┓, the last ┗━…┛, and every line between starts
// with ┃ or ┠ and ends with the matching ┃ or ┨.
::testing::AssertionResult HasClosedOuterFrame(const std::string& text);

// Every line decodes in code page 932: no half of a double-byte character is
// left where the grid clipped or overwrote the other half.
::testing::AssertionResult HasOnlyWholeCharacters(const std::string& text);

// No line is longer than outputCols + 2 bytes (the right frame edge).
::testing::AssertionResult LinesFit(const std::string& text, int outputCols);

// The control text, with its mnemonic markers removed as the layout removes
// them, stands on a line of the picture; runs of spaces count as one, as
// blank-column removal may narrow them. A text too long for its control is
// wrapped by the capture, at a space or within a word: it must then stand
// in pieces, each on a line below the one before.
::testing::AssertionResult ShowsText(const std::string& text, const std::string& controlText);

// The tree items stand one per line, the first on the first line that
// shows it and each next one directly below, as their mark followed by
// their text: "[-]" when expanded, "[+]" when collapsed with a children
// flag of exactly 1, otherwise "├", or "└" for the last of its level. An
// item's text starts further right than its parent's and in the same
// column as its siblings'.
::testing::AssertionResult ShowsTree(const std::string& text, const std::vector<TreeItemState>& items);
