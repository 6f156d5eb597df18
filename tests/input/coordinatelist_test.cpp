#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp1252.h"
#include "common/lines.h"
#include "input/coordinatelist.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

// A valid DA30 line: KZ 23, point 1, y 2300, x 46700, z 9300 (millimetres).
std::string line30()
{
    return ColumnLine()
        .at(1, "3023")
        .right(20, "1")
        .right(60, "2300")
        .right(70, "46700")
        .right(80, "9300")
        .str();
}

// A valid DA45 line with two points.
std::string line45()
{
    return ColumnLine()
        .at(1, "45")
        .right(9, "2300001")
        .right(20, "2300")
        .right(30, "46700")
        .right(40, "9300")
        .right(49, "2300002")
        .right(60, "9400")
        .right(70, "58600")
        .right(80, "10200")
        .str();
}

// The line with the columns from..to replaced by text (blank-filled to the range's width).
std::string with(std::string line, int from, int to, const std::string &text)
{
    std::string field = text;
    field.resize(static_cast<std::size_t>(to - from + 1), ' ');
    line.replace(static_cast<std::size_t>(from - 1), field.size(), field);
    return line;
}

std::string firstFault(CoordinateType type, const std::string &line)
{
    const CoordinateCheck check = checkCoordinates(line + "\r\n", type);
    return check.messages.empty() ? std::string() : std::string(check.messages.line(3));
}

std::string faultLine(int lineNumber, const char *message)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " Zeile= %4i : %s ", lineNumber, message);
    return buffer;
}

TEST(CoordinateExampleBlocks, HaveTheirLinesOf80Columns)
{
    const auto da30 = coordinateExampleBlock(CoordinateType::DA30);
    const auto da45 = coordinateExampleBlock(CoordinateType::DA45);
    ASSERT_EQ(da30.size(), 24u);
    ASSERT_EQ(da45.size(), 16u);
    for (const auto *block : {&da30, &da45}) {
        for (const auto &line : *block) {
            EXPECT_EQ(line.size(), 80u) << line;
        }
    }
    const std::string rest80(80, ' ');
    EXPECT_EQ(da30[0], "Datenart REB DA30 - Koordinatenverzeichnis" + rest80.substr(42));
    EXPECT_EQ(da45[0], "Datenart REB DA45 - Koordinatenverzeichnis" + rest80.substr(42));
    EXPECT_EQ(da30[1], "         1         2         3         4         5         6         7"
                       "         8");
    EXPECT_EQ(da30[2],
              "12345678901234567890123456789012345678901234567890123456789012345678901234567890");
    EXPECT_EQ(da30[3], rest80);
    EXPECT_EQ(da30[4],
              "DAKZ        Pktnr.                                    y m       x m       z m   ");
    EXPECT_EQ(da30[5],
              "==--        --------                              =======---=======---=======---");
    EXPECT_EQ(da45[4],
              "DA  Punkt     y m       x m       z m       Punkt     y m       x m       z m   ");
    EXPECT_EQ(da45[5],
              "==------- =======---=======---=======---  ------- =======---=======---=======---");
    EXPECT_EQ(da30[6], "Beispieldaten" + rest80.substr(13));
    EXPECT_EQ(da30[7],
              "3023               1                                    2300     46700      9300");
    EXPECT_EQ(da30[23],
              "3025              17                                   35400     34600      7100");
    EXPECT_EQ(da45[7],
              "452300001       2300     46700      9300  2300002       9400     58600     10200");
    EXPECT_EQ(da45[15],
              "452500017      35400     34600      7100  2500018      24600     28700      7000");
}

TEST(CoordinateExampleBlocks, SampleFilesHoldTheirDataLines)
{
    const auto da30 = coordinateExampleBlock(CoordinateType::DA30);
    const auto da45 = coordinateExampleBlock(CoordinateType::DA45);
    EXPECT_EQ(test::readAll(test::examplePath("bsp.d30")),
              test::terminated({da30.begin() + 7, da30.end()}));
    EXPECT_EQ(test::readAll(test::examplePath("bsp.d45")),
              test::terminated({da45.begin() + 7, da45.end()}));
}

TEST(CoordinateCheck, SampleDataPasses)
{
    struct Case {
        const char *file;
        CoordinateType type;
        long count;
    };
    for (const Case &c :
         {Case{"bsp.d30", CoordinateType::DA30, 17}, Case{"bsp.d45", CoordinateType::DA45, 18}}) {
        SCOPED_TRACE(c.file);
        const std::string text = coordinateTextFromFile(test::readAll(test::examplePath(c.file)));
        const CoordinateCheck check = checkCoordinates(text, c.type);
        EXPECT_TRUE(check.messages.empty()) << check.messages.text();
        EXPECT_EQ(check.pointCount, c.count);
        EXPECT_EQ(kobhPrefill(check.lowestHeight), "3.000");
    }
}

TEST(CoordinateCheck, Da30RulesReportTheFirstBrokenRuleOnly)
{
    struct Case {
        const char *name;
        std::string line;
        const char *message;
    };
    const Case cases[] = {
        {"valid", line30(), nullptr},
        {"wrong type", with(line30(), 1, 2, "31"), "Fehler in Spalte   1 +  2"},
        {"type 03", with(line30(), 1, 2, "03"), "Fehler in Spalte   1 +  2"},
        {"empty line", "", "Fehler in Spalte   1 +  2"},
        {"blank KZ", with(line30(), 3, 4, ""), "Fehler in Spalte   3 +  4"},
        {"blank KZ and more missing", with(with(line30(), 3, 4, ""), 13, 80, ""),
         "Fehler in Spalte   3 +  4"},
        {"one KZ character", with(line30(), 3, 4, " 5"), nullptr},
        {"blank number", with(line30(), 13, 20, ""), "Fehler in Spalte  13 - 20"},
        {"number in column 13 only", with(line30(), 13, 20, "7"), nullptr},
        {"y only in 51-53", with(line30(), 51, 60, "123"), "Fehler in Spalte  54 - 60"},
        {"blank x", with(line30(), 61, 70, ""), "Fehler in Spalte  64 - 70"},
        {"z only in 71-73", with(line30(), 71, 80, "123"), "Fehler in Spalte  74 - 80"},
        {"short line missing z", line30().substr(0, 70), "Fehler in Spalte  74 - 80"},
        {"letters in a value are not looked at", with(line30(), 71, 80, "     abcde"), nullptr},
        {"DA45 line", line45(), "Fehler in Spalte   1 +  2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(firstFault(CoordinateType::DA30, c.line),
                  c.message ? faultLine(1, c.message) : std::string());
    }
}

TEST(CoordinateCheck, Da45RulesIncludingAPartlyGivenSecondPoint)
{
    struct Case {
        const char *name;
        std::string line;
        const char *message;
        long count;
    };
    const std::string onePoint = line45().substr(0, 40);
    const Case cases[] = {
        {"two points", line45(), nullptr, 2},
        {"one point, short line", onePoint, nullptr, 1},
        {"one point, blank-filled", with(line45(), 41, 80, ""), nullptr, 1},
        {"wrong type", with(line45(), 1, 2, "30"), "Fehler in Spalte   1 +  2", 2},
        {"blank number", with(line45(), 3, 9, ""), "Fehler in Spalte   3 -  9", 2},
        {"y only in 11-16", with(line45(), 11, 20, "123456"), "Fehler in Spalte  11 - 20", 2},
        {"blank x", with(line45(), 21, 30, ""), "Fehler in Spalte  21 - 30", 2},
        {"blank z", with(line45(), 31, 40, ""), "Fehler in Spalte  31 - 40", 2},
        {"second number without height", with(line45(), 77, 80, ""), "Fehler in Spalte  71 - 80",
         1},
        {"second height without number", with(line45(), 43, 49, ""), "Fehler in Spalte  43 - 49",
         2},
        {"second point's y and x are not checked", with(line45(), 51, 70, ""), nullptr, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(firstFault(CoordinateType::DA45, c.line),
                  c.message ? faultLine(1, c.message) : std::string());
        EXPECT_EQ(checkCoordinates(c.line, CoordinateType::DA45).pointCount, c.count);
    }
}

TEST(CoordinateCheck, MessageListNamesEveryFaultyLine)
{
    const std::string text = test::terminated(
        {line30(), with(line30(), 3, 4, ""), line30().substr(0, 60), line30(), "30"});
    const CoordinateCheck check = checkCoordinates(text, CoordinateType::DA30);
    EXPECT_EQ(check.messages.lines(), std::vector<std::string>({
                                          " Koordinaten in Datei DA30 nicht korrekt!",
                                          " ----------------------------------------",
                                          "",
                                          " Zeile=    2 : Fehler in Spalte   3 +  4 ",
                                          " Zeile=    3 : Fehler in Spalte  64 - 70 ",
                                          " Zeile=    5 : Fehler in Spalte   3 +  4 ",
                                      }));
    EXPECT_EQ(check.pointCount, 5);
}

TEST(CoordinateCheck, WrongDataTypeFailsEveryLine)
{
    const std::string text = test::readAll(test::examplePath("bsp.d45"));
    const CoordinateCheck check =
        checkCoordinates(coordinateTextFromFile(text), CoordinateType::DA30);
    EXPECT_EQ(check.messages.text() + "\r\n",
              test::readAll(test::dataPath("check_da45_as_da30.txt")));
    EXPECT_EQ(check.pointCount, 9);
}

TEST(CoordinateCheck, NoTextIsReportedForBothTypes)
{
    for (const auto type : {CoordinateType::DA30, CoordinateType::DA45}) {
        const CoordinateCheck check = checkCoordinates("", type);
        EXPECT_EQ(check.messages.lines(),
                  std::vector<std::string>({"", std::string("   Keine Datei geöffnet"_cp), ""}));
        EXPECT_EQ(check.pointCount, 0);
    }
}

TEST(CoordinateCheck, LowestHeightInWholeMetres)
{
    struct Case {
        const char *name;
        CoordinateType type;
        std::vector<std::string> lines;
        const char *kobh;
    };
    const Case cases[] = {
        {"floor of the lowest",
         CoordinateType::DA30,
         {with(line30(), 71, 80, "     98250"), with(line30(), 71, 80, "    101250")},
         "98.000"},
        {"negative height", CoordinateType::DA30, {with(line30(), 71, 80, "      -500")}, "-1.000"},
        {"DA30 reads z from columns 74-80",
         CoordinateType::DA30,
         {with(line30(), 71, 80, "1      500")},
         "0.000"},
        {"nothing below 9999 m",
         CoordinateType::DA30,
         {with(line30(), 71, 80, "   9999999")},
         "9999.000"},
        {"faulty lines count too",
         CoordinateType::DA30,
         {line30(), with(with(line30(), 1, 2, "xx"), 71, 80, "      2000")},
         "2.000"},
        {"DA45 second point",
         CoordinateType::DA45,
         {with(line45(), 71, 80, "      1500")},
         "1.000"},
        {"DA45 second height read only with columns 77-80",
         CoordinateType::DA45,
         {with(line45(), 71, 80, "   1")},
         "9.000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CoordinateCheck check = checkCoordinates(test::terminated(c.lines), c.type);
        EXPECT_EQ(kobhPrefill(check.lowestHeight), c.kobh);
    }
}

TEST(CoordinateOpening, DropsShortTrailingLinesOnly)
{
    const std::string full = line30();
    const std::string da45One = line45().substr(0, 40);
    struct Case {
        const char *name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"last line of 79 characters", full + "\r\n" + full.substr(0, 79), {full}},
        {"empty last line", full + "\r\n\r\n", {full}},
        {"several short lines at the end", full + "\r\n30\r\n\r\n \r\n", {full}},
        {"short line in the middle stays",
         full.substr(0, 60) + "\r\n" + full,
         {full.substr(0, 60), full}},
        {"everything short", "30\r\n", {}},
        {"only empty lines", "\r\n\n\r", {}},
        {"nothing", "", {}},
        {"lone CR breaks", full + "\r30\r\r", {full}},
        {"one DA45 point without trailing blanks stays", full + "\n" + da45One, {full, da45One}},
        {"a 45 line of 39 characters goes", full + "\n" + da45One.substr(0, 39), {full}},
        {"a DA30 line of 40 characters goes", full + "\n" + full.substr(0, 40), {full}},
        {"short lines after the kept DA45 line go", da45One + "\r\n\r\n", {da45One}},
        {"longer lines stay whole", full + "xyz", {full + "xyz"}},
        {"UTF-8 byte-order mark", "\xef\xbb\xbf" + full + "\r\n", {full}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(coordinateTextFromFile(c.bytes), test::terminated(c.lines));
    }
}

TEST(CoordinateOpening, PositionNameFromTheFileName)
{
    struct Case {
        const char *path;
        const char *position;
    };
    const Case cases[] = {
        {"/home/bau/gelaende.d30", "gelaen"},
        {"bsp.d30", "bsp"},
        {"c:\\daten\\mess.punkte.d30", "mess"},
        {"/daten/abc", "abc"},
        {"/a.b/punkte", "punkte"},
        {"/daten/.d30", ""},
        {"/daten/ab cd.d45", "ab cd"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(positionFromPath(c.path), c.position);
    }
}

} // namespace
} // namespace kubato
