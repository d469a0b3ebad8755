// Reading a text whose length is asked first, into a buffer that fits it:
// window texts and the entries of list and combo boxes.
#pragma once

#include "answer_bounds.h"
#include "messages.h"

#include <windows.h>

#include <string>
#include <utility>

// The character set a window's texts are asked in: UTF-16 for a Unicode
// window (see CharSet) and for any window of another thread.  Under Wine the
// system converts an ANSI text request for another thread by asking the
// window for the text's length itself, without our timeout and believing
// any answer: a lying window would freeze the capture.
CharSet TextCharSet(HWND hwnd);

// The UTF-16 text in the ANSI code page.
std::string ToAnsi(const std::wstring& wide);

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
    buffer.back() = Char();
    buffer.resize(std::char_traits<Char>::length(buffer.c_str()));
    *text = std::move(buffer);
    return true;
}

// Reads a whole text in that character set: its length first
// (getLength(charSet)), then the text into a buffer that fits, converted to
// the ANSI code page from UTF-16.
template <class GetLength, class GetText>
bool ReadFittingText(CharSet charSet, GetLength getLength, GetText getText, std::string* text)
{
    if (charSet == CharSet::Ansi)
        return ReadIntoFittingBuffer(getLength(CharSet::Ansi), getText, text);
    std::wstring wide;
    if (!ReadIntoFittingBuffer(getLength(CharSet::Wide), getText, &wide))
        return false;
    *text = ToAnsi(wide);
    return true;
}
