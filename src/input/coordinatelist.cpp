#include "input/coordinatelist.h"

#include <array>
#include <cmath>

#include "common/cp1252.h"
#include "common/format.h"
#include "common/lines.h"
#include "common/numbers.h"
#include "input/checkreport.h"

namespace kubato {

namespace {

struct SamplePoint {
    const char *da30Number;
    const char *kz;
    const char *da45Number;
    long y, x, z;
};

constexpr SamplePoint kSamplePoints[] = {
    {"1", "23", "2300001", 2300, 46700, 9300},   {"2", "23", "2300002", 9400, 58600, 10200},
    {"3", "23", "2300003", 23200, 61100, 9700},  {"4", "23", "2300004", 40300, 59200, 8500},
    {"5", "23", "2300005", 39600, 40700, 7200},  {"6", "23", "2300006", 31400, 20200, 6000},
    {"7", "23", "2300007", 24200, 15800, 6600},  {"8", "23", "2300008", 1200, 29500, 7700},
    {"9", "23", "2300009", 8700, 34100, 7100},   {"10", "23", "2300010", 26200, 34600, 8000},
    {"11", "23", "2300011", 32600, 48300, 8800}, {"12", "23", "2300012", 16400, 45800, 9300},
    {"13", "25", "2500013", 20500, 50400, 3750}, {"14", "25", "2500014", 20500, 38600, 3750},
    {"15", "25", "2500015", 29000, 50400, 3750}, {"16", "25", "2500016", 29000, 38600, 3750},
    {"17", "25", "2500017", 35400, 34600, 7100}, {nullptr, nullptr, "2500018", 24600, 28700, 7000},
};

std::string digits(long v)
{
    return format("%ld", v);
}

// Places y, x and z right-aligned into the three value fields ending at column lastZ.
void putValues(ColumnLine &line, int lastZ, const SamplePoint &p)
{
    line.right(lastZ - 20, digits(p.y)).right(lastZ - 10, digits(p.x)).right(lastZ, digits(p.z));
}

std::vector<std::string> blockHead(CoordinateType type)
{
    const bool da30 = type == CoordinateType::DA30;
    std::vector<std::string> block;
    block.push_back(ColumnLine()
                        .at(1, da30 ? "Datenart REB DA30 - Koordinatenverzeichnis"
                                    : "Datenart REB DA45 - Koordinatenverzeichnis")
                        .str());
    ColumnLine tens;
    for (int d = 1; d <= 8; ++d) {
        tens.at(d * 10, digits(d));
    }
    block.push_back(tens.str());
    block.push_back(std::string("12345678901234567890123456789012345678901234567890"
                                "123456789012345678901234567890"));
    block.push_back(ColumnLine().str());
    if (da30) {
        block.push_back(ColumnLine()
                            .at(1, "DAKZ")
                            .at(13, "Pktnr.")
                            .at(55, "y m")
                            .at(65, "x m")
                            .at(75, "z m")
                            .str());
        block.push_back(ColumnLine()
                            .at(1, "==--")
                            .at(13, "--------")
                            .at(51, "=======---=======---=======---")
                            .str());
    } else {
        block.push_back(ColumnLine()
                            .at(1, "DA")
                            .at(5, "Punkt")
                            .at(15, "y m")
                            .at(25, "x m")
                            .at(35, "z m")
                            .at(45, "Punkt")
                            .at(55, "y m")
                            .at(65, "x m")
                            .at(75, "z m")
                            .str());
        block.push_back(ColumnLine()
                            .at(1, "==-------")
                            .at(11, "=======---=======---=======---")
                            .at(43, "-------")
                            .at(51, "=======---=======---=======---")
                            .str());
    }
    block.push_back(ColumnLine().at(1, "Beispieldaten").str());
    return block;
}

// Keeps the lowest height in whole metres.
void takeHeight(double &lowest, double metres)
{
    const double floored = std::floor(metres);
    if (floored < lowest) {
        lowest = floored;
    }
}

// The three value fields of a point (y, x, z from column from on), each read once for the
// check of its size, the lowest height and the receiver.
struct PointValues {
    std::array<double, 3> millimetres{};

    double metres(std::size_t i) const { return millimetres[i] * 0.001; }
};

PointValues readValues(const FixedLine &line, int from)
{
    return {{toDecimal(line.columns(from, from + 9)), toDecimal(line.columns(from + 10, from + 19)),
             toDecimal(line.columns(from + 20, from + 29))}};
}

// A value field holds whole millimetres in ten columns. Only an exponent reaches beyond what
// ten digits can write, and such a value (or one beyond the range of a double) would turn every
// area, volume and sum it touches into a meaningless figure, so the line is refused instead.
using ValueFieldMessages = std::array<const char *, 3>;

constexpr ValueFieldMessages kFirstPointFields = {
    "Fehler in Spalte  11 - 20", "Fehler in Spalte  21 - 30", "Fehler in Spalte  31 - 40"};
constexpr ValueFieldMessages kLastPointFields = {
    "Fehler in Spalte  51 - 60", "Fehler in Spalte  61 - 70", "Fehler in Spalte  71 - 80"};

const char *valueBeyondField(const PointValues &values, const ValueFieldMessages &messages)
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (!(std::fabs(values.millimetres[i]) < 1e10)) {
            return messages[i];
        }
    }
    return nullptr;
}

const char *da30Fault(const FixedLine &line, const PointValues &values)
{
    if (line.column(1) != '3' || line.column(2) != '0') {
        return "Fehler in Spalte   1 +  2";
    }
    if (line.blank(3, 4)) {
        return "Fehler in Spalte   3 +  4";
    }
    if (line.blank(13, 20)) {
        return "Fehler in Spalte  13 - 20";
    }
    if (line.blank(54, 60)) {
        return "Fehler in Spalte  54 - 60";
    }
    if (line.blank(64, 70)) {
        return "Fehler in Spalte  64 - 70";
    }
    if (line.blank(74, 80)) {
        return "Fehler in Spalte  74 - 80";
    }
    return valueBeyondField(values, kLastPointFields);
}

// The fields of a DA45 line: the second point's values are read where it has a number or a
// height.
struct Da45Line {
    PointValues first;
    PointValues second;
    bool hasNumber = false;
    bool hasHeight = false;
};

const char *da45Fault(const FixedLine &line, const Da45Line &read)
{
    if (line.column(1) != '4' || line.column(2) != '5') {
        return "Fehler in Spalte   1 +  2";
    }
    if (line.blank(3, 9)) {
        return "Fehler in Spalte   3 -  9";
    }
    if (line.blank(17, 20)) {
        return "Fehler in Spalte  11 - 20";
    }
    if (line.blank(27, 30)) {
        return "Fehler in Spalte  21 - 30";
    }
    if (line.blank(37, 40)) {
        return "Fehler in Spalte  31 - 40";
    }
    // The count takes a second point by its height (columns 77-80), the point table by its
    // number (columns 43-49): a second point given only in part would let them disagree.
    if (read.hasNumber && !read.hasHeight) {
        return "Fehler in Spalte  71 - 80";
    }
    if (!read.hasNumber && read.hasHeight) {
        return "Fehler in Spalte  43 - 49";
    }
    if (const char *fault = valueBeyondField(read.first, kFirstPointFields)) {
        return fault;
    }
    return read.hasNumber ? valueBeyondField(read.second, kLastPointFields) : nullptr;
}

void givePoint(CoordinateReceiver *receiver, const FixedLine &line, int numberFrom, int numberTo,
               const PointValues &values)
{
    if (receiver != nullptr) {
        receiver->point(numberField(line, numberFrom, numberTo), values.metres(0), values.metres(1),
                        values.metres(2));
    }
}

} // namespace

std::vector<std::string> coordinateExampleBlock(CoordinateType type)
{
    std::vector<std::string> block = blockHead(type);
    if (type == CoordinateType::DA30) {
        for (const SamplePoint &p : kSamplePoints) {
            if (p.da30Number == nullptr) {
                continue;
            }
            ColumnLine line;
            line.at(1, "30").at(3, p.kz).right(20, p.da30Number);
            putValues(line, 80, p);
            block.push_back(line.str());
        }
    } else {
        for (std::size_t i = 0; i + 1 < std::size(kSamplePoints); i += 2) {
            ColumnLine line;
            line.at(1, "45").right(9, kSamplePoints[i].da45Number);
            putValues(line, 40, kSamplePoints[i]);
            line.right(49, kSamplePoints[i + 1].da45Number);
            putValues(line, 80, kSamplePoints[i + 1]);
            block.push_back(line.str());
        }
    }
    return block;
}

std::string coordinateTextFromFile(std::string bytes)
{
    std::string text = terminatedText(loadedTextToCp1252(std::move(bytes)));
    // Every line of the text now ends with CR LF and holds neither CR nor LF, so the short
    // lines at its end are found walking back from break to break.
    std::size_t end = text.size();
    while (end > 0) {
        const std::size_t lineEnd = end - 2;
        const std::size_t breakBefore =
            lineEnd < 2 ? std::string::npos : text.rfind("\r\n", lineEnd - 2);
        const std::size_t start = breakBefore == std::string::npos ? 0 : breakBefore + 2;
        const std::string_view last(text.data() + start, lineEnd - start);
        if (last.size() >= static_cast<std::size_t>(LineWidth) ||
            (last.size() >= 40 && last.substr(0, 2) == "45")) {
            break;
        }
        end = start;
    }
    text.resize(end);
    return text;
}

std::string positionFromPath(std::string_view lowerCasePath)
{
    const std::size_t sep = lowerCasePath.find_last_of("/\\");
    std::string_view name =
        sep == std::string_view::npos ? lowerCasePath : lowerCasePath.substr(sep + 1);
    name = name.substr(0, name.find('.'));
    return std::string(name.substr(0, 6));
}

CoordinateCheck checkCoordinates(std::string_view text, CoordinateType type,
                                 CoordinateReceiver *receiver)
{
    CoordinateCheck check;
    if (text.empty()) {
        reportNoFile(check.messages);
    }
    const bool da30 = type == CoordinateType::DA30;
    FaultReport report(check.messages,
                       da30 ? " Koordinaten in Datei DA30 nicht korrekt!"
                            : " Koordinaten in Datei DA45 nicht korrekt!",
                       " ----------------------------------------");
    if (receiver != nullptr) {
        // A DA30 line gives one point and reaches column 74 when it passes; a DA45 line gives
        // one or two and reaches column 37.
        const LineBounds lines = lineBounds(text, da30 ? 74 : 37);
        receiver->expect(lines.usual, da30 ? lines.most : 2 * lines.most);
    }
    LineSplitter splitter(text);
    std::string_view raw;
    long lineNumber = 0;
    while (splitter.next(raw)) {
        ++lineNumber;
        const FixedLine line(raw);
        if (da30) {
            const PointValues values = readValues(line, 51);
            if (const char *fault = da30Fault(line, values)) {
                report.fault(lineNumber, fault);
            }
            // The lowest height of a DA30 text comes from columns 74-80 alone.
            takeHeight(check.lowestHeight, coordinateField(line, 74, 80));
            ++check.pointCount;
            givePoint(receiver, line, 13, 20, values);
            continue;
        }
        Da45Line read;
        read.first = readValues(line, 11);
        read.hasNumber = !line.blank(43, 49);
        read.hasHeight = !line.blank(77, 80);
        if (read.hasNumber || read.hasHeight) {
            read.second = readValues(line, 51);
        }
        if (const char *fault = da45Fault(line, read)) {
            report.fault(lineNumber, fault);
        }
        takeHeight(check.lowestHeight, read.first.metres(2));
        if (read.hasHeight) {
            ++check.pointCount;
            takeHeight(check.lowestHeight, read.second.metres(2));
        }
        ++check.pointCount;
        givePoint(receiver, line, 3, 9, read.first);
        if (read.hasNumber) {
            givePoint(receiver, line, 43, 49, read.second);
        }
    }
    return check;
}

std::string kobhPrefill(double lowestHeight)
{
    return format("%.3f", lowestHeight);
}

} // namespace kubato
