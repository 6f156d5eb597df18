// Arbitrary bytes as a whole job: a coordinate text, a triangle text, the eight DA57/DA59 field
// texts and a sequence of the user's steps. The computation runs directly on the raw texts,
// which no check has seen, and through the Workbench after any order of opening, checking,
// accepting, starting and resetting, so that the counts of the checks may disagree with the
// texts the run gets. Whatever comes, the run goes through to its end; what the Workbench
// shows stays consistent; and a run on texts and values that passed their checks gives a
// finite volume.
//
// Input: one flag byte (bit 0: DA45, for the raw run and as the first choice of the window), then
// up to four parts separated by the byte 0x1E: coordinate file, triangle file, the eight field
// texts one per line, the steps (one byte each). Without steps the user's usual road is taken.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/workbench.h"
#include "calc/calcrun.h"
#include "calc/pointtable.h"
#include "calc/triangletable.h"
#include "common/lines.h"

using namespace kubato;

namespace {

constexpr char PartSeparator = '\x1e';
// The stages that compare all pairs are quadratic by design; larger texts only slow the
// search down without reaching new code.
constexpr std::size_t MaxRunLines = 1000;
constexpr std::size_t MaxSteps = 24;
constexpr int MaxStarts = 2;

class SilentMessageBox final : public MessageBox {
public:
    void show(std::string_view, std::string_view) override {}
};

class FixedClock final : public Clock {
public:
    Date today() const override { return {5, 3, 2024}; }
};

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Splits the input into its parts: at most four, the last one taking the rest.
std::vector<std::string_view> partsOf(std::string_view rest)
{
    std::vector<std::string_view> parts;
    while (parts.size() < 3) {
        const std::size_t end = rest.find(PartSeparator);
        if (end == std::string_view::npos) {
            break;
        }
        parts.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    parts.push_back(rest);
    return parts;
}

// The run ends with the same closing line, however faulty its input.
void requireWholeRun(const TextList &protocol)
{
    require(protocol.count() >= 2);
    require(protocol.line(0).substr(0, 23) == " Protokoll-Liste KUBATO");
    require(protocol.line(protocol.count() - 1) == " Programm normal beendet");
}

// " Volumen = %.3lf m3" with a plain number: no inf, no nan.
bool isPlainVolume(std::string_view label)
{
    constexpr std::string_view head = " Volumen = ";
    constexpr std::string_view tail = " m3";
    if (label.size() < head.size() + tail.size() + 5 || label.substr(0, head.size()) != head ||
        label.substr(label.size() - tail.size()) != tail) {
        return false;
    }
    std::string_view number = label.substr(head.size(), label.size() - head.size() - tail.size());
    if (number.front() == '-') {
        number.remove_prefix(1);
    }
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos || point == 0 || number.size() - point != 4) {
        return false;
    }
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (i != point && (number[i] < '0' || number[i] > '9')) {
            return false;
        }
    }
    return true;
}

void requireConsistent(const Workbench &bench)
{
    const MainWindowState &main = bench.main();
    require(main.SBtnAmp30 == bench.CoordinatesReady());
    require(main.SBtnAmp58 == bench.TrianglesReady());
    require(main.BtnDa57 == (bench.CoordinatesReady() && bench.TrianglesReady()));
    require(!main.BtnStart ||
            (bench.CoordinatesReady() && bench.TrianglesReady() && bench.ControlValuesReady()));
    // What the run will compute has exactly the entries the accepting check counted.
    if (bench.CoordinatesReady()) {
        const AcceptedCoordinates &c = bench.acceptedCoordinates();
        require(c.pointCount > 0);
        require(static_cast<long>(fillPointTable(c.text.str(), c.type).size()) == c.pointCount);
    }
    if (bench.TrianglesReady()) {
        const AcceptedTriangles &t = bench.acceptedTriangles();
        require(t.triangleCount > 0);
        require(static_cast<long>(fillTriangleTable(t.text.str()).table.size()) == t.triangleCount);
    }
}

bool small(std::string_view text)
{
    return splitLines(text).size() <= MaxRunLines;
}

void start(Workbench &bench)
{
    const AcceptedCoordinates &coords = bench.acceptedCoordinates();
    const AcceptedTriangles &triangles = bench.acceptedTriangles();
    if (!small(coords.text.str()) || !small(triangles.text.str())) {
        return;
    }
    const bool startEnabled = bench.main().BtnStart;
    SilentMessageBox box;
    const FixedClock clock;
    bench.start(box, clock);
    requireWholeRun(bench.protocol());
    require(bench.main().BtnErg && bench.main().BtnProto && bench.main().BtnGrafik);

    // The start button computes the accepted texts with the fields as they stand.
    RunInput input;
    input.coordinateText = coords.text.str();
    input.coordinateType = coords.type;
    input.triangleText = triangles.text.str();
    input.params = readCalcParams(bench.fields());
    input.date = clock.today();
    const RunOutcome direct = runCalculation(input, box);
    require(direct.protocol == bench.protocol());
    require(direct.result == bench.result());
    require(direct.VolLabel == bench.main().VolLabel);
    require(direct.ErrLabel == bench.main().ErrLabel);

    // Checked texts and values that pass the dialog's check give a sound volume.
    if (startEnabled &&
        checkControlValues(bench.fields()).outcome == ControlValuesCheck::Outcome::Accepted) {
        require(std::isfinite(direct.TotalVolume) && std::isfinite(direct.KOBHVol));
        require(isPlainVolume(bench.main().VolLabel));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const bool rawDa45 = (data[0] & 1) != 0;
    const std::vector<std::string_view> parts =
        partsOf(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
    const std::string_view coordinateFile = parts[0];
    const std::string_view triangleFile = parts.size() > 1 ? parts[1] : std::string_view();
    const bool fieldsGiven = parts.size() > 2;
    std::string_view fieldPart = fieldsGiven ? parts[2] : std::string_view();
    const std::string_view steps = parts.size() > 3 ? parts[3] : std::string_view();

    FieldTexts typed;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const std::size_t end = fieldPart.find('\n');
        typed[i] = std::string(fieldPart.substr(0, end));
        fieldPart = end == std::string_view::npos ? std::string_view() : fieldPart.substr(end + 1);
    }

    // The run on texts that no check has seen, with values that no dialog has seen.
    if (small(coordinateFile) && small(triangleFile)) {
        RunInput input;
        input.coordinateText = coordinateFile;
        input.coordinateType = rawDa45 ? CoordinateType::DA45 : CoordinateType::DA30;
        input.triangleText = triangleFile;
        input.params = readCalcParams(fieldsGiven ? typed : creationFieldTexts());
        SilentMessageBox box;
        const RunOutcome outcome = runCalculation(input, box);
        requireWholeRun(outcome.protocol);
    }

    // The user's steps. Without any, the usual road: open and check both files, confirm the
    // values (typed ones when given, else the prefills) and start.
    std::string script;
    if (steps.empty()) {
        script = fieldsGiven ? std::string("\x00\x02\x03\x04\x05\x06\x07", 7)
                             : std::string("\x00\x02\x03\x04\x06\x07", 6);
    } else {
        script = std::string(steps.substr(0, MaxSteps));
    }
    Workbench bench;
    bench.setCoordinateType(rawDa45 ? CoordinateType::DA45 : CoordinateType::DA30);
    int starts = 0;
    for (const char step : script) {
        switch (static_cast<unsigned char>(step) % 13) {
        case 0:
            bench.loadCoordinateText("fuzz/job.d30", std::string(coordinateFile));
            break;
        case 1:
            bench.setCoordinateType(bench.coordinateType() == CoordinateType::DA30
                                        ? CoordinateType::DA45
                                        : CoordinateType::DA30);
            break;
        case 2: {
            const CheckOutcome outcome = bench.checkCoordinates();
            require(outcome.accepted == bench.messages().empty());
            break;
        }
        case 3:
            bench.loadTriangleText("fuzz/job.d58", std::string(triangleFile));
            break;
        case 4: {
            const CheckOutcome outcome = bench.checkTriangles();
            require(outcome.accepted == bench.messages().empty());
            break;
        }
        case 5:
            for (std::size_t i = 0; i < FieldCount; ++i) {
                bench.setField(static_cast<Field>(i), typed[i]);
            }
            break;
        case 6:
            bench.acceptControlValues();
            break;
        case 7:
            if (starts++ < MaxStarts) {
                start(bench);
            }
            break;
        case 8:
            bench.reset();
            break;
        case 9:
            // The other file in the wrong window: texts and counts that do not belong together.
            bench.loadCoordinateText("fuzz/job.d58", std::string(triangleFile));
            break;
        case 10:
            bench.setTriangleText(coordinateFile);
            break;
        case 11:
            bench.controlValuesDialogClosed();
            break;
        default:
            bench.loadCoordinateText("fuzz/empty.d30", {});
            break;
        }
        requireConsistent(bench);
    }
    return 0;
}
