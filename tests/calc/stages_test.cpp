#include <gtest/gtest.h>

#include "calc/calcjobs.h"
#include "calc/pointchecks.h"
#include "calc/prisms.h"
#include "calc/resultlist.h"
#include "calc/runconstants.h"
#include "calc/trianglechecks.h"
#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {
namespace {

const ReferenceSearches kSearches;

TTriangle triangle(std::int32_t kz, std::int32_t number, std::string p1, std::string p2,
                   std::string p3)
{
    return {kz, number, std::move(p1), std::move(p2), std::move(p3), kz * 100000 + number + 10000};
}

std::vector<std::string> linesFrom(const TextList &list, std::size_t first)
{
    std::vector<std::string> all = list.lines();
    return {all.begin() + static_cast<std::ptrdiff_t>(first), all.end()};
}

TEST(SortTrianglePoints, OrdinalByteOrder)
{
    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> sorted;
    };
    const Case cases[] = {
        {{"5", "10", "9"}, {"10", "5", "9"}},
        {{"100", "11", "9"}, {"100", "11", "9"}},
        {{"A", "7", "007"}, {"007", "7", "A"}},
        // bytes count unsigned: a Windows-1252 umlaut sorts after every ASCII letter
        {{"\xE4", "a", "B"}, {"B", "a", "\xE4"}},
        {{"3", "1", "3"}, {"1", "3", "3"}},
        // a prefix first, also before the same text followed by a NUL; all eight places count
        {{"70", std::string("7\0", 2), "7"}, {"7", std::string("7\0", 2), "70"}},
        {{"12345678", "1234567", "12345677"}, {"1234567", "12345677", "12345678"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.given[0] + "," + c.given[1] + "," + c.given[2]);
        TTriangleTable table = {triangle(1, 1, c.given[0], c.given[1], c.given[2])};
        StatusLine status(nullptr);
        SortTrianglePoints(table, status);
        EXPECT_EQ(
            (std::vector<std::string>{table[0].p1.str(), table[0].p2.str(), table[0].p3.str()}),
            c.sorted);
        EXPECT_EQ(status.text(), "4/6  Sortieren der Dreieckspunkte");
    }
}

TEST(FindDuplicateTriangles, PairsInVisitOrderWithTheirHorizon)
{
    TTriangleTable table = {
        triangle(1, 1, "1", "2", "3"),   triangle(1, 2, "3", "1", "2"),
        triangle(2, 1, "2", "3", "1"),   triangle(1, 3, "7", "8", "9"),
        triangle(1, 4, "007", "8", "9"),
    };
    StatusLine status(nullptr);
    SortTrianglePoints(table, status);
    TextList protocol;
    FindDuplicateTriangles(table, kSearches, protocol, status);
    EXPECT_EQ(protocol.lines(), (std::vector<std::string>{
                                    " DA58 : doppelte Dreieck(e) im gleichen Horizont",
                                    "           110001 = 110002",
                                    " DA58 : doppelte Dreieck(e) in verschied. Horizonten",
                                    "           110001 = 210001",
                                    " DA58 : doppelte Dreieck(e) in verschied. Horizonten",
                                    "           110002 = 210001",
                                    " DA58 : 3 Dreieck(e) doppelt vorhanden",
                                    "",
                                }));
    EXPECT_EQ(status.text(), "6/6  Flächen und Massenberechnung beginnen"_cp);

    protocol.clear();
    FindDuplicateTriangles({triangle(1, 1, "1", "2", "3")}, kSearches, protocol, status);
    EXPECT_EQ(protocol.lines(),
              (std::vector<std::string>{" DA58 : 0 Dreieck(e) doppelt vorhanden", ""}));
}

TEST(FindDuplicateTriangles, SixtyPairsListFortyNine)
{
    // ten copies of one triangle give 45 pairs, six of another 15
    TTriangleTable table;
    for (int n = 1; n <= 10; ++n) {
        table.push_back(triangle(1, n, "1", "2", "3"));
    }
    for (int n = 1; n <= 6; ++n) {
        table.push_back(triangle(2, n, "4", "5", "6"));
    }
    TextList protocol;
    StatusLine status(nullptr);
    FindDuplicateTriangles(table, kSearches, protocol, status);
    const std::vector<std::string> lines = protocol.lines();
    ASSERT_EQ(lines.size(), 49u * 2 + 3 + 2);
    EXPECT_EQ(lines[97], "           210001 = 210005");
    EXPECT_EQ(lines[98], "");
    EXPECT_EQ(lines[99], " Protokollierung dop. Dreiecke abgebrochen, da zu viele");
    EXPECT_EQ(lines[100], "");
    EXPECT_EQ(lines[101], " DA58 : 60 Dreieck(e) doppelt vorhanden");
}

TEST(CheckPointTable, DuplicatesCountPairsPlanBeforeSpace)
{
    const TPointTable points = {
        {"1", 10, 20, 5}, {"2", 10, 20, 5}, {"3", 10, 20, 6}, {"4", 10, 20.001, 5}};
    TextList protocol;
    StatusLine status(nullptr);
    const TCalcParams params =
        readCalcParams(test::fieldTexts("0", "50", "5", "p", "1", "0", "2", "0"));
    checkPointTable(points, params, kSearches, protocol, status);
    const std::vector<std::string> lines = protocol.lines();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
              (std::vector<std::string>{
                  " DA30/45 : Punkt doppelt  1 = 2 ( x,y sind gleich )",
                  " DA30/45 : Punkt doppelt  1 = 2 ( x,y,z sind gleich )",
                  " DA30/45 : Punkt doppelt  1 = 3 ( x,y sind gleich )",
                  " DA30/45 : Punkt doppelt  2 = 3 ( x,y sind gleich )",
                  "",
                  " DA30/45 : 3 Punkte (x,y   ) doppelt vorhanden",
                  " DA30/45 : 1 Punkte (x,y,z ) doppelt vorhanden",
                  "",
              }));
}

TEST(CheckPointTable, StatisticsAndReferenceHeights)
{
    struct Case {
        const char *name;
        TPointTable points;
        const char *kobh;
        double kobhVol;
        std::vector<std::string> tail; // from the minimum line on
    };
    const Case cases[] = {
        {"one point",
         {{"1", 1.5, 2.5, 101.25}},
         "95",
         95.0,
         {"           |  min  |      1.500 |      2.500 |    101.250 |",
          "           |  max  |      1.500 |      2.500 |    101.250 |",
          "           | mittel|      1.500 |      2.500 |    101.250 |",
          "           |----------------------------------------------|", "",
          " DA30/45 : Bezugshorizont aus z_min berechnet :    101.000 m", "",
          " DA57 : kobh = 95.000 m  kwyx = 50.000 m  kwz =  5.000 m", "",
          std::string(" DA57 : Bezugshorizont für Volumenberechnung : kobh = 95.000 m"_cp), ""}},
        {"entered above the lowest point", {{"1", 0, 0, 101.25}}, "105", 101.0, {}},
        {"entered equal", {{"1", 0, 0, 101.25}}, "101", 101.0, {}},
        {"negative height",
         {{"1", 3, 1, 2}, {"2", 1, 3, -0.5}, {"3", 2, 2, 0.5}},
         "0",
         -1.0,
         {"           |  min  |      1.000 |      1.000 |     -0.500 |",
          "           |  max  |      3.000 |      3.000 |      2.000 |",
          "           | mittel|      2.000 |      2.000 |      0.667 |",
          "           |----------------------------------------------|", "",
          " DA30/45 : Bezugshorizont aus z_min berechnet :     -1.000 m", "",
          " DA57 : kobh =  0.000 m  kwyx = 50.000 m  kwz =  5.000 m", "",
          std::string(" DA57 : Bezugshorizont für Volumenberechnung : kobh = -1.000 m"_cp), ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TextList protocol;
        StatusLine status(nullptr);
        const TCalcParams params =
            readCalcParams(test::fieldTexts(c.kobh, "50", "5", "p", "1", "0", "2", "0"));
        EXPECT_DOUBLE_EQ(checkPointTable(c.points, params, kSearches, protocol, status), c.kobhVol);
        if (!c.tail.empty()) {
            EXPECT_EQ(linesFrom(protocol, protocol.count() - c.tail.size()), c.tail);
        }
    }
}

TEST(PrismValues, AreasHeightAndVolume)
{
    const double kobhVol = 100.0;
    // plan area 10 m2 at 2 m above the reference plane
    const TCorners flat = {TCorner{0, 0, 102, true}, TCorner{5, 0, 102, true},
                           TCorner{0, 4, 102, true}};
    const TPrismValues v = prismValues(flat, kobhVol);
    EXPECT_DOUBLE_EQ(v.zMittl, 2.0);
    EXPECT_DOUBLE_EQ(v.aGrund, 10.0);
    EXPECT_DOUBLE_EQ(v.aDeck, 10.0);
    EXPECT_DOUBLE_EQ(v.volumen, 20.0);
    EXPECT_EQ(format("%.3lf %.3lf %.3lf %.3lf", v.zMittl, v.aGrund, v.aDeck, v.volumen),
              "2.000 10.000 10.000 20.000");

    const TCorners clockwise = {flat[0], flat[2], flat[1]};
    EXPECT_DOUBLE_EQ(prismValues(clockwise, kobhVol).aGrund, 10.0);

    // corners on one line in plan but not in space
    const TCorners vertical = {TCorner{0, 0, 101, true}, TCorner{10, 0, 103, true},
                               TCorner{20, 0, 102, true}};
    const TPrismValues w = prismValues(vertical, kobhVol);
    EXPECT_EQ(w.aGrund, 0.0);
    EXPECT_EQ(w.volumen, 0.0);
    EXPECT_DOUBLE_EQ(w.aDeck, 15.0);

    // the mean is formed with the constant nearest one third, not by a division by 3
    const TCorners third = {TCorner{0, 0, 0.1, true}, TCorner{1, 0, 0.2, true},
                            TCorner{0, 1, 0.4, true}};
    EXPECT_EQ(prismValues(third, 0).zMittl, (0.1 + 0.2 + 0.4 - 0.0) * 0.3333333333333333);
}

TEST(ControlDifferences, BelowTheValueCountsAsNone)
{
    struct Case {
        double control;
        std::array<double, 3> d;
    };
    const Case cases[] = {{50, {0, 60, 60}}, {60, {0, 60, 60}}, {60.5, {0, 0, 0}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control);
        EXPECT_EQ(controlDifferences(0, 0, 60, c.control), c.d);
    }
}

TEST(ComputePrisms, ExceedanceListingsAreCutOffPerAxis)
{
    // 63 triangles exceeding in y, of which 3 also in x: 49 y rows and the y cut-off, all 3 x
    // rows, and one head for both axes
    TPointTable points = {{"a", 0, 0, 0}, {"b", 0, 1, 0}, {"c", 60, 0, 0}, {"d", 0, 70, 0}};
    TTriangleTable triangles;
    for (int n = 1; n <= 60; ++n) {
        triangles.push_back(triangle(1, n, "a", "b", "c"));
    }
    for (int n = 61; n <= 63; ++n) {
        triangles.push_back(triangle(1, n, "a", "c", "d"));
    }
    TextList protocol, result;
    StatusLine status(nullptr);
    ResultListWriter writer(result, protocol, "p", Date{});
    ComputePrisms(triangles, points, 50, 5, 0, kSearches, writer, protocol, result, status);
    const std::vector<std::string> lines = protocol.lines();
    const auto count = [&](std::string_view suffix) {
        return std::count_if(lines.begin(), lines.end(), [&](const std::string &l) {
            return l.size() >= suffix.size() && l.substr(l.size() - suffix.size()) == suffix;
        });
    };
    EXPECT_EQ(count("  y"), 49);
    EXPECT_EQ(count("  x "), 3);
    EXPECT_EQ(count(" Protokollierung y-Differenz abgebrochen, da zu viele"), 1);
    EXPECT_EQ(count(" Protokollierung x-Differenz abgebrochen, da zu viele"), 0);
    EXPECT_EQ(count("Kontrollwerte KWyx und KWz               n"), 1);
    // the cut-off block stands where the 50th y row would have been
    EXPECT_EQ(lines[5 + 49], "");
    EXPECT_EQ(lines[5 + 50], " Protokollierung y-Differenz abgebrochen, da zu viele");
    EXPECT_EQ(lines[5 + 51], "");
}

TEST(ComputePrisms, MissingCoordinatesCutOffButStillFlagged)
{
    TTriangleTable triangles;
    for (int n = 1; n <= 55; ++n) {
        triangles.push_back(triangle(1, n, "x", "y", "z"));
    }
    TextList protocol, result;
    StatusLine status(nullptr);
    ResultListWriter writer(result, protocol, "p", Date{});
    const PrismStageResult stage =
        ComputePrisms(triangles, {}, 50, 5, 0, kSearches, writer, protocol, result, status);
    EXPECT_TRUE(stage.CoordMissing);
    const std::vector<std::string> lines = protocol.lines();
    EXPECT_EQ(lines.size(), 49u * 10 + 3);
    EXPECT_EQ(lines[490], "");
    EXPECT_EQ(lines[491], " Protokollierung fehlender Koordinaten abgebrochen, da zu viele");
    // no corner found: no prism lines, nothing summed
    EXPECT_EQ(result.count(), 7u);
    EXPECT_EQ(stage.SectionSums.aGrund, 0.0);
}

struct FinishCase {
    const char *name;
    CalcCase calcCase;
    THorizonSums first, last;
    const char *zdzo, *zdzu;
    double kobhVol;
    const char *totalLine;
};

TEST(FinishResultList, TotalVolumeOfEachCase)
{
    const FinishCase cases[] = {
        {"case 1",
         1,
         {1000, 0, 5000},
         {1000, 0, 3000},
         "0",
         "0",
         100,
         "                                                   =        2000.000 m3"},
        {"case 1 with z,dz above",
         1,
         {1000, 0, 5000},
         {1000, 0, 3000},
         "0.2",
         "0",
         100,
         "                                                   =        2200.000 m3"},
        {"case 2",
         2,
         {0, 0, 0},
         {100, 0, 800},
         "0",
         "102.0",
         100,
         "                                                   =         600.000 m3"},
        {"case 3",
         3,
         {0, 0, 0},
         {100, 0, 300},
         "105.0",
         "0",
         100,
         "                                                   =         200.000 m3"},
    };
    for (const FinishCase &c : cases) {
        SCOPED_TRACE(c.name);
        TextList protocol, result;
        ResultListWriter writer(result, protocol, "p", Date{});
        FinishInput in;
        in.params = readCalcParams(test::fieldTexts("0", "50", "5", "p", "1", c.zdzo, "2", c.zdzu));
        in.calcCase = c.calcCase;
        in.KOBHVol = c.kobhVol;
        in.FirstSums = c.first;
        in.SectionSums = c.last;
        const FinishOutcome out = writer.FinishResultList(in);
        EXPECT_EQ(result.line(result.count() - 2), c.totalLine);
        EXPECT_EQ(protocol.line(protocol.count() - 4), c.totalLine);
        EXPECT_EQ(out.VolLabel, format(" Volumen = %.3lf m3", out.TotalVolume));
    }
}

TEST(FinishResultList, ValuesLineHasTheBlankFlag)
{
    for (const double kobhVol : {0.0, 3.0, -1.0, 123456.789}) {
        SCOPED_TRACE(kobhVol);
        TextList protocol, result;
        ResultListWriter writer(result, protocol, "p", Date{});
        FinishInput in;
        in.params = readCalcParams(test::fieldTexts("0", "50", "5", "pos", "1", "0", "2", "0"));
        in.calcCase = 1;
        in.KOBHVol = kobhVol;
        writer.FinishResultList(in);
        // The values line as the format with five blank flags writes it.
        char expected[200];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
        std::snprintf(expected, sizeof expected,
                      "   %10s     %2i%10.3lf     %2i%10.3lf%     10.3lf", "pos", 1, 0.0, 2, 0.0,
                      kobhVol);
#pragma GCC diagnostic pop
        EXPECT_EQ(result.line(6), expected);
    }
}

} // namespace
} // namespace kubato
