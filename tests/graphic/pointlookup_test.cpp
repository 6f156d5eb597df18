#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "graphic/pointlookup.h"

namespace kubato {
namespace {

// The index answers as the scan does on tables of every size, with numbers given several
// times, numbers that differ only by leading zeros, the empty number, and numbers not there.
TEST(PointLookup, SameAnswersAsTheScanOnRandomTables)
{
    std::mt19937 random(5);
    const auto number = [&](int pool) {
        const int n = std::uniform_int_distribution<int>(0, pool)(random);
        if (n == 0) {
            return std::string();
        }
        return (n % 5 == 0 ? "00" : "") + std::to_string(n);
    };
    for (const int size : {0, 1, 2, 15, 16, 17, 100, 1000}) {
        SCOPED_TRACE(size);
        std::vector<GraphicPoint> points;
        for (int i = 0; i < size; ++i) {
            points.push_back({number(size / 2 + 1), 0.0, 0.0});
        }
        const PointLookup lookup(points);
        for (int q = 0; q < std::min(2 * size + 10, 300); ++q) {
            const std::string wanted = number(size + 5);
            ASSERT_EQ(lookup.find(wanted), findPointLinear(points, wanted)) << wanted;
        }
    }
}

} // namespace
} // namespace kubato
