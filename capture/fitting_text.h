// Reading a text whose length is asked first, into a buffer that fits it:
// window texts and the entries of list and combo boxes.
#pragma once

#include "answer_bounds.h"
#include "code_page_932.h"
#include "messages.h"

#include <windows.h>

#include <string>
#include <utility>

// Fills a buffer of length + 1 characters, at most what the grid can show;
// false when the control reports an error (a negative answer) for the
// length or the text.  getText(buffer, size) gets the buffer and its size in
// characters.  The text ends at its first NUL, or where the buffer ends
// whatever the control claims to have copied.
template <class Char, class GetText>
bool ReadIntoFittingBuffer(int length, GetText getText, std::basic_string<Char>* text)
{
    if (length < 0)
        return false;
    std::basic_string<Char> buffer(BufferForLength(length), Char());
    if (getText(&buffer[0], static_cast<int>(buffer.size())) < 0)
        return false;
    buffer.resize(TerminatedLength(&buffer[0], buffer.size()));
    *text = std::move(buffer);
    return true;
}

// Reads a whole text in UTF-16, whatever the window's character set and the
// system's code page: its length first (getLength()), then the text into a
// buffer that fits (getText(wchar_t* buffer, int size)), converted to code
// page 932.  An ANSI request would be converted by the system to its own
// code page, which loses every character that code page lacks; under Wine
// it would also make the system ask a window of another thread for the
// length itself, without our timeout and believing any answer.
template <class GetLength, class GetText>
bool ReadFittingText(GetLength getLength, GetText getText, std::string* text)
{
    std::wstring wide;
    if (!ReadIntoFittingBuffer(getLength(), getText, &wide))
        return false;
    *text = ToEngineText(wide);
    return true;
}
