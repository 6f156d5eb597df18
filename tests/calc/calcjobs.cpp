#include "calc/calcjobs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "common/cp1252.h"
#include "common/lines.h"
#include "input/coordinatelist.h"
#include "input/trianglemesh.h"
#include "support/testfiles.h"

namespace kubato::test {

std::string da30Line(std::string_view number, std::string_view y, std::string_view x,
                     std::string_view z)
{
    return ColumnLine()
        .at(1, "3023")
        .right(20, number)
        .right(60, y)
        .right(70, x)
        .right(80, z)
        .str();
}

std::string da30Line(std::string_view number, long y, long x, long z)
{
    return da30Line(number, std::to_string(y), std::to_string(x), std::to_string(z));
}

std::string da58Line(int kz, int number, std::string_view p1, std::string_view p2,
                     std::string_view p3, std::string_view p4)
{
    ColumnLine line;
    line.at(1, "58").right(9, std::to_string(kz)).right(20, std::to_string(number));
    line.right(30, p1).right(40, p2).right(50, p3);
    if (!p4.empty()) {
        line.right(60, p4);
    }
    return line.str();
}

std::string textOf(const std::vector<std::string> &lines)
{
    return terminated(lines);
}

FieldTexts fieldTexts(const char *kobh, const char *kwyx, const char *kwz, const char *pos,
                      const char *kzo, const char *zdzo, const char *kzu, const char *zdzu)
{
    return {kobh, kwyx, kwz, pos, kzo, zdzo, kzu, zdzu};
}

RunInput inputOf(const CalcJob &job)
{
    RunInput input;
    input.coordinateText = job.coordinates;
    input.coordinateType = job.type;
    input.triangleText = job.triangles;
    input.params = readCalcParams(job.fields);
    input.date = FixedClock().today();
    return input;
}

RunOutcome runJob(const CalcJob &job, RecordingMessageBox &box)
{
    return runCalculation(inputOf(job), box);
}

namespace {

CalcJob exampleJob(std::string name, FieldTexts fields)
{
    CalcJob job;
    job.name = std::move(name);
    job.coordinates = coordinateTextFromFile(readAll(examplePath("bsp.d45")));
    job.type = CoordinateType::DA45;
    job.triangles = triangleTextFromFile(readAll(examplePath("bsp.d58")));
    job.fields = std::move(fields);
    return job;
}

// Points given twice in plan and in space, far beyond the listing limits, with the plan and
// the space listing cut off at different pairs; triangles given up to eleven times, in one
// horizon and in two, also as the second triangle of a quadrilateral; points 7 and 007.
CalcJob duplicatesJob()
{
    std::vector<std::string> points = {
        da30Line("20", "46700", "20000", "5000"), da30Line("21", "46700.0", "20000", "5000"),
        da30Line("22", "46701", "20000", "5000"), da30Line("91", 1000, 1000, 100),
        da30Line("92", 1000, 1000, 200),          da30Line("93", 1000, 1000, 300),
    };
    for (int n = 101; n <= 111; ++n) {
        points.push_back(da30Line(std::to_string(n), 1000, 1000, 500));
    }
    for (const auto &p : {da30Line("007", 5000, 5000, 1000), da30Line("7", 6000, 5000, 1000),
                          da30Line("31", 0, 0, 1000), da30Line("32", 10000, 0, 1000),
                          da30Line("33", 0, 10000, 1000), da30Line("34", 10000, 10000, 1000)}) {
        points.push_back(p);
    }
    std::vector<std::string> triangles = {
        da58Line(1, 1, "31", "32", "33"),       da58Line(1, 2, "33", "31", "32"),
        da58Line(1, 3, "31", "32", "34", "33"), da58Line(1, 4, "34", "33", "32"),
        da58Line(1, 5, "7", "33", "34"),        da58Line(1, 6, "007", "33", "34"),
    };
    for (int n = 7; n <= 10; ++n) {
        triangles.push_back(da58Line(1, n, "32", "33", "31"));
    }
    for (int n = 1; n <= 5; ++n) {
        triangles.push_back(da58Line(2, n, "31", "33", "32"));
    }
    return {"duplicates", textOf(points), CoordinateType::DA30, textOf(triangles),
            fieldTexts("0.000", "50", "5", "doppelt", "1", "0", "2", "0")};
}

// Corners missing: one, two and all three of a triangle; a point number given twice, of
// which the first counts. The placeholder -2.0 of a missing corner exceeds the control values.
CalcJob missingJob()
{
    const std::vector<std::string> points = {
        da30Line("1", 100000, 100000, 10000),
        da30Line("2", 110000, 100000, 11000),
        da30Line("3", 100000, 110000, 12000),
        da30Line("5", 105000, 105000, 10500),
        da30Line("5", 0, 0, 0),
        da30Line("4", 110000, 110000, 13000),
    };
    const std::vector<std::string> triangles = {
        da58Line(1, 1, "1", "2", "3"),   da58Line(1, 2, "1", "99", "3"),
        da58Line(1, 3, "88", "5", "77"), da58Line(1, 4, "66", "55", "44"),
        da58Line(1, 5, "5", "2", "4"),   da58Line(2, 1, "1", "2", "4"),
        da58Line(2, 2, "2", "3", "4"),
    };
    return {"missing", textOf(points), CoordinateType::DA30, textOf(triangles),
            fieldTexts("10", "50", "5", "fehlt", "1", "0", "2", "0")};
}

// Control values exceeded in y only, x only, z only, in y and z, in all three axes, and in y
// by exactly the control value; a triangle given as 5, 10, 9 stands as 10, 5, 9.
CalcJob exceedancesJob()
{
    const std::vector<std::string> points = {
        da30Line("1", 0, 0, 1000),          da30Line("2", 0, 10000, 1000),
        da30Line("3", 60000, 0, 1000),      da30Line("4", 1000, 0, 1000),
        da30Line("5", 11000, 0, 1000),      da30Line("6", 1000, 70000, 1000),
        da30Line("7", 2000, 2000, 1000),    da30Line("8", 12000, 2000, 2000),
        da30Line("9", 2000, 12000, 8000),   da30Line("10", 3000, 3000, 1000),
        da30Line("11", 3000, 13000, 1000),  da30Line("12", 63000, 3000, 9000),
        da30Line("13", 5000, 5000, 1000),   da30Line("14", 65000, 5000, 2000),
        da30Line("15", 5000, 75000, 9000),  da30Line("16", 10000, 20000, 1000),
        da30Line("17", 10000, 30000, 1000), da30Line("18", 60000, 20000, 1000),
    };
    const std::vector<std::string> triangles = {
        da58Line(1, 1, "1", "2", "3"),    da58Line(1, 2, "4", "5", "6"),
        da58Line(1, 3, "7", "8", "9"),    da58Line(1, 4, "10", "11", "12"),
        da58Line(1, 5, "13", "14", "15"), da58Line(1, 6, "16", "17", "18"),
        da58Line(1, 7, "5", "10", "9"),
    };
    return {"exceedances", textOf(points), CoordinateType::DA30, textOf(triangles),
            fieldTexts("0", "50", "5", "kontrolle", "1", "0", "0", "0.5")};
}

const std::vector<std::string> &gridPoints()
{
    static const std::vector<std::string> points = {
        da30Line("1", 0, 0, 2000),     da30Line("2", 10000, 0, 2000),
        da30Line("3", 0, 10000, 2000), da30Line("4", 10000, 10000, 3000),
        da30Line("5", 20000, 0, 2500), da30Line("6", 20000, 10000, 2500),
    };
    return points;
}

// Three sections, KZ 1, 2 and 3, with a KZ-0 line inside the first; the entered KZ values 7
// and 8 occur nowhere in the text, and both z,dz offsets are set.
CalcJob sectionsJob()
{
    const std::vector<std::string> triangles = {
        da58Line(1, 1, "1", "2", "3"), da58Line(1, 2, "2", "3", "4"), da58Line(0, 1, "2", "4", "5"),
        da58Line(1, 3, "4", "5", "6"), da58Line(2, 1, "1", "2", "3"), da58Line(2, 2, "2", "4", "5"),
        da58Line(3, 1, "2", "3", "4"), da58Line(3, 2, "4", "5", "6"),
    };
    return {"sections", textOf(gridPoints()), CoordinateType::DA30, textOf(triangles),
            fieldTexts("1.5", "50", "5", "drei", "7", "0.2", "8", "0.1")};
}

// Points of which 1, 2, 3 and 2, 3, 6 stand on one line in plan but not in space: their
// triangles are vertical, with no plan area but a sloped one.
const std::vector<std::string> &flatPoints()
{
    static const std::vector<std::string> points = {
        da30Line("1", 0, 0, 1000),         da30Line("2", 10000, 0, 3000),
        da30Line("3", 20000, 0, 2000),     da30Line("4", 0, 10000, 1000),
        da30Line("5", 10000, 10000, 2000), da30Line("6", 30000, 0, 1500),
    };
    return points;
}

CalcJob flatFirstJob()
{
    const std::vector<std::string> triangles = {
        da58Line(1, 1, "1", "2", "3"),
        da58Line(1, 2, "2", "3", "6"),
        da58Line(2, 1, "1", "2", "5"),
        da58Line(2, 2, "1", "4", "5"),
    };
    return {"flat_first", textOf(flatPoints()), CoordinateType::DA30, textOf(triangles),
            fieldTexts("0", "50", "5", "flach", "1", "0", "2", "0")};
}

// The last section has no plan area after a closed one: its sums line shows its own zero sums.
CalcJob flatLastJob()
{
    const std::vector<std::string> triangles = {
        da58Line(1, 1, "1", "2", "5"),
        da58Line(1, 2, "1", "4", "5"),
        da58Line(2, 1, "1", "2", "3"),
        da58Line(2, 2, "2", "3", "6"),
    };
    return {"flat_last", textOf(flatPoints()), CoordinateType::DA30, textOf(triangles),
            fieldTexts("0", "50", "5", "flach", "1", "0", "2", "0")};
}

CalcJob noCaseJob()
{
    const std::vector<std::string> triangles = {
        da58Line(1, 1, "1", "2", "3"),
        da58Line(1, 2, "2", "3", "4"),
    };
    return {"case0", textOf(gridPoints()), CoordinateType::DA30, textOf(triangles),
            fieldTexts("0", "50", "5", "ohne", "0", "0", "0", "0")};
}

// 1003 triangles in the first section and two in the second: the first shows 999 prism lines
// and the cut-off, the second starts its listing anew.
CalcJob manyTrianglesJob()
{
    std::vector<std::string> points;
    for (int i = 0; i <= 1004; ++i) {
        points.push_back(da30Line(std::to_string(1000000 + i), i * 1000L, 0, 1000 + (i % 7) * 100));
    }
    for (int i = 0; i <= 1003; ++i) {
        points.push_back(da30Line(std::to_string(2000000 + i), i * 1000L + 500, 1000, 1500));
    }
    std::vector<std::string> triangles;
    for (int k = 0; k < 1003; ++k) {
        triangles.push_back(da58Line(1, k + 1, std::to_string(1000000 + k),
                                     std::to_string(1000001 + k), std::to_string(2000000 + k)));
    }
    triangles.push_back(da58Line(2, 1, "2000000", "2000001", "1000001"));
    triangles.push_back(da58Line(2, 2, "2000001", "2000002", "1000002"));
    return {"many", textOf(points), CoordinateType::DA30, textOf(triangles),
            fieldTexts("0", "50", "5", "viele", "1", "0", "2", "0")};
}

} // namespace

std::vector<CalcJob> goldenJobs()
{
    return {
        exampleJob("example_case1", fieldTexts("3.000", "50", "5", "bsp", "23", "0", "25", "0")),
        exampleJob("example_case2", fieldTexts("3.000", "50", "5", "bsp", "23", "0", "0", "4.5")),
        exampleJob("example_case3", fieldTexts("2.5", "40", "3", "bsp", "0", "12.5", "25", "0.2")),
        duplicatesJob(),
        missingJob(),
        exceedancesJob(),
        sectionsJob(),
        flatFirstJob(),
        flatLastJob(),
        noCaseJob(),
        manyTrianglesJob(),
    };
}

std::string goldenPath(const std::string &name)
{
    return dataPath("calc/" + name);
}

std::string goldenText(const TextList &list)
{
    std::string text;
    for (std::size_t i = 0; i < list.count(); ++i) {
        text += list.line(i);
        text += "\r\n";
    }
    return text;
}

void expectGolden(const std::string &name, const TextList &list)
{
    const std::string path = goldenPath(name);
    const std::string actual = goldenText(list);
    if (std::getenv("KUBATO_WRITE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        ADD_FAILURE() << "written " << path << ": read it through before keeping it";
        return;
    }
    const std::string expected = readAll(path);
    if (actual == expected) {
        return;
    }
    const std::vector<std::string_view> want = splitLines(expected);
    const std::size_t n = std::max(want.size(), list.count());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view w = i < want.size() ? want[i] : std::string_view("<none>");
        const std::string_view a = i < list.count() ? list.line(i) : std::string_view("<none>");
        if (w != a) {
            ADD_FAILURE() << name << " differs in line " << i + 1 << "\n  expected: \""
                          << cp1252ToUtf8(w) << "\"\n  actual:   \"" << cp1252ToUtf8(a) << "\"";
            return;
        }
    }
    ADD_FAILURE() << name << " differs in its line breaks";
}

} // namespace kubato::test
