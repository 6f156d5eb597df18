#include "calc/pointtable.h"

#include "common/largememory.h"
#include "common/lines.h"

namespace kubato {

namespace {

TPoint pointAt(const FixedLine &line, int numberFrom, int numberTo, int valuesFrom)
{
    return {numberField(line, numberFrom, numberTo),
            coordinateField(line, valuesFrom, valuesFrom + 9),
            coordinateField(line, valuesFrom + 10, valuesFrom + 19),
            coordinateField(line, valuesFrom + 20, valuesFrom + 29)};
}

// The number of points the text gives, so that the table is made once at its full size.
std::size_t pointCountOf(std::string_view text, CoordinateType type)
{
    std::size_t count = 0;
    LineSplitter splitter(text);
    std::string_view raw;
    while (splitter.next(raw)) {
        count += type == CoordinateType::DA45 && !FixedLine(raw).blank(43, 49) ? 2 : 1;
    }
    return count;
}

} // namespace

TPointTable fillPointTable(std::string_view text, CoordinateType type)
{
    TPointTable table;
    table.reserve(pointCountOf(text, type));
    prefaultPages(table.data(), table.capacity() * sizeof(TPoint));
    LineSplitter splitter(text);
    std::string_view raw;
    while (splitter.next(raw)) {
        const FixedLine line(raw);
        if (type == CoordinateType::DA30) {
            table.push_back(pointAt(line, 13, 20, 51));
            continue;
        }
        table.push_back(pointAt(line, 3, 9, 11));
        if (!line.blank(43, 49)) {
            table.push_back(pointAt(line, 43, 49, 51));
        }
    }
    return table;
}

} // namespace kubato
