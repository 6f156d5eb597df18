#include "graphic/pointlookup.h"

namespace kubato {

std::optional<std::size_t> findPointLinear(std::span<const GraphicPoint> points,
                                           std::string_view number)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].number == number) {
            return i;
        }
    }
    return std::nullopt;
}

PointLookup::PointLookup(std::span<const GraphicPoint> points) : mPoints(points)
{
    if (points.size() <= HashSlots::MaxEntries) {
        mIndex.emplace(points.size(), NumberOf{points});
    }
}

std::optional<std::size_t> PointLookup::find(std::string_view number) const
{
    if (mIndex) {
        return mIndex->find(number);
    }
    return findPointLinear(mPoints, number);
}

} // namespace kubato
