// A run in an English locale (tools/with-wine with QS_LOCALE=en) proves
// something only if the system's code page there is really not 932.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(SystemLocale, TheCodePageIsTheOneTheRunAskedFor)
{
    const char* locale = std::getenv("QS_LOCALE");
    const UINT expected = locale && std::string(locale) == "en" ? 1252 : 932;
    EXPECT_EQ(GetACP(), expected);
}

}  // namespace
