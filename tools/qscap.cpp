// qscap: converts a window on the desktop into text, as the program's finder
// does, and prints the text exactly as the output document would get it.
#include "capture_dump.h"
#include "conversion.h"
#include "cp932.h"
#include "pick_window.h"
#include "window_text.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitNoWindowOrUsage = 2;

const char kUsage[] =
    "usage: qscap WINDOW [--child ID | --point X,Y] [OPTION...]\n"
    "       qscap --point X,Y [OPTION...]\n"
    "  WINDOW is one of\n"
    "    --title TEXT    the visible top-level window with exactly this title\n"
    "    --class NAME    the visible top-level window of this class (with --title: both)\n"
    "    --hwnd 0xHEX    this window\n"
    "  --child ID        the first descendant of WINDOW with this control id (depth first)\n"
    "  --point X,Y       the window the finder marks at this screen point; with WINDOW it\n"
    "                    must be WINDOW or one of its descendants\n"
    "  --option NAME=0|1 DelSpcLinFlg, DelSpcColFlg, CutUnderLine, NoMuitiLine\n"
    "                    (defaults 1, 1, 1, 0)\n"
    "  -o FILE           write the text to FILE instead of stdout\n"
    "  --utf8            write UTF-8 instead of Shift-JIS\n"
    "  --dump FILE       write the capture dump, taken before the layout, to FILE\n";

struct Arguments {
    std::string title;
    std::string className;
    HWND hwnd = nullptr;
    bool byTitle = false;
    bool byClass = false;
    bool byHandle = false;
    bool byChild = false;
    int childId = 0;
    bool byPoint = false;
    POINT point{};
    bool utf8 = false;
    std::string outputPath;
    std::string dumpPath;
};

bool ParseInt(const std::string& text, int base, long long* value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    *value = std::strtoll(text.c_str(), &end, base);
    return errno == 0 && *end == '\0';
}

bool ParseHandle(const std::string& text, HWND* hwnd)
{
    long long value;
    if (!ParseInt(text, 16, &value) || value < 0 || value > 0xFFFFFFFFLL)
        return false;
    *hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
    return true;
}

bool ParsePoint(const std::string& text, POINT* point)
{
    const size_t comma = text.find(',');
    long long x, y;
    if (comma == std::string::npos || !ParseInt(text.substr(0, comma), 10, &x) ||
        !ParseInt(text.substr(comma + 1), 10, &y))
        return false;
    point->x = static_cast<LONG>(x);
    point->y = static_cast<LONG>(y);
    return point->x == x && point->y == y;
}

bool SetOption(const std::string& assignment)
{
    struct Flag {
        const char* name;
        int32_t* value;
    };
    static const Flag flags[] = {{"DelSpcLinFlg", &DelSpcLinFlg},
                                 {"DelSpcColFlg", &DelSpcColFlg},
                                 {"CutUnderLine", &CutUnderLine},
                                 {"NoMuitiLine", &NoMuitiLine}};
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos)
        return false;
    const std::string name = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    if (value != "0" && value != "1")
        return false;
    for (const Flag& flag : flags) {
        if (name == flag.name) {
            *flag.value = value == "1";
            return true;
        }
    }
    return false;
}

// Applies one option that takes a value; false for an unknown option or a
// bad value.
bool ParseValueOption(const std::string& option, const std::string& value, Arguments* args)
{
    long long number;
    if (option == "--title") {
        args->byTitle = true;
        args->title = value;
        return true;
    }
    if (option == "--class") {
        args->byClass = true;
        args->className = value;
        return true;
    }
    if (option == "--hwnd")
        return (args->byHandle = ParseHandle(value, &args->hwnd));
    if (option == "--child") {
        args->byChild = ParseInt(value, 10, &number) && number >= 0 && number <= 0xFFFF;
        args->childId = static_cast<int>(number);
        return args->byChild;
    }
    if (option == "--point")
        return (args->byPoint = ParsePoint(value, &args->point));
    if (option == "--option")
        return SetOption(value);
    if (option == "-o") {
        args->outputPath = value;
        return !value.empty();
    }
    if (option == "--dump") {
        args->dumpPath = value;
        return !value.empty();
    }
    return false;
}

bool IsConsistent(const Arguments& args)
{
    const bool byName = args.byTitle || args.byClass;
    if (byName && args.byHandle)
        return false;
    if (args.byChild && args.byPoint)
        return false;
    if (args.byChild && !byName && !args.byHandle)
        return false;
    return byName || args.byHandle || args.byPoint;
}

bool ParseArguments(int argc, char** argv, Arguments* args)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--utf8") {
            args->utf8 = true;
            continue;
        }
        if (i + 1 >= argc || !ParseValueOption(option, argv[i + 1], args))
            return false;
        ++i;
    }
    return IsConsistent(*args);
}

struct NameSearch {
    const Arguments* args;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM lp)
{
    NameSearch& search = *reinterpret_cast<NameSearch*>(lp);
    if (!IsWindowVisible(hwnd))
        return TRUE;
    char className[256];
    if (search.args->byClass &&
        (!GetClassNameA(hwnd, className, sizeof className) || search.args->className != className))
        return TRUE;
    if (search.args->byTitle && WindowTitle(hwnd) != search.args->title)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

HWND FindTopLevel(const Arguments& args)
{
    NameSearch search{&args, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDescendant(HWND parent, int id)
{
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id)
            return child;
        if (HWND found = FindDescendant(child, id))
            return found;
    }
    return nullptr;
}

HWND PickWithin(HWND window, POINT point)
{
    HWND picked = PickWindowAt(point);
    if (window && picked != window && !IsChild(window, picked))
        return nullptr;
    return picked;
}

HWND ChooseTarget(const Arguments& args)
{
    HWND window = args.byHandle ? args.hwnd : nullptr;
    if (args.byTitle || args.byClass)
        window = FindTopLevel(args);
    if (args.byChild)
        return window ? FindDescendant(window, args.childId) : nullptr;
    if (args.byPoint)
        return PickWithin(window, args.point);
    return window;
}

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

bool WriteBytes(FILE* file, const std::string& bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

bool WriteToFile(const std::string& path, const std::string& bytes)
{
    const File file(std::fopen(path.c_str(), "wb"), std::fclose);
    return file && WriteBytes(file.get(), bytes);
}

// Messages go to stderr as Shift-JIS lines, like the text itself.
void PrintLine(const char* message)
{
    std::fputs(message, stderr);
    std::fputs("\n", stderr);
    std::fflush(stderr);
}

class ConsoleReporter : public CaptureReporter {
public:
    explicit ConsoleReporter(const std::string& dumpPath) : dumpPath_(dumpPath) {}

    void NoTarget() override { PrintLine(kNoTargetMessage); }
    void ItemLimitReached() override { PrintLine(kItemLimitMessage); }
    void Captured() override
    {
        if (!dumpPath_.empty())
            dumpWritten_ = WriteToFile(dumpPath_, FormatCaptureDump(TakeCaptureDump()));
    }

    bool DumpWritten() const { return dumpWritten_; }

private:
    std::string dumpPath_;
    bool dumpWritten_ = true;
};

std::string ToUtf8(const std::string& cp932)
{
    std::string utf8;
    Cp932ToUtf8(cp932, &utf8, InvalidBytes::Replace);
    return utf8;
}

bool WriteOutput(const Arguments& args, const std::string& text)
{
    const std::string bytes = args.utf8 ? ToUtf8(text) : text;
    if (!args.outputPath.empty())
        return WriteToFile(args.outputPath, bytes);
    return WriteBytes(stdout, bytes);
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    Arguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::fputs(kUsage, stderr);
        return kExitNoWindowOrUsage;
    }
    ConsoleReporter reporter(args.dumpPath);
    ConversionResult result;
    if (!ConvertWindow(ChooseTarget(args), &result, reporter))
        return kExitNoWindowOrUsage;
    if (!reporter.DumpWritten()) {
        std::fprintf(stderr, "qscap: cannot write %s\n", args.dumpPath.c_str());
        return kExitWriteFailed;
    }
    if (!WriteOutput(args, result.text)) {
        std::fputs("qscap: cannot write the text\n", stderr);
        return kExitWriteFailed;
    }
    return 0;
}
