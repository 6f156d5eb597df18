#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "calc/runsearches.h"

namespace kubato {
namespace {

const ReferenceSearches kSearches;

TEST(ReferenceSearches, PointPairsKeptAsFarAsTheListingsNeedThem)
{
    // four points at one place: pairs (0,1) (0,2) (0,3) (1,2) (1,3) (2,3); only 0 and 1 and
    // 2 and 3 share their height
    const TPointTable points = {
        {"a", 1, 1, 1}, {"b", 1, 1, 1}, {"c", 1, 1, 2}, {"d", 1, 1, 2}, {"e", 1, 2, 2}};
    std::vector<long> rows;
    const DuplicatePointFindings all =
        kSearches.findDuplicatePoints(points, 50, [&](long row) { rows.push_back(row); });
    EXPECT_EQ(all.planCount, 6);
    EXPECT_EQ(all.spaceCount, 2);
    EXPECT_EQ(all.listed, (std::vector<PointPair>{{0, 1, true},
                                                  {0, 2, false},
                                                  {0, 3, false},
                                                  {1, 2, false},
                                                  {1, 3, false},
                                                  {2, 3, true}}));
    EXPECT_EQ(rows, (std::vector<long>{0, 1, 2, 3}));

    // with a limit of 2 the plan listing needs its first two pairs, then only the space pairs
    const DuplicatePointFindings limited = kSearches.findDuplicatePoints(points, 2, {});
    EXPECT_EQ(limited.planCount, 6);
    EXPECT_EQ(limited.spaceCount, 2);
    EXPECT_EQ(limited.listed, (std::vector<PointPair>{{0, 1, true}, {0, 2, false}, {2, 3, true}}));
}

TEST(ReferenceSearches, TrianglePairsUpToTheLimit)
{
    TTriangleTable triangles(5, TTriangle{1, 1, "1", "2", "3", 110001});
    triangles[2].p3 = "4";
    const DuplicateTriangleFindings findings = kSearches.findDuplicateTriangles(triangles, 3, {});
    EXPECT_EQ(findings.count, 6);
    EXPECT_EQ(findings.listed, (std::vector<TrianglePair>{{0, 1}, {0, 3}, {0, 4}}));
}

TEST(ReferenceSearches, CornersTakeTheFirstEntryOfTheirNumber)
{
    const TPointTable points = {{"5", 1, 1, 1}, {"7", 2, 2, 2}, {"5", 3, 3, 3}, {"007", 4, 4, 4}};
    const std::unique_ptr<CornerFinder> finder = kSearches.cornerFinder(points);
    struct Case {
        TTriangle triangle;
        CornerEntries entries;
    };
    const Case cases[] = {
        {{1, 1, "007", "5", "7", 0}, {3, 0, 1}},
        {{1, 1, "5", "5", "9", 0}, {0, 0, -1}},
        {{1, 1, "", "x", "07", 0}, {-1, -1, -1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.triangle.p1.str() + "," + c.triangle.p2.str() + "," + c.triangle.p3.str());
        EXPECT_EQ(finder->find(c.triangle), c.entries);
    }
}

// A search that is over tells all its rows at once; the status line gets the same texts as
// from a search that tells its rows one by one, the last multiple included or not.
TEST(RowProgress, AllRowsAtOnceTellWhatRowsOneByOneTell)
{
    class Texts final : public RunObserver {
    public:
        void status(std::string_view text) override { texts.emplace_back(text); }
        std::vector<std::string> texts;
    };
    for (const long step : {1L, 3L, 100L}) {
        for (long count = 0; count < 3 * step + 6; ++count) {
            SCOPED_TRACE("step " + std::to_string(step) + ", count " + std::to_string(count));
            Texts oneByOne, atOnce;
            StatusLine oneByOneLine(&oneByOne), atOnceLine(&atOnce);
            const RowProgress rows = rowProgress(oneByOneLine, "5/6  Stufe", step, count);
            for (long row = 0; row < count - 1; ++row) {
                rows(row);
            }
            reportAllRows(count, rowProgress(atOnceLine, "5/6  Stufe", step, count));
            EXPECT_EQ(atOnce.texts, oneByOne.texts);
        }
    }
    Texts texts;
    StatusLine line(&texts);
    reportAllRows(7, rowProgress(line, "2/6  Stufe", 2, 7));
    EXPECT_EQ(texts.texts, (std::vector<std::string>{"2/6  Stufe : 2 von 7 gepr\xFC"
                                                     "ft",
                                                     "2/6  Stufe : 4 von 7 gepr\xFC"
                                                     "ft"}));
}

} // namespace
} // namespace kubato
