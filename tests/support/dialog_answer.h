// Answers the next modal dialog that the test's own thread opens, as a user
// would: the dialog's modal loop runs inside the command under test, so a
// timer of the thread looks for it and hands it to `answer`. A dialog that
// `answer` leaves open fails the test and is cancelled after a bound, so
// the test cannot hang.
// Other windows of a class of their own (the progress window of a print
// job) are answered the same way.
#pragma once

#include <windows.h>

#include <functional>

class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(HWND dialog)> answer, const char* className = "#32770");
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    bool Answered() const { return answered_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Look();

    std::function<void(HWND)> answer_;
    const char* className_;
    UINT_PTR timer_ = 0;
    DWORD deadline_;
    bool answered_ = false;
};

// Runs `open`, which shows a modal dialog of this thread and returns once
// it has closed, with `answer` answering the dialog; fails the test if no
// dialog came.
void WithModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& answer);

// Clicks a button of a dialog, as the mouse would.
void Click(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const char* text);
