#include "sjis.h"

size_t FindChars(const std::string& text, const std::string& needle)
{
    if (needle.empty())
        return 0;
    for (size_t i = 0; i < text.size(); i += CharLength(text.data(), text.size(), i))
        if (text.compare(i, needle.size(), needle) == 0)
            return i;
    return std::string::npos;
}

bool ReplaceFirstChars(std::string& text, const std::string& from, const std::string& to)
{
    size_t at = FindChars(text, from);
    if (at == std::string::npos)
        return false;
    text.replace(at, from.size(), to);
    return true;
}

void ReplaceTabsWithSpaces(std::string& text)
{
    for (char& c : text)
        if (c == '\t')
            c = ' ';
}

void TrimTrailingWhite(std::string& text)
{
    size_t end = text.size();
    while (end > 0 && IsWhiteByte(text[end - 1]))
        --end;
    text.resize(end);
}

size_t TrimLeadingWhite(std::string& text)
{
    size_t start = 0;
    while (start < text.size() && IsWhiteByte(text[start]))
        ++start;
    text.erase(0, start);
    return start;
}
