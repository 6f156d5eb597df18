#include <gtest/gtest.h>

#include "calc/calcjobs.h"
#include "calc/pointtable.h"
#include "calc/trianglechecks.h"
#include "calc/triangletable.h"
#include "common/lines.h"

namespace kubato {
namespace {

struct Point {
    std::string number;
    double y, x, z;
};

void expectPoints(const TPointTable &table, const std::vector<Point> &expected)
{
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].number, expected[i].number);
        EXPECT_DOUBLE_EQ(table[i].y, expected[i].y);
        EXPECT_DOUBLE_EQ(table[i].x, expected[i].x);
        EXPECT_DOUBLE_EQ(table[i].z, expected[i].z);
    }
}

TEST(PointTable, Da30TakesNumberAndMillimetres)
{
    const std::string text = test::da30Line("23 0001", "46700", "46700.0", "-500") + "\r\n" +
                             // the last line has no line break and is taken all the same
                             test::da30Line("7", "1", "2", "3");
    expectPoints(fillPointTable(text, CoordinateType::DA30),
                 {{"230001", 46.7, 46.7, -0.5}, {"7", 0.001, 0.002, 0.003}});
    // a text ending with its line break has no further line
    EXPECT_EQ(fillPointTable(text + "\r\n", CoordinateType::DA30).size(), 2u);
}

TEST(PointTable, Da45SecondPointOnlyWithItsNumber)
{
    const std::vector<std::string> lines = {
        ColumnLine()
            .at(1, "45")
            .right(9, "2300001")
            .right(20, "2300")
            .right(30, "46700")
            .right(40, "9300")
            .right(49, "2300002")
            .right(60, "9400")
            .right(70, "58600")
            .right(80, "10200")
            .str(),
        // values of a second point without its number: one point only
        ColumnLine()
            .at(1, "45")
            .right(9, "3")
            .right(20, "1000")
            .right(30, "2000")
            .right(40, "3000")
            .right(60, "4000")
            .right(70, "5000")
            .right(80, "6000")
            .str(),
    };
    expectPoints(fillPointTable(test::textOf(lines), CoordinateType::DA45),
                 {{"2300001", 2.3, 46.7, 9.3}, {"2300002", 9.4, 58.6, 10.2}, {"3", 1, 2, 3}});
}

TEST(TriangleTable, QuadrilateralGivesTwoTrianglesWithTheirIdents)
{
    const std::string quad = test::da58Line(23, 1, "2300001", "2300002", "2300012", "2300003");
    // point 4 written only in column 53 belongs to no field
    std::string col53 = test::da58Line(23, 1, "2300001", "2300002", "2300012");
    col53[52] = '9';
    const TriangleTableFill fill =
        fillTriangleTable(test::textOf({quad, col53, test::da58Line(23, 2, "1", "2", "3")}));
    ASSERT_EQ(fill.table.size(), 4u);
    const TTriangle &a = fill.table[0];
    const TTriangle &b = fill.table[1];
    EXPECT_EQ(a.kz, 23);
    EXPECT_EQ(a.number, 1);
    EXPECT_EQ(a.p1.str() + " " + a.p2.str() + " " + a.p3.str(), "2300001 2300002 2300012");
    EXPECT_EQ(a.ident, 23 * 100000 + 1 + 10000);
    EXPECT_EQ(b.kz, 23);
    EXPECT_EQ(b.number, 1);
    EXPECT_EQ(b.p1.str() + " " + b.p2.str() + " " + b.p3.str(), "2300002 2300012 2300003");
    EXPECT_EQ(b.ident, 23 * 100000 + 1 + 20000);
    EXPECT_EQ(fill.table[2].p3, "2300012");
    EXPECT_EQ(fill.table[2].ident, 2310001);
    EXPECT_EQ(fill.table[3].ident, 2310002);
}

TEST(TriangleTable, UpperCountIsTheLastChangeToAnotherPositiveKz)
{
    struct Case {
        const char *name;
        std::vector<int> kzPerLine;
        bool quadrilaterals;
        long upperCount;
    };
    const Case cases[] = {
        {"two horizons", {23, 23, 25, 25}, false, 2},
        {"back to the first", {23, 23, 25, 25, 23}, false, 4},
        {"KZ 0 is no change", {23, 0, 23}, false, 0},
        {"one KZ only", {23, 23, 23}, false, 0},
        {"seven quadrilaterals first", {23, 23, 23, 23, 23, 23, 23, 25, 25}, true, 14},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines;
        for (const int kz : c.kzPerLine) {
            const bool quad = c.quadrilaterals && kz == 23;
            lines.push_back(test::da58Line(kz, 1, "1", "2", "3", quad ? "4" : ""));
        }
        EXPECT_EQ(fillTriangleTable(test::textOf(lines)).upperCount, c.upperCount);
    }
}

TEST(TriangleTable, HorizonCountsFollowTheEnteredKz)
{
    struct Case {
        std::int32_t kzo, kzu;
        long upperCount;
        long upper, lower;
    };
    const Case cases[] = {
        {23, 25, 14, 14, 15}, // divided at the last change
        {23, 0, 14, 29, 0},   // all upper, whatever z,dz holds
        {0, 23, 0, 0, 29},    // all lower
        {0, 23, 14, 14, 29},  // the index of the change stays as the upper count
        {23, 25, 0, 0, 29},   // one KZ only in the text
        {0, 0, 14, 14, 0},    // no case: nothing changes
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.kzo << "/" << c.kzu << "/" << c.upperCount);
        const HorizonCounts counts = horizonCounts(29, c.upperCount, c.kzo, c.kzu);
        EXPECT_EQ(counts.upper, c.upper);
        EXPECT_EQ(counts.lower, c.lower);
    }
}

} // namespace
} // namespace kubato
