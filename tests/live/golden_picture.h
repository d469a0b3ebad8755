// Golden pictures: tests/live/golden/NAME.txt holds the text of one capture
// in UTF-8 (ShiftJisToUtf8), CR LF line ends included, compared byte for byte.
//
// To renew the pictures after a deliberate change, run the tests with
// QS_UPDATE_GOLDEN=1 in the environment, e.g.
//
//   QS_UPDATE_GOLDEN=1 tools/with-wine ctest --test-dir build/mingw -R live
//
// Every comparison then writes the actual text into its file instead and
// passes. Check each changed picture by hand (git diff) before keeping it.
// The fixture places every window and control at fixed pixels, but a
// window's outer size holds Wine's caption and border metrics: another Wine
// version may need the pictures renewed.
#pragma once

#include <gtest/gtest.h>

#include <string>

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& cp932Text);

// The same for a picture in UTF-8, as qscap --utf8 writes it.
::testing::AssertionResult MatchesGoldenUtf8(const std::string& name, const std::string& utf8Text);
