#include "calc/triangletable.h"

#include "common/largememory.h"

namespace kubato {

void TriangleTableBuilder::expect(std::size_t usual, std::size_t most)
{
    // Made once for the most the text can give: grown step by step, a table of millions of
    // triangles would be copied again and again and would need half as much memory again
    // while it moves. The usual count is mapped at once, the rest only as it is filled.
    reserveLarge(mFill.table, usual, most);
}

void TriangleTableBuilder::line(const MeshLine &line)
{
    TTriangleTable &table = mFill.table;
    const std::size_t index = table.size();
    if (!mFirstSeen) {
        mCurrentKZ = line.kz;
        mFirstSeen = true;
    }
    if (line.kz != mCurrentKZ && line.kz > 0) {
        mCurrentKZ = line.kz;
        mFill.upperCount = static_cast<long>(index);
    }
    // Two columns of KZ and four of number keep the identifier well inside 32 bits.
    const std::int32_t ident = line.kz * 100000 + line.number;
    table.push_back(
        {line.kz, line.number, line.points[0], line.points[1], line.points[2], ident + 10000});
    if (line.quadrilateral) {
        table.push_back(
            {line.kz, line.number, line.points[1], line.points[2], line.points[3], ident + 20000});
    }
}

TriangleTableFill fillTriangleTable(std::string_view text)
{
    TriangleTableBuilder builder;
    checkTriangles(text, &builder);
    return builder.take();
}

} // namespace kubato
