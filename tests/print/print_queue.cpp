#include "print_queue.h"

#include "file_contents.h"
#include "host_path.h"
#include "unix_command.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr DWORD kCommandTimeoutMs = 120000;
constexpr int kJobTimeoutTenths = 600;  // the queue's own polling, in tenths of a second

// A file that a Unix tool wrote; empty when there is none.
std::string FileText(const std::string& unixPath)
{
    return FileBytes(HostPath(unixPath.c_str())).value_or("");
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Attribute(const std::string& element, const char* name)
{
    const std::string key = std::string(name) + "=\"";
    const size_t at = element.find(key);
    if (at == std::string::npos)
        return {};
    const size_t start = at + key.size();
    return element.substr(start, element.find('"', start) - start);
}

std::string Unescape(std::string text)
{
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::char_traits<char>::length(entity), plain);
    }
    return text;
}

// pdftotext -bbox: <page width=".." height=".."> with <word xMin=".." ...>text</word>.
std::vector<PrintedPage> ParseBoxes(const std::string& html)
{
    std::vector<PrintedPage> pages;
    size_t at = 0;
    while ((at = html.find('<', at)) != std::string::npos) {
        const size_t end = html.find('>', at);
        const std::string element = html.substr(at, end - at + 1);
        if (element.rfind("<page ", 0) == 0) {
            PrintedPage page;
            page.width = std::atof(Attribute(element, "width").c_str());
            page.height = std::atof(Attribute(element, "height").c_str());
            pages.push_back(page);
        } else if (element.rfind("<word ", 0) == 0 && !pages.empty()) {
            const size_t close = html.find("</word>", end);
            pages.back().words.push_back(PrintedWord{std::atof(Attribute(element, "xMin").c_str()),
                                                     std::atof(Attribute(element, "yMin").c_str()),
                                                     std::atof(Attribute(element, "xMax").c_str()),
                                                     std::atof(Attribute(element, "yMax").c_str()),
                                                     Unescape(html.substr(end + 1, close - end - 1))});
        }
        at = end;
    }
    return pages;
}

}  // namespace

bool RunUnix(const std::string& command, std::string* output)
{
    return RunUnixCommand(command, kCommandTimeoutMs, output).empty();
}

PrintQueue::PrintQueue()
    : printer_(Environment("QS_PRINTER")), output_(Environment("QS_PRINT_OUTPUT"))
{
    folder_ = output_.substr(0, output_.rfind('/'));
}

int PrintQueue::CompletedJobs() const
{
    std::string listing;
    RunUnix("lpstat -W completed -o " + printer_, &listing);
    int jobs = 0;
    for (char c : listing)
        jobs += c == '\n';
    return jobs;
}

::testing::AssertionResult PrintQueue::WaitForJob(int count, std::vector<PrintedPage>* pages) const
{
    // The file printer writes the job about a second after it was handed over.
    const std::string wait = "i=0; until [ $(lpstat -W completed -o " + printer_ + " | wc -l) -ge " +
                             std::to_string(count) + " ] && ! lpstat -o " + printer_ +
                             " | grep -q . ; do i=$((i+1)); [ $i -gt " + std::to_string(kJobTimeoutTenths) +
                             " ] && exit 1; sleep 0.1; done";
    std::string log;
    if (!RunUnix(wait, &log))
        return ::testing::AssertionFailure() << "job " << count << " was not printed in time: " << log;
    const std::string pdf = Scratch("job.pdf");
    if (!RunUnix("ps2pdf " + output_ + " " + pdf + " && pdftotext -enc UTF-8 -bbox " + pdf + " " +
                     Scratch("job.html"),
                 &log))
        return ::testing::AssertionFailure() << "the printed file could not be read back: " << log;
    *pages = ParseBoxes(FileText(Scratch("job.html")));
    // ps2pdf turns a landscape page upright by a rotation, and pdftotext
    // places the words upright but gives the sheet's size unturned.
    std::string info;
    RunUnix("pdfinfo -f 1 -l " + std::to_string(pages->size()) + " " + pdf, &info);
    std::istringstream lines(info);
    for (std::string line; std::getline(lines, line);) {
        size_t page = 0;
        int rotation = 0;
        if (std::sscanf(line.c_str(), "Page %zu rot: %d", &page, &rotation) == 2 && page >= 1 &&
            page <= pages->size() && rotation % 180 != 0)
            std::swap((*pages)[page - 1].width, (*pages)[page - 1].height);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PrintQueue::RenderPage(int page, int dpi, GreyImage* image) const
{
    const std::string pgm = Scratch("page.pgm");
    std::string log;
    if (!RunUnix("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pgmraw -r" + std::to_string(dpi) + " -dFirstPage=" +
                     std::to_string(page) + " -dLastPage=" + std::to_string(page) + " -o " + pgm + " " + output_,
                 &log))
        return ::testing::AssertionFailure() << "gs could not render page " << page << ": " << log;
    std::istringstream file(FileText(pgm));
    std::string magic, comment;
    int maximum = 0;
    file >> magic >> std::ws;
    while (file.peek() == '#')
        std::getline(file, comment);  // Ghostscript names itself
    file >> image->width >> image->height >> maximum;
    file.get();
    if (magic != "P5" || maximum != 255 || image->width <= 0 || image->height <= 0)
        return ::testing::AssertionFailure() << "not a grey image: " << magic;
    image->pixels.resize(static_cast<size_t>(image->width) * image->height);
    file.read(reinterpret_cast<char*>(image->pixels.data()), static_cast<std::streamsize>(image->pixels.size()));
    return ::testing::AssertionSuccess();
}
