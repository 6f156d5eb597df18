#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "common/cp1252.h"
#include "statusprogress.h"

namespace kubato {
namespace {

using namespace std::chrono_literals;

// A stage begins: shown at once. Progress within it: shown at most once per interval. The
// last text: shown at the end if it was held back, then the line is ended.
TEST(StatusProgress, ShowsStagesAtOnceAndProgressThrottled)
{
    StatusProgress::TimePoint now{};
    std::ostringstream out;
    StatusProgress progress(out, 200ms, [&] { return now; });
    const auto shown = [](const std::string &text) { return "\r" + text + "\x1b[K"; };

    progress.status("4/6  Sortieren der Dreieckspunkte");
    progress.status("5/6  Untersuchung auf doppelte Dreiecke");
    progress.status("5/6  Untersuchung auf doppelte Dreiecke : 100 von 500 geprüft"_cp);
    now += 150ms;
    progress.status("5/6  Untersuchung auf doppelte Dreiecke : 200 von 500 geprüft"_cp);
    now += 60ms;
    progress.status("5/6  Untersuchung auf doppelte Dreiecke : 300 von 500 geprüft"_cp);
    progress.status("5/6  Untersuchung auf doppelte Dreiecke : 400 von 500 geprüft"_cp);
    progress.finish();

    EXPECT_EQ(out.str(),
              shown("4/6  Sortieren der Dreieckspunkte") +
                  shown("5/6  Untersuchung auf doppelte Dreiecke") +
                  shown("5/6  Untersuchung auf doppelte Dreiecke : 300 von 500 geprüft") +
                  shown("5/6  Untersuchung auf doppelte Dreiecke : 400 von 500 geprüft") + "\n");
}

TEST(StatusProgress, NothingShownNothingWritten)
{
    std::ostringstream out;
    StatusProgress progress(out);
    progress.finish();
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(isTerminalStderr(out));
}

} // namespace
} // namespace kubato
