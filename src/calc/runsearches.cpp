#include "calc/runsearches.h"

#include <string>

#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {

RowProgress rowProgress(StatusLine &status, std::string_view stage, long step, long count)
{
    return [&status, stage = std::string(stage), step, count, multiple = step](long row) mutable {
        if (multiple < row) {
            status.show(format("%s : %li von %li ", stage.c_str(), multiple, count) +
                        std::string("geprüft"_cp));
            multiple += step;
        }
    };
}

void reportAllRows(long count, const RowProgress &progress)
{
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
