#include "calc/pointchecks.h"

#include "calc/findinglisting.h"
#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {

namespace {

struct Extent {
    double min = 0;
    double max = 0;
    double mean = 0;
};

// Minimum, maximum and mean of one coordinate over the table, in table order. An empty table,
// which no checked text gives, shows zeros rather than reading an entry that is not there.
Extent extentOf(const TPointTable &points, double TPoint::*coordinate)
{
    Extent e;
    if (points.empty()) {
        return e;
    }
    e.min = e.max = points.front().*coordinate;
    double sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double v = points[i].*coordinate;
        if (i > 0) {
            if (v < e.min) {
                e.min = v;
            } else if (v > e.max) {
                e.max = v;
            }
        }
        sum += v;
    }
    e.mean = sum / static_cast<double>(points.size());
    return e;
}

void listDuplicatePoints(const TPointTable &points, const DuplicatePointFindings &findings,
                         TextList &protocol)
{
    FindingListing plan(protocol,
                        " Protokollierung dop. Koordinaten (x,y) abgebrochen, da zu viele");
    FindingListing space(protocol,
                         " Protokollierung dop. Koordinaten (x,y,z) abgebrochen, da zu viele");
    for (const PointPair &pair : findings.listed) {
        const auto firstText = points[static_cast<std::size_t>(pair.first)].number.printable();
        const auto secondText = points[static_cast<std::size_t>(pair.second)].number.printable();
        const char *first = firstText.data();
        const char *second = secondText.data();
        if (plan.add()) {
            protocol.appendf(" DA30/45 : Punkt doppelt  %s = %s ( x,y sind gleich )", first,
                             second);
        }
        if (pair.sameHeight && space.add()) {
            protocol.appendf(" DA30/45 : Punkt doppelt  %s = %s ( x,y,z sind gleich )", first,
                             second);
        }
    }
}

} // namespace

double checkPointTable(const TPointTable &points, const TCalcParams &params,
                       const RunSearches &searches, TextList &protocol, StatusLine &status)
{
    constexpr std::string_view Stage = "2/6  Koordinaten mit gleichen x,y,z - Werten";
    status.show(std::string(Stage));
    const DuplicatePointFindings findings = searches.findDuplicatePoints(
        points, MaxListLines, rowProgress(status, Stage, 1000, static_cast<long>(points.size())));
    listDuplicatePoints(points, findings, protocol);

    protocol.append("");
    protocol.appendf(" DA30/45 : %li Punkte (x,y   ) doppelt vorhanden", findings.planCount);
    protocol.appendf(" DA30/45 : %li Punkte (x,y,z ) doppelt vorhanden", findings.spaceCount);
    protocol.append("");

    const Extent y = extentOf(points, &TPoint::y);
    const Extent x = extentOf(points, &TPoint::x);
    const Extent z = extentOf(points, &TPoint::z);
    protocol.append(" DA30/45 : | Minimal-, Maximal- und Mittelwerte           |");
    protocol.append("           |----------------------------------------------|");
    protocol.append("           |       |       y    |       x    |       z    |");
    protocol.append("           |----------------------------------------------|");
    protocol.appendf("           |  min  | %10.3lf | %10.3lf | %10.3lf |", y.min, x.min, z.min);
    protocol.appendf("           |  max  | %10.3lf | %10.3lf | %10.3lf |", y.max, x.max, z.max);
    protocol.appendf("           | mittel| %10.3lf | %10.3lf | %10.3lf |", y.mean, x.mean, z.mean);
    protocol.append("           |----------------------------------------------|");
    protocol.append("");

    const double kobhZmin = KOBHzminOf(z.min);
    protocol.appendf(" DA30/45 : Bezugshorizont aus z_min berechnet : %10.3lf m", kobhZmin);
    protocol.append("");
    protocol.appendf(" DA57 : kobh =%7.3lf m  kwyx =%7.3lf m  kwz =%7.3lf m", params.KOBH,
                     params.KWYX, params.KWZ);
    protocol.append("");
    const double kobhVol = KOBHVolOf(params.KOBH, kobhZmin);
    protocol.append(std::string(" DA57 : Bezugshorizont für Volumenberechnung : "_cp) +
                    format("kobh =%7.3lf m", kobhVol));
    protocol.append("");
    return kobhVol;
}

} // namespace kubato
