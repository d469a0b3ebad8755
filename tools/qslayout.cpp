// qslayout: lays out a capture dump and prints the finished text exactly as
// the pipeline hands it to the output document.
#include "capture_dump.h"
#include "cp932.h"
#include "foreign_characters.h"
#include "layout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kExitBadInput = 2;
constexpr int kExitWriteFailed = 1;

const char kUsage[] =
    "usage: qslayout [--utf8] [--info] DUMP.json\n"
    "  prints the text laid out from a capture dump (Shift-JIS, CR LF; what code page\n"
    "  932 lacks as \"?\" or \"？\")\n"
    "  --utf8  print UTF-8 instead of Shift-JIS\n"
    "  --info  print the title, OutputCols and OutputRows instead of the text\n";

struct Arguments {
    bool utf8 = false;
    bool info = false;
    std::string dumpPath;
};

bool ParseArguments(int argc, char** argv, Arguments* args)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--utf8")
            args->utf8 = true;
        else if (arg == "--info")
            args->info = true;
        else if (arg.empty() || arg[0] == '-' || !args->dumpPath.empty())
            return false;
        else
            args->dumpPath = arg;
    }
    return !args->dumpPath.empty();
}

bool ReadFile(const std::string& path, std::string* contents, std::string* error)
{
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) {
        *error = std::strerror(errno);
        return false;
    }
    char chunk[1 << 16];
    size_t size;
    while ((size = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        contents->append(chunk, size);
    if (std::ferror(file.get())) {
        *error = std::strerror(errno);
        return false;
    }
    return true;
}

std::string FormatInfo(const ConversionResult& result)
{
    return "title: " + result.title + "\n" +
           "OutputCols: " + std::to_string(result.outputCols) + "\n" +
           "OutputRows: " + std::to_string(result.outputRows) + "\n";
}

// Half characters can appear where the grid clipped or overwrote a double-
// byte character; a reader gets U+FFFD for them.
std::string ToUtf8ForReading(const std::string& cp932)
{
    std::string utf8;
    Cp932ToUtf8(cp932, &utf8, InvalidBytes::Replace);
    return utf8;
}

bool WriteBinary(const std::string& bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

int ReportBadInput(const std::string& path, const std::string& problem)
{
    std::cerr << "qslayout: " << path << ": " << problem << "\n";
    return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv)
{
    Arguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::cerr << kUsage;
        return kExitBadInput;
    }
    std::string json, error;
    CaptureDump dump;
    if (!ReadFile(args.dumpPath, &json, &error) || !ParseCaptureDump(json, &dump, &error))
        return ReportBadInput(args.dumpPath, error);

    LoadCaptureDump(dump);
    const ConversionResult result = LayOutItems();
    std::string output = args.info ? FormatInfo(result) : result.text;
    if (!args.utf8)
        ReplaceForeignCharacters(&output);
    if (!WriteBinary(args.utf8 ? ToUtf8ForReading(output) : output)) {
        std::cerr << "qslayout: cannot write the output\n";
        return kExitWriteFailed;
    }
    return 0;
}
