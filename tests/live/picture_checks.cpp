#include "picture_checks.h"

#include "code_page.h"
#include "compaction.h"
#include "live_capture.h"
#include "sjis.h"

#include <vector>

namespace {

bool StartsWith(const std::string& line, const char* piece)
{
    return line.compare(0, std::char_traits<char>::length(piece), piece) == 0;
}

bool EndsWith(const std::string& line, const char* piece)
{
    const size_t length = std::char_traits<char>::length(piece);
    return line.size() >= length && line.compare(line.size() - length, length, piece) == 0;
}

bool IsFramedLine(const std::string& line, const char* left, const char* right)
{
    return line.size() >= 4 && StartsWith(line, left) && EndsWith(line, right);
}

bool IsSideLine(const std::string& line)
{
    return IsFramedLine(line, "┃", "┃") || IsFramedLine(line, "┠", "┨");
}

// White space as single spaces, none at the ends.
std::string CollapseSpaces(const std::string& text)
{
    std::string collapsed;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!space)
            collapsed += c;
        else if (!collapsed.empty() && collapsed.back() != ' ')
            collapsed += ' ';
    }
    if (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    return collapsed;
}

// The length of the longest start of `rest`, in whole characters, that
// stands on a line from `first` on; that line in *line.
size_t LongestShownStart(const std::vector<std::string>& lines, size_t first, const std::string& rest,
                         size_t* line)
{
    size_t longest = 0;
    for (size_t i = first; i < lines.size(); ++i) {
        for (size_t length = 0; length < rest.size();) {
            length += CharLength(rest.data(), rest.size(), length);
            if (FindChars(lines[i], rest.substr(0, length)) == std::string::npos)
                break;
            if (length > longest) {
                longest = length;
                *line = i;
            }
        }
    }
    return longest;
}

std::string TreeMark(const TreeItemState& item)
{
    if (item.expanded)
        return "[-]";
    if (item.children == 1)
        return "[+]";
    return item.lastSibling ? "└" : "├";
}

// The column of the item's text in `line`, or npos if the line does not
// show the item with its mark.
size_t TreeTextColumn(const std::string& line, const TreeItemState& item)
{
    const std::string mark = TreeMark(item);
    std::string shown = item.text;
    PrepareText(shown);
    const size_t at = FindChars(line, mark + shown);
    return at == std::string::npos ? at : at + mark.size();
}

// The item nearest above `i` that is less deep, or the nearest above it at
// the same depth with none less deep in between: its parent or its sibling.
// npos when there is none among the items.
size_t Relative(const std::vector<TreeItemState>& items, size_t i)
{
    for (size_t j = i; j-- > 0;) {
        if (items[j].depth <= items[i].depth)
            return j;
    }
    return std::string::npos;
}

::testing::AssertionResult NestedAsItsRelative(const std::vector<TreeItemState>& items,
                                               const std::vector<size_t>& columns, size_t i)
{
    const size_t j = Relative(items, i);
    if (j == std::string::npos)
        return ::testing::AssertionSuccess();
    const bool sibling = items[j].depth == items[i].depth;
    const bool child = items[j].depth == items[i].depth - 1;
    if ((sibling && columns[i] == columns[j]) || (child && columns[i] > columns[j]) || (!sibling && !child))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << ShiftJisToUtf8(items[i].text) << "\" stands in column "
                                         << columns[i] << ", its " << (sibling ? "sibling" : "parent") << " \""
                                         << ShiftJisToUtf8(items[j].text) << "\" in column " << columns[j];
}

}  // namespace

::testing::AssertionResult HasClosedOuterFrame(const std::string& text)
{
    const std::vector<std::string> lines = PictureLines(text);
    if (lines.size() < 2)
        return ::testing::AssertionFailure() << lines.size() << " lines";
    if (!IsFramedLine(lines.front(), "┏", "┓"))
        return ::testing::AssertionFailure() << "line 1 is no top edge: " << ShiftJisToUtf8(lines.front());
    if (!IsFramedLine(lines.back(), "┗", "┛"))
        return ::testing::AssertionFailure() << "the last line is no bottom edge: " << ShiftJisToUtf8(lines.back());
    for (size_t i = 1; i + 1 < lines.size(); ++i)
        if (!IsSideLine(lines[i]))
            return ::testing::AssertionFailure() << "line " << i + 1 << " is open: " << ShiftJisToUtf8(lines[i]);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult HasOnlyWholeCharacters(const std::string& text)
{
    const std::vector<std::string> lines = PictureLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, line.data(),
                                                 static_cast<int>(line.size()), nullptr, 0) == 0)
            return ::testing::AssertionFailure() << "line " << i + 1 << " holds half a character: "
                                                 << ShiftJisToUtf8(line);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult LinesFit(const std::string& text, int outputCols)
{
    const std::vector<std::string> lines = PictureLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > static_cast<size_t>(outputCols) + 2)
            return ::testing::AssertionFailure() << "line " << i + 1 << " has " << lines[i].size()
                                                 << " bytes, OutputCols is " << outputCols;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsText(const std::string& text, const std::string& controlText)
{
    std::string shown = controlText;
    PrepareText(shown);
    std::string rest = CollapseSpaces(shown);
    std::vector<std::string> lines = PictureLines(text);
    for (std::string& line : lines)
        line = CollapseSpaces(line);
    for (size_t first = 0, line = 0; !rest.empty(); first = line + 1) {
        const size_t length = LongestShownStart(lines, first, rest, &line);
        if (length == 0)
            return ::testing::AssertionFailure() << "\"" << ShiftJisToUtf8(shown) << "\" is not shown: nothing of \""
                                                 << ShiftJisToUtf8(rest) << "\" from line " << first + 1 << " on";
        rest.erase(0, length);
        TrimLeadingWhite(rest);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsTree(const std::string& text, const std::vector<TreeItemState>& items)
{
    const std::vector<std::string> lines = PictureLines(text);
    size_t line = 0;
    while (!items.empty() && line < lines.size() && TreeTextColumn(lines[line], items[0]) == std::string::npos)
        ++line;
    std::vector<size_t> columns;
    for (size_t i = 0; i < items.size(); ++i, ++line) {
        const size_t column = line < lines.size() ? TreeTextColumn(lines[line], items[i]) : std::string::npos;
        if (column == std::string::npos)
            return ::testing::AssertionFailure() << "\"" << ShiftJisToUtf8(TreeMark(items[i]) + items[i].text)
                                                 << "\" is " << (i == 0 ? "not shown" : "not on line " + std::to_string(line + 1));
        columns.push_back(column);
        const ::testing::AssertionResult nested = NestedAsItsRelative(items, columns, i);
        if (!nested)
            return nested;
    }
    return ::testing::AssertionSuccess();
}
