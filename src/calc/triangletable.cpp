#include "calc/triangletable.h"

#include "common/lines.h"
#include "common/numbers.h"

namespace kubato {

TriangleTableFill fillTriangleTable(std::string_view text)
{
    TriangleTableFill fill;
    TTriangleTable &table = fill.table;
    bool firstSeen = false;
    std::int32_t currentKZ = 0;
    LineSplitter splitter(text);
    std::string_view raw;
    while (splitter.next(raw)) {
        const FixedLine line(raw);
        TTriangle first;
        first.kz = toInteger(line.columns(8, 9));
        first.number = toInteger(line.columns(17, 20));
        first.p1 = numberField(line, 23, 30);
        first.p2 = numberField(line, 33, 40);
        first.p3 = numberField(line, 43, 50);
        // Two columns of KZ and four of number keep the identifier well inside 32 bits.
        first.ident = first.kz * 100000 + first.number + 10000;

        const long index = static_cast<long>(table.size());
        if (!firstSeen) {
            currentKZ = first.kz;
            firstSeen = true;
        }
        if (first.kz != currentKZ && first.kz > 0) {
            currentKZ = first.kz;
            fill.upperCount = index;
        }

        // The fourth point field is seven columns wide; column 53 belongs to no field.
        const bool quadrilateral = !line.blank(54, 60);
        TTriangle second;
        if (quadrilateral) {
            second.kz = first.kz;
            second.number = first.number;
            second.p1 = first.p2;
            second.p2 = first.p3;
            second.p3 = numberField(line, 54, 60);
            second.ident = first.kz * 100000 + first.number + 20000;
        }
        table.push_back(std::move(first));
        if (quadrilateral) {
            table.push_back(std::move(second));
        }
    }
    return fill;
}

} // namespace kubato
