#include <gtest/gtest.h>

#include <string>

#include "app/workbench.h"
#include "common/cp1252.h"
#include "common/lines.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

// A job with the sample files copied into a temporary directory.
class WorkbenchTest : public ::testing::Test {
protected:
    WorkbenchTest()
    {
        coords = dir.write("Bsp.D45", test::readAll(test::examplePath("bsp.d45")));
        triangles = dir.write("Bsp.D58", test::readAll(test::examplePath("bsp.d58")));
        faultyCoords = dir.write("falsch.d45", ColumnLine().at(1, "46").str());
    }

    void acceptCoordinates(const std::string &path)
    {
        bench.setCoordinateType(CoordinateType::DA45);
        ASSERT_TRUE(bench.openCoordinateFile(path).ok);
        ASSERT_TRUE(bench.checkCoordinates().accepted);
    }
    void acceptTriangles()
    {
        ASSERT_TRUE(bench.openTriangleFile(triangles).ok);
        ASSERT_TRUE(bench.checkTriangles().accepted);
    }
    void acceptAll()
    {
        acceptCoordinates(coords);
        acceptTriangles();
        ASSERT_EQ(bench.acceptControlValues().outcome, ControlValuesCheck::Outcome::Accepted);
        ASSERT_TRUE(bench.main().BtnStart);
    }
    std::string lower(const std::string &path) { return lowerAsciiLetters(path); }

    test::TempDir dir;
    std::string coords, triangles, faultyCoords;
    Workbench bench;
};

TEST_F(WorkbenchTest, FreshStart)
{
    const MainWindowState &m = bench.main();
    EXPECT_FALSE(m.SBtnAmp30 || m.SBtnAmp58 || m.SBtnAmp57);
    EXPECT_FALSE(m.BtnDa57 || m.BtnStart || m.BtnGrafik || m.BtnProto || m.BtnErg);
    for (const auto *label : {&m.Label30, &m.Label58, &m.Label57, &m.Label59, &m.VolLabel,
                              &m.BerDreiSText, &m.ErrLabel}) {
        EXPECT_EQ(*label, "");
    }
    EXPECT_EQ(bench.coordinateCaption(), "  DA30/DA45");
    EXPECT_EQ(bench.triangleCaption(), "  DA58");
    EXPECT_EQ(bench.coordinateType(), CoordinateType::DA30);
    EXPECT_EQ(bench.fields(), FieldTexts({"200", "50", "5", "", "", "", "", ""}));
    EXPECT_FALSE(bench.CoordinatesReady() || bench.TrianglesReady() || bench.ControlValuesReady());
}

TEST_F(WorkbenchTest, OpeningSetsCaptionAndPositionOnly)
{
    const std::string path = dir.write("Mess.Punkte.d30", "3023\r\n");
    ASSERT_TRUE(bench.openCoordinateFile(path).ok);
    EXPECT_EQ(bench.coordinateCaption(), " KUBATO 5.1     " + lower(path));
    EXPECT_EQ(bench.field(Field::POS), "mess");
    EXPECT_EQ(bench.coordinateText(), "");
    EXPECT_FALSE(bench.main().SBtnAmp30);

    ASSERT_TRUE(bench.openTriangleFile(triangles).ok);
    EXPECT_EQ(bench.triangleCaption(), " KUBATO 5.1     " + lower(triangles));
    EXPECT_EQ(bench.triangleText(), test::readAll(triangles));
}

TEST_F(WorkbenchTest, UnreadableFileLeavesAnEmptyViewAndTheOldCaption)
{
    ASSERT_TRUE(bench.openCoordinateFile(coords).ok);
    const std::string caption = bench.coordinateCaption();
    const OpenOutcome outcome = bench.openCoordinateFile(dir.path());
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error,
              "Die Datei \"" + dir.path() +
                  "\" kann nicht gelesen werden: das ist ein Verzeichnis, keine Datei.");
    EXPECT_EQ(bench.coordinateText(), "");
    EXPECT_EQ(bench.coordinateCaption(), caption);
    EXPECT_EQ(bench.field(Field::POS), "bsp");

    ASSERT_TRUE(bench.openTriangleFile(triangles).ok);
    EXPECT_FALSE(bench.openTriangleFile(dir.path() + "/fehlt.d58").ok);
    EXPECT_EQ(bench.triangleText(), "");
}

TEST_F(WorkbenchTest, CoordinatesThenTriangles)
{
    acceptCoordinates(coords);
    EXPECT_TRUE(bench.main().SBtnAmp30);
    EXPECT_EQ(bench.main().Label30, " " + lower(coords));
    EXPECT_FALSE(bench.main().BtnDa57 || bench.main().BtnGrafik || bench.main().BtnStart);
    EXPECT_EQ(bench.PointCount(), 18);
    EXPECT_EQ(bench.field(Field::KOBH), "3.000");

    acceptTriangles();
    EXPECT_TRUE(bench.main().SBtnAmp58);
    EXPECT_EQ(bench.main().Label58, " " + lower(triangles));
    EXPECT_TRUE(bench.main().BtnDa57 && bench.main().BtnGrafik);
    EXPECT_FALSE(bench.main().BtnStart);
    EXPECT_EQ(bench.TriangleCount(), 29);
    EXPECT_EQ(bench.fields(), FieldTexts({"3.000", "50", "5", "bsp", "23", "0", "25", "0"}));
}

TEST_F(WorkbenchTest, CheckOutcomeCarriesTheCountBox)
{
    bench.setCoordinateType(CoordinateType::DA45);
    ASSERT_TRUE(bench.openCoordinateFile(coords).ok);
    const CheckOutcome c = bench.checkCoordinates();
    EXPECT_EQ(c.countCaption, "Anzahl Koordinaten in DA30/45");
    EXPECT_EQ(c.countText, "18");
    ASSERT_TRUE(bench.openTriangleFile(triangles).ok);
    const CheckOutcome t = bench.checkTriangles();
    EXPECT_EQ(t.countCaption, "Anzahl Dreiecke in DA58");
    EXPECT_EQ(t.countText, "29");
}

TEST_F(WorkbenchTest, NewCheckTakesTheControlValuesBack)
{
    acceptAll();
    EXPECT_TRUE(bench.main().SBtnAmp57);
    EXPECT_EQ(bench.main().Label57, " KOBH=3.000, KWYX=50.000, KWZ=5.000");

    acceptCoordinates(coords);
    EXPECT_FALSE(bench.main().SBtnAmp57);
    EXPECT_EQ(bench.main().Label57, "");
    EXPECT_EQ(bench.main().Label59, "");
    EXPECT_FALSE(bench.main().BtnStart);
    EXPECT_TRUE(bench.ControlValuesReady());

    EXPECT_EQ(bench.acceptControlValues().outcome, ControlValuesCheck::Outcome::Accepted);
    EXPECT_TRUE(bench.main().BtnStart);
}

TEST_F(WorkbenchTest, FailedCoordinateCheckKeepsLampAndStart)
{
    acceptAll();
    ASSERT_TRUE(bench.openCoordinateFile(faultyCoords).ok);
    const CheckOutcome outcome = bench.checkCoordinates();
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(bench.messages().count(), 4u);
    EXPECT_TRUE(bench.main().SBtnAmp30);
    EXPECT_EQ(bench.main().Label30, " " + lower(coords));
    EXPECT_TRUE(bench.main().BtnStart);
    EXPECT_FALSE(bench.main().SBtnAmp57);
    EXPECT_EQ(bench.main().Label57, "");
    EXPECT_EQ(bench.main().Label59, "");
    EXPECT_EQ(bench.field(Field::KOBH), "3.000");
    EXPECT_EQ(bench.PointCount(), 1);
    // The run keeps to the text that was accepted.
    EXPECT_EQ(bench.acceptedCoordinates().text.str(), test::readAll(coords));
    EXPECT_EQ(bench.acceptedCoordinates().pointCount, 18);
}

TEST_F(WorkbenchTest, FailedTriangleCheckStillSetsCountAndHorizons)
{
    acceptAll();
    bench.setTriangleText(std::string("58     31          1   2300001   2300002\n") +
                          ColumnLine().at(1, "58").at(8, "32").str());
    EXPECT_FALSE(bench.checkTriangles().accepted);
    EXPECT_EQ(bench.TriangleCount(), 2);
    EXPECT_EQ(bench.field(Field::KZO), "31");
    EXPECT_EQ(bench.field(Field::KZU), "32");
    EXPECT_TRUE(bench.main().SBtnAmp58);
    EXPECT_EQ(bench.acceptedTriangles().triangleCount, 29);

    bench.setTriangleText("");
    EXPECT_FALSE(bench.checkTriangles().accepted);
    EXPECT_EQ(bench.TriangleCount(), 2);
    EXPECT_EQ(bench.field(Field::KZO), "31");
}

TEST_F(WorkbenchTest, SecondCheckStartsFromAnEmptyMessageList)
{
    ASSERT_TRUE(bench.openCoordinateFile(faultyCoords).ok);
    EXPECT_FALSE(bench.checkCoordinates().accepted);
    bench.setCoordinateType(CoordinateType::DA45);
    ASSERT_TRUE(bench.openCoordinateFile(coords).ok);
    EXPECT_TRUE(bench.checkCoordinates().accepted);
    EXPECT_TRUE(bench.messages().empty());
}

TEST_F(WorkbenchTest, CheckWithoutTextListsNoFile)
{
    const CheckOutcome outcome = bench.checkCoordinates();
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(bench.messages().line(1), "   Keine Datei geöffnet"_cp);
    EXPECT_FALSE(bench.checkTriangles().accepted);
    EXPECT_EQ(bench.messages().count(), 3u);
}

TEST_F(WorkbenchTest, ControlValuesDialog)
{
    acceptCoordinates(coords);
    acceptTriangles();
    bench.setField(Field::KOBH, "-5");
    EXPECT_EQ(bench.acceptControlValues().failingField, Field::KOBH);
    EXPECT_EQ(bench.errLabel57(), "KOBH-Wert darf nicht negativ sein");
    EXPECT_FALSE(bench.main().SBtnAmp57);
    bench.controlValuesDialogClosed();
    EXPECT_EQ(bench.errLabel57(), "KOBH-Wert darf nicht negativ sein");

    bench.setField(Field::KOBH, "3,5");
    bench.setField(Field::ZDZU, "");
    bench.setField(Field::KZU, "0");
    EXPECT_EQ(bench.acceptControlValues().message, "z,dz-unten-Wert fehlt ( NN-Höhe > 0.0 )"_cp);
    bench.setField(Field::ZDZU, "0");
    EXPECT_EQ(bench.acceptControlValues().outcome, ControlValuesCheck::Outcome::NoCase);
    EXPECT_EQ(bench.field(Field::KOBH), "3.5");
    EXPECT_EQ(bench.errLabel57(), "");
    EXPECT_FALSE(bench.main().SBtnAmp57);

    bench.setField(Field::ZDZU, "120,25");
    EXPECT_EQ(bench.acceptControlValues().calcCase, 2);
    EXPECT_EQ(bench.main().Label59, " Pos=       bsp, KZ=23, zdz=0.000,  KZ= 0, zdz=120.250");
    EXPECT_TRUE(bench.main().BtnStart);

    bench.setField(Field::POS, "abcdefghijklmn");
    EXPECT_EQ(bench.field(Field::POS), "abcdefghij");
}

TEST_F(WorkbenchTest, ControlValuesWithoutBothFilesLightTheLampOnly)
{
    acceptCoordinates(coords);
    bench.setField(Field::POS, "p");
    bench.setField(Field::KZO, "1");
    bench.setField(Field::ZDZO, "0");
    bench.setField(Field::KZU, "2");
    bench.setField(Field::ZDZU, "0");
    EXPECT_EQ(bench.acceptControlValues().outcome, ControlValuesCheck::Outcome::Accepted);
    EXPECT_TRUE(bench.main().SBtnAmp57);
    EXPECT_FALSE(bench.main().BtnStart);
}

TEST_F(WorkbenchTest, ResetKeepsCountsChoiceAndPosition)
{
    acceptAll();
    bench.reset();
    const MainWindowState &m = bench.main();
    EXPECT_FALSE(m.SBtnAmp30 || m.SBtnAmp58 || m.SBtnAmp57);
    EXPECT_FALSE(m.BtnDa57 || m.BtnStart || m.BtnGrafik || m.BtnProto || m.BtnErg);
    EXPECT_EQ(m.Label30 + m.Label58 + m.Label57 + m.Label59 + m.VolLabel + m.BerDreiSText +
                  m.ErrLabel,
              "");
    EXPECT_EQ(bench.fields(), FieldTexts({"200", "50", "5", "bsp", "", "0.0", "", "0.0"}));
    EXPECT_EQ(bench.coordinateCaption(), " KUBATO 5.1");
    EXPECT_EQ(bench.triangleCaption(), " KUBATO 5.1");
    EXPECT_EQ(bench.coordinateText(), "");
    EXPECT_EQ(bench.triangleText(), "");
    EXPECT_EQ(bench.coordinateType(), CoordinateType::DA45);
    EXPECT_EQ(bench.PointCount(), 18);
    EXPECT_EQ(bench.TriangleCount(), 29);
    EXPECT_FALSE(bench.CoordinatesReady() || bench.TrianglesReady() || bench.ControlValuesReady());

    // A triangle file accepted before the reset no longer counts.
    acceptCoordinates(coords);
    EXPECT_FALSE(bench.main().BtnDa57);
    EXPECT_FALSE(bench.main().BtnGrafik);
}

TEST_F(WorkbenchTest, WrongRadioButtonLeavesTheLampAsItWas)
{
    bench.setCoordinateType(CoordinateType::DA30);
    ASSERT_TRUE(bench.openCoordinateFile(coords).ok);
    EXPECT_FALSE(bench.checkCoordinates().accepted);
    EXPECT_EQ(bench.messages().count(), 12u);
    EXPECT_FALSE(bench.main().SBtnAmp30);
}

} // namespace
} // namespace kubato
