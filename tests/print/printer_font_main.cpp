// The print tests' main. Printed text is read back through the glyph names
// of the font Wine embeds, and only VL Gothic names its glyphs after their
// characters: for this run the program's font "ＭＳ ゴシック" is mapped to
// VL Gothic instead of IPA Gothic. Wine reads its font replacements when a
// process starts, so the tests run in a second process of this program
// while the mapping is in place, and the first puts the old one back.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace {

const char kReplacements[] = "Software\\Wine\\Fonts\\Replacements";
const char kProgramFont[] = "ＭＳ ゴシック";
const char kPrintingFont[] = "VL Gothic";
const char kMappedVariable[] = "QS_PRINTER_FONT_MAPPED";

std::optional<std::string> Replacement()
{
    char value[256];
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kReplacements, kProgramFont, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(value);
}

void SetReplacement(const std::optional<std::string>& font)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kReplacements, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (font)
        RegSetValueExA(key, kProgramFont, 0, REG_SZ, reinterpret_cast<const BYTE*>(font->c_str()),
                       static_cast<DWORD>(font->size() + 1));
    else
        RegDeleteValueA(key, kProgramFont);
    RegCloseKey(key);
}

int RunMapped()
{
    const std::optional<std::string> previous = Replacement();
    SetReplacement(std::string(kPrintingFont));
    SetEnvironmentVariableA(kMappedVariable, "1");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = GetCommandLineA();
    DWORD status = 1;
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);  // ctest's timeout bounds the run
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    } else {
        std::fprintf(stderr, "could not start the tests: error %lu\n", GetLastError());
    }
    SetReplacement(previous);
    return static_cast<int>(status);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!GetEnvironmentVariableA(kMappedVariable, nullptr, 0))
        return RunMapped();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
