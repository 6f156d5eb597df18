#pragma once

// The status line of a run on a terminal: kubato-cli shows the run's status texts on stderr
// while it computes, each overwriting the one before on the same line. A large job gives tens
// of thousands of progress texts; writing each would cost more than it tells, so a text is
// shown when its stage begins and otherwise at most once per interval, and the last one is
// always shown at the end.

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "calc/runobserver.h"

namespace kubato {

class StatusProgress final : public RunObserver {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Now = std::function<TimePoint()>;

    explicit StatusProgress(std::ostream &out,
                            std::chrono::milliseconds interval = std::chrono::milliseconds(200),
                            Now now = std::chrono::steady_clock::now);

    void status(std::string_view text) override;
    // Shows the last text if it has not been shown, and ends the line.
    void finish();

private:
    void show();

    std::ostream &mOut;
    std::chrono::milliseconds mInterval;
    Now mNow;
    std::string mLatest;     // Windows-1252
    std::string mShownStage; // the stage of the text shown last
    bool mLatestShown = true;
    bool mAnyShown = false;
    TimePoint mLastShow{};
};

// True when err is the process's standard error and that is a terminal.
bool isTerminalStderr(const std::ostream &err);

} // namespace kubato
