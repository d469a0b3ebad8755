#include "whole_characters.h"

#include "sjis.h"

#include <set>

namespace {

bool IsTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

bool IsSingleByte(unsigned char b)
{
    return b < 0x80 || (b >= 0xA1 && b <= 0xDF);
}

// The characters of one line or text, read from its start; a lead byte at
// the end stands alone.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        size_t n = CharLength(text.data(), text.size(), i);
        characters.push_back(text.substr(i, n));
        i += n;
    }
    return characters;
}

// Spaces stand for tabs and line ends, '&' for the full-width ampersand, and
// the drawing writes the thin and heavy rules (0x84 0x9F to 0x84 0xBE).
std::set<std::string> DrawnCharacters(const std::vector<std::string>& texts)
{
    std::set<std::string> drawn = {" ", "&"};
    for (unsigned char trail = 0x9F; trail <= 0xBE; ++trail)
        drawn.insert(std::string{'\x84', static_cast<char>(trail)});
    for (const std::string& text : texts)
        for (const std::string& character : Characters(text))
            drawn.insert(character);
    return drawn;
}

}  // namespace

bool IsWholeShiftJis(const std::string& text)
{
    for (const std::string& character : Characters(text)) {
        unsigned char first = static_cast<unsigned char>(character[0]);
        bool whole = character.size() == 2 ? IsTrailByte(static_cast<unsigned char>(character[1]))
                                           : !IsLeadByte(first) && IsSingleByte(first);
        if (!whole)
            return false;
    }
    return true;
}

std::string FindForeignCharacter(const std::string& picture, const std::vector<std::string>& texts)
{
    const std::set<std::string> drawn = DrawnCharacters(texts);
    size_t line = 0;
    for (size_t start = 0; start < picture.size(); ++line) {
        size_t end = picture.find("\r\n", start);
        if (end == std::string::npos)
            end = picture.size();
        size_t column = 0;
        for (const std::string& character : Characters(picture.substr(start, end - start))) {
            if (!drawn.count(character) || (character.size() == 1 && IsLeadByte(static_cast<unsigned char>(character[0]))))
                return "line " + std::to_string(line) + ", column " + std::to_string(column);
            column += character.size();
        }
        start = end + 2;
    }
    return "";
}
