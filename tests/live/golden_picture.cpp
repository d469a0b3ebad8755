#include "golden_picture.h"

#include "host_path.h"
#include "live_capture.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// Where a differing picture is left for a look, in the working directory.
const wchar_t kActualFolder[] = L"golden-actual";

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring GoldenPath(const std::string& name)
{
    return HostPath(QS_LIVE_GOLDEN_DIR) + L"\\" + Widen(name) + L".txt";
}

bool UpdateRequested()
{
    const char* update = std::getenv("QS_UPDATE_GOLDEN");
    return update && std::strcmp(update, "1") == 0;
}

bool ReadWhole(const std::wstring& path, std::string* bytes)
{
    const File file(_wfopen(path.c_str(), L"rb"), std::fclose);
    if (!file)
        return false;
    char chunk[4096];
    size_t size;
    while ((size = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes->append(chunk, size);
    return !std::ferror(file.get());
}

bool WriteWhole(const std::wstring& path, const std::string& bytes)
{
    const File file(_wfopen(path.c_str(), L"wb"), std::fclose);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
           std::fflush(file.get()) == 0;
}

std::wstring KeepActual(const std::string& name, const std::string& utf8)
{
    CreateDirectoryW(kActualFolder, nullptr);
    const std::wstring path = std::wstring(kActualFolder) + L"\\" + Widen(name) + L".txt";
    WriteWhole(path, utf8);
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
    const std::string actual = PictureUtf8(cp932Text);
    const std::wstring path = GoldenPath(name);
    if (UpdateRequested()) {
        if (!WriteWhole(path, actual))
            return ::testing::AssertionFailure() << "cannot write " << name << ".txt";
        return ::testing::AssertionSuccess();
    }
    std::string expected;
    if (!ReadWhole(path, &expected))
        return ::testing::AssertionFailure() << "cannot read " << name << ".txt (QS_UPDATE_GOLDEN=1 writes it)";
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const std::wstring kept = KeepActual(name, actual);
    return ::testing::AssertionFailure() << name << ".txt differs at " << FirstDifference(expected, actual)
                                         << "\n  the whole picture is in " << std::string(kept.begin(), kept.end());
}
