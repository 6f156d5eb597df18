#include "calc/pointtable.h"

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

} // namespace

TPointTable fillPointTable(std::string_view text, CoordinateType type)
{
    TPointTable table;
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
