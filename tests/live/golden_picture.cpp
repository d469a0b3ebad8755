#include "golden_picture.h"

#include "code_page.h"
#include "file_contents.h"
#include "host_path.h"
#include "live_capture.h"
#include "wide_text.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// Where a differing picture is left for a look, in the working directory.
const wchar_t kActualFolder[] = L"golden-actual";

std::wstring GoldenPath(const std::string& name)
{
    return HostPath(QS_LIVE_GOLDEN_DIR) + L"\\" + Widen(name) + L".txt";
}

bool UpdateRequested()
{
    const char* update = std::getenv("QS_UPDATE_GOLDEN");
    return update && std::strcmp(update, "1") == 0;
}

std::wstring KeepActual(const std::string& name, const std::string& utf8)
{
    CreateDirectoryW(kActualFolder, nullptr);
    const std::wstring path = std::wstring(kActualFolder) + L"\\" + Widen(name) + L".txt";
    WriteFileBytes(path, utf8);
    return path;
}

// The first line that differs, with both versions.
std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    const std::vector<std::string> want = PictureLines(expected);
    const std::vector<std::string> got = PictureLines(actual);
    size_t line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line])
        ++line;
    const auto show = [](const std::vector<std::string>& lines, size_t i) {
        return i < lines.size() ? "\"" + lines[i] + "\"" : std::string("(no line)");
    };
    return "line " + std::to_string(line + 1) + "\n  expected " + show(want, line) + "\n  actual   " +
           show(got, line) + "\n  (" + std::to_string(want.size()) + " lines expected, " +
           std::to_string(got.size()) + " actual)";
}

}  // namespace

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& cp932Text)
{
    return MatchesGoldenUtf8(name, ShiftJisToUtf8(cp932Text));
}

::testing::AssertionResult MatchesGoldenUtf8(const std::string& name, const std::string& actual)
{
    const std::wstring path = GoldenPath(name);
    if (UpdateRequested()) {
        if (!WriteFileBytes(path, actual))
            return ::testing::AssertionFailure() << "cannot write " << name << ".txt";
        return ::testing::AssertionSuccess();
    }
    const std::optional<std::string> expected = FileBytes(path);
    if (!expected)
        return ::testing::AssertionFailure() << "cannot read " << name << ".txt (QS_UPDATE_GOLDEN=1 writes it)";
    if (*expected == actual)
        return ::testing::AssertionSuccess();
    const std::wstring kept = KeepActual(name, actual);
    return ::testing::AssertionFailure() << name << ".txt differs at " << FirstDifference(*expected, actual)
                                         << "\n  the whole picture is in " << Narrow(kept);
}
