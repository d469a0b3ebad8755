#include "code_page.h"

#include "cp932.h"

#include <gtest/gtest.h>

std::string ShiftJisToUtf8(const std::string& shiftJis)
{
    std::string utf8;
    Cp932ToUtf8(shiftJis, &utf8, InvalidBytes::Escape);
    return utf8;
}

std::string Utf8ToShiftJis(const std::string& utf8)
{
    std::string shiftJis;
    std::string error;
    if (!Utf8ToCp932(utf8, &shiftJis, &error))
        ADD_FAILURE() << "\"" << utf8 << "\": " << error;
    return shiftJis;
}
