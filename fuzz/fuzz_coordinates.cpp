// Arbitrary bytes as a coordinate file: opening, the check for both data types, and the
// Workbench steps a user takes. The counts must agree with the lines the check saw.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/workbench.h"
#include "common/lines.h"
#include "input/coordinatelist.h"

using namespace kubato;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string text = coordinateTextFromFile(std::string(bytes));
    const std::size_t lines = splitLines(text).size();

    const CoordinateCheck da30 = checkCoordinates(text, CoordinateType::DA30);
    if (static_cast<std::size_t>(da30.pointCount) != lines) {
        std::abort();
    }
    const CoordinateCheck da45 = checkCoordinates(text, CoordinateType::DA45);
    if (da45.pointCount < static_cast<long>(lines) ||
        da45.pointCount > 2 * static_cast<long>(lines)) {
        std::abort();
    }
    // An accepted DA45 text has no partly given second point, so its count is exactly the
    // number of points the table will hold: one per line plus one per second number.
    if (da45.messages.empty()) {
        long points = 0;
        for (const auto line : splitLines(text)) {
            points += FixedLine(line).blank(43, 49) ? 1 : 2;
        }
        if (points != da45.pointCount) {
            std::abort();
        }
    }
    // Raw bytes, never opened, as a text view may also hold.
    checkCoordinates(bytes, CoordinateType::DA45);

    Workbench bench;
    bench.setCoordinateType(size % 2 == 0 ? CoordinateType::DA30 : CoordinateType::DA45);
    bench.loadCoordinateText(std::string(bytes.substr(0, 64)), std::string(bytes));
    const CheckOutcome outcome = bench.checkCoordinates();
    if (outcome.accepted != bench.messages().empty() ||
        outcome.accepted != bench.CoordinatesReady()) {
        std::abort();
    }
    return 0;
}
