// Bad input files, one case each, through the Workbench (as the windows drive it) and through
// kubato-cli: what the user is told (a message box, the message list, a count, or the DA57/DA59
// error line), that the file is left as it was, and that a refused or unreadable file changes
// nothing of the job but what the check itself always does.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "app/workbench.h"
#include "calc/calcjobs.h"
#include "cli.h"
#include "common/cp1252.h"
#include "common/format.h"
#include "common/lines.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

enum class Window { DA30, DA45, DA58 };
enum class FileKind { Bytes, Missing, Directory, NoPermission, Pipe };
enum class Outcome { Unreadable, Refused, Accepted };

struct BadInput {
    std::string name;
    Window window = Window::DA30;
    FileKind kind = FileKind::Bytes;
    std::function<std::string()> bytes;   // the file of the case
    std::function<std::string()> partner; // the other file of the job, for the run
    Outcome outcome = Outcome::Accepted;
    std::string reason;                  // Unreadable: the reason in the message box
    long count = 0;                      // PointCount or TriangleCount after the check
    std::vector<std::string> firstLines; // Refused: the head of the message list
    long faultLines = 0;                 // Refused: the number of " Zeile=" lines
    std::string prefill;                 // Accepted: KOBHEdit or KZOEdit
    std::string valuesMessage;           // Accepted: ErrLabel57 after OK, empty when accepted
    int runExit = 0;                     // Accepted: the exit code of kubato-cli run
    bool exampleVolume = false;          // the run gives the volume of the example job
    std::string protocolHolds;           // a text the protocol list of the run holds
};

void PrintTo(const BadInput &c, std::ostream *os)
{
    *os << c.name;
}

std::string example(const char *name)
{
    return test::readAll(test::examplePath(name));
}

// The text with every CR LF replaced.
std::string withBreaks(const std::string &text, const std::vector<std::string> &breaks)
{
    std::string out;
    std::size_t i = 0;
    for (const auto line : splitLines(text)) {
        out += line;
        out += breaks[i++ % breaks.size()];
    }
    return out;
}

std::string trimmed(std::string_view field)
{
    std::string out;
    for (const char c : field) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

// A point of the DA45 example as the texts of its fields.
struct PointTexts {
    std::string number, y, x, z;
};

std::vector<PointTexts> examplePoints()
{
    std::vector<PointTexts> points;
    const std::string text = example("bsp.d45");
    for (const auto raw : splitLines(text)) {
        const FixedLine line(raw);
        points.push_back({trimmed(line.columns(3, 9)), trimmed(line.columns(11, 20)),
                          trimmed(line.columns(21, 30)), trimmed(line.columns(31, 40))});
        if (!line.blank(43, 49)) {
            points.push_back({trimmed(line.columns(43, 49)), trimmed(line.columns(51, 60)),
                              trimmed(line.columns(61, 70)), trimmed(line.columns(71, 80))});
        }
    }
    return points;
}

// The 18 points of the DA45 example written as a DA30 file, each point passed through edit
// first; the KZ in columns 3-4 is kz.
std::string exampleAsDa30(const std::function<void(PointTexts &)> &edit, std::string_view kz = "23")
{
    std::vector<std::string> lines;
    for (PointTexts p : examplePoints()) {
        edit(p);
        lines.push_back(ColumnLine()
                            .at(1, "30")
                            .right(4, kz)
                            .right(20, p.number)
                            .right(60, p.y)
                            .right(70, p.x)
                            .right(80, p.z)
                            .str());
    }
    return test::terminated(lines);
}

// The DA58 example with every point number passed through rename.
std::string exampleDa58Renamed(const std::function<std::string(std::string)> &rename)
{
    std::vector<std::string> lines;
    const std::string text = example("bsp.d58");
    for (const auto raw : splitLines(text)) {
        const FixedLine line(raw);
        const std::string p4 = trimmed(line.columns(54, 60));
        lines.push_back(test::da58Line(
            std::stoi(trimmed(line.columns(8, 9))), std::stoi(trimmed(line.columns(17, 20))),
            rename(trimmed(line.columns(23, 30))), rename(trimmed(line.columns(33, 40))),
            rename(trimmed(line.columns(43, 50))), p4.empty() ? std::string() : rename(p4)));
    }
    return test::terminated(lines);
}

// The point numbers of the example with an umlaut: 2300001 becomes Bühl001 (Windows-1252).
std::string umlautNumber(std::string number)
{
    return std::string("Bühl"_cp) + number.substr(4);
}

std::string faultLine(long line, const char *message)
{
    return format(" Zeile= %4li : %s ", line, message);
}

const std::vector<std::string> kNoFile = {"", std::string("   Keine Datei geöffnet"_cp), ""};

std::vector<std::string> coordinateHead(Window w, long line, const char *message)
{
    return {w == Window::DA30 ? " Koordinaten in Datei DA30 nicht korrekt!"
                              : " Koordinaten in Datei DA45 nicht korrekt!",
            " ----------------------------------------", "", faultLine(line, message)};
}

std::vector<std::string> triangleHead(long line, const char *message)
{
    return {" Dreiecksdaten in Datei DA58 nicht korrekt!",
            " ------------------------------------------", "", faultLine(line, message)};
}

BadInput makeCase(std::string name, Window w, FileKind kind, std::function<std::string()> bytes,
                  Outcome outcome)
{
    BadInput c;
    c.name = std::move(name);
    c.window = w;
    c.kind = kind;
    c.bytes = std::move(bytes);
    c.outcome = outcome;
    return c;
}

BadInput unreadable(std::string name, Window w, FileKind kind, std::string reason)
{
    BadInput c = makeCase(
        std::move(name), w, kind, [] { return example("bsp.d45"); }, Outcome::Unreadable);
    c.reason = std::move(reason);
    // The check then finds no text: a coordinate check counts 0, a triangle check keeps the
    // count of the example's check.
    c.count = w == Window::DA58 ? 29 : 0;
    return c;
}

BadInput refused(std::string name, Window w, std::function<std::string()> bytes, long count,
                 std::vector<std::string> firstLines, long faultLines)
{
    BadInput c = makeCase(std::move(name), w, FileKind::Bytes, std::move(bytes), Outcome::Refused);
    c.count = count;
    c.firstLines = std::move(firstLines);
    c.faultLines = faultLines;
    return c;
}

BadInput accepted(std::string name, Window w, std::function<std::string()> bytes, long count,
                  std::string prefill, int runExit)
{
    BadInput c = makeCase(std::move(name), w, FileKind::Bytes, std::move(bytes), Outcome::Accepted);
    c.count = count;
    c.prefill = std::move(prefill);
    c.runExit = runExit;
    return c;
}

BadInput withPartner(BadInput c, std::function<std::string()> partner)
{
    c.partner = std::move(partner);
    return c;
}

BadInput withExampleVolume(BadInput c)
{
    c.exampleVolume = true;
    return c;
}

BadInput withValuesMessage(BadInput c, std::string message)
{
    c.valuesMessage = std::move(message);
    c.runExit = 1;
    return c;
}

std::vector<BadInput> badInputs()
{
    const auto d45 = [] { return example("bsp.d45"); };
    const auto d58 = [] { return example("bsp.d58"); };
    const auto emptyLines = [] {
        std::string s;
        for (int i = 0; i < 1000000; ++i) {
            s += "\r\n";
        }
        return s;
    };
    const auto umlautDa58 = [] { return cp1252ToUtf8(exampleDa58Renamed(umlautNumber)); };
    std::vector<BadInput> cases = {
        unreadable("missing file", Window::DA45, FileKind::Missing, "Datei nicht gefunden"),
        unreadable("a directory", Window::DA58, FileKind::Directory,
                   "das ist ein Verzeichnis, keine Datei"),
        unreadable("a named pipe", Window::DA58, FileKind::Pipe,
                   std::string("das ist keine gewöhnliche Datei"_cp)),
        unreadable("no read permission", Window::DA45, FileKind::NoPermission,
                   "keine Leseberechtigung"),
        unreadable("no read permission DA58", Window::DA58, FileKind::NoPermission,
                   "keine Leseberechtigung"),

        refused(
            "empty file", Window::DA45, [] { return std::string(); }, 0, kNoFile, 0),
        // An empty triangle text leaves the count as the example's check set it.
        refused(
            "empty file DA58", Window::DA58, [] { return std::string(); }, 29, kNoFile, 0),
        // Short lines at the end of a coordinate file go on opening, so nothing is left.
        refused(
            "only line breaks", Window::DA45, [] { return std::string("\r\n\n\r\r\n\n"); }, 0,
            kNoFile, 0),
        refused(
            "only line breaks DA58", Window::DA58, [] { return std::string("\r\n\n\r"); }, 3,
            triangleHead(1, "Fehler in Spalte   1 +  2"), 3),

        withExampleVolume(accepted(
            "CR only", Window::DA45, [d45] { return withBreaks(d45(), {"\r"}); }, 18, "3.000", 0)),
        withExampleVolume(accepted(
            "LF only", Window::DA45, [d45] { return withBreaks(d45(), {"\n"}); }, 18, "3.000", 0)),
        withExampleVolume(accepted(
            "mixed breaks, none after the last line", Window::DA45,
            [d45] {
                std::string s = withBreaks(d45(), {"\r\n", "\n", "\r"});
                s.pop_back();
                return s;
            },
            18, "3.000", 0)),
        withExampleVolume(accepted(
            "mixed breaks DA58", Window::DA58,
            [d58] {
                return withBreaks(d58(), {"\n", "\r", "\r\n"});
            },
            29, "23", 0)),
        withExampleVolume(accepted(
            "UTF-8 byte-order mark", Window::DA45, [d45] { return "\xEF\xBB\xBF" + d45(); }, 18,
            "3.000", 0)),
        withExampleVolume(accepted(
            "UTF-8 byte-order mark DA58", Window::DA58, [d58] { return "\xEF\xBB\xBF" + d58(); },
            29, "23", 0)),
        // Both files saved as UTF-8: an umlaut takes one column, and the numbers still match.
        withExampleVolume(withPartner(accepted(
                                          "UTF-8 umlauts in point numbers", Window::DA30,
                                          [] {
                                              return cp1252ToUtf8(exampleAsDa30([](PointTexts &p) {
                                                  p.number = umlautNumber(p.number);
                                              }));
                                          },
                                          18, "3.000", 0),
                                      umlautDa58)),

        // Tab-separated lines are short, so at the end of a coordinate file they go on opening;
        // a tab is one character, not a blank.
        refused(
            "tab-separated coordinates", Window::DA30,
            [] {
                return std::string("30\t23\t1\t2300\t46700\t9300\r\n30\t23\t2\t9400\t58600"
                                   "\t10200\r\n");
            },
            0, kNoFile, 0),
        refused(
            "tab-separated triangles", Window::DA58,
            [] {
                return std::string("58\t23\t1\t2300001\t2300002\t2300012\r\n"
                                   "58\t23\t2\t2300012\t2300003\t2300011\r\n");
            },
            2, triangleHead(1, "Fehler in Spalte  34 - 40"), 2),
        // Tabs in columns that belong to no field change nothing.
        withExampleVolume(accepted(
            "tabs in unused columns", Window::DA58,
            [d58] {
                std::string s = d58();
                for (std::size_t i = 0; i + 80 <= s.size(); i += 82) {
                    s.replace(i + 2, 5, "\t\t\t\t\t");
                }
                return s;
            },
            29, "23", 0)),

        withExampleVolume(accepted(
            "NUL bytes in unused columns", Window::DA45,
            [d45] {
                std::string s = d45();
                for (std::size_t i = 0; i + 80 <= s.size(); i += 82) {
                    s[i + 9] = '\0';
                    s[i + 40] = '\0';
                }
                return s;
            },
            18, "3.000", 0)),
        // NUL is no blank: the point 4 columns count, so the line is a quadrilateral.
        refused(
            "only NUL bytes", Window::DA58, [] { return std::string(200, '\0'); }, 2,
            triangleHead(1, "Fehler in Spalte   1 +  2"), 1),

        // Columns beyond 80 belong to no field.
        accepted(
            "a 10 MB line without a break", Window::DA45,
            [d45] { return d45().substr(0, 80) + std::string(10'000'000, '9'); }, 2, "9.000", 3),
        refused(
            "a 10 MB line of letters", Window::DA58, [] { return std::string(10'000'000, 'x'); }, 2,
            triangleHead(1, "Fehler in Spalte   1 +  2"), 1),
        refused("1,000,000 empty lines", Window::DA45, emptyLines, 0, kNoFile, 0),
        withExampleVolume(accepted(
            "1,000,000 empty lines after the example", Window::DA45,
            [d45, emptyLines] { return d45() + emptyLines(); }, 18, "3.000", 0)),
        refused("1,000,000 empty lines DA58", Window::DA58, emptyLines, 1000000,
                triangleHead(1, "Fehler in Spalte   1 +  2"), 1000000),

        // A value beyond what ten digits can write comes only from an exponent; it would make
        // every sum it touches meaningless.
        refused(
            "1e308 as y", Window::DA45, [d45] { return d45().replace(10, 10, "     1e308"); }, 18,
            coordinateHead(Window::DA45, 1, "Fehler in Spalte  11 - 20"), 1),
        refused(
            "1e999 as y of a second point", Window::DA45,
            [d45] { return d45().replace(82 * 3 + 50, 10, "     1e999"); }, 18,
            coordinateHead(Window::DA45, 4, "Fehler in Spalte  51 - 60"), 1),
        refused(
            "1e308 as z", Window::DA30,
            [] { return exampleAsDa30([](PointTexts &p) { p.z = "1e308"; }); }, 18,
            coordinateHead(Window::DA30, 1, "Fehler in Spalte  71 - 80"), 18),
        // Eleven digits ending in column 60: the first one stands in column 50, which belongs
        // to no field.
        [] {
            BadInput c = accepted(
                "99999999999 as y", Window::DA30,
                [] {
                    return exampleAsDa30([](PointTexts &p) {
                        if (p.number == "2300001") {
                            p.y = "99999999999";
                        }
                    });
                },
                18, "3.000", 0);
            c.protocolHolds = "           |  max  | 9999999.999 |";
            return c;
        }(),

        // The KZ of a coordinate line is only checked for blanks; a negative KZ of a triangle
        // line is refused by the DA57/DA59 dialog.
        withExampleVolume(accepted(
            "KZ -1 in a coordinate file", Window::DA30,
            [] { return exampleAsDa30([](PointTexts &) {}, "-1"); }, 18, "3.000", 0)),
        withValuesMessage(accepted(
                              "KZ -1 in a triangle file", Window::DA58,
                              [d58] {
                                  std::string s = d58();
                                  for (std::size_t i = 0; i < 7 * 82; i += 82) {
                                      s.replace(i + 7, 2, "-1");
                                  }
                                  return s;
                              },
                              29, "-1", 0),
                          "KZ-oben-Wert darf nicht negativ sein"),

        // Mirrored in y and x the prisms keep their areas and heights.
        withExampleVolume(accepted(
            "negative y and x", Window::DA30,
            [] {
                return exampleAsDa30([](PointTexts &p) {
                    p.y = "-" + p.y;
                    p.x = "-" + p.x;
                });
            },
            18, "3.000", 0)),
        withValuesMessage(accepted(
                              "negative z", Window::DA30,
                              [] { return exampleAsDa30([](PointTexts &p) { p.z = "-" + p.z; }); },
                              18, "-11.000", 0),
                          "KOBH-Wert darf nicht negativ sein"),
        accepted(
            "y and x of 10 digits", Window::DA30,
            [] {
                return exampleAsDa30([](PointTexts &p) {
                    p.y = std::to_string(1234500000 + std::stol(p.y));
                    p.x = std::to_string(9876500000 + std::stol(p.x));
                });
            },
            18, "3.000", 0),
        // The KOBH prefill takes the lowest height from columns 74-80, so of a 10-digit z only the
        // last seven digits count; the dialog refuses it either way.
        withValuesMessage(accepted(
                              "z of 10 digits", Window::DA30,
                              [] {
                                  return exampleAsDa30([](PointTexts &p) {
                                      p.z = std::to_string(1234500000 + std::stol(p.z));
                                  });
                              },
                              18, "4503.000", 0),
                          std::string("KOBH-Wert ist ungültig ( >=0.0 und <=2000.0 )"_cp)),
    };
    return cases;
}

// Everything a check may leave changed or unchanged, to compare a job before and after.
struct JobState {
    MainWindowState main;
    long PointCount = 0, TriangleCount = 0;
    bool CoordinatesReady = false, TrianglesReady = false, ControlValuesReady = false;
    CoordinateType type = CoordinateType::DA30;
    std::string coordinateText, coordinateCaption, coordinatePath;
    std::string triangleText, triangleCaption, trianglePath;
    std::string acceptedCoordinates, acceptedTriangles;
    long acceptedPoints = 0, acceptedTriangleCount = 0;
    FieldTexts fields;
    std::string errLabel57;
    TextList protocol, result;

    explicit JobState(const Workbench &b)
        : main(b.main()), PointCount(b.PointCount()), TriangleCount(b.TriangleCount()),
          CoordinatesReady(b.CoordinatesReady()), TrianglesReady(b.TrianglesReady()),
          ControlValuesReady(b.ControlValuesReady()), type(b.coordinateType()),
          coordinateText(b.coordinateText()), coordinateCaption(b.coordinateCaption()),
          coordinatePath(b.coordinatePath()), triangleText(b.triangleText()),
          triangleCaption(b.triangleCaption()), trianglePath(b.trianglePath()),
          acceptedCoordinates(b.acceptedCoordinates().text.str()),
          acceptedTriangles(b.acceptedTriangles().text.str()),
          acceptedPoints(b.acceptedCoordinates().pointCount),
          acceptedTriangleCount(b.acceptedTriangles().triangleCount), fields(b.fields()),
          errLabel57(b.errLabel57()), protocol(b.protocol()), result(b.result())
    {}

    // Names the first member that differs, so that a failure says what changed.
    std::string differenceTo(const JobState &o) const
    {
        const MainWindowState &a = main, &b = o.main;
        const std::pair<const char *, bool> same[] = {
            {"lamps", a.SBtnAmp30 == b.SBtnAmp30 && a.SBtnAmp58 == b.SBtnAmp58 &&
                          a.SBtnAmp57 == b.SBtnAmp57},
            {"buttons", a.BtnDa57 == b.BtnDa57 && a.BtnStart == b.BtnStart &&
                            a.BtnGrafik == b.BtnGrafik && a.BtnProto == b.BtnProto &&
                            a.BtnErg == b.BtnErg},
            {"Label30/58", a.Label30 == b.Label30 && a.Label58 == b.Label58},
            {"Label57/59", a.Label57 == b.Label57 && a.Label59 == b.Label59},
            {"VolLabel/BerDreiSText/ErrLabel", a.VolLabel == b.VolLabel &&
                                                   a.BerDreiSText == b.BerDreiSText &&
                                                   a.ErrLabel == b.ErrLabel},
            {"counts", PointCount == o.PointCount && TriangleCount == o.TriangleCount},
            {"ready flags", CoordinatesReady == o.CoordinatesReady &&
                                TrianglesReady == o.TrianglesReady &&
                                ControlValuesReady == o.ControlValuesReady},
            {"coordinate window", type == o.type && coordinateText == o.coordinateText &&
                                      coordinateCaption == o.coordinateCaption &&
                                      coordinatePath == o.coordinatePath},
            {"triangle window", triangleText == o.triangleText &&
                                    triangleCaption == o.triangleCaption &&
                                    trianglePath == o.trianglePath},
            {"accepted texts", acceptedCoordinates == o.acceptedCoordinates &&
                                   acceptedTriangles == o.acceptedTriangles &&
                                   acceptedPoints == o.acceptedPoints &&
                                   acceptedTriangleCount == o.acceptedTriangleCount},
            {"fields", fields == o.fields && errLabel57 == o.errLabel57},
            {"lists", protocol == o.protocol && result == o.result},
        };
        for (const auto &[name, equal] : same) {
            if (!equal) {
                return name;
            }
        }
        return "";
    }
};

struct CliResult {
    int code;
    std::string out, err;
};

CliResult cli(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

bool coordinateWindow(Window w)
{
    return w != Window::DA58;
}

class BadInputTest : public ::testing::TestWithParam<BadInput> {
protected:
    // The example job accepted and computed, the state every case starts from.
    void prepareExampleJob(Workbench &bench)
    {
        bench.setCoordinateType(CoordinateType::DA45);
        ASSERT_TRUE(bench.openCoordinateFile(dir.write("bsp.d45", example("bsp.d45"))).ok);
        ASSERT_TRUE(bench.checkCoordinates().accepted);
        ASSERT_TRUE(bench.openTriangleFile(dir.write("bsp.d58", example("bsp.d58"))).ok);
        ASSERT_TRUE(bench.checkTriangles().accepted);
        ASSERT_EQ(bench.acceptControlValues().outcome, ControlValuesCheck::Outcome::Accepted);
        bench.start(box, clock);
    }

    std::string makeFile(const BadInput &c, const std::string &bytes)
    {
        const std::string name = c.window == Window::DA58 ? "job.d58" : "job.d45";
        switch (c.kind) {
        case FileKind::Missing:
            return dir.path() + "/fehlt/" + name;
        case FileKind::Directory: {
            const std::string path = dir.path() + "/" + name;
            std::filesystem::create_directory(path);
            return path;
        }
        case FileKind::Pipe: {
            // Opening must not wait for a writer that never comes.
            const std::string path = dir.path() + "/" + name;
            ::mkfifo(path.c_str(), 0600);
            return path;
        }
        case FileKind::NoPermission: {
            const std::string path = dir.write(name, bytes);
            ::chmod(path.c_str(), 0200);
            return path;
        }
        case FileKind::Bytes:
            break;
        }
        return dir.write(name, bytes);
    }

    test::TempDir dir;
    test::RecordingMessageBox box;
    const test::FixedClock clock;
};

TEST_P(BadInputTest, WorkbenchAndCliTellTheDocumentedResultAndChangeNothingElse)
{
    const BadInput &c = GetParam();
    if (c.kind == FileKind::NoPermission && ::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const bool coords = coordinateWindow(c.window);
    const std::string bytes = c.bytes();
    const std::string path = makeFile(c, bytes);
    struct stat before {};
    const bool existed = ::stat(path.c_str(), &before) == 0;

    Workbench bench;
    prepareExampleJob(bench);
    const std::string exampleVolume = bench.main().VolLabel;
    if (coords) {
        bench.setCoordinateType(c.window == Window::DA30 ? CoordinateType::DA30
                                                         : CoordinateType::DA45);
    }
    const JobState initial(bench);

    // Opening: an unreadable file empties the text view and changes nothing else.
    const OpenOutcome opened =
        coords ? bench.openCoordinateFile(path) : bench.openTriangleFile(path);
    ASSERT_EQ(opened.ok, c.outcome != Outcome::Unreadable);
    JobState expected = initial;
    if (!opened.ok) {
        EXPECT_EQ(opened.error, unreadableFileMessage(path, c.reason));
        (coords ? expected.coordinateText : expected.triangleText).clear();
        EXPECT_EQ(JobState(bench).differenceTo(expected), "");
    }

    // Checking: the message list or the count, and only what every check changes.
    expected = JobState(bench);
    const CheckOutcome checked = coords ? bench.checkCoordinates() : bench.checkTriangles();
    EXPECT_EQ(checked.accepted, c.outcome == Outcome::Accepted);
    EXPECT_EQ(coords ? bench.PointCount() : bench.TriangleCount(), c.count);
    const std::vector<std::string> messages = bench.messages().lines();
    expected.main.SBtnAmp57 = false;
    expected.main.Label57.clear();
    expected.main.Label59.clear();
    expected.main.VolLabel.clear();
    expected.main.BerDreiSText.clear();
    (coords ? expected.PointCount : expected.TriangleCount) = c.count;
    if (c.outcome != Outcome::Accepted) {
        const std::vector<std::string> &head =
            c.outcome == Outcome::Unreadable ? kNoFile : c.firstLines;
        ASSERT_GE(messages.size(), head.size());
        EXPECT_EQ(std::vector<std::string>(messages.begin(),
                                           messages.begin() + static_cast<long>(head.size())),
                  head);
        long faults = 0;
        for (const auto &m : messages) {
            faults += m.rfind(" Zeile=", 0) == 0 ? 1 : 0;
        }
        EXPECT_EQ(faults, c.faultLines);
        // A faulty triangle text still prefills the horizon fields.
        if (!coords && !bench.triangleText().empty()) {
            for (const Field f : {Field::KZO, Field::ZDZO, Field::KZU, Field::ZDZU}) {
                expected.fields[fieldIndex(f)] = bench.field(f);
            }
        }
        EXPECT_EQ(JobState(bench).differenceTo(expected), "");
    } else {
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(bench.field(coords ? Field::KOBH : Field::KZO), c.prefill);
        EXPECT_EQ(checked.countText, std::to_string(c.count));
        EXPECT_TRUE(coords ? bench.main().SBtnAmp30 : bench.main().SBtnAmp58);
        EXPECT_FALSE(bench.main().BtnStart);
    }

    // The run of the job, through the Workbench and through kubato-cli.
    const std::string partnerPath =
        c.partner ? dir.write(coords ? "partner.d58" : "partner.d45", c.partner())
                  : dir.path() + (coords ? "/bsp.d58" : "/bsp.d45");
    std::vector<std::string> runArgs = {"run",
                                        "--coords",
                                        coords ? path : partnerPath,
                                        "--triangles",
                                        coords ? partnerPath : path,
                                        "--date",
                                        "05.03.2024"};
    if (c.window == Window::DA45 || !coords) {
        runArgs.push_back("--da45");
    }
    const CliResult run = cli(runArgs);
    EXPECT_EQ(run.code, c.outcome == Outcome::Unreadable ? 2
                        : c.outcome == Outcome::Refused  ? 1
                                                         : c.runExit);
    if (c.outcome == Outcome::Accepted) {
        if (c.partner) {
            ASSERT_TRUE(coords ? bench.openTriangleFile(partnerPath).ok
                               : bench.openCoordinateFile(partnerPath).ok);
            ASSERT_TRUE(coords ? bench.checkTriangles().accepted
                               : bench.checkCoordinates().accepted);
        }
        const ControlValuesCheck values = bench.acceptControlValues();
        EXPECT_EQ(bench.errLabel57(), c.valuesMessage);
        if (!c.valuesMessage.empty()) {
            EXPECT_EQ(run.err, cp1252ToUtf8(c.valuesMessage) + "\n");
        } else {
            ASSERT_EQ(values.outcome, ControlValuesCheck::Outcome::Accepted);
            ASSERT_TRUE(bench.main().BtnStart);
            bench.start(box, clock);
            EXPECT_EQ(bench.main().ErrLabel.empty(), c.runExit == 0);
            const std::string volume = bench.main().VolLabel;
            EXPECT_NE(run.out.find("\n" + volume + "\n"), std::string::npos) << run.out;
            EXPECT_EQ(volume.find_first_of("ainf", 10), std::string::npos) << volume; // no nan, inf
            if (c.exampleVolume) {
                EXPECT_EQ(volume, exampleVolume);
            }
            if (!c.protocolHolds.empty()) {
                EXPECT_NE(bench.protocol().text().find(c.protocolHolds), std::string::npos);
            }
        }
    } else if (c.outcome == Outcome::Unreadable) {
        EXPECT_EQ(run.err,
                  "kubato-cli: " + cp1252ToUtf8(unreadableFileMessage(path, c.reason)) + "\n");
    }

    // The check commands: exit code, count or reason.
    std::vector<std::string> checkArgs = {coords ? "check-coords" : "check-triangles", path};
    if (c.window == Window::DA45) {
        checkArgs.push_back("--da45");
    }
    const CliResult check = cli(checkArgs);
    if (c.outcome == Outcome::Unreadable) {
        EXPECT_EQ(check.code, 2);
        EXPECT_EQ(check.out, "");
        EXPECT_EQ(check.err, run.err);
    } else {
        EXPECT_EQ(check.code, c.outcome == Outcome::Accepted ? 0 : 1);
        EXPECT_EQ(check.err, "");
        // A fresh job's triangle count stays 0 when the text has no line.
        const long count = !coords && c.firstLines == kNoFile ? 0 : c.count;
        const std::string countLine =
            (coords ? "PointCount=" : "TriangleCount=") + std::to_string(count) + "\n";
        EXPECT_NE(check.out.find(countLine), std::string::npos) << check.out.substr(0, 400);
        if (c.outcome == Outcome::Refused) {
            std::string head;
            for (const auto &line : c.firstLines) {
                head += cp1252ToUtf8(line) + "\n";
            }
            EXPECT_EQ(check.out.substr(0, head.size()), head);
        }
    }

    // The file is left as it was, and nothing was created in its place.
    struct stat after {};
    const bool exists = ::stat(path.c_str(), &after) == 0;
    EXPECT_EQ(exists, existed);
    if (existed) {
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    }
    if (c.kind == FileKind::Bytes) {
        EXPECT_TRUE(test::readAll(path) == bytes);
    }
    if (c.kind == FileKind::Directory) {
        EXPECT_TRUE(std::filesystem::is_empty(path));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BadInputTest, ::testing::ValuesIn(badInputs()),
                         [](const ::testing::TestParamInfo<BadInput> &param) {
                             std::string name;
                             for (const char ch : param.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name;
                         });

} // namespace
} // namespace kubato

namespace kubato {
namespace {

// kubato-cli writes lists only where asked; a list asked to go over an input file, under any
// spelling of its path, is refused before anything is read or written.
TEST(CliRunOutput, NeverOverwritesAnInputFile)
{
    const test::TempDir dir;
    const std::string coords = dir.write("bsp.d45", example("bsp.d45"));
    const std::string triangles = dir.write("bsp.d58", example("bsp.d58"));
    const std::string other = dir.path() + "/liste.txt";
    const struct {
        const char *option;
        std::string path;
    } cases[] = {
        {"--protocol", coords},
        {"--result", triangles},
        {"--result", dir.path() + "/./bsp.d45"},
        {"--protocol",
         dir.path() + "/../" + std::filesystem::path(dir.path()).filename().string() + "/bsp.d58"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        const std::string otherOption =
            std::string_view(c.option) == "--result" ? "--protocol" : "--result";
        const CliResult r = cli({"run", "--coords", coords, "--da45", "--triangles", triangles,
                                 c.option, c.path, otherOption, other});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "kubato-cli: Die Datei \"" + c.path +
                             "\" ist eine Eingabedatei und wird nicht überschrieben.\n");
        EXPECT_TRUE(test::readAll(coords) == example("bsp.d45"));
        EXPECT_TRUE(test::readAll(triangles) == example("bsp.d58"));
        EXPECT_FALSE(std::filesystem::exists(other));
    }
}

} // namespace
} // namespace kubato
