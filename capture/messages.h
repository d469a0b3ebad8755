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

// Which form of a message is sent.  Every text is asked for in Wide form
// (fitting_text.h); Ansi is for messages that carry no text.
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

// In UTF-16 units.
inline int Window_GetTextLength(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, WM_GETTEXTLENGTH, 0, 0, CharSet::Wide));
}

// Copies at most size - 1 characters and a NUL; returns the characters copied.
inline int Window_GetText(HWND hwnd, wchar_t* buffer, int size)
{
    return static_cast<int>(
        AnswerOr(0, hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer), CharSet::Wide));
}

inline int ListBox_GetCount(HWND hwnd)
{
    return static_cast<int>(AnswerOr(0, hwnd, LB_GETCOUNT));
}

inline int ListBox_GetTopIndex(HWND hwnd)
{
    return static_cast<int>(AnswerOr(LB_ERR, hwnd, LB_GETTOPINDEX));
}

// In UTF-16 units.
inline int ListBox_GetTextLength(HWND hwnd, int index)
{
    return static_cast<int>(AnswerOr(LB_ERR, hwnd, LB_GETTEXTLEN, index, 0, CharSet::Wide));
}

// The buffer must hold ListBox_GetTextLength + 1 characters.
inline int ListBox_GetText(HWND hwnd, int index, wchar_t* buffer)
{
    return static_cast<int>(
        AnswerOr(LB_ERR, hwnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer), CharSet::Wide));
}

inline int ComboBox_GetCurSel(HWND hwnd)
{
    return static_cast<int>(AnswerOr(CB_ERR, hwnd, CB_GETCURSEL));
}

// In UTF-16 units.
inline int ComboBox_GetLBTextLength(HWND hwnd, int index)
{
    return static_cast<int>(AnswerOr(CB_ERR, hwnd, CB_GETLBTEXTLEN, index, 0, CharSet::Wide));
}

// The buffer must hold ComboBox_GetLBTextLength + 1 characters.
inline int ComboBox_GetLBText(HWND hwnd, int index, wchar_t* buffer)
{
    return static_cast<int>(
        AnswerOr(CB_ERR, hwnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer), CharSet::Wide));
}

// A silent button counts as unchecked.
inline UINT Button_GetState(HWND hwnd)
{
    return static_cast<UINT>(AnswerOr(0, hwnd, BM_GETSTATE));
}
