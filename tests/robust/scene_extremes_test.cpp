// The control graphic with extents at the ends of what a double holds. Whatever the values, the
// meshes stay inside the drawing area and every position is a plain pixel.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "calc/calcjobs.h"
#include "graphic/scene.h"

namespace kubato {
namespace {

// Keeps the corners of the mesh polygons (drawn with the navy or white pen; the arrowheads of
// the dimension lines use the black one).
class MeshSurface final : public DrawingSurface {
public:
    void fillRect(int, int, int, int, Rgb) override {}
    void setPen(Rgb colour) override { mPen = colour; }
    void setFill(Rgb) override {}
    void setNoFill() override {}
    void polygon(std::span<const PixelPoint> corners) override
    {
        if (!(mPen == BlackColour)) {
            meshCorners.insert(meshCorners.end(), corners.begin(), corners.end());
        }
    }
    void polyline(std::span<const PixelPoint>) override {}
    void text(PixelPoint, std::string_view) override {}

    std::vector<PixelPoint> meshCorners;

private:
    Rgb mPen;
};

TEST(SceneExtremes, MeshesStayInsideTheArea)
{
    const DrawingArea area{0, 41, 800, 559};
    struct Case {
        const char *name;
        const char *y2; // y of the second point, millimetres as written; x is taken the same
    };
    // An extent in the subnormal range of a double makes the scale overflow to infinity.
    const Case cases[] = {
        {"ordinary", "10000"},
        {"a thousandth of a millimetre", "0.001"},
        {"subnormal", "25e-310"},
        {"smallest subnormal", "5e-321"},
        {"largest value a field may hold", "9999999999"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string coords =
            test::textOf({test::da30Line("1", "0", "0", "0"), test::da30Line("2", c.y2, "0", "0"),
                          test::da30Line("3", "0", c.y2, "0")});
        const std::string triangles = test::textOf({test::da58Line(1, 1, "1", "2", "3")});
        for (const HorizonChoice choice :
             {HorizonChoice::Both, HorizonChoice::First, HorizonChoice::Second}) {
            MeshSurface surface;
            drawControlGraphic(surface, {coords, CoordinateType::DA30, triangles}, area,
                               {choice, true});
            for (const PixelPoint &p : surface.meshCorners) {
                EXPECT_GE(p.x, area.left);
                EXPECT_LE(p.x, area.left + area.width);
                EXPECT_GE(p.y, area.top);
                EXPECT_LE(p.y, area.bottom());
            }
            EXPECT_EQ(surface.meshCorners.size(), choice == HorizonChoice::Second ? 0u : 3u);
        }
    }
}

} // namespace
} // namespace kubato
