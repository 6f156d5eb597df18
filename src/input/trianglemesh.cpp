#include "input/trianglemesh.h"

#include <algorithm>

#include "common/cp1252.h"
#include "common/format.h"
#include "common/lines.h"
#include "common/numbers.h"
#include "input/checkreport.h"

namespace kubato {

namespace {

struct SampleElement {
    const char *kz;
    int number;
    const char *points[4];
};

constexpr SampleElement kSampleElements[] = {
    {"23", 1, {"2300001", "2300002", "2300012", "2300003"}},
    {"23", 2, {"2300012", "2300003", "2300011", "2300004"}},
    {"23", 3, {"2300004", "2300011", "2300005", "2300010"}},
    {"23", 4, {"2300005", "2300006", "2300010", "2300007"}},
    {"23", 5, {"2300010", "2300007", "2300009", "2300008"}},
    {"23", 6, {"2300008", "2300009", "2300001", "2300012"}},
    {"23", 7, {"2300009", "2300010", "2300012", "2300011"}},
    {"25", 1, {"2300001", "2300002", "2300009", "2500013"}},
    {"25", 2, {"2300002", "2300003", "2500013", "2500015"}},
    {"25", 3, {"2300003", "2300004", "2500015", "2300005"}},
    {"25", 4, {"2500015", "2300005", "2500016", "2500017"}},
    {"25", 5, {"2500016", "2500017", "2500018", "2300006"}},
    {"25", 6, {"2300005", "2300006", "2500017", ""}},
    {"25", 7, {"2300006", "2500018", "2300007", "2300009"}},
    {"25", 8, {"2300007", "2300009", "2300008", "2300001"}},
};

const char *da58Fault(const FixedLine &line)
{
    if (line.column(1) != '5' || line.column(2) != '8') {
        return "Fehler in Spalte   1 +  2";
    }
    if (line.blank(8, 9)) {
        return "Fehler in Spalte   8 +  9";
    }
    if (line.blank(17, 20)) {
        return "Fehler in Spalte  17 - 20";
    }
    if (line.blank(24, 30)) {
        return "Fehler in Spalte  24 - 30";
    }
    if (line.blank(34, 40)) {
        return "Fehler in Spalte  34 - 40";
    }
    if (line.blank(44, 50)) {
        return "Fehler in Spalte  44 - 50";
    }
    return nullptr;
}

} // namespace

std::vector<std::string> triangleExampleBlock()
{
    std::vector<std::string> block;
    block.push_back(ColumnLine().at(1, "Datenart REB DA58 - Dreiecksmaschen der Horizonte").str());
    ColumnLine tens;
    for (int d = 1; d <= 8; ++d) {
        tens.at(d * 10, format("%d", d));
    }
    block.push_back(tens.str());
    block.push_back(std::string("12345678901234567890123456789012345678901234567890"
                                "123456789012345678901234567890"));
    block.push_back(ColumnLine()
                        .at(17, "lfd.")
                        .at(24, "Punkt.1")
                        .at(34, "Punkt.2")
                        .at(44, "Punkt.3")
                        .at(54, "Punkt.4")
                        .str());
    block.push_back(ColumnLine()
                        .at(1, "DA")
                        .at(8, "KZ")
                        .at(17, "Nr.")
                        .at(24, "Pkt.Nr")
                        .at(34, "Pkt.Nr.")
                        .at(44, "Pkt.Nr.")
                        .at(54, "Pkt.Nr.")
                        .str());
    block.push_back(ColumnLine()
                        .at(1, "--")
                        .at(8, "--")
                        .at(17, "----")
                        .at(23, "--------")
                        .at(33, "--------")
                        .at(43, "--------")
                        .at(53, "--------")
                        .str());
    block.push_back(ColumnLine().at(1, "Beispieldaten").str());
    for (const SampleElement &e : kSampleElements) {
        ColumnLine line;
        line.at(1, "58").at(8, e.kz).right(20, format("%d", e.number));
        line.right(30, e.points[0]).right(40, e.points[1]).right(50, e.points[2]);
        line.right(60, e.points[3]);
        block.push_back(line.str());
    }
    return block;
}

std::string triangleTextFromFile(std::string bytes)
{
    return terminatedText(loadedTextToCp1252(std::move(bytes)));
}

TriangleCheck checkTriangles(std::string_view text, MeshReceiver *receiver)
{
    TriangleCheck check;
    if (text.empty()) {
        reportNoFile(check.messages);
        return check;
    }
    check.hasLines = true;
    FaultReport report(check.messages, " Dreiecksdaten in Datei DA58 nicht korrekt!",
                       " ------------------------------------------");
    if (receiver != nullptr) {
        // A line gives one triangle, a quadrilateral two; a line that passes reaches column 44.
        const LineBounds lines = lineBounds(text, 44);
        receiver->expect(lines.usual, 2 * lines.most);
    }
    LineSplitter splitter(text);
    std::string_view raw;
    long lineNumber = 0;
    std::int32_t firstKz = 0;
    bool lowerSeen = false;
    std::array<char, 2> lowerKz{};
    while (splitter.next(raw)) {
        ++lineNumber;
        const FixedLine line(raw);
        if (const char *fault = da58Fault(line)) {
            report.fault(lineNumber, fault);
        }
        // The fourth point field is seven columns wide; column 53 belongs to no field.
        const bool quadrilateral = !line.blank(54, 60);
        check.triangleCount += quadrilateral ? 2 : 1;
        const std::int32_t kz = toInteger(line.columns(8, 9));
        if (receiver != nullptr) {
            MeshLine read;
            read.kz = kz;
            read.number = toInteger(line.columns(17, 20));
            read.points[0] = numberField(line, 23, 30);
            read.points[1] = numberField(line, 33, 40);
            read.points[2] = numberField(line, 43, 50);
            if (quadrilateral) {
                read.points[3] = numberField(line, 54, 60);
            }
            read.quadrilateral = quadrilateral;
            receiver->line(read);
        }
        if (lineNumber == 1) {
            firstKz = kz;
            check.kzo = std::string(line.columns(8, 9));
            check.zdzo = "0";
        } else if (kz != firstKz) {
            // The last such line gives the prefill; its columns are kept until the end.
            const std::string_view columns = line.columns(8, 9);
            std::copy(columns.begin(), columns.end(), lowerKz.begin());
            lowerSeen = true;
        }
    }
    if (lowerSeen) {
        check.kzu = std::string(lowerKz.data(), lowerKz.size());
        check.zdzu = "0";
    } else {
        check.kzu = "0";
        check.zdzu.clear();
    }
    return check;
}

} // namespace kubato
