#pragma once

// The points and triangles as the control graphic takes them from the accepted texts. Its
// number fields are one column narrower at their left end than the computation's: the DA30
// point number stands in columns 14-20 and the DA58 corners in 24-30, 34-40 and 44-50, so a
// number is at most 7 characters in every data type.
//
// Lines come from the common line splitting and are read through the 80-column buffer, so the
// graphic sees the lines that the checks counted; every line yields its entries, an empty one
// too. The tables are as long as the texts make them, whatever the counts say.

#include <string>
#include <string_view>
#include <vector>

#include "common/lines.h"
#include "input/coordinatelist.h"

namespace kubato {

// A point of the coordinate text. Its height is not drawn, so it is not kept.
struct GraphicPoint {
    PointNumber number; // blanks removed
    double y = 0.0;     // metres, grows to the right
    double x = 0.0;     // metres, grows upward
};

// DA30: one point per line, number 14-20, y 51-60, x 61-70.
// DA45: the first point 3-9, 11-20, 21-30; a second one 43-49, 51-60, 61-70 when its number
// columns are not all blank.
std::vector<GraphicPoint> graphicPoints(std::string_view text, CoordinateType type);

// A triangle of the triangle text: the horizon code of its line and its three corners.
struct GraphicTriangle {
    int kz = 0;
    PointNumber p1;
    PointNumber p2;
    PointNumber p3;
};

// Walks the triangles of a DA58 text in text order without building a table, since a mesh may
// hold millions of them. A line gives the triangle p1, p2, p3; when columns 54-60 are not all
// blank, it gives a second one p2, p3, p4 with the same KZ right after the first.
class GraphicTriangleReader {
public:
    explicit GraphicTriangleReader(std::string_view text) : mLines(text) {}
    // Gives the next triangle and returns true, or returns false at the end.
    bool next(GraphicTriangle &triangle);

private:
    LineSplitter mLines;
    bool mSecondPending = false;
    GraphicTriangle mSecond;
};

} // namespace kubato
