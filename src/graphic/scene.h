#pragma once

// The control graphic as a pure scene: from the accepted coordinate and triangle texts it
// draws the meshes of one or both horizons scaled into the drawing area, optionally with point
// numbers, a frame for a plane horizon and the extents dimensioned in metres. Every drawing
// reads both texts afresh and keeps nothing; the window calls it on every paint and click.

#include <string_view>

#include "graphic/drawingsurface.h"
#include "input/coordinatelist.h"

namespace kubato {

// The radio buttons RBtnBeide, RBtn1 and RBtn2.
enum class HorizonChoice { Both, First, Second };

struct GraphicChoices {
    HorizonChoice horizon = HorizonChoice::Both;
    bool pointNumbers = false; // CBoxPNr ticked
};

// The drawing area inside the window (the bevel below the tool bar), in window pixels.
struct DrawingArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int bottom() const { return top + height; }
};

// The texts as last accepted by their checks. The counts are not needed: the tables are as
// long as the texts make them.
struct GraphicTexts {
    std::string_view coordinateText;
    CoordinateType coordinateType = CoordinateType::DA30;
    std::string_view triangleText;
};

struct SceneOutcome {
    bool CBoxPNrEnabled = false;
};

// Point numbers are offered only when a single horizon is shown; a tick stays but has no
// effect while both are.
bool isCBoxPNrEnabled(HorizonChoice horizon);

// Draws the whole graphic and tells whether CBoxPNr is to be enabled.
//
// Where the texts leave a drawing without a sound position, it keeps to these rules:
// - a triangle with a corner whose number is not in the point table is not drawn (the
//   computation lists the missing coordinates);
// - a direction in which all points share one coordinate does not limit the scale; with both
//   extents zero the scale is 0 and everything stands in the middle of the area;
// - a drawing area of 70 pixels or less in a direction leaves no room there, the scale
//   becomes 0 and the picture shrinks to the middle of the area instead of turning over;
// - without any point only the background is drawn.
SceneOutcome drawControlGraphic(DrawingSurface &surface, const GraphicTexts &texts,
                                const DrawingArea &area, const GraphicChoices &choices);

// A dimension line between two pixels on one row (x1 < x2) or one column (y1 < y2), with an
// arrowhead at each end, in the current pen and fill. Shorter than 25 pixels there is no room
// for the line: only the arrowheads are drawn, outside the ends and pointing at them. Any
// other pair of pixels draws nothing.
void DrawDimensionLine(DrawingSurface &surface, int x1, int y1, int x2, int y2);

} // namespace kubato
