#include "jobgenerator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/format.h"

namespace kubato {

namespace {

struct Point {
    long number;
    long y, x, z; // millimetres
};

// A small deterministic generator, so that every machine produces the same job.
class Random {
public:
    explicit Random(std::uint32_t seed) : mState(seed * 2654435761u + 1) {}
    double next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 17;
        mState ^= mState << 5;
        return static_cast<double>(mState) / 4294967296.0;
    }

private:
    std::uint32_t mState;
};

constexpr long kSpacing = 2500; // 2.5 m between grid points
constexpr long kOriginY = 4500000;
constexpr long kOriginX = 5600000;

long terrainHeight(long y, long x, Random &random)
{
    const double ym = static_cast<double>(y) / 1000.0;
    const double xm = static_cast<double>(x) / 1000.0;
    const double metres = 120.0 + 6.0 * std::sin(ym / 37.0) + 4.0 * std::cos(xm / 23.0) +
                          1.5 * std::sin((ym + xm) / 11.0) + 0.05 * random.next();
    return std::lround(metres * 1000.0);
}

void appendDa30(std::string &out, const Point &p)
{
    appendFormat(out, "30%2s        %8ld                              %10ld%10ld%10ld\r\n", "01",
                 p.number, p.y, p.x, p.z);
}

void appendDa45(std::string &out, const Point &a, const Point *b)
{
    appendFormat(out, "45%7ld %10ld%10ld%10ld", a.number, a.y, a.x, a.z);
    if (b != nullptr) {
        appendFormat(out, "  %7ld %10ld%10ld%10ld", b->number, b->y, b->x, b->z);
    }
    out += "\r\n";
}

void appendQuad(std::string &out, int kz, long number, long p1, long p2, long p3, long p4)
{
    appendFormat(out, "58     %2d       %4ld  %8ld  %8ld  %8ld   %7ld                    \r\n", kz,
                 (number - 1) % 9999 + 1, p1, p2, p3, p4);
}

} // namespace

int sideForPoints(long points)
{
    const double side = std::sqrt(static_cast<double>(points) / 2.0) + 1.0;
    return side < 3 ? 3 : static_cast<int>(side);
}

GeneratedJob generateJob(const JobSpec &spec)
{
    const int n = spec.side < 3 ? 3 : spec.side;
    Random random(spec.seed);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(2 * n * n));

    // Horizon 1: the whole grid. Index of grid point (i, j) is i * n + j.
    std::vector<long> ground(static_cast<std::size_t>(n * n));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const long y = kOriginY + i * kSpacing;
            const long x = kOriginX + j * kSpacing;
            const long number = static_cast<long>(points.size()) + 1;
            points.push_back({number, y, x, terrainHeight(y, x, random)});
            ground[static_cast<std::size_t>(i * n + j)] = number;
        }
    }
    // Horizon 2: the boundary points of the grid and new inner points, lowered into a pit.
    std::vector<long> pit(ground);
    const double centre = (n - 1) / 2.0;
    for (int i = 1; i < n - 1; ++i) {
        for (int j = 1; j < n - 1; ++j) {
            const Point &g = points[static_cast<std::size_t>(i * n + j)];
            const double di = (i - centre) / centre;
            const double dj = (j - centre) / centre;
            const double depth = 2500.0 * (1.0 - std::max(std::abs(di), std::abs(dj)));
            const long number = static_cast<long>(points.size()) + 1;
            points.push_back({number, g.y, g.x, g.z - std::lround(depth) - 100});
            pit[static_cast<std::size_t>(i * n + j)] = number;
        }
    }

    GeneratedJob job;
    job.pointCount = static_cast<long>(points.size());
    job.coordinates.reserve(points.size() * (spec.type == CoordinateType::DA30 ? 82 : 41));
    if (spec.type == CoordinateType::DA30) {
        for (const Point &p : points) {
            appendDa30(job.coordinates, p);
        }
    } else {
        for (std::size_t k = 0; k < points.size(); k += 2) {
            appendDa45(job.coordinates, points[k],
                       k + 1 < points.size() ? &points[k + 1] : nullptr);
        }
    }

    job.triangles.reserve(static_cast<std::size_t>(2 * (n - 1) * (n - 1)) * 82);
    for (const auto *mesh : {&ground, &pit}) {
        const int kz = mesh == &ground ? 1 : 2;
        long number = 0;
        for (int i = 0; i + 1 < n; ++i) {
            for (int j = 0; j + 1 < n; ++j) {
                const auto at = [&](int a, int b) {
                    return (*mesh)[static_cast<std::size_t>(a * n + b)];
                };
                appendQuad(job.triangles, kz, ++number, at(i, j), at(i + 1, j), at(i, j + 1),
                           at(i + 1, j + 1));
                job.triangleCount += 2;
            }
        }
    }
    return job;
}

} // namespace kubato
