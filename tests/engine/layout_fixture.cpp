#include "layout_fixture.h"

#include <cerrno>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

// Shift-JIS shown as UTF-8, so that a failure message shows the picture.
std::string Readable(const std::string& sjis)
{
#ifdef _WIN32
    int wide = MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
    std::wstring w(wide, L'\0');
    MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), &w[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], bytes, nullptr, nullptr);
    return out;
#else
    iconv_t cd = iconv_open("UTF-8", "CP932");
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(sjis.data());
    size_t inLeft = sjis.size();
    while (inLeft > 0) {
        char* o = buffer;
        size_t outLeft = sizeof buffer;
        size_t done = iconv(cd, &in, &inLeft, &o, &outLeft);
        out.append(buffer, o - buffer);
        if (done == static_cast<size_t>(-1) && errno != E2BIG) {
            out += '?';
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
#endif
}

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
            picture << (k == r ? "> " : "  ") << Readable(k < actual.size() ? actual[k] : "") << "\n";
        ADD_FAILURE() << "row " << r << " differs from column " << col << "\n  actual:   " << Readable(a)
                      << "\n  expected: " << Readable(e) << "\n  bytes:    " << Hex(a) << "\n  expected: "
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
