// Messages to captured windows, one typed function per message.
//
// Every message goes through SendToWindow, so that a program that has
// stopped answering cannot freeze the capture: a window of another thread
// gets its messages with a timeout, and once its thread has missed one, all
// of that thread's windows count as silent until ForgetUnreadWindows().  A
// silent window answers each message with the value given below (empty
// texts, zero counts, no selection), and is noted as unanswered.
#pragma once

#ifdef _INC_WINDOWSX
#error "<windowsx.h> defines macros with the names of the functions below"
#endif

#include <windows.h>

// How long one message to another thread may take.
constexpr UINT kAnswerTimeoutMs = 1500;

// Which form of a text message is sent.  Wide is for entries of Unicode
// windows of other processes: Wine hands their text to an ANSI request
// unconverted, as UTF-16, twice as long as the buffer that was asked for.
enum class CharSet { Ansi, Wide };

// What became of a message to a captured window.
enum class Delivery {
    Answered,
    // Never sent: the window was gone, its thread silent or the conversion
    // had to stop (capture_stop.h).
    NotSent,
    // Sent but not answered in time: the window may still handle it later.
    Unanswered,
};

// Sends the message; *result holds the window's answer, or 0 when it did not
// answer.
Delivery DeliverToWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result, CharSet charSet);

// True with the window's answer in *result, or false with *result 0.
inline bool SendToWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result,
                         CharSet charSet = CharSet::Ansi)
{
    return DeliverToWindow(hwnd, msg, wp, lp, result, charSet) == Delivery::Answered;
}

// True when the window's thread answers (WM_NULL).  Used before calls that
// send messages without a timeout of their own, such as EnableWindow.
bool IsAnswering(HWND hwnd);

inline LRESULT AnswerOr(LRESULT silent, HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0,
                        CharSet charSet = CharSet::Ansi)
{
    LRESULT result;
    return SendToWindow(hwnd, msg, wp, lp, &result, charSet) ? result : silent;
}

// In bytes, or in UTF-16 units with CharSet::Wide.
inline int Window_GetTextLength(HWND hwnd, CharSet charSet)
{
    return static_cast<int>(AnswerOr(0, hwnd, WM_GETTEXTLENGTH, 0, 0, charSet));
}

// Copies at most size - 1 characters and a NUL; returns the characters copied.
template <class Char>
int Window_GetText(HWND hwnd, Char* buffer, int size)
{
    return static_cast<int>(AnswerOr(0, hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer),
                                     sizeof(Char) == 1 ? CharSet::Ansi : CharSet::Wide));
}

inline int ListBox_GetCount(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, LB_GETCOUNT));
}

inline int ListBox_GetTopIndex(HWND hwnd)
{
    return static_cast<int>(AnswerOr(LB_ERR, hwnd, LB_GETTOPINDEX));
}

// In bytes, or in UTF-16 units with CharSet::Wide.
inline int ListBox_GetTextLength(HWND hwnd, int index, CharSet charSet)
{
    return static_cast<int>(AnswerOr(LB_ERR, hwnd, LB_GETTEXTLEN, index, 0, charSet));
}

// The buffer must hold ListBox_GetTextLength + 1 characters of the same set.
template <class Char>
int ListBox_GetText(HWND hwnd, int index, Char* buffer)
{
    return static_cast<int>(AnswerOr(LB_ERR, hwnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer),
                                     sizeof(Char) == 1 ? CharSet::Ansi : CharSet::Wide));
}

inline int ComboBox_GetCurSel(HWND hwnd)
{
    return static_cast<int>(AnswerOr(CB_ERR, hwnd, CB_GETCURSEL));
}

// In bytes, or in UTF-16 units with CharSet::Wide.
inline int ComboBox_GetLBTextLength(HWND hwnd, int index, CharSet charSet)
{
    return static_cast<int>(AnswerOr(CB_ERR, hwnd, CB_GETLBTEXTLEN, index, 0, charSet));
}

// The buffer must hold ComboBox_GetLBTextLength + 1 characters of the same set.
template <class Char>
int ComboBox_GetLBText(HWND hwnd, int index, Char* buffer)
{
    return static_cast<int>(AnswerOr(CB_ERR, hwnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer),
                                     sizeof(Char) == 1 ? CharSet::Ansi : CharSet::Wide));
}

// A silent button counts as unchecked.
inline UINT Button_GetState(HWND hwnd)
{
    return static_cast<UINT>(AnswerOr(0, hwnd, BM_GETSTATE));
}
