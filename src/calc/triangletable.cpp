#include "calc/triangletable.h"

#include "common/largememory.h"
#include "common/lines.h"
#include "common/numbers.h"

namespace kubato {

namespace {

// The number of triangles the text gives, so that the table is made once at its full size:
// grown step by step, a table of millions of triangles would be copied again and again and
// would need half as much memory again while it moves.
std::size_t triangleCountOf(std::string_view text)
{
    std::size_t count = 0;
    LineSplitter splitter(text);
    std::string_view raw;
    while (splitter.next(raw)) {
        count += FixedLine(raw).blank(54, 60) ? 1 : 2;
    }
    return count;
}

} // namespace

TriangleTableFill fillTriangleTable(std::string_view text)
{
    TriangleTableFill fill;
    TTriangleTable &table = fill.table;
    table.reserve(triangleCountOf(text));
    prefaultPages(table.data(), table.capacity() * sizeof(TTriangle));
    bool firstSeen = false;
    std::int32_t currentKZ = 0;
    LineSplitter splitter(text);
    std::string_view raw;
    while (splitter.next(raw)) {
        const FixedLine line(raw);
        // Filled in place: the table holds millions of entries, and every text moved into it
        // afterwards would be one more copy.
        const std::size_t index = table.size();
        TTriangle &first = table.emplace_back();
        first.kz = toInteger(line.columns(8, 9));
        first.number = toInteger(line.columns(17, 20));
        first.p1 = numberField(line, 23, 30);
        first.p2 = numberField(line, 33, 40);
        first.p3 = numberField(line, 43, 50);
        // Two columns of KZ and four of number keep the identifier well inside 32 bits.
        first.ident = first.kz * 100000 + first.number + 10000;

        if (!firstSeen) {
            currentKZ = first.kz;
            firstSeen = true;
        }
        if (first.kz != currentKZ && first.kz > 0) {
            currentKZ = first.kz;
            fill.upperCount = static_cast<long>(index);
        }

        // The fourth point field is seven columns wide; column 53 belongs to no field.
        if (!line.blank(54, 60)) {
            TTriangle &second = table.emplace_back();
            // The first entry is fetched again: adding the second may have moved it.
            const TTriangle &firstAgain = table[index];
            second.kz = firstAgain.kz;
            second.number = firstAgain.number;
            second.p1 = firstAgain.p2;
            second.p2 = firstAgain.p3;
            second.p3 = numberField(line, 54, 60);
            second.ident = firstAgain.kz * 100000 + firstAgain.number + 20000;
        }
    }
    return fill;
}

} // namespace kubato
