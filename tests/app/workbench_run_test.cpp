#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/workbench.h"
#include "calc/calcjobs.h"
#include "common/cp1252.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

class RecordingObserver final : public RunObserver {
public:
    explicit RecordingObserver(const Workbench &bench) : mBench(bench) {}
    void status(std::string_view text) override
    {
        texts.emplace_back(text);
        statusLineMatched = statusLineMatched && mBench.main().BerDreiSText == text;
        errLabelEmpty = errLabelEmpty && mBench.main().ErrLabel.empty();
    }
    std::vector<std::string> texts;
    bool statusLineMatched = true;
    bool errLabelEmpty = true;

private:
    const Workbench &mBench;
};

// The example job accepted in a workbench, with files in a temporary directory.
class WorkbenchRunTest : public ::testing::Test {
protected:
    WorkbenchRunTest()
    {
        coords = dir.write("bsp.d45", test::readAll(test::examplePath("bsp.d45")));
        triangles = dir.write("bsp.d58", test::readAll(test::examplePath("bsp.d58")));
        // the same mesh with a corner that the coordinates lack
        std::string missing = test::readAll(test::examplePath("bsp.d58"));
        missing.replace(missing.find("2300012"), 7, "2399999");
        missingTriangles = dir.write("fehlt.d58", missing);
    }

    void accept(const std::string &coordPath, const std::string &trianglePath)
    {
        bench.setCoordinateType(CoordinateType::DA45);
        ASSERT_TRUE(bench.openCoordinateFile(coordPath).ok);
        ASSERT_TRUE(bench.checkCoordinates().accepted);
        ASSERT_TRUE(bench.openTriangleFile(trianglePath).ok);
        ASSERT_TRUE(bench.checkTriangles().accepted);
        ASSERT_EQ(bench.acceptControlValues().outcome, ControlValuesCheck::Outcome::Accepted);
        ASSERT_TRUE(bench.main().BtnStart);
    }

    test::TempDir dir;
    std::string coords, triangles, missingTriangles;
    Workbench bench;
    test::RecordingMessageBox box;
    test::FixedClock clock;
};

TEST_F(WorkbenchRunTest, RunEndsInTheComputedState)
{
    accept(coords, triangles);
    RecordingObserver observer(bench);
    bench.start(box, clock, &observer);

    const MainWindowState &m = bench.main();
    EXPECT_EQ(m.VolLabel, " Volumen = 2805.297 m3");
    EXPECT_EQ(m.ErrLabel, "");
    EXPECT_EQ(m.BerDreiSText, " 29 Dreieck(e) berechnet ");
    EXPECT_TRUE(m.BtnErg && m.BtnProto && m.BtnGrafik && m.BtnStart);
    EXPECT_EQ(test::goldenText(bench.protocol()),
              test::readAll(test::goldenPath("example_case1.protocol.txt")));
    EXPECT_EQ(test::goldenText(bench.result()),
              test::readAll(test::goldenPath("example_case1.result.txt")));
    EXPECT_TRUE(box.shown.empty());

    ASSERT_EQ(observer.texts.size(), 7u);
    EXPECT_EQ(observer.texts.front(), "1/6  DA59 Überprüfen und Fallunterscheidung"_cp);
    EXPECT_EQ(observer.texts.back(), " 29 Dreieck(e) berechnet ");
    EXPECT_TRUE(observer.statusLineMatched);

    // a second run gives the same lists, not a second copy after the first
    const TextList protocol = bench.protocol();
    const TextList result = bench.result();
    bench.start(box, clock);
    EXPECT_EQ(bench.protocol(), protocol);
    EXPECT_EQ(bench.result(), result);
}

TEST_F(WorkbenchRunTest, CaseZeroFromFieldsChangedAfterAcceptance)
{
    accept(coords, triangles);
    // typed into the dialog and cancelled: the run decides the case from the texts as they stand
    bench.setField(Field::KZU, "0");
    bench.controlValuesDialogClosed();
    bench.start(box, clock);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "keine Fallzuordnung möglich, KZ-Werte überprüfen"_cp);
    EXPECT_EQ(box.shown[0].caption, "  Meldung");
    EXPECT_EQ(bench.main().VolLabel, " Volumen = -1.000 m3");
    EXPECT_TRUE(bench.main().BtnErg && bench.main().BtnProto && bench.main().BtnGrafik);
    EXPECT_EQ(bench.result().line(bench.result().count() - 2),
              " Keine Fallunterscheidung möglich !!                  "_cp);
}

TEST_F(WorkbenchRunTest, MissingCoordinatesSetErrLabelUntilTheNextRun)
{
    accept(coords, missingTriangles);
    bench.start(box, clock);
    EXPECT_EQ(bench.main().ErrLabel,
              " Berechnung fehlerhaft !    Koordinaten teilweise nicht gefunden,   Protokoll "
              "ansehen,    Dateien  richtig gewählt ??"_cp);

    accept(coords, triangles);
    RecordingObserver observer(bench);
    bench.start(box, clock, &observer);
    EXPECT_TRUE(observer.errLabelEmpty);
    EXPECT_EQ(bench.main().ErrLabel, "");
}

// The start button stays enabled when a new text is opened but not accepted, or the data type
// is switched after acceptance; the run still computes the texts that Label30 and Label58 name.
TEST_F(WorkbenchRunTest, RunComputesTheAcceptedTexts)
{
    accept(coords, triangles);
    bench.start(box, clock);
    const TextList protocol = bench.protocol();
    const TextList result = bench.result();

    struct Step {
        const char *name;
        std::function<void()> change;
    };
    // named so that opening it prefills the same position name
    const std::string faulty = dir.write("bsp.txt", "45\r\n");
    const Step steps[] = {
        {"new coordinates opened, not checked",
         [&] { ASSERT_TRUE(bench.openCoordinateFile(triangles).ok); }},
        {"new coordinates failed their check",
         [&] {
             ASSERT_TRUE(bench.openCoordinateFile(faulty).ok);
             ASSERT_FALSE(bench.checkCoordinates().accepted);
         }},
        {"data type switched", [&] { bench.setCoordinateType(CoordinateType::DA30); }},
        {"triangle text edited, window cancelled",
         [&] { bench.setTriangleText(test::da58Line(23, 1, "2300001", "2300002", "9")); }},
        {"new triangles opened, not checked",
         [&] { ASSERT_TRUE(bench.openTriangleFile(missingTriangles).ok); }},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        ASSERT_TRUE(bench.main().BtnStart);
        bench.start(box, clock);
        EXPECT_EQ(bench.protocol().lines(), protocol.lines());
        EXPECT_EQ(bench.result().lines(), result.lines());
        EXPECT_EQ(bench.main().ErrLabel, "");
    }
}

} // namespace
} // namespace kubato
