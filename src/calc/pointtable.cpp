#include "calc/pointtable.h"

#include "common/largememory.h"

namespace kubato {

void PointTableBuilder::expect(std::size_t usual, std::size_t most)
{
    // Made once for the most the text can give: grown step by step, a table of millions of
    // points would be copied again and again. The usual count is mapped at once, the rest only as
    // it is filled.
    reserveLarge(mTable, usual, most);
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
