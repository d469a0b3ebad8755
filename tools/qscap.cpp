// qscap: converts a window on the desktop into text, as the program's finder
// does, and prints the text exactly as the output document would get it.
#include "capture_dump.h"
#include "capture_stop.h"
#include "conversion.h"
#include "code_page_932.h"
#include "cp932.h"
#include "display_scale.h"
#include "guards.h"
#include "pick_window.h"
#include "window_text.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitNoWindowOrUsage = 2;
constexpr int kExitIncomplete = 3;

// The scales a screen can have, from 75 % to 1000 %.
constexpr long long kLowestDpi = 72;
constexpr long long kHighestDpi = 960;

const char kUsage[] =
    "usage: qscap WINDOW [--child ID | --point X,Y] [OPTION...]\n"
    "       qscap --point X,Y [OPTION...]\n"
    "       qscap --help\n"
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
    "  --utf8            write UTF-8 instead of Shift-JIS, messages too; Shift-JIS\n"
    "                    shows what code page 932 lacks as \"?\" or \"？\"\n"
    "  --dump FILE       write the capture dump, taken before the layout, to FILE\n"
    "  --dpi N           count N pixels to the inch (72 to 960) instead of the window's\n"
    "                    own DPI; --dpi 96 gives one cell for every 5 x 7 screen pixels\n"
    "  --accessible      read the controls through the window's accessibility tree\n"
    "                    (MSAA) instead of its child windows\n"
    "exit status\n"
    "  0  the text is written\n"
    "  1  the text or the dump could not be written\n"
    "  2  a bad argument (named on stderr), or no such window\n"
    "  3  the text is written but incomplete: the window's program did not answer,\n"
    "     a window closed while it was read, answers were out of bounds, the\n"
    "     program's process could not be opened, the item table filled up or the\n"
    "     capture reached its time bound (one line on stderr for each)\n";

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
    bool help = false;
    bool accessible = false;
    std::string outputPath;
    std::string dumpPath;
    int dpi = kMeasuredDpi;
    std::string fault;  // the first bad argument and what is wrong with it
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

// Null, or what is wrong with the assignment.
const char* SetOption(const std::string& assignment)
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
        return "not NAME=0|1";
    const std::string name = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    for (const Flag& flag : flags) {
        if (name != flag.name)
            continue;
        if (value != "0" && value != "1")
            return "the value must be 0 or 1";
        *flag.value = value == "1";
        return nullptr;
    }
    return "no such option; they are DelSpcLinFlg, DelSpcColFlg, CutUnderLine and NoMuitiLine";
}

const char* SetName(const std::string& value, bool* given, std::string* name)
{
    *given = true;
    *name = value;
    return nullptr;
}

const char* SetPath(const std::string& value, std::string* path)
{
    *path = value;
    return value.empty() ? "needs a file name" : nullptr;
}

// An option that takes a value: it applies the value and gives null, or says
// what is wrong with it.
struct ValueOption {
    const char* name;
    const char* (*apply)(const std::string& value, Arguments* args);
};

const ValueOption kValueOptions[] = {
    {"--title", [](const std::string& value, Arguments* args) { return SetName(value, &args->byTitle, &args->title); }},
    {"--class",
     [](const std::string& value, Arguments* args) { return SetName(value, &args->byClass, &args->className); }},
    {"--hwnd",
     [](const std::string& value, Arguments* args) -> const char* {
         args->byHandle = ParseHandle(value, &args->hwnd);
         return args->byHandle ? nullptr : "not a window handle in hexadecimal (0x0 to 0xFFFFFFFF)";
     }},
    {"--child",
     [](const std::string& value, Arguments* args) -> const char* {
         long long number;
         args->byChild = ParseInt(value, 10, &number) && number >= 0 && number <= 0xFFFF;
         args->childId = args->byChild ? static_cast<int>(number) : 0;
         return args->byChild ? nullptr : "not a control id (0 to 65535)";
     }},
    {"--point",
     [](const std::string& value, Arguments* args) -> const char* {
         args->byPoint = ParsePoint(value, &args->point);
         return args->byPoint ? nullptr : "not a screen point X,Y";
     }},
    {"--option", [](const std::string& value, Arguments*) { return SetOption(value); }},
    {"-o", [](const std::string& value, Arguments* args) { return SetPath(value, &args->outputPath); }},
    {"--dump", [](const std::string& value, Arguments* args) { return SetPath(value, &args->dumpPath); }},
    {"--dpi",
     [](const std::string& value, Arguments* args) -> const char* {
         long long dpi;
         const bool valid = ParseInt(value, 10, &dpi) && dpi >= kLowestDpi && dpi <= kHighestDpi;
         args->dpi = valid ? static_cast<int>(dpi) : kMeasuredDpi;
         return valid ? nullptr : "not a DPI from 72 to 960";
     }},
};

const ValueOption* FindValueOption(const std::string& name)
{
    for (const ValueOption& option : kValueOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// The argument as the user typed it, quoted when it would not read as one.
std::string Shown(const std::string& option, const std::string& value)
{
    const bool quote = value.empty() || value.find(' ') != std::string::npos;
    return option + (quote ? " \"" + value + "\"" : " " + value);
}

void Fault(Arguments* args, const std::string& fault)
{
    if (args->fault.empty())
        args->fault = fault;
}

// What is wrong with the combination of window arguments; empty when sound.
std::string Inconsistency(const Arguments& args)
{
    const bool byName = args.byTitle || args.byClass;
    if (byName && args.byHandle)
        return "--hwnd: cannot be used with --title or --class";
    if (args.byChild && args.byPoint)
        return "--child: cannot be used with --point";
    if (args.byChild && !byName && !args.byHandle)
        return "--child: needs its window: --title, --class or --hwnd";
    if (!byName && !args.byHandle && !args.byPoint)
        return "no window given: use --title, --class, --hwnd or --point";
    return {};
}

// Reads every argument, so that --utf8 and --help count wherever they stand;
// the first fault is kept.
void ParseArguments(const std::vector<std::string>& argv, Arguments* args)
{
    const size_t argc = argv.size();
    for (size_t i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const ValueOption* valueOption = FindValueOption(option);
        if (option == "--utf8") {
            args->utf8 = true;
        } else if (option == "--help") {
            args->help = true;
        } else if (option == "--accessible") {
            args->accessible = true;
        } else if (!valueOption) {
            Fault(args, option + ": no such argument");
        } else if (i + 1 >= argc) {
            Fault(args, option + ": needs a value");
        } else {
            const std::string value = argv[++i];
            if (const char* fault = valueOption->apply(value, args))
                Fault(args, Shown(option, value) + ": " + fault);
        }
    }
    Fault(args, Inconsistency(*args));
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
    wchar_t className[256];
    if (search.args->byClass && (!GetClassNameW(hwnd, className, static_cast<int>(std::size(className))) ||
                                 search.args->className != ToCodePage932(className, std::wcslen(className))))
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
    const File file(_wfopen(FromCodePage932(path).c_str(), L"wb"), std::fclose);
    return file && WriteBytes(file.get(), bytes);
}

std::string ToUtf8(const std::string& cp932)
{
    std::string utf8;
    Cp932ToUtf8(cp932, &utf8, InvalidBytes::Replace);
    return utf8;
}

// Messages go to stderr in the code page of the text.
void PrintLine(const std::string& cp932, bool utf8)
{
    WriteBytes(stderr, (utf8 ? ToUtf8(cp932) : cp932) + "\n");
}

class ConsoleReporter : public CaptureReporter {
public:
    explicit ConsoleReporter(const Arguments& args) : args_(args) {}

    void NoTarget() override { PrintLine(kNoTargetMessage, args_.utf8); }
    void ItemLimitReached() override { PrintLine(kItemLimitMessage, args_.utf8); }
    void Captured() override
    {
        if (!args_.dumpPath.empty())
            dumpWritten_ = WriteToFile(args_.dumpPath, FormatCaptureDump(TakeCaptureDump(CaptureDpi())));
    }

    bool DumpWritten() const { return dumpWritten_; }

private:
    const Arguments& args_;
    bool dumpWritten_ = true;
};

bool WriteOutput(const Arguments& args, const ConversionResult& result)
{
    const std::string bytes = args.utf8 ? WideToUtf8(result.unicodeText) : result.text;
    if (!args.outputPath.empty())
        return WriteToFile(args.outputPath, bytes);
    return WriteBytes(stdout, bytes);
}

// One line for each cause of missing content.
void PrintGaps(const CaptureGaps& gaps, bool utf8)
{
    if (gaps.silentThreads > 0)
        PrintLine("qscap: the window's program did not answer; its controls' contents are missing (threads: " +
                      std::to_string(gaps.silentThreads) + ", windows: " + std::to_string(gaps.unaskedWindows) + ")",
                  utf8);
    if (gaps.vanishedWindows > 0)
        PrintLine("qscap: windows closed while they were read; the picture is cut short (windows: " +
                      std::to_string(gaps.vanishedWindows) + ")",
                  utf8);
    if (gaps.lyingWindows > 0)
        PrintLine("qscap: answers out of bounds; what could not be shown is cut or left out (windows: " +
                      std::to_string(gaps.lyingWindows) + ")",
                  utf8);
    if (gaps.unopenedProcesses > 0)
        PrintLine("qscap: the program's process could not be opened; it runs with higher rights, and running "
                  "qscap as administrator would read it (processes: " +
                      std::to_string(gaps.unopenedProcesses) + ")",
                  utf8);
    if (gaps.tableFull)
        PrintLine("qscap: item table full; the windows after its last record are missing", utf8);
    if (gaps.stop == CaptureStop::TimeUp)
        PrintLine("qscap: the capture took longer than " + std::to_string(kCaptureTimeLimitMs / 1000) +
                      " s and was stopped; the picture is cut short",
                  utf8);
}

int Capture(const Arguments& args)
{
    ConsoleReporter reporter(args);
    ConversionResult result;
    if (!ConvertWindow(ChooseTarget(args), &result, reporter, args.dpi,
                       args.accessible ? Reading::Accessible : Reading::Windows))
        return kExitNoWindowOrUsage;
    if (!reporter.DumpWritten()) {
        PrintLine("qscap: cannot write " + args.dumpPath, args.utf8);
        return kExitWriteFailed;
    }
    if (!WriteOutput(args, result)) {
        PrintLine("qscap: cannot write the text", args.utf8);
        return kExitWriteFailed;
    }
    if (!args.utf8 && result.replacedCharacters > 0)
        PrintLine("qscap: " + std::to_string(result.replacedCharacters) +
                      " characters outside code page 932 written as \"?\" or \"？\"; --utf8 keeps them",
                  false);
    PrintGaps(result.gaps, args.utf8);
    return result.gaps.IsComplete() ? 0 : kExitIncomplete;
}

}  // namespace

// The arguments in code page 932, the code page of every text qscap reads
// and writes, from the command line as typed (UTF-16): the system's own
// conversion would lose what its code page lacks, such as a Japanese title
// on an English system.
std::vector<std::string> CommandLineArguments()
{
    int count = 0;
    const OwnedArgumentList wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 0; wide && i < count; ++i)
        arguments.push_back(ToCodePage932(wide.Get()[i], std::wcslen(wide.Get()[i])));
    return arguments;
}

int main()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    Arguments args;
    ParseArguments(CommandLineArguments(), &args);
    if (args.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!args.fault.empty()) {
        PrintLine("qscap: " + args.fault + "\nsee qscap --help", args.utf8);
        return kExitNoWindowOrUsage;
    }
    return Capture(args);
}
