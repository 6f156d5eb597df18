#pragma once

// The computation run: from a coordinate text, a triangle text and the DA57/DA59 values to the
// protocol list, the result list and the total volume, through six stages. The run depends on
// nothing but its input; it reports its stages through an observer and shows its one message
// box (no case of computation) through the platform's port.

#include <optional>
#include <string>
#include <string_view>

#include "calc/pointtable.h"
#include "calc/resultlist.h"
#include "calc/runobserver.h"
#include "calc/runsearches.h"
#include "calc/triangletable.h"
#include "common/textlist.h"
#include "input/controlvalues.h"
#include "input/coordinatelist.h"
#include "platform/clock.h"
#include "platform/messagebox.h"

namespace kubato {

struct RunInput {
    std::string_view coordinateText;
    CoordinateType coordinateType = CoordinateType::DA30;
    std::string_view triangleText;
    TCalcParams params;
    Date date; // the run date of the list heads
    // The tables as the checks of these very texts filled them, if they did; the run takes
    // them instead of reading the texts once more.
    std::optional<TPointTable> pointTable;
    std::optional<TriangleTableFill> triangleTable;
};

struct RunOutcome {
    TextList protocol;
    TextList result;
    CalcCase calcCase = 0;
    double KOBHVol = 0;
    double TotalVolume = 0;
    bool CoordMissing = false;
    std::string VolLabel;     // " Volumen = %.3lf m3"
    std::string ErrLabel;     // the error text when coordinates were missing, else empty
    std::string BerDreiSText; // the last status text
};

// The text and caption of the message box when no case applies.
std::string_view noCaseRunMessage();
inline constexpr std::string_view MessageCaption = "  Meldung";

// Runs the six stages on the texts as given. The tables are sized by what the texts yield, so
// any text is safe; the counts the lists print are those of the tables, which for checked
// texts are the counts of their checks.
RunOutcome runCalculation(RunInput input, MessageBox &messageBox, RunObserver *observer = nullptr);
RunOutcome runCalculation(RunInput input, MessageBox &messageBox, RunObserver *observer,
                          const RunSearches &searches);

} // namespace kubato
