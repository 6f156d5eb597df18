#include "calc/pointtable.h"

#include "common/largememory.h"

namespace kubato {

void PointTableBuilder::expect(std::size_t least, std::size_t most)
{
    // Made once for the most the text can give: grown step by step, a table of millions of
    // points would be copied again and again. Pages beyond what is filled are never touched.
    reserveLarge(mTable, least, most);
}

void PointTableBuilder::point(const PointNumber &number, double y, double x, double z)
{
    mTable.push_back({number, y, x, z});
}

TPointTable fillPointTable(std::string_view text, CoordinateType type)
{
    PointTableBuilder builder;
    checkCoordinates(text, type, &builder);
    return builder.take();
}

} // namespace kubato
