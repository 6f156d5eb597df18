#include <gtest/gtest.h>

#include "calc/calcjobs.h"
#include "calc/calcrun.h"
#include "common/cp1252.h"
#include "common/lines.h"

namespace kubato {
namespace {

class RecordingObserver final : public RunObserver {
public:
    void status(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

// A job of pointCount points on a line and triangleCount distinct triangles over them.
test::CalcJob progressJob(int pointCount, int triangleCount)
{
    std::vector<std::string> points, triangles;
    for (int i = 0; i < pointCount; ++i) {
        points.push_back(test::da30Line(std::to_string(i), i * 1000L, (i % 2) * 1000L, 1000));
    }
    for (int k = 0; k < triangleCount; ++k) {
        triangles.push_back(test::da58Line(1, k + 1, std::to_string(k), std::to_string(k + 1),
                                           std::to_string(k + 2)));
    }
    return {"progress", test::textOf(points), CoordinateType::DA30, test::textOf(triangles),
            test::fieldTexts("0", "50", "5", "p", "1", "0", "0", "1")};
}

TEST(CalcRun, StatusTextsWithProgress)
{
    struct Case {
        int points, triangles;
        std::vector<std::string> texts;
    };
    const std::string stage6 = std::string("6/6  Flächen- und Massenberechnung : "_cp);
    const Case cases[] = {
        // the last rows visited are 1000 of the points and 100 of the triangles: no progress yet
        {1002,
         102,
         {std::string("1/6  DA59 Überprüfen und Fallunterscheidung"_cp),
          "2/6  Koordinaten mit gleichen x,y,z - Werten",
          "3/6  Bestimmen der Anzahl der Dreiecke oben und unten",
          "4/6  Sortieren der Dreieckspunkte", "5/6  Untersuchung auf doppelte Dreiecke",
          std::string("6/6  Flächen und Massenberechnung beginnen"_cp),
          stage6 + "100 von 102 Dreiecken berechnet ", " 102 Dreieck(e) berechnet "}},
        {1003,
         250,
         {std::string("1/6  DA59 Überprüfen und Fallunterscheidung"_cp),
          "2/6  Koordinaten mit gleichen x,y,z - Werten",
          std::string("2/6  Koordinaten mit gleichen x,y,z - Werten : 1000 von 1003 geprüft"_cp),
          "3/6  Bestimmen der Anzahl der Dreiecke oben und unten",
          "4/6  Sortieren der Dreieckspunkte", "5/6  Untersuchung auf doppelte Dreiecke",
          std::string("5/6  Untersuchung auf doppelte Dreiecke : 100 von 250 geprüft"_cp),
          std::string("5/6  Untersuchung auf doppelte Dreiecke : 200 von 250 geprüft"_cp),
          std::string("6/6  Flächen und Massenberechnung beginnen"_cp),
          stage6 + "100 von 250 Dreiecken berechnet ", stage6 + "200 von 250 Dreiecken berechnet ",
          " 250 Dreieck(e) berechnet "}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.points);
        RecordingObserver observer;
        test::RecordingMessageBox box;
        const RunOutcome out =
            runCalculation(test::inputOf(progressJob(c.points, c.triangles)), box, &observer);
        EXPECT_EQ(observer.texts, c.texts);
        EXPECT_EQ(out.BerDreiSText, c.texts.back());
    }
}

TEST(CalcRun, CaseZeroShowsItsBoxAndRunsToTheEnd)
{
    struct Case {
        const char *kzo, *zdzo, *kzu, *zdzu;
    };
    const Case cases[] = {
        {"1", "0", "0", "0.0"}, {"0", "5", "0", "5"}, {"-1", "0", "2", "0"}, {"1", "0", "-2", "0"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.kzo << " " << c.zdzo << " " << c.kzu << " " << c.zdzu);
        test::CalcJob job = progressJob(3, 1);
        job.fields = test::fieldTexts("0", "50", "5", "p", c.kzo, c.zdzo, c.kzu, c.zdzu);
        test::RecordingMessageBox box;
        const RunOutcome out = test::runJob(job, box);
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, "keine Fallzuordnung möglich, KZ-Werte überprüfen"_cp);
        EXPECT_EQ(box.shown[0].caption, "  Meldung");
        EXPECT_EQ(out.protocol.line(6),
                  " DA59 : keine Fallzuordnung möglich, KZ-Werte überprüfen"_cp);
        EXPECT_EQ(out.protocol.line(out.protocol.count() - 1), " Programm normal beendet");
        EXPECT_EQ(out.VolLabel, " Volumen = -1.000 m3");
    }
}

// No text reaches the run unchecked in the program, but the run relies on no check: whatever
// the texts hold, every table entry it reads was filled from them.
TEST(CalcRun, AnyTextsAreSafe)
{
    const std::string longLine = std::string(200, '9');
    const std::string partialDa45 =
        ColumnLine().at(1, "45").right(9, "1").right(40, "1").right(49, "2").str();
    struct Case {
        const char *name;
        std::string coordinates;
        CoordinateType type;
        std::string triangles;
    };
    const Case cases[] = {
        {"nothing", "", CoordinateType::DA30, ""},
        {"no points", "", CoordinateType::DA45, test::da58Line(1, 1, "1", "2", "3", "4")},
        {"no triangles", test::da30Line("1", 1, 2, 3), CoordinateType::DA30, ""},
        {"empty lines", "\r\n\r\n\n\r", CoordinateType::DA45, "\r\n\n"},
        {"long lines and bytes", longLine + "\r\n\xff\x80\x00" + longLine, CoordinateType::DA30,
         longLine + "\n" + std::string(90, '\xe4')},
        {"second DA45 point in part", partialDa45 + "\r\n" + partialDa45, CoordinateType::DA45,
         test::da58Line(-9, -999, "1", "2", "", "2")},
        {"DA45 text read as DA30", test::textOf({partialDa45}), CoordinateType::DA30,
         test::da58Line(99, 9999, "1", "1", "1", "1")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::CalcJob job{c.name, c.coordinates, c.type, c.triangles,
                          test::fieldTexts("200", "50", "5", "p", "1", "0", "2", "0")};
        test::RecordingMessageBox box;
        const RunOutcome out = test::runJob(job, box);
        EXPECT_EQ(out.protocol.line(out.protocol.count() - 1), " Programm normal beendet");
        EXPECT_EQ(
            out.result.line(out.result.count() - 1),
            " ----------------------------------------------------------------------------------");
    }
}

} // namespace
} // namespace kubato
