#include "calc/runsearches.h"

#include <algorithm>
#include <string>
#include <utility>

#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {

namespace {

// The status texts of a search's progress. A search over millions of rows passes here once a
// row, so the texts are put together from their fixed parts, and a search that is over tells
// all its rows at once.
class StatusRowProgress {
public:
    StatusRowProgress(StatusLine &status, std::string_view stage, long step, long count)
        : mStatus(&status), mHead(std::string(stage) + " : "),
          mTail(" von " + std::to_string(count) + " " + std::string("geprüft"_cp)), mStep(step),
          mMultiple(step)
    {}

    void operator()(long row) const
    {
        if (mMultiple < row) {
            show();
        }
    }

    // As if the rows 0 to count - 2 came one by one: a row shows the next multiple when it
    // lies beyond it, at most one a row.
    void allRows(long count) const
    {
        for (long row = 0;; ++row) {
            row = std::max(row, mMultiple + 1);
            if (row > count - 2) {
                return;
            }
            show();
        }
    }

private:
    void show() const
    {
        std::string text = mHead;
        text += std::to_string(mMultiple);
        text += mTail;
        mStatus->show(std::move(text));
        mMultiple += mStep;
    }

    StatusLine *mStatus;
    std::string mHead;
    std::string mTail;
    long mStep;
    // The progress of a std::function is called through a const reference.
    mutable long mMultiple;
};

} // namespace

RowProgress rowProgress(StatusLine &status, std::string_view stage, long step, long count)
{
    return StatusRowProgress(status, stage, step, count);
}

void reportAllRows(long count, const RowProgress &progress)
{
    if (const StatusRowProgress *texts = progress.target<StatusRowProgress>()) {
        texts->allRows(count);
        return;
    }
    if (!progress) {
        return;
    }
    for (long row = 0; row < count - 1; ++row) {
        progress(row);
    }
}

namespace {

class ScanningCornerFinder final : public CornerFinder {
public:
    explicit ScanningCornerFinder(const TPointTable &points) : mPoints(points) {}

    CornerEntries find(const TTriangle &triangle) const override
    {
        const PointNumber *const corners[3] = {&triangle.p1, &triangle.p2, &triangle.p3};
        CornerEntries found = {-1, -1, -1};
        int missing = 3;
        for (std::size_t e = 0; e < mPoints.size() && missing > 0; ++e) {
            for (std::size_t c = 0; c < 3; ++c) {
                if (found[c] < 0 && mPoints[e].number == *corners[c]) {
                    found[c] = static_cast<long>(e);
                    --missing;
                }
            }
        }
        return found;
    }

private:
    const TPointTable &mPoints;
};

} // namespace

DuplicatePointFindings ReferenceSearches::findDuplicatePoints(const TPointTable &points,
                                                              long listLimit,
                                                              const RowProgress &progress) const
{
    DuplicatePointFindings findings;
    const long n = static_cast<long>(points.size());
    for (long i = 0; i < n - 1; ++i) {
        const TPoint &a = points[static_cast<std::size_t>(i)];
        for (long j = i + 1; j < n; ++j) {
            const TPoint &b = points[static_cast<std::size_t>(j)];
            if (a.y != b.y || a.x != b.x) {
                continue;
            }
            ++findings.planCount;
            const bool sameHeight = a.z == b.z;
            if (sameHeight) {
                ++findings.spaceCount;
            }
            if (findings.planCount <= listLimit ||
                (sameHeight && findings.spaceCount <= listLimit)) {
                findings.listed.push_back({i, j, sameHeight});
            }
        }
        if (progress) {
            progress(i);
        }
    }
    return findings;
}

DuplicateTriangleFindings
ReferenceSearches::findDuplicateTriangles(const TTriangleTable &triangles, long listLimit,
                                          const RowProgress &progress) const
{
    DuplicateTriangleFindings findings;
    const long n = static_cast<long>(triangles.size());
    for (long i = 0; i < n - 1; ++i) {
        const TTriangle &a = triangles[static_cast<std::size_t>(i)];
        for (long j = i + 1; j < n; ++j) {
            const TTriangle &b = triangles[static_cast<std::size_t>(j)];
            if (a.p1 == b.p1 && a.p2 == b.p2 && a.p3 == b.p3) {
                ++findings.count;
                if (findings.count <= listLimit) {
                    findings.listed.push_back({i, j});
                }
            }
        }
        if (progress) {
            progress(i);
        }
    }
    return findings;
}

void CornerFinder::findRange(std::span<const TTriangle> triangles,
                             std::span<CornerEntries> entries) const
{
    for (std::size_t v = 0; v < triangles.size(); ++v) {
        entries[v] = find(triangles[v]);
    }
}

std::unique_ptr<CornerFinder> ReferenceSearches::cornerFinder(const TPointTable &points) const
{
    return std::make_unique<ScanningCornerFinder>(points);
}

} // namespace kubato
