#include "layout_fixture.h"

#include <sstream>

std::vector<std::string> OutputLines(const ConversionResult& result)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < result.text.size()) {
        size_t end = result.text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "output does not end with CR LF";
            lines.push_back(result.text.substr(start));
            break;
        }
        lines.push_back(result.text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

static std::string Hex(const std::string& bytes)
{
    std::ostringstream out;
    for (unsigned char b : bytes)
        out << std::hex << (b < 16 ? "0" : "") << int(b) << ' ';
    return out.str();
}

void ExpectPicture(int line, const ConversionResult& result, const std::vector<std::string>& expected)
{
    SCOPED_TRACE(testing::Message() << "picture at line " << line);
    std::vector<std::string> actual = OutputLines(result);
    size_t rows = std::max(actual.size(), expected.size());
    for (size_t r = 0; r < rows; ++r) {
        std::string a = r < actual.size() ? actual[r] : "<missing>";
        std::string e = r < expected.size() ? expected[r] : "<missing>";
        if (a == e)
            continue;
        size_t col = 0;
        while (col < a.size() && col < e.size() && a[col] == e[col])
            ++col;
        std::ostringstream picture;
        for (size_t k = 0; k < rows; ++k)
            picture << (k == r ? "> " : "  ") << ShiftJisToUtf8(k < actual.size() ? actual[k] : "") << "\n";
        ADD_FAILURE() << "row " << r << " differs from column " << col << "\n  actual:   " << ShiftJisToUtf8(a)
                      << "\n  expected: " << ShiftJisToUtf8(e) << "\n  bytes:    " << Hex(a) << "\n  expected: "
                      << Hex(e) << "\nactual picture:\n" << picture.str();
        return;
    }
    EXPECT_EQ(result.outputRows, static_cast<int>(expected.size()));
}

void FillGrid(TextGrid& grid, const std::vector<std::string>& rows)
{
    grid.Clear();
    for (size_t r = 0; r < rows.size(); ++r)
        grid.PutText(static_cast<int>(r), 0, rows[r].data(), rows[r].size());
}

std::string GridText(const TextGrid& grid, int row, int col, int length)
{
    return std::string(grid.Row(row) + col, length);
}
