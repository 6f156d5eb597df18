#pragma once

// How a computation run tells the world which stage it is in. The run never touches a widget:
// whoever shows the status line (the main window, a command-line front end, a test) implements
// this interface.

#include <string>
#include <string_view>

namespace kubato {

class RunObserver {
public:
    virtual ~RunObserver() = default;
    // A new text for the status line (Windows-1252): a stage beginning, or its progress.
    virtual void status(std::string_view text) = 0;
};

// The status line as the run writes it: keeps the latest text and passes each one on.
class StatusLine {
public:
    explicit StatusLine(RunObserver *observer) : mObserver(observer) {}

    void show(std::string text)
    {
        mText = std::move(text);
        if (mObserver != nullptr) {
            mObserver->status(mText);
        }
    }
    const std::string &text() const { return mText; }

private:
    RunObserver *mObserver;
    std::string mText;
};

} // namespace kubato
