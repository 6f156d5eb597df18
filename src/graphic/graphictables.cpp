#include "graphic/graphictables.h"

#include <utility>

#include "common/numbers.h"

namespace kubato {

std::vector<GraphicPoint> graphicPoints(std::string_view text, CoordinateType type)
{
    std::vector<GraphicPoint> points;
    LineSplitter lines(text);
    std::string_view raw;
    while (lines.next(raw)) {
        const FixedLine line(raw);
        if (type == CoordinateType::DA30) {
            points.push_back({numberField(line, 14, 20), coordinateField(line, 51, 60),
                              coordinateField(line, 61, 70)});
            continue;
        }
        points.push_back({numberField(line, 3, 9), coordinateField(line, 11, 20),
                          coordinateField(line, 21, 30)});
        if (!line.blank(43, 49)) {
            points.push_back({numberField(line, 43, 49), coordinateField(line, 51, 60),
                              coordinateField(line, 61, 70)});
        }
    }
    return points;
}

bool GraphicTriangleReader::next(GraphicTriangle &triangle)
{
    if (mSecondPending) {
        mSecondPending = false;
        triangle = std::move(mSecond);
        return true;
    }
    std::string_view raw;
    if (!mLines.next(raw)) {
        return false;
    }
    const FixedLine line(raw);
    triangle.kz = toInteger(line.columns(8, 9));
    triangle.p1 = numberField(line, 24, 30);
    triangle.p2 = numberField(line, 34, 40);
    triangle.p3 = numberField(line, 44, 50);
    if (!line.blank(54, 60)) {
        mSecond.kz = triangle.kz;
        mSecond.p1 = triangle.p2;
        mSecond.p2 = triangle.p3;
        mSecond.p3 = numberField(line, 54, 60);
        mSecondPending = true;
    }
    return true;
}

} // namespace kubato
