#include "calc/trianglechecks.h"

#include <utility>

#include "calc/findinglisting.h"
#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {

namespace {

void orderPair(PointNumber &a, PointNumber &b)
{
    if (sortsBefore(b, a)) {
        std::swap(a, b);
    }
}

} // namespace

HorizonCounts horizonCounts(long triangleCount, long upperCount, std::int32_t kzo, std::int32_t kzu)
{
    HorizonCounts counts{upperCount, 0};
    if (kzo > 0 && kzu > 0) {
        counts.lower = triangleCount - upperCount;
    } else if (kzo > 0 && kzu == 0) {
        counts.upper = triangleCount;
    } else if (kzo == 0 && kzu > 0) {
        counts.lower = triangleCount;
    }
    return counts;
}

void countHorizons(const TriangleTableFill &fill, const TCalcParams &params, TextList &protocol,
                   StatusLine &status)
{
    status.show("3/6  Bestimmen der Anzahl der Dreiecke oben und unten");
    const long triangleCount = static_cast<long>(fill.table.size());
    const HorizonCounts counts =
        horizonCounts(triangleCount, fill.upperCount, params.KZO, params.KZU);
    protocol.appendf(" DA58 : %li Dreieck(e) insgesamt vorhanden", triangleCount);
    protocol.appendf(" DA58 : %li Dreieck(e) in Begrenzung oben  vorhanden", counts.upper);
    protocol.appendf(" DA58 : %li Dreieck(e) in Begrenzung unten vorhanden", counts.lower);
    protocol.append("");
}

void SortTrianglePoints(TTriangleTable &triangles, StatusLine &status)
{
    showSortingStage(status);
    sortCorners(triangles);
}

void showSortingStage(StatusLine &status)
{
    status.show("4/6  Sortieren der Dreieckspunkte");
}

void sortCorners(TTriangleTable &triangles)
{
    for (TTriangle &t : triangles) {
        orderPair(t.p1, t.p2);
        orderPair(t.p2, t.p3);
        orderPair(t.p1, t.p2);
    }
}

void FindDuplicateTriangles(const TTriangleTable &triangles, const RunSearches &searches,
                            TextList &protocol, StatusLine &status)
{
    reportDuplicateTriangles(triangles, searchDuplicateTriangles(triangles, searches), protocol,
                             status);
}

DuplicateTriangleFindings searchDuplicateTriangles(const TTriangleTable &triangles,
                                                   const RunSearches &searches)
{
    return searches.findDuplicateTriangles(triangles, MaxListLines, {});
}

void reportDuplicateTriangles(const TTriangleTable &triangles,
                              const DuplicateTriangleFindings &findings, TextList &protocol,
                              StatusLine &status)
{
    constexpr std::string_view Stage = "5/6  Untersuchung auf doppelte Dreiecke";
    status.show(std::string(Stage));
    const long count = static_cast<long>(triangles.size());
    reportAllRows(count, rowProgress(status, Stage, 100, count));

    FindingListing listing(protocol, " Protokollierung dop. Dreiecke abgebrochen, da zu viele");
    for (const TrianglePair &pair : findings.listed) {
        const TTriangle &a = triangles[static_cast<std::size_t>(pair.first)];
        const TTriangle &b = triangles[static_cast<std::size_t>(pair.second)];
        if (listing.add()) {
            protocol.append(a.kz == b.kz ? " DA58 : doppelte Dreieck(e) im gleichen Horizont"
                                         : " DA58 : doppelte Dreieck(e) in verschied. Horizonten");
            protocol.appendf("           %li = %li", static_cast<long>(a.ident),
                             static_cast<long>(b.ident));
        }
    }
    protocol.appendf(" DA58 : %li Dreieck(e) doppelt vorhanden", findings.count);
    protocol.append("");
    status.show(std::string("6/6  Flächen und Massenberechnung beginnen"_cp));
}

} // namespace kubato
