// The tests' printer queue, started by tools/with-cups: its printer, the
// file each job is written to, and the printed jobs read back with the Unix
// tools (Ghostscript and poppler), which a Wine process starts like its own.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

// A word of a printed page as pdftotext places it, in points from the
// sheet's top left corner.
struct PrintedWord {
    double xMin, yMin, xMax, yMax;
    std::string text;  // UTF-8
};

struct PrintedPage {
    double width = 0, height = 0;  // points, as the page reads
    std::vector<PrintedWord> words;
};

// A grey image, one byte a pixel, 0 black.
struct GreyImage {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    unsigned char At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Runs a command line of the Unix shell (no double quotes in it) within the
// print tests' bound and collects its output; false when it failed.
bool RunUnix(const std::string& command, std::string* output = nullptr);

class PrintQueue {
public:
    PrintQueue();

    // False outside tools/with-cups.
    bool Available() const { return !output_.empty(); }
    const std::string& Printer() const { return printer_; }

    // Jobs the queue has finished so far.
    int CompletedJobs() const;
    // Waits, bounded, until the queue has finished job number `count` and
    // reads that job back, page by page.
    ::testing::AssertionResult WaitForJob(int count, std::vector<PrintedPage>* pages) const;
    // The last job's page `page` (from 1) rendered at `dpi`.
    ::testing::AssertionResult RenderPage(int page, int dpi, GreyImage* image) const;

private:
    std::string Scratch(const char* name) const { return folder_ + "/" + name; }

    std::string printer_;
    std::string output_;
    std::string folder_;
};
