#pragma once

// The result list's layout: its title and section heads, the sums line of each horizon
// section, and its end with the case, the DA59 values and the total volume, which also closes
// the protocol list.

#include <string>

#include "common/textlist.h"
#include "input/controlvalues.h"
#include "platform/clock.h"

namespace kubato {

// Sums over the prisms of one horizon section.
struct THorizonSums {
    double aGrund = 0;
    double aDeck = 0;
    double volumen = 0;
};

// What a run has gathered when it finishes the lists.
struct FinishInput {
    TCalcParams params;
    CalcCase calcCase = 0;
    double KOBHVol = 0;
    THorizonSums SectionSums; // the section open at the end
    THorizonSums FirstSums;   // the section closed last, zero when none was closed
    int CurrentKZ = 0;        // KZ of the section open at the end
    bool CoordMissing = false;
};

struct FinishOutcome {
    double TotalVolume = 0;
    THorizonSums FirstSums;
    THorizonSums SecondSums;
    std::string VolLabel; // " Volumen = %.3lf m3"
    std::string ErrLabel; // the error text when coordinates were missing, else empty
};

// The total volume of a case from the sums of the first and second section kept: case 1 two
// prism horizons, case 2 a level plane at ZDZU below, case 3 a level plane at ZDZO above, and
// -1.0 when no case applies.
double totalVolume(CalcCase calcCase, const THorizonSums &first, const THorizonSums &second,
                   double zdzo, double zdzu, double kobhVol);

class ResultListWriter {
public:
    ResultListWriter(TextList &result, TextList &protocol, std::string pos, Date date)
        : mResult(result), mProtocol(protocol), mPos(std::move(pos)), mDate(date)
    {}

    // Empties the result list and writes its title and the head of the first section.
    void StartResultList(int kz);
    // Writes the sums line of the closed section and the head of the next one.
    void ChangeSection(int closedKZ, const THorizonSums &closedSums, int newKZ);
    // Closes the last section, writes the case, the values and the total volume into the
    // result list and the closing lines into the protocol list.
    FinishOutcome FinishResultList(const FinishInput &in);

private:
    void sectionHead(int kz);
    void sumsLine(int kz, const THorizonSums &sums);

    TextList &mResult;
    TextList &mProtocol;
    std::string mPos;
    Date mDate;
};

} // namespace kubato
