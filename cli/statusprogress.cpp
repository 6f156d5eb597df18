#include "statusprogress.h"

#include <iostream>
#include <unistd.h>
#include <utility>

#include "common/cp1252.h"

namespace kubato {

namespace {

// The stage a status text belongs to: "2/6" for the stage texts and their progress variants;
// the closing text of the run (" 250 Dreieck(e) berechnet ") has none and counts as its own.
std::string_view stageOf(std::string_view text)
{
    if (text.size() >= 3 && text[1] == '/') {
        return text.substr(0, 3);
    }
    return text;
}

} // namespace

StatusProgress::StatusProgress(std::ostream &out, std::chrono::milliseconds interval, Now now)
    : mOut(out), mInterval(interval), mNow(std::move(now))
{}

void StatusProgress::status(std::string_view text)
{
    mLatest = text;
    mLatestShown = false;
    if (!mAnyShown || stageOf(text) != mShownStage || mNow() - mLastShow >= mInterval) {
        show();
    }
}

void StatusProgress::finish()
{
    if (!mLatestShown) {
        show();
    }
    if (mAnyShown) {
        mOut << '\n' << std::flush;
    }
}

void StatusProgress::show()
{
    // Back to the line's start, the text, and the rest of the line cleared ("ESC [ K").
    mOut << '\r' << cp1252ToUtf8(mLatest) << "\x1b[K" << std::flush;
    mShownStage = stageOf(mLatest);
    mLatestShown = true;
    mAnyShown = true;
    mLastShow = mNow();
}

bool isTerminalStderr(const std::ostream &err)
{
    return err.rdbuf() == std::cerr.rdbuf() && ::isatty(STDERR_FILENO) == 1;
}

} // namespace kubato
