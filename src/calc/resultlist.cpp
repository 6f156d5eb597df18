#include "calc/resultlist.h"

#include "calc/runconstants.h"
#include "common/cp1252.h"
#include "common/format.h"

namespace kubato {

double totalVolume(CalcCase calcCase, const THorizonSums &first, const THorizonSums &second,
                   double zdzo, double zdzu, double kobhVol)
{
    const double a1 = first.aGrund;
    const double v1 = first.volumen;
    switch (calcCase) {
    case 1:
        return (a1 * zdzo + v1) - (second.aGrund * zdzu + second.volumen);
    case 2:
        return (a1 * zdzo + v1) - (zdzu - kobhVol) * a1;
    case 3:
        return (zdzo - kobhVol) * a1 - (a1 * zdzu + v1);
    default:
        return -1.0;
    }
}

void ResultListWriter::sectionHead(int kz)
{
    mResult.appendf(" Bodenhorizont %2i ", kz);
    mResult.append(ErgRule);
    mResult.append(
        " KZ   Nr.  Dreieck                     z_mittl.     A_grund      A_deck     Volumen");
    mResult.append(
        "                                            [m]        [m2]        [m2]        [m3]");
    mResult.append(ErgRule);
}

void ResultListWriter::sumsLine(int kz, const THorizonSums &sums)
{
    mResult.appendf(" Summen Bodenhorizont %2i                       %12.3lf%12.3lf%12.3lf", kz,
                    sums.aGrund, sums.aDeck, sums.volumen);
}

void ResultListWriter::StartResultList(int kz)
{
    mResult.clear();
    mResult.appendf(" Ergebnisliste KUBATO - Position %10s                   %02i.%02i.%4i",
                    mPos.c_str(), mDate.day, mDate.month, mDate.year);
    mResult.append(ErgRule);
    sectionHead(kz);
}

void ResultListWriter::ChangeSection(int closedKZ, const THorizonSums &closedSums, int newKZ)
{
    mResult.append(ErgRule);
    sumsLine(closedKZ, closedSums);
    mResult.append(ErgRule);
    mResult.append("");
    mResult.append(ErgRule);
    sectionHead(newKZ);
}

FinishOutcome ResultListWriter::FinishResultList(const FinishInput &in)
{
    FinishOutcome out;
    out.FirstSums = in.FirstSums;
    // The sums are kept by position: the section closed last and the one open at the end,
    // unless no section with plan area was closed, when the open one counts as the first.
    bool secondKept = false;
    if (out.FirstSums.aGrund == 0.0) {
        out.FirstSums = in.SectionSums;
    } else {
        out.SecondSums = in.SectionSums;
        secondKept = true;
    }

    // A last section without plan area after a closed one is still a second section of its
    // own: its sums line shows its own sums under its KZ, not those of the section before.
    mResult.append(ErgRule);
    if (secondKept) {
        sumsLine(in.CurrentKZ, out.SecondSums);
        mResult.append(ErgRule);
        mResult.append("");
        mResult.append(ErgRule);
        mResult.append(" Berechnung als ");
    } else {
        sumsLine(in.CurrentKZ, out.FirstSums);
        mResult.append(ErgRule);
    }

    const TCalcParams &p = in.params;
    const double a1 = out.FirstSums.aGrund;
    const double v1 = out.FirstSums.volumen;
    const double a2 = out.SecondSums.aGrund;
    const double v2 = out.SecondSums.volumen;
    out.TotalVolume =
        totalVolume(in.calcCase, out.FirstSums, out.SecondSums, p.ZDZO, p.ZDZU, in.KOBHVol);
    std::string caseLine;
    std::string formulaLine;
    switch (in.calcCase) {
    case 1:
        caseLine = " Fall 1 = Prismenhorizonte oben und unten";
        formulaLine = format(" %.3f+(%.3f*%.3f)-%.3f+(%.3f*%.3f)", v1, a1, p.ZDZO, v2, a2, p.ZDZU);
        break;
    case 2:
        caseLine = " Fall 2 = Prismenhorizont oben , NN-Höhe unten"_cp;
        formulaLine =
            format(" %.3f+(%.3f*%.3f)-%.3f*(%.3f-%.3f)", v1, a1, p.ZDZO, a1, p.ZDZU, in.KOBHVol);
        break;
    case 3:
        caseLine = " Fall 3 = NN-Höhe oben , Prismenhorizont unten"_cp;
        formulaLine =
            format("%.3f*(%.3f-%.3f)-%.3f+(%.3f*%.3f)", a1, p.ZDZO, in.KOBHVol, v1, a1, p.ZDZU);
        break;
    default:
        caseLine = " Fall 0 = Keine Fallunterscheidung möglich, prüfe DA59"_cp;
        formulaLine = " Keine Fallunterscheidung möglich !!                  "_cp;
        break;
    }
    const bool withCase = in.calcCase >= 1 && in.calcCase <= 3;

    mResult.append(caseLine);
    mResult.append(ErgRule);
    mResult.append(" für Position    KZo    z,dz(o)   KZu    z,dz(u)     KOBH "_cp);
    // The last conversion has the blank flag: KOBHVol stands right-aligned in ten characters
    // with a blank where a plus sign would be.
    mResult.appendf("   %10s     %2i%10.3lf     %2i%10.3lf% 10.3lf", p.POS.c_str(), p.KZO, p.ZDZO,
                    p.KZU, p.ZDZU, in.KOBHVol);
    mResult.append(ErgRule);

    mProtocol.append("");
    mProtocol.append(ProtoRule);
    mProtocol.append(" Gesamtvolumen ");
    mResult.append(" Gesamtvolumen ");
    mResult.append(ErgRule);
    mProtocol.append(ProtoRule);

    mResult.append(formulaLine);
    mProtocol.append(formulaLine);
    if (withCase) {
        const std::string totalLine = format(
            "                                                   = %15.3f m3", out.TotalVolume);
        mResult.append(totalLine);
        mProtocol.append(totalLine);
    }

    mResult.append(ErgRule);
    mProtocol.append(ProtoRule);
    mProtocol.append("");
    mProtocol.append(" Programm normal beendet");

    out.VolLabel = format(" Volumen = %.3lf m3", out.TotalVolume);
    if (in.CoordMissing) {
        out.ErrLabel = " Berechnung fehlerhaft !    Koordinaten teilweise nicht gefunden,   "
                       "Protokoll ansehen,    Dateien  richtig gewählt ??"_cp;
    }
    return out;
}

} // namespace kubato
