#include "calc/calcrun.h"

#include <future>
#include <memory>
#include <utility>

#include "calc/pointchecks.h"
#include "calc/pointtable.h"
#include "calc/prisms.h"
#include "calc/runconstants.h"
#include "calc/trianglechecks.h"
#include "calc/triangletable.h"
#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {

namespace {

// Stage 1: the DA59 values and the case of computation.
CalcCase decideRunCase(const TCalcParams &p, MessageBox &messageBox, TextList &protocol,
                       StatusLine &status)
{
    status.show(std::string("1/6  DA59 Überprüfen und Fallunterscheidung"_cp));
    protocol.append(" DA59 |   Position | KZo |    z,dz(o) | KZu |    z,dz(u) |");
    protocol.appendf("      | %10s |  %2i | %10.3lf |  %2i | %10.3lf |", p.POS.c_str(), p.KZO,
                     p.ZDZO, p.KZU, p.ZDZU);
    protocol.append("");
    const CalcCase calcCase = decideCase(p.KZO, p.ZDZO, p.KZU, p.ZDZU);
    switch (calcCase) {
    case 1:
        protocol.appendf(" DA59 : Fall %i = 2 Prismenhorizonte", calcCase);
        break;
    case 2:
        protocol.append(format(" DA59 : Fall %i = ", calcCase) +
                        std::string("Prismenhorizont oben, NN-Höhe unten"_cp));
        break;
    case 3:
        protocol.append(format(" DA59 : Fall %i = ", calcCase) +
                        std::string("NN-Höhe oben, Prismenhorizont unten"_cp));
        break;
    default:
        messageBox.show(noCaseRunMessage(), MessageCaption);
        protocol.append(" DA59 : keine Fallzuordnung möglich, KZ-Werte überprüfen"_cp);
        break;
    }
    protocol.append("");
    return calcCase;
}

const ReferenceSearches kReferenceSearches{};

} // namespace

std::string_view noCaseRunMessage()
{
    return "keine Fallzuordnung möglich, KZ-Werte überprüfen"_cp;
}

RunOutcome runCalculation(RunInput input, MessageBox &messageBox, RunObserver *observer)
{
    return runCalculation(std::move(input), messageBox, observer, kReferenceSearches);
}

RunOutcome runCalculation(RunInput input, MessageBox &messageBox, RunObserver *observer,
                          const RunSearches &searches)
{
    RunOutcome out;
    TextList &protocol = out.protocol;
    TextList &result = out.result;
    StatusLine status(observer);
    const TCalcParams &params = input.params;
    const Date &date = input.date;

    protocol.appendf(" Protokoll-Liste KUBATO                         %02i.%02i.%4i", date.day,
                     date.month, date.year);
    protocol.append(ProtoRule);
    protocol.append("");

    out.calcCase = decideRunCase(params, messageBox, protocol, status);

    const TPointTable points = input.pointTable
                                   ? std::move(*input.pointTable)
                                   : fillPointTable(input.coordinateText, input.coordinateType);
    protocol.append("");
    protocol.appendf(" DA30/45 : %li Punktkoordinaten (y,x,z) eingelesen",
                     static_cast<long>(points.size()));
    protocol.append("");

    // Stages 4 and 5 need nothing of stage 2: the triangles are taken or read, their corners
    // sorted and their duplicates searched on a second thread while stage 2 goes on. The status
    // texts and protocol lines of the stages then follow in their order.
    TriangleTableFill fill;
    std::future<DuplicateTriangleFindings> triangleWork = std::async(std::launch::async, [&] {
        fill = input.triangleTable ? std::move(*input.triangleTable)
                                   : fillTriangleTable(input.triangleText);
        sortCorners(fill.table);
        return searchDuplicateTriangles(fill.table, searches);
    });
    out.KOBHVol = checkPointTable(points, params, searches, protocol, status);
    // The corner finder of stage 6 needs the points alone: it is made while the triangles'
    // work may still go on.
    const std::unique_ptr<CornerFinder> finder = searches.cornerFinder(points);
    const DuplicateTriangleFindings duplicates = triangleWork.get();

    countHorizons(fill, params, protocol, status);
    showSortingStage(status);
    reportDuplicateTriangles(fill.table, duplicates, protocol, status);

    ResultListWriter writer(result, protocol, params.POS, date);
    const PrismStageResult prisms =
        ComputePrisms(fill.table, points, params.KWYX, params.KWZ, out.KOBHVol, *finder, writer,
                      protocol, result, status);

    FinishInput finish;
    finish.params = params;
    finish.calcCase = out.calcCase;
    finish.KOBHVol = out.KOBHVol;
    finish.SectionSums = prisms.SectionSums;
    finish.FirstSums = prisms.FirstSums;
    finish.CurrentKZ = prisms.CurrentKZ;
    finish.CoordMissing = prisms.CoordMissing;
    FinishOutcome finished = writer.FinishResultList(finish);

    out.TotalVolume = finished.TotalVolume;
    out.CoordMissing = prisms.CoordMissing;
    out.VolLabel = std::move(finished.VolLabel);
    out.ErrLabel = std::move(finished.ErrLabel);
    out.BerDreiSText = status.text();
    return out;
}

} // namespace kubato
