// Arbitrary bytes as a triangle file: opening and the check, alone and through the
// Workbench. The count lies between one and two triangles a line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/workbench.h"
#include "common/cp1252.h"
#include "common/lines.h"
#include "input/trianglemesh.h"

using namespace kubato;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string text = triangleTextFromFile(std::string(bytes));
    const long lines = static_cast<long>(splitLines(text).size());
    if (lines != static_cast<long>(splitLines(loadedTextToCp1252(std::string(bytes))).size())) {
        std::abort();
    }
    const TriangleCheck check = checkTriangles(text);
    if (check.hasLines != (lines > 0)) {
        std::abort();
    }
    if (check.hasLines && (check.triangleCount < lines || check.triangleCount > 2 * lines)) {
        std::abort();
    }
    if (check.hasLines && (check.kzo.size() != 2 || check.zdzo != "0")) {
        std::abort();
    }

    Workbench bench;
    bench.setTriangleText(bytes);
    const CheckOutcome outcome = bench.checkTriangles();
    if (outcome.accepted != bench.messages().empty() ||
        outcome.accepted != bench.TrianglesReady()) {
        std::abort();
    }
    return 0;
}
