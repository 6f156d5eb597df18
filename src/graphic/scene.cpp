#include "graphic/scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "common/cp1252.h"
#include "common/format.h"
#include "graphic/graphictables.h"
#include "graphic/pointlookup.h"

namespace kubato {

namespace {

// The drawn extent keeps 35 pixels from each edge in the direction that limits the scale.
constexpr int Margin = 70;

// Every pixel of a sound picture lies within the drawing area; this bound only keeps
// coordinates that read as infinite from overflowing the integer arithmetic.
constexpr double PixelLimit = 1.0e6;

// Truncates toward zero, as the positions are whole pixels; NaN becomes 0.
int toPixel(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(value, -PixelLimit, PixelLimit));
}

struct Extent {
    double yMin = 0.0;
    double yMax = 0.0;
    double xMin = 0.0;
    double xMax = 0.0;

    double dy() const { return yMax - yMin; }
    double dx() const { return xMax - xMin; }
};

// All points count, also those no triangle uses; the table must not be empty.
Extent extentOf(const std::vector<GraphicPoint> &points)
{
    Extent e{points.front().y, points.front().y, points.front().x, points.front().x};
    for (const GraphicPoint &p : points) {
        e.yMin = std::min(e.yMin, p.y);
        e.yMax = std::max(e.yMax, p.y);
        e.xMin = std::min(e.xMin, p.x);
        e.xMax = std::max(e.xMax, p.x);
    }
    return e;
}

// Pixels per metre that one direction allows, or nothing when the extent there is zero (or too
// small to give a finite scale) and so sets no limit. An area of Margin pixels or less allows no
// room at all.
std::optional<double> directionScale(int size, double delta)
{
    if (!(delta > 0.0)) {
        return std::nullopt;
    }
    const double scale = (std::max(size, Margin) - Margin) / delta;
    if (!std::isfinite(scale)) {
        return std::nullopt;
    }
    return scale;
}

double scaleFor(const Extent &extent, const DrawingArea &area)
{
    const std::optional<double> sy = directionScale(area.width, extent.dy());
    const std::optional<double> sx = directionScale(area.height, extent.dx());
    if (sy && sx) {
        return *sy < *sx ? *sy : *sx;
    }
    if (sy) {
        return *sy;
    }
    if (sx) {
        return *sx;
    }
    return 0.0;
}

// Scale and offsets of a drawing. The offsets centre the extent in the area; the second
// horizon is drawn 2 pixels right of and below the first.
class Placement {
public:
    Placement(const Extent &extent, const DrawingArea &area)
        : mExtent(extent), mLeft(area.left), mBottom(area.bottom()), mScale(scaleFor(extent, area)),
          mOxExact((area.width - extent.dy() * mScale) * 0.5),
          mOyExact((area.height - extent.dx() * mScale) * 0.5), mOx(toPixel(mOxExact)),
          mOy(toPixel(mOyExact))
    {}

    void shiftToSecondHorizon()
    {
        mOx = toPixel(mOxExact + 2.0);
        mOy = toPixel(mOyExact - 2.0);
    }

    PixelPoint pixel(const GraphicPoint &p) const
    {
        return {mLeft + toPixel((p.y - mExtent.yMin) * mScale + mOx),
                mBottom - toPixel((p.x - mExtent.xMin) * mScale + mOy)};
    }

    int ox() const { return mOx; }
    int oy() const { return mOy; }
    // The drawn extents in pixels.
    int yLength() const { return toPixel(mExtent.dy() * mScale); }
    int xLength() const { return toPixel(mExtent.dx() * mScale); }

private:
    Extent mExtent;
    int mLeft;
    int mBottom;
    double mScale;
    double mOxExact;
    double mOyExact;
    int mOx;
    int mOy;
};

// The white rectangle 2 pixels around the drawn extent that stands for a horizon which is a
// level plane at a fixed height instead of a mesh.
void drawPlaneFrame(DrawingSurface &surface, const Placement &place, const DrawingArea &area)
{
    const int left = area.left + place.ox() - 2;
    const int right = area.left + place.ox() + place.yLength() + 2;
    const int top = area.bottom() - place.oy() - place.xLength() - 2;
    const int bottom = area.bottom() - place.oy() + 2;
    surface.setPen(WhiteColour);
    const std::array<PixelPoint, 5> frame{
        {{left, top}, {left, bottom}, {right, bottom}, {right, top}, {left, top}}};
    surface.polyline(frame);
    surface.setNoFill();
    surface.text({left + 5, top + 5}, " NN-Höhe "_cp);
}

void drawDimensions(DrawingSurface &surface, const Placement &place, const DrawingArea &area,
                    const Extent &extent)
{
    const int left = area.left + place.ox();
    const int bottom = area.bottom() - place.oy();
    const int yLength = place.yLength();
    const int xLength = place.xLength();

    surface.setFill(SilverColour);
    surface.setPen(BlackColour);

    DrawDimensionLine(surface, left, bottom + 20, left + yLength, bottom + 20);
    surface.text({left + yLength - 5, bottom + 5}, "Y");
    surface.setFill(YellowColour);
    surface.text({left + yLength / 2 - 30, bottom + 15}, format(" %.1f m ", extent.dy()));
    surface.setFill(SilverColour);

    DrawDimensionLine(surface, left - 20, bottom - xLength, left - 20, bottom);
    surface.text({left - 15, bottom - xLength - 5}, "X");
    surface.setFill(YellowColour);
    surface.text({left - 30, bottom - xLength / 2}, format(" %.1f m ", extent.dx()));
}

void arrowhead(DrawingSurface &surface, PixelPoint tip, PixelPoint a, PixelPoint b)
{
    const std::array<PixelPoint, 3> corners{tip, a, b};
    surface.polygon(corners);
}

} // namespace

bool isCBoxPNrEnabled(HorizonChoice horizon)
{
    return horizon != HorizonChoice::Both;
}

SceneOutcome drawControlGraphic(DrawingSurface &surface, const GraphicTexts &texts,
                                const DrawingArea &area, const GraphicChoices &choices)
{
    const SceneOutcome outcome{isCBoxPNrEnabled(choices.horizon)};
    const bool both = choices.horizon == HorizonChoice::Both;

    // One pixel inside the bevel frame, whose lines lie on the area's edges.
    if (area.width > 2 && area.height > 2) {
        surface.fillRect(area.left + 1, area.top + 1, area.left + area.width - 1, area.bottom() - 1,
                         SilverColour);
    }
    surface.setNoFill();
    surface.setPen(NavyColour);

    const std::vector<GraphicPoint> points =
        graphicPoints(texts.coordinateText, texts.coordinateType);
    if (points.empty()) {
        return outcome;
    }
    const Extent extent = extentOf(points);
    Placement place(extent, area);
    const PointLookup lookup(points);

    int horizon = 1;
    std::optional<int> firstKz;
    GraphicTriangleReader reader(texts.triangleText);
    GraphicTriangle triangle;
    while (reader.next(triangle)) {
        if (!firstKz) {
            firstKz = triangle.kz;
        }
        // The first KZ stays the reference: every later triangle of another positive KZ
        // switches again, and the drawing never returns to the first horizon. A KZ of 0 or
        // less never switches.
        if (triangle.kz != *firstKz && triangle.kz > 0) {
            surface.setPen(WhiteColour);
            place.shiftToSecondHorizon();
            horizon = 2;
        }
        if (choices.horizon == HorizonChoice::First && horizon == 2) {
            break;
        }
        if (choices.horizon == HorizonChoice::Second && horizon == 1) {
            continue;
        }
        const std::optional<std::size_t> c1 = lookup.find(triangle.p1);
        const std::optional<std::size_t> c2 = lookup.find(triangle.p2);
        const std::optional<std::size_t> c3 = lookup.find(triangle.p3);
        if (!c1 || !c2 || !c3) {
            continue;
        }
        const std::array<const GraphicPoint *, 3> corners{&points[*c1], &points[*c2], &points[*c3]};
        const std::array<PixelPoint, 3> pixels{place.pixel(*corners[0]), place.pixel(*corners[1]),
                                               place.pixel(*corners[2])};
        if (!both) {
            surface.setFill(LightGreenColour);
        }
        surface.polygon(pixels);
        if (choices.pointNumbers && !both) {
            surface.setNoFill();
            for (std::size_t i = 0; i < corners.size(); ++i) {
                surface.text(pixels[i], corners[i]->number);
            }
        }
    }

    if (choices.horizon != HorizonChoice::First && horizon == 1) {
        drawPlaneFrame(surface, place, area);
    }
    // With the offsets as the meshes left them, so after a change of horizon the dimension
    // lines stand 2 pixels right and below, with the second horizon.
    drawDimensions(surface, place, area, extent);
    return outcome;
}

void DrawDimensionLine(DrawingSurface &surface, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 < y2) {
        if (y2 - y1 >= 25) {
            const std::array<PixelPoint, 2> line{{{x1, y1}, {x2, y2}}};
            surface.polyline(line);
            arrowhead(surface, {x1, y1}, {x1 + 4, y1 + 11}, {x1 - 4, y1 + 11});
            arrowhead(surface, {x2, y2}, {x2 + 4, y2 - 11}, {x2 - 4, y2 - 11});
        } else {
            arrowhead(surface, {x1, y2}, {x1 + 4, y2 + 11}, {x1 - 4, y2 + 11});
            arrowhead(surface, {x1, y1}, {x1 + 4, y1 - 11}, {x1 - 4, y1 - 11});
        }
    } else if (y1 == y2 && x1 < x2) {
        if (x2 - x1 >= 25) {
            const std::array<PixelPoint, 2> line{{{x1, y1}, {x2, y2}}};
            surface.polyline(line);
            arrowhead(surface, {x1, y1}, {x1 + 11, y1 + 4}, {x1 + 11, y1 - 4});
            arrowhead(surface, {x2, y1}, {x2 - 11, y1 + 4}, {x2 - 11, y1 - 4});
        } else {
            arrowhead(surface, {x2, y1}, {x2 + 11, y1 + 4}, {x2 + 11, y1 - 4});
            arrowhead(surface, {x1, y1}, {x1 - 11, y1 + 4}, {x1 - 11, y1 - 4});
        }
    }
}

} // namespace kubato
