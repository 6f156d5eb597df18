#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/lines.h"
#include "graphic/graphictables.h"
#include "graphic/pointlookup.h"
#include "input/coordinatelist.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

struct PointRow {
    std::string number;
    double y;
    double x;
};

std::vector<PointRow> rows(std::string_view text, CoordinateType type)
{
    std::vector<PointRow> out;
    for (const GraphicPoint &p : graphicPoints(text, type)) {
        out.push_back({p.number.str(), p.y, p.x});
    }
    return out;
}

void expectRows(const std::vector<PointRow> &actual, const std::vector<PointRow> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].number, expected[i].number);
        EXPECT_DOUBLE_EQ(actual[i].y, expected[i].y);
        EXPECT_DOUBLE_EQ(actual[i].x, expected[i].x);
    }
}

std::vector<GraphicTriangle> triangles(std::string_view text)
{
    std::vector<GraphicTriangle> out;
    GraphicTriangleReader reader(text);
    GraphicTriangle t;
    while (reader.next(t)) {
        out.push_back(t);
    }
    return out;
}

std::string corners(const GraphicTriangle &t)
{
    return std::to_string(t.kz) + ":" + t.p1.str() + "," + t.p2.str() + "," + t.p3.str();
}

std::vector<std::string> cornerList(std::string_view text)
{
    std::vector<std::string> out;
    for (const auto &t : triangles(text)) {
        out.push_back(corners(t));
    }
    return out;
}

TEST(GraphicPoints, TakeTheGraphicsOwnColumns)
{
    struct Case {
        const char *name;
        CoordinateType type;
        std::string text;
        std::vector<PointRow> points;
    };
    const std::string da30 = ColumnLine()
                                 .at(1, "3023")
                                 .right(20, "12345678")
                                 .right(60, "46700")
                                 .right(70, "-1500")
                                 .right(80, "9300")
                                 .str();
    const std::string da45Two = ColumnLine()
                                    .at(1, "45")
                                    .at(3, "23 0001")
                                    .right(20, "2300")
                                    .right(30, "46700")
                                    .right(40, "9300")
                                    .right(49, "2300002")
                                    .right(60, "9400")
                                    .right(70, "58600")
                                    .right(80, "10200")
                                    .str();
    // Values of a second point without its number do not make a point.
    const std::string da45One = ColumnLine()
                                    .at(1, "45")
                                    .at(3, "7")
                                    .right(20, "1")
                                    .right(30, "2")
                                    .right(40, "3")
                                    .right(60, "4")
                                    .right(70, "5")
                                    .right(80, "6")
                                    .str();
    const Case cases[] = {
        {"DA30 number from column 14 on",
         CoordinateType::DA30,
         da30 + "\r\n",
         {{"2345678", 46.7, -1.5}}},
        {"DA30 short line reads as blanks",
         CoordinateType::DA30,
         "3023\r\n" + da30,
         {{"", 0.0, 0.0}, {"2345678", 46.7, -1.5}}},
        {"DA45 two points, blanks left out of the number",
         CoordinateType::DA45,
         da45Two,
         {{"230001", 2.3, 46.7}, {"2300002", 9.4, 58.6}}},
        {"DA45 second point only by its number",
         CoordinateType::DA45,
         da45One + "\n",
         {{"7", 0.001, 0.002}}},
        {"every break convention, last line unbroken",
         CoordinateType::DA30,
         da30 + "\r" + da30 + "\n" + da30,
         {{"2345678", 46.7, -1.5}, {"2345678", 46.7, -1.5}, {"2345678", 46.7, -1.5}}},
        {"empty text", CoordinateType::DA45, "", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expectRows(rows(c.text, c.type), c.points);
    }
}

TEST(GraphicPoints, ExampleFiles)
{
    const auto d45 = rows(test::readAll(test::examplePath("bsp.d45")), CoordinateType::DA45);
    ASSERT_EQ(d45.size(), 18u);
    expectRows({d45.front(), d45.back()}, {{"2300001", 2.3, 46.7}, {"2500018", 24.6, 28.7}});

    const auto d30 = rows(test::readAll(test::examplePath("bsp.d30")), CoordinateType::DA30);
    ASSERT_EQ(d30.size(), 17u);
    expectRows({d30.front(), d30.back()}, {{"1", 2.3, 46.7}, {"17", 35.4, 34.6}});
}

std::string line58(const char *kz, const char *p1, const char *p2, const char *p3,
                   const char *p4 = "")
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

TEST(GraphicTriangles, LinesGiveOneOrTwoTriangles)
{
    struct Case {
        const char *name;
        std::string text;
        std::vector<std::string> triangles;
    };
    const Case cases[] = {
        {"triangle", line58("23", "1", "2", "3"), {"23:1,2,3"}},
        {"quadrilateral split into 1 2 3 and 2 3 4",
         line58("23", "1", "2", "3", "4") + "\r\n" + line58("25", "5", "6", "7"),
         {"23:1,2,3", "23:2,3,4", "25:5,6,7"}},
        {"corners from columns 24, 34, 44 and 54 on",
         line58("23", "12345678", "22345678", "32345678", "4234567"),
         {"23:2345678,2345678,2345678", "23:2345678,2345678,4234567"}},
        {"point 4 only in column 53",
         ColumnLine().at(1, line58("23", "1", "2", "3")).at(53, "9").str(),
         {"23:1,2,3"}},
        {"single-digit and blank KZ, empty line",
         line58(" 5", "1", "2", "3") + "\n" + line58("  ", "1", "2", "3") + "\n\n",
         {"5:1,2,3", "0:1,2,3", "0:,,"}},
        {"quadrilateral on the last line without break",
         line58("-1", "1", "2", "3") + "\r\n" + line58("7", "1", "2", "3", "4"),
         {"-1:1,2,3", "7:1,2,3", "7:2,3,4"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cornerList(c.text), c.triangles);
    }
}

TEST(GraphicTriangles, ExampleFile)
{
    const auto all = triangles(test::readAll(test::examplePath("bsp.d58")));
    ASSERT_EQ(all.size(), 29u);
    EXPECT_EQ(corners(all[0]), "23:2300001,2300002,2300012");
    EXPECT_EQ(corners(all[1]), "23:2300002,2300012,2300003");
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const auto &t) { return t.kz == 23; }), 14);
    EXPECT_EQ(corners(all[24]), "25:2300005,2300006,2500017");
    EXPECT_EQ(corners(all[28]), "25:2300009,2300008,2300001");
}

TEST(PointLookup, FirstOccurrenceByExactText)
{
    std::vector<GraphicPoint> points;
    for (const char *n : {"7", "10", "007", "9", "10", "", "7"}) {
        points.push_back({n, 0.0, 0.0});
    }
    const struct {
        const char *number;
        std::optional<std::size_t> index;
    } cases[] = {
        {"7", 0},
        {"10", 1},
        {"007", 2},
        {"9", 3},
        {"", 5},
        {"07", std::nullopt},
        {"1", std::nullopt},
        {"100", std::nullopt},
    };
    const PointLookup lookup(points);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(findPointLinear(points, c.number), c.index);
        EXPECT_EQ(lookup.find(c.number), c.index);
    }
    EXPECT_EQ(PointLookup({}).find("7"), std::nullopt);
}

} // namespace
} // namespace kubato
