// What holds for every picture of a whole window, whatever the fonts, so
// that windows of other programs can be checked without golden pictures.
#pragma once

#include <gtest/gtest.h>

#include <string>

// The first line runs ┏━…┓, the last ┗━…┛, and every line between starts
// with ┃ or ┠ and ends with the matching ┃ or ┨.
::testing::AssertionResult HasClosedOuterFrame(const std::string& text);

// No line is longer than outputCols + 2 bytes (the right frame edge).
::testing::AssertionResult LinesFit(const std::string& text, int outputCols);

// The control text, with its mnemonic markers removed as the layout removes
// them, stands on a line of the picture; runs of spaces count as one, as
// blank-column removal may narrow them. A text too long for its control is
// wrapped by the capture, at a space or within a word: it must then stand
// in pieces, each on a line below the one before.
::testing::AssertionResult ShowsText(const std::string& text, const std::string& controlText);
