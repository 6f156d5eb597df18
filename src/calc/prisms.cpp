#include "calc/prisms.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <future>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "calc/findinglisting.h"
#include "calc/runconstants.h"
#include "common/cp1252.h"
#include "common/format.h"
#include "common/largememory.h"

namespace kubato {

namespace {

// The double nearest to one third: the mean height is formed by this product, not by a
// division by 3, and the last digit of a volume can depend on it.
constexpr double OneThird = 0.3333333333333333;

// The control-value rows of the protocol list, shared by the three axes: one head for the run,
// and a listing with its own cut-off per axis.
class ExceedanceListing {
public:
    explicit ExceedanceListing(TextList &protocol)
        : mProtocol(protocol),
          mAxes{FindingListing(protocol, " Protokollierung y-Differenz abgebrochen, da zu viele"),
                FindingListing(protocol, " Protokollierung x-Differenz abgebrochen, da zu viele"),
                FindingListing(protocol, " Protokollierung z-Differenz abgebrochen, da zu viele")}
    {}

    // The differences of an axis (0 y, 1 x, 2 z) with every one below the control value set
    // to 0.
    static std::array<double, 3> differences(std::size_t axis, const TCorners &c, double kwyx,
                                             double kwz)
    {
        switch (axis) {
        case 0:
            return controlDifferences(c[0].y, c[1].y, c[2].y, kwyx);
        case 1:
            return controlDifferences(c[0].x, c[1].x, c[2].x, kwyx);
        default:
            return controlDifferences(c[0].z, c[1].z, c[2].z, kwz);
        }
    }

    // Bit a set when axis a exceeds its control value.
    static std::uint8_t exceededAxes(const TCorners &c, double kwyx, double kwz)
    {
        std::uint8_t axes = 0;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            const std::array<double, 3> d = differences(axis, c, kwyx, kwz);
            if (d[0] > 0 || d[1] > 0 || d[2] > 0) {
                axes = static_cast<std::uint8_t>(axes | 1u << axis);
            }
        }
        return axes;
    }

    // Lists the triangle under each axis it exceeds (exceededAxes).
    void check(const TTriangle &t, const TCorners &c, double kwyx, double kwz, std::uint8_t axes)
    {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            if ((axes & 1u << axis) != 0) {
                checkAxis(axis, t, differences(axis, c, kwyx, kwz));
            }
        }
    }

private:
    void checkAxis(std::size_t axis, const TTriangle &t, const std::array<double, 3> &d)
    {
        if (!(d[0] > 0 || d[1] > 0 || d[2] > 0)) {
            return;
        }
        if (!mHeadWritten) {
            mProtocol.append(ProtoRule);
            mProtocol.append(
                " DA57  : Überschreitungen der Kontrollwerte KWyx und KWz               n"_cp);
            mProtocol.append("");
            mProtocol.append(
                " KZ   Nr.  Dreieck                   |  1-2   | |  1-3   | |  2-3   |   ");
            mProtocol.append(ProtoRule);
            mHeadWritten = true;
        }
        if (!mAxes[axis].add()) {
            return;
        }
        const auto text1 = t.p1.printable();
        const auto text2 = t.p2.printable();
        const auto text3 = t.p3.printable();
        const char *p1 = text1.data();
        const char *p2 = text2.data();
        const char *p3 = text3.data();
        switch (axis) {
        case 0:
            mProtocol.appendf(" %2i %5i %8s %8s %8s %10.3lf %10.3lf %10.3lf  y", t.kz, t.number, p1,
                              p2, p3, d[0], d[1], d[2]);
            break;
        case 1:
            mProtocol.appendf(" %2i %5i %8s %8s %8s %10.3lf %10.3lf %10.3lf  x ", t.kz, t.number,
                              p1, p2, p3, d[0], d[1], d[2]);
            break;
        default:
            mProtocol.appendf(" %2i %5i %8s %8s %8s %10.3lf %10.3lf %10.3lf  z ", t.kz, t.number,
                              p1, p2, p3, d[0], d[1], d[2]);
            break;
        }
    }

    TextList &mProtocol;
    bool mHeadWritten = false;
    std::array<FindingListing, 3> mAxes;
};

void listMissingCorners(TextList &protocol, const TTriangle &t, const TCorners &c)
{
    protocol.append("");
    protocol.append("");
    protocol.append(ProtoRule);
    protocol.append(std::string(" Koordinaten für Dreieck "_cp) +
                    format("%i nicht komplett gefunden", t.number));
    protocol.append(" KZ  Koord.Nr.   y[m]       x[m]       z[m]");
    protocol.appendf(" %2i %8s   %10.3lf %10.3lf %10.3lf", t.kz, t.p1.printable().data(), c[0].y,
                     c[0].x, c[0].z);
    protocol.appendf("    %8s   %10.3lf %10.3lf %10.3lf", t.p2.printable().data(), c[1].y, c[1].x,
                     c[1].z);
    protocol.appendf("    %8s   %10.3lf %10.3lf %10.3lf", t.p3.printable().data(), c[2].y, c[2].x,
                     c[2].z);
    protocol.append(ProtoRule);
    protocol.append("");
}

// A corner that is not found keeps y = x = z = -2.0.
TCorners cornersOf(const CornerEntries &entries, const TPointTable &points)
{
    TCorners corners;
    for (std::size_t c = 0; c < 3; ++c) {
        const long e = entries[c];
        if (e >= 0 && e < static_cast<long>(points.size())) {
            const TPoint &p = points[static_cast<std::size_t>(e)];
            corners[c] = {p.y, p.x, p.z, true};
        }
    }
    return corners;
}

// What the corners of one triangle give, worked out ahead of the stage's own pass.
struct PrismWork {
    TPrismValues values;       // when any corner was found
    std::uint8_t found = 0;    // bit c set when corner c was found
    std::uint8_t exceeded = 0; // the axes beyond their control value
};

// The corners and values of the triangles, worked out a block ahead of their use on a second
// thread: while the stage goes through one block (sums, sections, listings and status texts in
// their order), the next is worked out. Its own thread, done with a block, takes its share of
// what is left of the next one.
class PrismsAhead {
public:
    struct Values {
        double kwyx, kwz, kobhVol;
    };

    PrismsAhead(const TTriangleTable &triangles, const TPointTable &points,
                const CornerFinder &finder, Values values)
        : mTriangles(triangles), mPoints(points), mFinder(finder), mValues(values)
    {
        // The two blocks are made once at their full size, their pages mapped at once.
        const std::size_t room = std::min(BlockSize, triangles.size());
        for (Block &block : mBlocks) {
            reserveLarge(block.entries, room, room);
            reserveLarge(block.work, room, room);
        }
        prepare(0);
        workShares(0);
    }
    ~PrismsAhead()
    {
        if (mNext.valid()) {
            mNext.wait();
        }
    }
    PrismsAhead(const PrismsAhead &) = delete;
    PrismsAhead &operator=(const PrismsAhead &) = delete;

    // Triangle v, v counting up from 0 one by one: its corner entries and what they give.
    std::pair<const CornerEntries &, const PrismWork &> at(std::size_t v)
    {
        const std::size_t block = v / BlockSize;
        if (v % BlockSize == 0 && v > 0) {
            workShares(block);
            mNext.get();
        }
        if (v % BlockSize == 0) {
            if (const std::size_t next = block + 1; next * BlockSize < mTriangles.size()) {
                prepare(next);
                mNext = std::async(std::launch::async, [this, next] { workShares(next); });
            }
        }
        const Block &b = mBlocks[block % 2];
        return {b.entries[v % BlockSize], b.work[v % BlockSize]};
    }

private:
    static constexpr std::size_t BlockSize = std::size_t{1} << 15;
    static constexpr std::size_t ShareSize = std::size_t{1} << 11;

    struct Block {
        std::vector<CornerEntries> entries;
        std::vector<PrismWork> work;
    };

    // Before a block is worked out: its room, and none of its shares taken.
    void prepare(std::size_t block)
    {
        const std::size_t count = std::min(BlockSize, mTriangles.size() - block * BlockSize);
        mBlocks[block % 2].entries.resize(count);
        mBlocks[block % 2].work.resize(count);
        mTaken.store(0);
    }

    // Works out share after share of a block until none is left; both threads may do so.
    void workShares(std::size_t block)
    {
        const std::size_t from = block * BlockSize;
        Block &into = mBlocks[block % 2];
        for (;;) {
            const std::size_t share = mTaken.fetch_add(ShareSize);
            if (share >= into.entries.size()) {
                return;
            }
            const std::size_t count = std::min(ShareSize, into.entries.size() - share);
            mFinder.findRange(std::span<const TTriangle>(mTriangles).subspan(from + share, count),
                              std::span<CornerEntries>(into.entries).subspan(share, count));
            for (std::size_t k = share; k < share + count; ++k) {
                const TCorners corners = cornersOf(into.entries[k], mPoints);
                PrismWork &work = into.work[k];
                work.found = static_cast<std::uint8_t>((corners[0].found ? 1 : 0) |
                                                       (corners[1].found ? 2 : 0) |
                                                       (corners[2].found ? 4 : 0));
                work.exceeded = ExceedanceListing::exceededAxes(corners, mValues.kwyx, mValues.kwz);
                if (work.found != 0) {
                    work.values = prismValues(corners, mValues.kobhVol);
                }
            }
        }
    }

    const TTriangleTable &mTriangles;
    const TPointTable &mPoints;
    const CornerFinder &mFinder;
    Values mValues;
    std::array<Block, 2> mBlocks;
    std::atomic<std::size_t> mTaken{0};
    std::future<void> mNext;
};

} // namespace

TPrismValues prismValues(const TCorners &c, double kobhVol)
{
    const double y1 = c[0].y, x1 = c[0].x, z1 = c[0].z;
    const double y2 = c[1].y, x2 = c[1].x, z2 = c[1].z;
    const double y3 = c[2].y, x3 = c[2].x, z3 = c[2].z;
    TPrismValues v;
    v.aGrund = std::fabs(((y2 - y3) * x1 + (y3 - y1) * x2 + (y1 - y2) * x3) * 0.5);
    v.zMittl = ((z1 + z2 + z3) - 3.0 * kobhVol) * OneThird;
    v.volumen = v.zMittl * v.aGrund;
    // The sloped area is half the length of the cross product of two sides in (y, x, z).
    const double uy = y2 - y1, ux = x2 - x1, uz = z2 - z1;
    const double wy = y3 - y2, wx = x3 - x2, wz = z3 - z2;
    const double cy = ux * wz - uz * wx;
    const double cx = uz * wy - uy * wz;
    const double cz = uy * wx - ux * wy;
    v.aDeck = 0.5 * std::sqrt(cy * cy + cx * cx + cz * cz);
    return v;
}

std::array<double, 3> controlDifferences(double a1, double a2, double a3, double controlValue)
{
    std::array<double, 3> d = {std::fabs(a1 - a2), std::fabs(a1 - a3), std::fabs(a2 - a3)};
    for (double &diff : d) {
        if (diff < controlValue) {
            diff = 0;
        }
    }
    return d;
}

PrismStageResult ComputePrisms(const TTriangleTable &triangles, const TPointTable &points,
                               double kwyx, double kwz, double kobhVol, const RunSearches &searches,
                               ResultListWriter &writer, TextList &protocol, TextList &result,
                               StatusLine &status)
{
    return ComputePrisms(triangles, points, kwyx, kwz, kobhVol, *searches.cornerFinder(points),
                         writer, protocol, result, status);
}

PrismStageResult ComputePrisms(const TTriangleTable &triangles, const TPointTable &points,
                               double kwyx, double kwz, double kobhVol, const CornerFinder &finder,
                               ResultListWriter &writer, TextList &protocol, TextList &result,
                               StatusLine &status)
{
    PrismStageResult stage;
    const long triangleCount = static_cast<long>(triangles.size());
    FindingListing missing(protocol,
                           " Protokollierung fehlender Koordinaten abgebrochen, da zu viele");
    ExceedanceListing exceedances(protocol);
    FindingListing resultLines(result, " ...",
                               " Protokollierung der ber. Dreieckswerte abgebrochen, da zu viele",
                               MaxResultLines);
    // A status text every hundred triangles, put together from its fixed parts.
    long progressStep = 1;
    const std::string_view progressStage = "6/6  Flächen- und Massenberechnung : "_cp;
    const std::string progressHead(progressStage);
    const std::string progressTail =
        " von " + std::to_string(triangleCount) + " Dreiecken berechnet ";
    PrismsAhead ahead(triangles, points, finder, {kwyx, kwz, kobhVol});

    for (long v = 0; v < triangleCount; ++v) {
        const TTriangle &t = triangles[static_cast<std::size_t>(v)];
        if (progressStep * 100 <= v) {
            std::string text = progressHead;
            text += std::to_string(v);
            text += progressTail;
            status.show(std::move(text));
            ++progressStep;
        }
        if (v == 0) {
            stage.CurrentKZ = t.kz;
            writer.StartResultList(stage.CurrentKZ);
        }
        // A KZ of 0 or below never opens a section: its triangle counts in the open one.
        if (t.kz != stage.CurrentKZ && t.kz > 0) {
            stage.FirstSums = stage.SectionSums;
            resultLines.restart();
            writer.ChangeSection(stage.CurrentKZ, stage.FirstSums, t.kz);
            stage.CurrentKZ = t.kz;
            stage.SectionSums = {};
        }

        const auto [entries, work] = ahead.at(static_cast<std::size_t>(v));
        if (work.found != 7) {
            stage.CoordMissing = true;
            if (missing.add()) {
                listMissingCorners(protocol, t, cornersOf(entries, points));
            }
        }
        if (work.exceeded != 0) {
            exceedances.check(t, cornersOf(entries, points), kwyx, kwz, work.exceeded);
        }
        if (work.found == 0) {
            continue;
        }
        const TPrismValues &values = work.values;
        stage.SectionSums.aGrund += values.aGrund;
        stage.SectionSums.aDeck += values.aDeck;
        stage.SectionSums.volumen += values.volumen;
        if (resultLines.add()) {
            result.appendf(" %2li %5li %8s %8s %8s%11.3lf%12.3lf%12.3lf%12.3lf",
                           static_cast<long>(t.kz), static_cast<long>(t.number),
                           t.p1.printable().data(), t.p2.printable().data(),
                           t.p3.printable().data(), values.zMittl, values.aGrund, values.aDeck,
                           values.volumen);
        }
    }
    status.show(format(" %li Dreieck(e) berechnet ", triangleCount));
    return stage;
}

} // namespace kubato
