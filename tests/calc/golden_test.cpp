#include <gtest/gtest.h>

#include <algorithm>

#include "calc/calcjobs.h"
#include "input/coordinatelist.h"
#include "input/trianglemesh.h"

namespace kubato {
namespace {

using test::CalcJob;

TEST(CalcGolden, JobsPassTheInputChecks)
{
    for (const CalcJob &job : test::goldenJobs()) {
        SCOPED_TRACE(job.name);
        EXPECT_TRUE(checkCoordinates(job.coordinates, job.type).messages.empty());
        EXPECT_TRUE(checkTriangles(job.triangles).messages.empty());
    }
}

TEST(CalcGolden, ProtocolAndResultListsMatch)
{
    for (const CalcJob &job : test::goldenJobs()) {
        SCOPED_TRACE(job.name);
        test::RecordingMessageBox box;
        const RunOutcome out = test::runJob(job, box);
        test::expectGolden(job.name + ".protocol.txt", out.protocol);
        test::expectGolden(job.name + ".result.txt", out.result);
    }
}

TEST(CalcGolden, EndOfTheRun)
{
    struct Case {
        const char *name;
        const char *volLabel;
        bool coordMissing;
        const char *lastStatus;
    };
    const Case cases[] = {
        {"example_case1", " Volumen = 2805.297 m3", false, " 29 Dreieck(e) berechnet "},
        {"example_case2", " Volumen = 4981.677 m3", false, " 29 Dreieck(e) berechnet "},
        {"example_case3", " Volumen = 5431.440 m3", false, " 29 Dreieck(e) berechnet "},
        {"missing", " Volumen = 3070.833 m3", true, " 7 Dreieck(e) berechnet "},
        {"case0", " Volumen = -1.000 m3", false, " 2 Dreieck(e) berechnet "},
        {"many", " Volumen = 683.867 m3", false, " 1005 Dreieck(e) berechnet "},
    };
    const std::vector<CalcJob> jobs = test::goldenJobs();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto job = std::find_if(jobs.begin(), jobs.end(),
                                      [&](const CalcJob &j) { return j.name == c.name; });
        ASSERT_NE(job, jobs.end());
        test::RecordingMessageBox box;
        const RunOutcome out = test::runJob(*job, box);
        EXPECT_EQ(out.VolLabel, c.volLabel);
        EXPECT_EQ(out.CoordMissing, c.coordMissing);
        EXPECT_EQ(out.ErrLabel,
                  c.coordMissing
                      ? " Berechnung fehlerhaft !    Koordinaten teilweise nicht "
                        "gefunden,   Protokoll ansehen,    Dateien  richtig gew\xe4hlt ??"
                      : "");
        EXPECT_EQ(out.BerDreiSText, c.lastStatus);
        EXPECT_EQ(box.shown.size(), out.calcCase == 0 ? 1u : 0u);
    }
}

} // namespace
} // namespace kubato
