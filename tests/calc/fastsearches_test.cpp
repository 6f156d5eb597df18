#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/calcjobs.h"
#include "calc/calcrun.h"
#include "calc/fastsearches.h"
#include "calc/prisms.h"
#include "common/format.h"
#include "common/lines.h"
#include "jobgenerator.h"

namespace kubato {
namespace {

const ReferenceSearches kLiteral;
const FastSearches kFast;

using Random = std::mt19937;

int pick(Random &random, int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(random);
}

bool chance(Random &random, double p)
{
    return std::bernoulli_distribution(p)(random);
}

// --- the searches, compared on tables ---

// Coordinates from a few values, so that points meet in plan and in space; zero of both signs,
// infinity and NaN (which equals nothing, not even itself) among them.
double coordinate(Random &random)
{
    static const double values[] = {0.0,
                                    -0.0,
                                    1.5,
                                    2.0,
                                    46.7,
                                    -3.25,
                                    std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN()};
    const int last = chance(random, 0.9) ? 5 : 7;
    return values[pick(random, 0, last)];
}

// Point numbers from a small pool, with texts that differ only by a leading zero or are empty.
PointNumber pointNumber(Random &random, int pool)
{
    const int n = pick(random, 0, pool);
    if (n == 0) {
        return chance(random, 0.5) ? "" : "007";
    }
    return PointNumber(chance(random, 0.1) ? "0" + std::to_string(n) : std::to_string(n));
}

TPointTable randomPoints(Random &random, int count)
{
    TPointTable points;
    for (int i = 0; i < count; ++i) {
        points.push_back(
            {pointNumber(random, 30), coordinate(random), coordinate(random), coordinate(random)});
    }
    return points;
}

TTriangleTable randomTriangles(Random &random, int count)
{
    TTriangleTable triangles;
    for (int i = 0; i < count; ++i) {
        TTriangle t{pick(random, 0, 3),     i + 1, pointNumber(random, 5), pointNumber(random, 5),
                    pointNumber(random, 5), 0};
        t.ident = t.kz * 100000 + t.number + 10000;
        triangles.push_back(t);
    }
    return triangles;
}

TEST(FastSearches, FindingsEqualThoseOfThePairwiseSearches)
{
    Random random(7);
    for (int round = 0; round < 300; ++round) {
        const int count = pick(random, 0, round % 10 == 0 ? 400 : 40);
        // Small limits put the cut-offs of both listings inside the pairs; 50 is the run's.
        const long limit = round % 4 == 0 ? 50 : pick(random, 0, 6);
        SCOPED_TRACE("round " + std::to_string(round) + ", limit " + std::to_string(limit));

        const TPointTable points = randomPoints(random, count);
        std::vector<long> literalRows, fastRows;
        const DuplicatePointFindings literalPoints = kLiteral.findDuplicatePoints(
            points, limit, [&](long row) { literalRows.push_back(row); });
        const DuplicatePointFindings fastPoints =
            kFast.findDuplicatePoints(points, limit, [&](long row) { fastRows.push_back(row); });
        EXPECT_EQ(fastPoints, literalPoints);
        EXPECT_EQ(fastRows, literalRows);

        const TTriangleTable triangles = randomTriangles(random, count);
        literalRows.clear();
        fastRows.clear();
        const DuplicateTriangleFindings literalTriangles = kLiteral.findDuplicateTriangles(
            triangles, limit, [&](long row) { literalRows.push_back(row); });
        const DuplicateTriangleFindings fastTriangles = kFast.findDuplicateTriangles(
            triangles, limit, [&](long row) { fastRows.push_back(row); });
        EXPECT_EQ(fastTriangles, literalTriangles);
        EXPECT_EQ(fastRows, literalRows);
    }
}

TEST(FastSearches, CornersAreTheFirstEntriesOfTheirNumbers)
{
    Random random(11);
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const TPointTable points = randomPoints(random, pick(random, 0, 60));
        const TTriangleTable triangles = randomTriangles(random, 80);
        const std::unique_ptr<CornerFinder> literal = kLiteral.cornerFinder(points);
        const std::unique_ptr<CornerFinder> fast = kFast.cornerFinder(points);
        for (std::size_t v = 0; v < triangles.size(); ++v) {
            EXPECT_EQ(fast->find(triangles[v]), literal->find(triangles[v])) << "triangle " << v;
        }
        // A range looked up at once, as the prisms do (guessing from the corners found lately
        // and fetching ahead while the guesses miss), gives the same.
        std::vector<CornerEntries> range(triangles.size());
        fast->findRange(triangles, range);
        for (std::size_t v = 0; v < triangles.size(); ++v) {
            EXPECT_EQ(range[v], literal->find(triangles[v])) << "triangle " << v;
        }
    }
}

// --- whole runs, compared line by line ---

class RecordingObserver final : public RunObserver {
public:
    void status(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

// The prisms of a large table find their corners a block ahead, on two threads: over several
// blocks the stage writes exactly what it writes with the literal scan.
TEST(FastSearches, PrismsOverSeveralBlocksOfLookUps)
{
    Random random(5);
    TPointTable points;
    for (int i = 1; i <= 500; ++i) {
        points.push_back({std::to_string(i), i * 1.5, (i * 7) % 100 * 1.0, (i % 13) * 0.25});
    }
    // corners all over the table and a few missing; two horizons, the second beginning inside
    // the second block
    TTriangleTable triangles;
    for (int v = 0; v < 140000; ++v) {
        const int kz = v < 70000 ? 1 : 2;
        const auto corner = [&] { return PointNumber(std::to_string(pick(random, 1, 505))); };
        triangles.push_back({kz, v + 1, corner(), corner(), corner(), kz * 100000 + v + 10001});
    }
    struct Stage {
        TextList protocol, result;
        std::vector<std::string> statusTexts;
        std::string sums;
    };
    const auto run = [&](const RunSearches &searches) {
        Stage stage;
        RecordingObserver observer;
        StatusLine status(&observer);
        ResultListWriter writer(stage.result, stage.protocol, "p", Date{});
        const PrismStageResult r = ComputePrisms(triangles, points, 50, 5, 0, searches, writer,
                                                 stage.protocol, stage.result, status);
        stage.statusTexts = observer.texts;
        stage.sums = format("%a %a %a %a %a %a %d %d", r.SectionSums.aGrund, r.SectionSums.aDeck,
                            r.SectionSums.volumen, r.FirstSums.aGrund, r.FirstSums.aDeck,
                            r.FirstSums.volumen, r.CurrentKZ, r.CoordMissing ? 1 : 0);
        return stage;
    };
    const Stage literal = run(kLiteral);
    const Stage fast = run(kFast);
    EXPECT_EQ(fast.protocol.lines(), literal.protocol.lines());
    EXPECT_EQ(fast.result.lines(), literal.result.lines());
    EXPECT_EQ(fast.statusTexts, literal.statusTexts);
    EXPECT_EQ(fast.sums, literal.sums);

    // The sums of both horizons, triangle by triangle with a plain scan for each corner.
    std::array<THorizonSums, 2> expected{};
    for (const TTriangle &t : triangles) {
        TCorners corners;
        for (std::size_t c = 0; c < 3; ++c) {
            const PointNumber &number = c == 0 ? t.p1 : c == 1 ? t.p2 : t.p3;
            for (const TPoint &p : points) {
                if (p.number == number) {
                    corners[c] = {p.y, p.x, p.z, true};
                    break;
                }
            }
        }
        if (corners[0].found || corners[1].found || corners[2].found) {
            const TPrismValues values = prismValues(corners, 0);
            THorizonSums &sums = expected[static_cast<std::size_t>(t.kz - 1)];
            sums.aGrund += values.aGrund;
            sums.aDeck += values.aDeck;
            sums.volumen += values.volumen;
        }
    }
    EXPECT_EQ(fast.sums, format("%a %a %a %a %a %a 2 1", expected[1].aGrund, expected[1].aDeck,
                                expected[1].volumen, expected[0].aGrund, expected[0].aDeck,
                                expected[0].volumen));
}

struct RunRecord {
    RunOutcome outcome;
    std::vector<std::string> statusTexts;
    std::vector<std::string> boxTexts;
};

RunRecord runWith(const RunInput &input, const RunSearches &searches)
{
    RunRecord record;
    test::RecordingMessageBox box;
    RecordingObserver observer;
    record.outcome = runCalculation(input, box, &observer, searches);
    record.statusTexts = std::move(observer.texts);
    for (const auto &shown : box.shown) {
        record.boxTexts.push_back(shown.caption + "|" + shown.text);
    }
    return record;
}

// A value field in millimetres, sometimes written with a decimal point or as -0.
std::string millimetres(Random &random, int units)
{
    const long mm = 1000L * units;
    switch (pick(random, 0, 9)) {
    case 0:
        return std::to_string(mm) + ".0";
    case 1:
        return units == 0 ? "-0" : std::to_string(mm);
    default:
        return std::to_string(mm);
    }
}

struct JobPoint {
    std::string number;
    std::string y, x, z;
};

std::string da45Line(const JobPoint &a, const JobPoint *b)
{
    ColumnLine line;
    line.at(1, "45").right(9, a.number).right(20, a.y).right(30, a.x).right(40, a.z);
    if (b != nullptr) {
        line.right(49, b->number).right(60, b->y).right(70, b->x).right(80, b->z);
    }
    return line.str();
}

// A job with everything the searches must reproduce: points given twice in plan and in space
// (often beyond the listing limits), point numbers given twice, corners that are missing,
// triangles given again with their corners in another order, quadrilaterals, KZ 0 and
// negative KZ lines, several sections, DA30 or DA45, and all four cases of computation.
test::CalcJob randomJob(Random &random, int round)
{
    test::CalcJob job;
    job.name = "random " + std::to_string(round);
    job.type = chance(random, 0.5) ? CoordinateType::DA30 : CoordinateType::DA45;
    // Now and then enough points and triangles for the progress texts of stages 2, 5 and 6.
    const bool large = round % 12 == 0;
    const int pointCount = large ? pick(random, 1001, 1150) : pick(random, 1, 120);
    const int pool = std::max(3, pointCount + pick(random, 0, pointCount / 10 + 2));
    const int grid = pick(random, 2, 9);

    std::vector<JobPoint> points;
    for (int i = 0; i < pointCount; ++i) {
        // Mostly in order, sometimes a number from anywhere in the pool (given twice).
        const int n = chance(random, 0.9) ? i + 1 : pick(random, 1, pool);
        points.push_back({std::to_string(n), millimetres(random, pick(random, 0, grid)),
                          millimetres(random, pick(random, 0, grid)),
                          millimetres(random, pick(random, 0, 3))});
    }
    std::vector<std::string> lines;
    if (job.type == CoordinateType::DA30) {
        for (const JobPoint &p : points) {
            lines.push_back(test::da30Line(p.number, p.y, p.x, p.z));
        }
    } else {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const bool pair = i + 1 < points.size() && chance(random, 0.7);
            lines.push_back(da45Line(points[i], pair ? &points[i + 1] : nullptr));
            i += pair ? 1 : 0;
        }
    }
    job.coordinates = test::textOf(lines);

    lines.clear();
    const int triangleLines = large ? pick(random, 260, 340) : pick(random, 1, 60);
    const int repeats = pick(random, 0, 3) == 0 ? 8 : 1;
    const int kzs[] = {1, 2, 3, 0, -1};
    int kz = 1;
    std::vector<std::string> earlier;
    for (int n = 1; n <= triangleLines; ++n) {
        if (chance(random, 0.08)) {
            kz = kzs[pick(random, 0, 4)];
        }
        // A corner beyond the pool is missing from the point table.
        const auto corner = [&] { return std::to_string(pick(random, 1, pool + 2)); };
        std::string line;
        if (!earlier.empty() && chance(random, 0.1 * repeats)) {
            // An earlier triangle again, its corners turned, in this line's horizon.
            const FixedLine old(earlier[static_cast<std::size_t>(
                pick(random, 0, static_cast<int>(earlier.size()) - 1))]);
            line = test::da58Line(kz, n, numberField(old, 43, 50), numberField(old, 23, 30),
                                  numberField(old, 33, 40));
        } else {
            line = test::da58Line(kz, n, corner(), corner(), corner(),
                                  chance(random, 0.3) ? corner() : std::string());
        }
        earlier.push_back(line);
        lines.push_back(line);
    }
    job.triangles = test::textOf(lines);

    struct Values {
        const char *kzo, *zdzo, *kzu, *zdzu;
    };
    const Values cases[] = {{"1", "0", "2", "0"},
                            {"1", "0", "0", "120"},
                            {"0", "98.5", "2", "0"},
                            {"0", "0", "0", "0"}};
    const Values &v = cases[pick(random, 0, 3)];
    const char *kwyx = chance(random, 0.5) ? "2.5" : "500";
    const char *kwz = chance(random, 0.5) ? "0.5" : "50";
    job.fields = test::fieldTexts(chance(random, 0.5) ? "0" : "2.0", kwyx, kwz, "zufall", v.kzo,
                                  v.zdzo, v.kzu, v.zdzu);
    return job;
}

TEST(FastRun, SameListsAndStatusTextsAsTheLiteralRun)
{
    Random random(2024);
    for (int round = 0; round < 72; ++round) {
        const test::CalcJob job = randomJob(random, round);
        SCOPED_TRACE(job.name);
        const RunInput input = test::inputOf(job);
        const RunRecord literal = runWith(input, kLiteral);
        const RunRecord fast = runWith(input, kFast);

        // Compared as whole line lists, so that a failure names the first line that differs.
        EXPECT_EQ(fast.outcome.protocol.lines(), literal.outcome.protocol.lines());
        EXPECT_EQ(fast.outcome.result.lines(), literal.outcome.result.lines());
        EXPECT_EQ(fast.statusTexts, literal.statusTexts);
        EXPECT_EQ(fast.boxTexts, literal.boxTexts);
        EXPECT_EQ(fast.outcome.VolLabel, literal.outcome.VolLabel);
        EXPECT_EQ(fast.outcome.ErrLabel, literal.outcome.ErrLabel);
        EXPECT_EQ(fast.outcome.calcCase, literal.outcome.calcCase);
        EXPECT_EQ(fast.outcome.CoordMissing, literal.outcome.CoordMissing);
        EXPECT_EQ(
            std::memcmp(&fast.outcome.TotalVolume, &literal.outcome.TotalVolume, sizeof(double)),
            0);
    }
}

// The generated jobs are what the property test above might miss: two large regular meshes
// sharing their boundary points, where nearly every point has a twin in plan.
TEST(FastRun, SameListsOnAGeneratedSurveyJob)
{
    for (const CoordinateType type : {CoordinateType::DA30, CoordinateType::DA45}) {
        const GeneratedJob generated = generateJob({12, type, 3});
        RunInput input;
        input.coordinateText = generated.coordinates;
        input.coordinateType = type;
        input.triangleText = generated.triangles;
        input.params.KZO = 1;
        input.params.KZU = 2;
        input.params.KWYX = 50;
        input.params.KWZ = 1;
        const RunRecord literal = runWith(input, kLiteral);
        const RunRecord fast = runWith(input, kFast);
        EXPECT_EQ(fast.outcome.protocol.lines(), literal.outcome.protocol.lines());
        EXPECT_EQ(fast.outcome.result.lines(), literal.outcome.result.lines());
        EXPECT_EQ(fast.statusTexts, literal.statusTexts);
    }
}

} // namespace
} // namespace kubato
