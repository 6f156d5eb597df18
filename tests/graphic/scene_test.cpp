#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/cp1252.h"
#include "common/format.h"
#include "common/lines.h"
#include "graphic/scene.h"
#include "recordingsurface.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

using test::fillRectLine;
using test::polygonLine;
using test::polylineLine;
using test::RecordingSurface;
using test::textLine;

// Four points on a rectangle 100 m wide (y) and 50 m high (x). In the area below the width
// limits the scale to 2 pixels per metre, the offsets are 35 and 60, and the corners land on
// 1 (45,180), 2 (245,180), 3 (45,80), 4 (245,80); the second horizon 2 pixels right and down.
constexpr DrawingArea Area{10, 20, 270, 220};
constexpr PixelPoint P1{45, 180}, P2{245, 180}, P3{45, 80}, P4{245, 80};
constexpr PixelPoint S1{47, 182}, S2{247, 182}, S3{47, 82}, S4{247, 82};

std::string point30(const char *number, int yMetres, int xMetres)
{
    return ColumnLine()
        .at(1, "3023")
        .right(20, number)
        .right(60, std::to_string(yMetres * 1000))
        .right(70, std::to_string(xMetres * 1000))
        .right(80, "1000")
        .str();
}

std::string lines(std::initializer_list<std::string> all)
{
    std::string text;
    for (const auto &line : all) {
        text += line + "\r\n";
    }
    return text;
}

const std::string FourPoints = lines({point30("1", 1000, 2000), point30("2", 1100, 2000),
                                      point30("3", 1000, 2050), point30("4", 1100, 2050)});

std::string tri(const char *kz, const char *p1, const char *p2, const char *p3, const char *p4 = "")
{
    return ColumnLine()
        .at(1, "58")
        .at(8, kz)
        .right(20, "1")
        .right(30, p1)
        .right(40, p2)
        .right(50, p3)
        .right(60, p4)
        .str();
}

struct Drawn {
    RecordingSurface surface;
    SceneOutcome outcome;
};

Drawn draw(const std::string &points, const std::string &triangles, GraphicChoices choices,
           DrawingArea area = Area, CoordinateType type = CoordinateType::DA30)
{
    Drawn d;
    d.outcome = drawControlGraphic(d.surface, {points, type, triangles}, area, choices);
    return d;
}

// The dimensioning: black lines and arrowheads, and the labels on silver or yellow.
bool isDimension(const std::string &line)
{
    return line.starts_with("polygon black/") || line.starts_with("polyline black") ||
           line.find(" on silver [") != std::string::npos ||
           line.find(" on yellow [") != std::string::npos;
}

// What lies between the background and the dimensioning: meshes, point numbers and the frame.
std::vector<std::string> picture(const RecordingSurface &s)
{
    std::vector<std::string> out;
    for (const std::string &line : s.lines) {
        if (!isDimension(line) && !line.starts_with("fillRect")) {
            out.push_back(line);
        }
    }
    return out;
}

std::vector<std::string> dimensions(const RecordingSurface &s)
{
    std::vector<std::string> out;
    for (const std::string &line : s.lines) {
        if (isDimension(line)) {
            out.push_back(line);
        }
    }
    return out;
}

const std::string NNFrame =
    polylineLine(WhiteColour, {{43, 78}, {43, 182}, {247, 182}, {247, 78}, {43, 78}});
const std::string NNText = textLine({48, 83}, std::nullopt, " NN-Höhe "_cp);

TEST(ControlGraphic, OneHorizonWithBothHorizonsChosenDrawsEverything)
{
    const Drawn d = draw(FourPoints, tri("23", "1", "2", "3", "4"), {HorizonChoice::Both, false});
    const std::vector<std::string> expected = {
        fillRectLine(11, 21, 279, 239, SilverColour),
        polygonLine(NavyColour, std::nullopt, {P1, P2, P3}),
        polygonLine(NavyColour, std::nullopt, {P2, P3, P4}),
        NNFrame,
        NNText,
        polylineLine(BlackColour, {{45, 200}, {245, 200}}),
        polygonLine(BlackColour, SilverColour, {{45, 200}, {56, 204}, {56, 196}}),
        polygonLine(BlackColour, SilverColour, {{245, 200}, {234, 204}, {234, 196}}),
        textLine({240, 185}, SilverColour, "Y"),
        textLine({115, 195}, YellowColour, " 100.0 m "),
        polylineLine(BlackColour, {{25, 80}, {25, 180}}),
        polygonLine(BlackColour, SilverColour, {{25, 80}, {29, 91}, {21, 91}}),
        polygonLine(BlackColour, SilverColour, {{25, 180}, {29, 169}, {21, 169}}),
        textLine({30, 75}, SilverColour, "X"),
        textLine({15, 130}, YellowColour, " 50.0 m "),
    };
    EXPECT_EQ(d.surface.lines, expected);
    EXPECT_FALSE(d.outcome.CBoxPNrEnabled);
}

TEST(ControlGraphic, HorizonSwitchingByChoice)
{
    const auto navy = [](PixelPoint a, PixelPoint b, PixelPoint c) {
        return polygonLine(NavyColour, std::nullopt, {a, b, c});
    };
    const auto white = [](PixelPoint a, PixelPoint b, PixelPoint c) {
        return polygonLine(WhiteColour, std::nullopt, {a, b, c});
    };
    const auto navyFilled = [](PixelPoint a, PixelPoint b, PixelPoint c) {
        return polygonLine(NavyColour, LightGreenColour, {a, b, c});
    };
    const auto whiteFilled = [](PixelPoint a, PixelPoint b, PixelPoint c) {
        return polygonLine(WhiteColour, LightGreenColour, {a, b, c});
    };
    const std::string oneKz = tri("23", "1", "2", "3", "4");
    const std::string twoKz = lines({tri("23", "1", "2", "3"), tri("25", "2", "4", "3")});
    const std::string kzZero =
        lines({tri("23", "1", "2", "3"), tri(" 0", "2", "4", "3"), tri("25", "1", "2", "4"),
               tri(" 0", "1", "3", "4"), tri("-5", "1", "2", "3")});
    const std::string firstKzAgain =
        lines({tri("23", "1", "2", "3"), tri("25", "2", "4", "3"), tri("23", "1", "2", "4")});
    const std::string startsWithZero = lines({tri(" 0", "1", "2", "3"), tri("23", "2", "4", "3")});

    struct Case {
        const char *name;
        std::string triangles;
        HorizonChoice choice;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {"one KZ, both",
         oneKz,
         HorizonChoice::Both,
         {navy(P1, P2, P3), navy(P2, P3, P4), NNFrame, NNText}},
        {"one KZ, first",
         oneKz,
         HorizonChoice::First,
         {navyFilled(P1, P2, P3), navyFilled(P2, P3, P4)}},
        {"one KZ, second", oneKz, HorizonChoice::Second, {NNFrame, NNText}},
        {"two KZ, both", twoKz, HorizonChoice::Both, {navy(P1, P2, P3), white(S2, S4, S3)}},
        {"two KZ, first", twoKz, HorizonChoice::First, {navyFilled(P1, P2, P3)}},
        {"two KZ, second", twoKz, HorizonChoice::Second, {whiteFilled(S2, S4, S3)}},
        {"KZ 0 or less keeps the current horizon, both",
         kzZero,
         HorizonChoice::Both,
         {navy(P1, P2, P3), navy(P2, P4, P3), white(S1, S2, S4), white(S1, S3, S4),
          white(S1, S2, S3)}},
        {"KZ 0 or less keeps the current horizon, first",
         kzZero,
         HorizonChoice::First,
         {navyFilled(P1, P2, P3), navyFilled(P2, P4, P3)}},
        {"KZ 0 or less keeps the current horizon, second",
         kzZero,
         HorizonChoice::Second,
         {whiteFilled(S1, S2, S4), whiteFilled(S1, S3, S4), whiteFilled(S1, S2, S3)}},
        {"first KZ after the change, both",
         firstKzAgain,
         HorizonChoice::Both,
         {navy(P1, P2, P3), white(S2, S4, S3), white(S1, S2, S4)}},
        {"first KZ after the change, first",
         firstKzAgain,
         HorizonChoice::First,
         {navyFilled(P1, P2, P3)}},
        {"first KZ after the change, second",
         firstKzAgain,
         HorizonChoice::Second,
         {whiteFilled(S2, S4, S3), whiteFilled(S1, S2, S4)}},
        {"first KZ 0, then a positive one",
         startsWithZero,
         HorizonChoice::Both,
         {navy(P1, P2, P3), white(S2, S4, S3)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn d = draw(FourPoints, c.triangles, {c.choice, false});
        EXPECT_EQ(picture(d.surface), c.picture);
    }
}

TEST(ControlGraphic, DimensionsUseTheOffsetsTheMeshesLeft)
{
    const std::string twoKz = lines({tri("23", "1", "2", "3"), tri("25", "2", "4", "3")});
    struct Case {
        const char *name;
        std::string triangles;
        HorizonChoice choice;
        PixelPoint y;
    };
    // The second horizon was met even when drawing stopped there.
    const Case cases[] = {
        {"one KZ", tri("23", "1", "2", "3"), HorizonChoice::Both, {240, 185}},
        {"two KZ, both", twoKz, HorizonChoice::Both, {242, 187}},
        {"two KZ, first", twoKz, HorizonChoice::First, {242, 187}},
        {"two KZ, second", twoKz, HorizonChoice::Second, {242, 187}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto texts = draw(FourPoints, c.triangles, {c.choice, false}).surface.only("text");
        EXPECT_NE(std::find(texts.begin(), texts.end(), textLine(c.y, SilverColour, "Y")),
                  texts.end());
    }
}

TEST(ControlGraphic, PointNumbersOnlyWithOneHorizonShown)
{
    const std::string twoKz = lines({tri("23", "1", "2", "3", "4"), tri("25", "2", "4", "3")});
    const auto number = [](PixelPoint at, const char *text) {
        return textLine(at, std::nullopt, text);
    };
    struct Case {
        const char *name;
        HorizonChoice choice;
        bool enabled;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {"both: not offered, the tick has no effect",
         HorizonChoice::Both,
         false,
         {polygonLine(NavyColour, std::nullopt, {P1, P2, P3}),
          polygonLine(NavyColour, std::nullopt, {P2, P3, P4}),
          polygonLine(WhiteColour, std::nullopt, {S2, S4, S3})}},
        {"first: each triangle filled again after its numbers",
         HorizonChoice::First,
         true,
         {polygonLine(NavyColour, LightGreenColour, {P1, P2, P3}), number(P1, "1"), number(P2, "2"),
          number(P3, "3"), polygonLine(NavyColour, LightGreenColour, {P2, P3, P4}), number(P2, "2"),
          number(P3, "3"), number(P4, "4")}},
        {"second: numbers at the shifted corners",
         HorizonChoice::Second,
         true,
         {polygonLine(WhiteColour, LightGreenColour, {S2, S4, S3}), number(S2, "2"),
          number(S4, "4"), number(S3, "3")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn d = draw(FourPoints, twoKz, {c.choice, true});
        EXPECT_EQ(d.outcome.CBoxPNrEnabled, c.enabled);
        EXPECT_EQ(picture(d.surface), c.picture);
    }
}

TEST(ControlGraphic, ScaleLimitedByWidthOrHeight)
{
    struct Case {
        const char *name;
        DrawingArea area;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        // 2 px/m across 200 px: 35 from left and right, centred top to bottom (60 each).
        {"width", Area, {polygonLine(NavyColour, LightGreenColour, {P1, P4, P2})}},
        // 3 px/m across 150 px: 35 from top and bottom, centred left to right (85.5 each).
        {"height",
         {10, 20, 471, 220},
         {polygonLine(NavyColour, LightGreenColour, {{95, 205}, {395, 55}, {395, 205}})}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn d =
            draw(FourPoints, tri("23", "1", "4", "2"), {HorizonChoice::First, false}, c.area);
        EXPECT_EQ(picture(d.surface), c.picture);
    }
}

TEST(DrawDimensionLine, LineWithArrowsOrArrowsPointingInward)
{
    struct Case {
        const char *name;
        int x1, y1, x2, y2;
        std::vector<std::string> lines;
    };
    const auto arrow = [](PixelPoint a, PixelPoint b, PixelPoint c) {
        return polygonLine(BlackColour, SilverColour, {a, b, c});
    };
    const Case cases[] = {
        {"horizontal, 25 pixels",
         0,
         0,
         25,
         0,
         {polylineLine(BlackColour, {{0, 0}, {25, 0}}), arrow({0, 0}, {11, 4}, {11, -4}),
          arrow({25, 0}, {14, 4}, {14, -4})}},
        {"horizontal, 24 pixels",
         0,
         0,
         24,
         0,
         {arrow({24, 0}, {35, 4}, {35, -4}), arrow({0, 0}, {-11, 4}, {-11, -4})}},
        {"vertical, 25 pixels",
         5,
         10,
         5,
         35,
         {polylineLine(BlackColour, {{5, 10}, {5, 35}}), arrow({5, 10}, {9, 21}, {1, 21}),
          arrow({5, 35}, {9, 24}, {1, 24})}},
        {"vertical, 24 pixels",
         5,
         10,
         5,
         34,
         {arrow({5, 34}, {9, 45}, {1, 45}), arrow({5, 10}, {9, -1}, {1, -1})}},
        {"right to left", 25, 0, 0, 0, {}},
        {"bottom to top", 5, 35, 5, 10, {}},
        {"one pixel", 5, 5, 5, 5, {}},
        {"slanted", 0, 0, 30, 30, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface s;
        s.setPen(BlackColour);
        s.setFill(SilverColour);
        DrawDimensionLine(s, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(s.lines, c.lines);
    }
}

TEST(ControlGraphic, ShortExtentIsDimensionedWithoutLine)
{
    // 8 m by 50 m: the height limits the scale to 3 px/m, the y extent is 24 pixels.
    const std::string points = lines({point30("1", 1000, 2000), point30("2", 1008, 2050)});
    const Drawn d = draw(points, tri("23", "1", "2", "1"), {HorizonChoice::First, false});
    const std::vector<std::string> expected = {
        polygonLine(BlackColour, SilverColour, {{157, 225}, {168, 229}, {168, 221}}),
        polygonLine(BlackColour, SilverColour, {{133, 225}, {122, 229}, {122, 221}}),
        textLine({152, 210}, SilverColour, "Y"),
        textLine({115, 220}, YellowColour, " 8.0 m "),
        polylineLine(BlackColour, {{113, 55}, {113, 205}}),
        polygonLine(BlackColour, SilverColour, {{113, 55}, {117, 66}, {109, 66}}),
        polygonLine(BlackColour, SilverColour, {{113, 205}, {117, 194}, {109, 194}}),
        textLine({118, 50}, SilverColour, "X"),
        textLine({103, 130}, YellowColour, " 50.0 m "),
    };
    EXPECT_EQ(dimensions(d.surface), expected);
}

TEST(ControlGraphic, TriangleWithMissingCornerIsLeftOut)
{
    // Without a position for point 99 the triangle is not drawn at all, neither with the
    // corner of the triangle before it nor with its numbers; the ones after it are unharmed.
    const std::string triangles = lines(
        {tri("23", "1", "2", "3", "98"), tri("23", "1", "99", "3"), tri("23", "2", "4", "3")});
    const Drawn d = draw(FourPoints, triangles, {HorizonChoice::First, true});
    const std::vector<std::string> expected = {
        polygonLine(NavyColour, LightGreenColour, {P1, P2, P3}),
        textLine(P1, std::nullopt, "1"),
        textLine(P2, std::nullopt, "2"),
        textLine(P3, std::nullopt, "3"),
        polygonLine(NavyColour, LightGreenColour, {P2, P4, P3}),
        textLine(P2, std::nullopt, "2"),
        textLine(P4, std::nullopt, "4"),
        textLine(P3, std::nullopt, "3"),
    };
    EXPECT_EQ(picture(d.surface), expected);
}

TEST(ControlGraphic, DegenerateExtentsAndSmallAreasStayInTheArea)
{
    struct Case {
        const char *name;
        std::string points;
        std::string triangles;
        DrawingArea area;
        std::string mesh;
    };
    const std::string p1 = point30("1", 1000, 2000);
    const std::string p2 = point30("2", 1100, 2000);
    const std::string p3 = point30("3", 1000, 2050);
    const auto filled = [](PixelPoint a, PixelPoint b, PixelPoint c) {
        return polygonLine(NavyColour, LightGreenColour, {a, b, c});
    };
    const Case cases[] = {
        // Nothing limits the scale: everything stands in the middle.
        {"one point", lines({p1}), tri("23", "1", "1", "1"), Area,
         filled({145, 130}, {145, 130}, {145, 130})},
        // A zero extent in one direction leaves the scale to the other, centred in the first.
        {"zero extent in x", lines({p1, p2}), tri("23", "1", "2", "1"), Area,
         filled({45, 130}, {245, 130}, {45, 130})},
        {"zero extent in y", lines({p1, p3}), tri("23", "1", "3", "1"), Area,
         filled({145, 205}, {145, 55}, {145, 205})},
        // No room for the margins: the picture shrinks to the middle instead of turning over.
        {"narrow area",
         FourPoints,
         tri("23", "1", "4", "2"),
         {10, 20, 60, 220},
         filled({40, 130}, {40, 130}, {40, 130})},
        {"exactly 70 pixels wide",
         FourPoints,
         tri("23", "1", "4", "2"),
         {10, 20, 70, 220},
         filled({45, 130}, {45, 130}, {45, 130})},
        {"small in both directions",
         FourPoints,
         tri("23", "1", "4", "2"),
         {10, 20, 50, 40},
         filled({35, 40}, {35, 40}, {35, 40})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn d = draw(c.points, c.triangles, {HorizonChoice::First, false}, c.area);
        EXPECT_EQ(d.surface.only("polygon").front(), c.mesh);
        // Every position, dimension arrows and labels included, stays near the area.
        for (const PixelPoint &p : d.surface.all) {
            EXPECT_GE(p.x, c.area.left - 60);
            EXPECT_LE(p.x, c.area.left + c.area.width + 60);
            EXPECT_GE(p.y, c.area.top - 60);
            EXPECT_LE(p.y, c.area.bottom() + 60);
        }
    }
}

TEST(ControlGraphic, ZeroExtentIsLabelledWithoutArrows)
{
    const Drawn d = draw(lines({point30("1", 1000, 2000)}), tri("23", "1", "1", "1"),
                         {HorizonChoice::First, false});
    const std::vector<std::string> expected = {
        textLine({140, 135}, SilverColour, "Y"),
        textLine({115, 145}, YellowColour, " 0.0 m "),
        textLine({130, 125}, SilverColour, "X"),
        textLine({115, 130}, YellowColour, " 0.0 m "),
    };
    EXPECT_EQ(dimensions(d.surface), expected);
}

TEST(ControlGraphic, InfiniteCoordinatesGiveBoundedPixels)
{
    // A field such as 1e999 reads as infinity; the picture is useless but the drawing must
    // neither overflow nor hand the surface absurd positions.
    const std::string points = lines(
        {ColumnLine().at(1, "3023").right(20, "1").right(60, "-1e999").right(70, "0").str(),
         ColumnLine().at(1, "3023").right(20, "2").right(60, "1e999").right(70, "1e999").str(),
         point30("3", 5, 5)});
    const Drawn d = draw(points, tri("23", "1", "2", "3"), {HorizonChoice::First, true});
    EXPECT_EQ(d.surface.only("polygon").size(), 1u);
    for (const PixelPoint &p : d.surface.all) {
        EXPECT_LE(std::abs(p.x), 2'000'000);
        EXPECT_LE(std::abs(p.y), 2'000'000);
    }
}

TEST(ControlGraphic, NothingToPlaceWithoutPoints)
{
    const Drawn d = draw("", tri("23", "1", "2", "3"), {HorizonChoice::Second, true});
    EXPECT_EQ(d.surface.lines,
              std::vector<std::string>{fillRectLine(11, 21, 279, 239, SilverColour)});
    EXPECT_TRUE(d.outcome.CBoxPNrEnabled);
}

TEST(ControlGraphic, ExampleJob)
{
    // DA45 example points with the DA58 example meshes: KZ 23 gives 14 triangles, KZ 25 15.
    const std::string points = test::readAll(test::examplePath("bsp.d45"));
    const std::string triangles = test::readAll(test::examplePath("bsp.d58"));
    const DrawingArea area{0, 41, 1024, 700};
    struct Case {
        HorizonChoice choice;
        int navy;
        int white;
        const char *fill;
    };
    const Case cases[] = {
        {HorizonChoice::Both, 14, 15, "none"},
        {HorizonChoice::First, 14, 0, "lightgreen"},
        {HorizonChoice::Second, 0, 15, "lightgreen"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.choice));
        const Drawn d = draw(points, triangles, {c.choice, true}, area, CoordinateType::DA45);
        int navy = 0;
        int white = 0;
        for (const std::string &line : picture(d.surface)) {
            if (line.starts_with("polygon")) {
                navy += line.starts_with(format("polygon navy/%s ", c.fill));
                white += line.starts_with(format("polygon white/%s ", c.fill));
            }
        }
        EXPECT_EQ(navy, c.navy);
        EXPECT_EQ(white, c.white);
        EXPECT_EQ(d.surface.only("polyline").size(), 2u) << "no frame with two horizons";
        EXPECT_EQ(d.surface.only("text").size(),
                  c.choice == HorizonChoice::Both ? 4u : 4u + 3u * (c.navy + c.white));
        // Meshes, numbers and dimensioning all lie inside the area.
        for (const PixelPoint &p : d.surface.all) {
            EXPECT_GE(p.x, area.left);
            EXPECT_LE(p.x, area.left + area.width);
            EXPECT_GE(p.y, area.top);
            EXPECT_LE(p.y, area.bottom());
        }
    }
}

} // namespace
} // namespace kubato
