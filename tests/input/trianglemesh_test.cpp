#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp1252.h"
#include "common/lines.h"
#include "input/trianglemesh.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

std::string line58(const char *kz, const char *p4 = "")
{
    return ColumnLine()
        .at(1, "58")
        .at(8, kz)
        .right(20, "1")
        .right(30, "2300001")
        .right(40, "2300002")
        .right(50, "2300012")
        .right(60, p4)
        .str();
}

std::string with(std::string line, int from, int to, const std::string &text)
{
    std::string field = text;
    field.resize(static_cast<std::size_t>(to - from + 1), ' ');
    line.replace(static_cast<std::size_t>(from - 1), field.size(), field);
    return line;
}

TEST(TriangleExampleBlock, HasItsLinesOf80Columns)
{
    const auto block = triangleExampleBlock();
    ASSERT_EQ(block.size(), 22u);
    for (const auto &line : block) {
        EXPECT_EQ(line.size(), 80u) << line;
    }
    const std::string blanks(80, ' ');
    EXPECT_EQ(block[0], "Datenart REB DA58 - Dreiecksmaschen der Horizonte" + blanks.substr(49));
    EXPECT_EQ(block[3],
              "                lfd.   Punkt.1   Punkt.2   Punkt.3   Punkt.4" + blanks.substr(60));
    EXPECT_EQ(block[4],
              "DA     KZ       Nr.    Pkt.Nr    Pkt.Nr.   Pkt.Nr.   Pkt.Nr." + blanks.substr(60));
    EXPECT_EQ(block[5],
              "--     --       ----  --------  --------  --------  --------" + blanks.substr(60));
    EXPECT_EQ(block[7],
              "58     23          1   2300001   2300002   2300012   2300003" + blanks.substr(60));
    EXPECT_EQ(block[19],
              "58     25          6   2300005   2300006   2500017          " + blanks.substr(60));
    EXPECT_EQ(block[21],
              "58     25          8   2300007   2300009   2300008   2300001" + blanks.substr(60));
    EXPECT_EQ(test::readAll(test::examplePath("bsp.d58")),
              test::terminated({block.begin() + 7, block.end()}));
}

TEST(TriangleCheck, SampleDataPasses)
{
    const TriangleCheck check =
        checkTriangles(triangleTextFromFile(test::readAll(test::examplePath("bsp.d58"))));
    EXPECT_TRUE(check.messages.empty()) << check.messages.text();
    EXPECT_EQ(check.triangleCount, 29);
    EXPECT_EQ(check.kzo, "23");
    EXPECT_EQ(check.zdzo, "0");
    EXPECT_EQ(check.kzu, "25");
    EXPECT_EQ(check.zdzu, "0");
}

TEST(TriangleCheck, RulesReportTheFirstBrokenRuleOnly)
{
    struct Case {
        const char *name;
        std::string line;
        const char *message;
        long count;
    };
    const Case cases[] = {
        {"valid triangle", line58("23"), nullptr, 1},
        {"quadrilateral", line58("23", "2300003"), nullptr, 2},
        {"point 4 only in column 53", with(line58("23"), 53, 53, "9"), nullptr, 1},
        {"point 4 in column 54", with(line58("23"), 54, 54, "9"), nullptr, 2},
        {"wrong type", with(line58("23"), 1, 2, "59"), "Fehler in Spalte   1 +  2", 1},
        {"empty line", "", "Fehler in Spalte   1 +  2", 1},
        {"blank KZ", with(line58("23"), 8, 9, ""), "Fehler in Spalte   8 +  9", 1},
        {"blank number", with(line58("23"), 17, 20, ""), "Fehler in Spalte  17 - 20", 1},
        {"point 1 only in column 23", with(line58("23"), 23, 30, "5"), "Fehler in Spalte  24 - 30",
         1},
        {"blank point 2", with(line58("23"), 33, 40, ""), "Fehler in Spalte  34 - 40", 1},
        {"blank point 3", with(line58("23", "7"), 41, 50, ""), "Fehler in Spalte  44 - 50", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TriangleCheck check = checkTriangles(c.line + "\r\n");
        if (c.message) {
            ASSERT_EQ(check.messages.count(), 4u);
            EXPECT_EQ(check.messages.line(3), std::string(" Zeile=    1 : ") + c.message + " ");
        } else {
            EXPECT_TRUE(check.messages.empty()) << check.messages.text();
        }
        EXPECT_EQ(check.triangleCount, c.count);
    }
}

TEST(TriangleCheck, MessageListCountAndPrefillsOfAFaultyText)
{
    const std::string text =
        test::terminated({line58("23"), "", line58("25", "77"), with(line58("25"), 44, 50, "")}) +
        "\r\n";
    const TriangleCheck check = checkTriangles(text);
    EXPECT_EQ(check.messages.lines(), std::vector<std::string>({
                                          " Dreiecksdaten in Datei DA58 nicht korrekt!",
                                          " ------------------------------------------",
                                          "",
                                          " Zeile=    2 : Fehler in Spalte   1 +  2 ",
                                          " Zeile=    4 : Fehler in Spalte  44 - 50 ",
                                          " Zeile=    5 : Fehler in Spalte   1 +  2 ",
                                      }));
    EXPECT_EQ(check.triangleCount, 6);
    EXPECT_EQ(check.kzo, "23");
    EXPECT_EQ(check.kzu, "  ");
    EXPECT_EQ(check.zdzu, "0");
}

TEST(TriangleCheck, HorizonPrefills)
{
    struct Case {
        const char *name;
        std::vector<std::string> kz;
        const char *kzo, *zdzo, *kzu, *zdzu;
    };
    const Case cases[] = {
        {"one horizon", {"23", "23"}, "23", "0", "0", ""},
        {"two horizons", {"23", "25", "25"}, "23", "0", "25", "0"},
        {"the last differing KZ wins", {"23", "25", "27"}, "23", "0", "27", "0"},
        {"back to the first KZ", {"23", "25", "23"}, "23", "0", "25", "0"},
        {"single digit with its blank", {" 5", " 6"}, " 5", "0", " 6", "0"},
        {"KZ written left", {"5 ", " 5"}, "5 ", "0", "0", ""},
        {"letters read as 0", {"ab", " 0"}, "ab", "0", "0", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines;
        for (const auto &kz : c.kz) {
            lines.push_back(line58(kz.c_str()));
        }
        const TriangleCheck check = checkTriangles(test::terminated(lines));
        EXPECT_EQ(check.kzo, c.kzo);
        EXPECT_EQ(check.zdzo, c.zdzo);
        EXPECT_EQ(check.kzu, c.kzu);
        EXPECT_EQ(check.zdzu, c.zdzu);
    }
}

TEST(TriangleCheck, NoText)
{
    const TriangleCheck check = checkTriangles("");
    EXPECT_FALSE(check.hasLines);
    EXPECT_EQ(check.messages.lines(),
              std::vector<std::string>({"", std::string("   Keine Datei geöffnet"_cp), ""}));
}

TEST(TriangleOpening, KeepsEveryLine)
{
    EXPECT_EQ(triangleTextFromFile("a\nb\n\n"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(triangleTextFromFile("a\rb"), "a\r\nb\r\n");
    EXPECT_EQ(triangleTextFromFile(""), "");
}

} // namespace
} // namespace kubato
