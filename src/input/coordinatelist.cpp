#include "input/coordinatelist.h"

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

// Floors a height read from a value field into whole metres and keeps the lowest.
void takeHeight(double &lowest, const FixedLine &line, int from, int to)
{
    const double metres = std::floor(coordinateField(line, from, to));
    if (metres < lowest) {
        lowest = metres;
    }
}

// A value field holds whole millimetres in ten columns. Only an exponent reaches beyond what
// ten digits can write, and such a value (or one beyond the range of a double) would turn every
// area, volume and sum it touches into a meaningless figure, so the line is refused instead.
struct ValueField {
    int from;
    const char *message;
};

constexpr ValueField kFirstPointFields[] = {{11, "Fehler in Spalte  11 - 20"},
                                            {21, "Fehler in Spalte  21 - 30"},
                                            {31, "Fehler in Spalte  31 - 40"}};
constexpr ValueField kLastPointFields[] = {{51, "Fehler in Spalte  51 - 60"},
                                           {61, "Fehler in Spalte  61 - 70"},
                                           {71, "Fehler in Spalte  71 - 80"}};

const char *valueBeyondField(const FixedLine &line, const ValueField (&fields)[3])
{
    for (const ValueField &f : fields) {
        if (!(std::fabs(toDecimal(line.columns(f.from, f.from + 9))) < 1e10)) {
            return f.message;
        }
    }
    return nullptr;
}

const char *da30Fault(const FixedLine &line)
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
    return valueBeyondField(line, kLastPointFields);
}

const char *da45Fault(const FixedLine &line)
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
    const bool hasNumber = !line.blank(43, 49);
    const bool hasHeight = !line.blank(77, 80);
    if (hasNumber && !hasHeight) {
        return "Fehler in Spalte  71 - 80";
    }
    if (!hasNumber && hasHeight) {
        return "Fehler in Spalte  43 - 49";
    }
    if (const char *fault = valueBeyondField(line, kFirstPointFields)) {
        return fault;
    }
    return hasNumber ? valueBeyondField(line, kLastPointFields) : nullptr;
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

CoordinateCheck checkCoordinates(std::string_view text, CoordinateType type)
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
    LineSplitter splitter(text);
    std::string_view raw;
    long lineNumber = 0;
    while (splitter.next(raw)) {
        ++lineNumber;
        const FixedLine line(raw);
        if (da30) {
            if (const char *fault = da30Fault(line)) {
                report.fault(lineNumber, fault);
            }
            takeHeight(check.lowestHeight, line, 74, 80);
            ++check.pointCount;
        } else {
            if (const char *fault = da45Fault(line)) {
                report.fault(lineNumber, fault);
            }
            takeHeight(check.lowestHeight, line, 31, 40);
            if (!line.blank(77, 80)) {
                ++check.pointCount;
                takeHeight(check.lowestHeight, line, 71, 80);
            }
            ++check.pointCount;
        }
    }
    return check;
}

std::string kobhPrefill(double lowestHeight)
{
    return format("%.3f", lowestHeight);
}

} // namespace kubato
