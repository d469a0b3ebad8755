#include "wrap_text.h"

#include "records.h"
#include "sjis.h"

#include <string>

namespace {

constexpr int kDefaultWidth = 50;
constexpr int kShortestWordWrapWidth = 9;
constexpr int kWordLookBack = 7;

bool IsWordByte(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '+';
}

// A CR or LF that ends a line takes a directly following LF or CR with it.
void TakeLineBreakPartner(char lineBreak, std::string& rest)
{
    const char partner = lineBreak == '\r' ? '\n' : '\r';
    if (!rest.empty() && rest[0] == partner)
        rest.erase(0, 1);
}

// The line is full and its last byte and the next byte both belong to a
// word: cut at the last separator within the line's last 7 bytes.  A space
// there is dropped; any other separator begins the next line.
void MoveCutWordDown(std::string& line, std::string& rest)
{
    const int length = static_cast<int>(line.size());
    for (int i = length - 1; i > length - 1 - kWordLookBack && i >= 0; --i) {
        if (IsWordByte(line[i]))
            continue;
        const int from = line[i] == ' ' ? i + 1 : i;
        rest.insert(0, line, from, std::string::npos);
        line.resize(i);
        return;
    }
}

void TakeLine(int width, std::string& line, std::string& rest)
{
    while (!rest.empty()) {
        const char c = rest[0];
        rest.erase(0, 1);
        if (c == '\r' || c == '\n') {
            TakeLineBreakPartner(c, rest);
            return;
        }
        line += c;
        if (static_cast<int>(line.size()) < width)
            continue;
        if (width >= kShortestWordWrapWidth && IsWordByte(c) && !rest.empty() && IsWordByte(rest[0]))
            MoveCutWordDown(line, rest);
        return;
    }
}

bool EndsInHalfCharacter(const std::string& line)
{
    size_t i = 0;
    while (i < line.size())
        i += IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
    return i > line.size();
}

// A cut that split a double-byte character keeps it whole on this line.
void KeepCharacterWhole(std::string& line, std::string& rest)
{
    if (!EndsInHalfCharacter(line) || rest.empty())
        return;
    line += rest[0];
    rest.erase(0, 1);
}

}  // namespace

void WrapItemText(int width, int length)
{
    if (width < 1)
        width = kDefaultWidth;
    std::string rest;
    rest.swap(CurrentRecord().text);
    ItemRect lineRect = CurrentRecord().rect;
    while (length > width) {
        std::string& line = CurrentRecord().text;
        TakeLine(width, line, rest);
        KeepCharacterWhole(line, rest);
        length = static_cast<int>(rest.size());
        if (length == 0)
            return;
        lineRect.top += kPixelsPerRow;
        if (!AppendPlainRecord("Static", lineRect, std::string()))
            return;
    }
    CurrentRecord().text = rest;
}
