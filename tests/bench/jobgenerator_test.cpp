#include <gtest/gtest.h>

#include "input/coordinatelist.h"
#include "input/trianglemesh.h"
#include "jobgenerator.h"

namespace kubato {
namespace {

TEST(JobGenerator, JobsPassTheChecksWithTheirCounts)
{
    for (const auto type : {CoordinateType::DA30, CoordinateType::DA45}) {
        SCOPED_TRACE(type == CoordinateType::DA30 ? "DA30" : "DA45");
        const GeneratedJob job = generateJob({20, type, 7});
        const CoordinateCheck coords = checkCoordinates(job.coordinates, type);
        EXPECT_TRUE(coords.messages.empty()) << coords.messages.text();
        EXPECT_EQ(coords.pointCount, job.pointCount);
        EXPECT_EQ(job.pointCount, 20 * 20 + 18 * 18);
        const TriangleCheck triangles = checkTriangles(job.triangles);
        EXPECT_TRUE(triangles.messages.empty()) << triangles.messages.text();
        EXPECT_EQ(triangles.triangleCount, job.triangleCount);
        EXPECT_EQ(triangles.kzo, " 1");
        EXPECT_EQ(triangles.kzu, " 2");
    }
    EXPECT_EQ(generateJob({20, CoordinateType::DA45, 7}).coordinates,
              generateJob({20, CoordinateType::DA45, 7}).coordinates);
}

} // namespace
} // namespace kubato
