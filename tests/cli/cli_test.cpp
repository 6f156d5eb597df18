#include <gtest/gtest.h>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calcjobs.h"
#include "cli.h"
#include "common/cp1252.h"
#include "common/lines.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

CliResult run(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, ChecksTheExamples)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"check-coords", test::examplePath("bsp.d30")},
         "PointCount=17\nKOBHEdit=3.000\nPOSEdit=bsp\n"},
        {{"check-coords", "--da45", test::examplePath("bsp.d45")},
         "PointCount=18\nKOBHEdit=3.000\nPOSEdit=bsp\n"},
        {{"check-triangles", test::examplePath("bsp.d58")},
         "TriangleCount=29\nKZOEdit=23\nZDZOEdit=0\nKZUEdit=25\nZDZUEdit=0\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args[1]);
        const CliResult r = run(c.args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(Cli, FaultyFilePrintsTheMessageListInUtf8)
{
    const test::TempDir dir;
    const CliResult coords = run({"check-coords", dir.write("Leer.D30", "")});
    EXPECT_EQ(coords.code, 1);
    EXPECT_EQ(coords.out, "\n   Keine Datei geöffnet\n\n\nPointCount=0\nPOSEdit=leer\n");

    const CliResult triangles =
        run({"check-triangles", dir.write("x.d58", "58     5          1   1  2  3\r\n\r\n")});
    EXPECT_EQ(triangles.code, 1);
    EXPECT_EQ(triangles.out, " Dreiecksdaten in Datei DA58 nicht korrekt!\n"
                             " ------------------------------------------\n"
                             "\n"
                             " Zeile=    1 : Fehler in Spalte  34 - 40 \n"
                             " Zeile=    2 : Fehler in Spalte   1 +  2 \n"
                             "\n"
                             "TriangleCount=2\nKZOEdit=5 \nZDZOEdit=0\nKZUEdit=  \nZDZUEdit=0\n");
}

TEST(Cli, UnreadableFileAndBadCalls)
{
    const test::TempDir dir;
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string errStart;
    };
    const Case cases[] = {
        {"missing file",
         {"check-coords", dir.path() + "/fehlt.d30"},
         "kubato-cli: Die Datei \"" + dir.path() +
             "/fehlt.d30\" kann nicht gelesen werden: Datei nicht gefunden.\n"},
        {"directory",
         {"check-triangles", dir.path()},
         "kubato-cli: Die Datei \"" + dir.path() +
             "\" kann nicht gelesen werden: das ist ein Verzeichnis, keine Datei.\n"},
        {"no command", {}, "kubato-cli: Es fehlt ein Befehl."},
        {"unknown command", {"rechne"}, "kubato-cli: Unbekannter Befehl \"rechne\"."},
        {"unknown option",
         {"check-coords", "--da31", "x"},
         "kubato-cli: Unbekannte Option \"--da31\"."},
        {"--da45 only for coordinates",
         {"check-triangles", "--da45", "x"},
         "kubato-cli: Unbekannte Option \"--da45\"."},
        {"no file", {"check-triangles"}, "kubato-cli: Es fehlt die Datei."},
        {"two files", {"check-coords", "a", "b"}, "kubato-cli: Bitte genau eine Datei angeben."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart);
    }
}

TEST(Cli, HelpAndFileNamesThatLookLikeOptions)
{
    const CliResult help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("check-coords DATEI [--da45]"), std::string::npos);

    const test::TempDir dir;
    const std::string path = dir.write("-x.d58", test::readAll(test::examplePath("bsp.d58")));
    EXPECT_EQ(run({"check-triangles", "--", path}).code, 0);
}

// The lines of a golden list in UTF-8, each followed by LF, as the command line prints them.
std::string utf8Lines(const std::string &goldenName)
{
    const std::string golden = test::readAll(test::goldenPath(goldenName));
    std::string text;
    for (const std::string_view line : splitLines(golden)) {
        text += cp1252ToUtf8(line);
        text += '\n';
    }
    return text;
}

std::vector<std::string> exampleRun(std::vector<std::string> more = {})
{
    std::vector<std::string> args = {"run",    "--coords",    test::examplePath("bsp.d45"),
                                     "--da45", "--triangles", test::examplePath("bsp.d58"),
                                     "--date", "05.03.2024"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliRun, ExampleJobPrintsResultListAndVolume)
{
    const CliResult r = run(exampleRun());
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, utf8Lines("example_case1.result.txt") + " Volumen = 2805.297 m3\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliRun, OptionsOverrideTheFieldsAsTyped)
{
    // the values of the golden job of case 3, typed with a decimal comma
    const CliResult r = run(exampleRun({"--kobh", "2,5", "--kwyx", "40", "--kwz", "3", "--kzo", "0",
                                        "--zdzo", "12,5", "--zdzu", "0,2"}));
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, utf8Lines("example_case3.result.txt") + " Volumen = 5431.440 m3\n");

    const CliResult pos = run(exampleRun({"--pos", "Straße"}));
    EXPECT_EQ(pos.code, 0) << pos.err;
    EXPECT_NE(pos.out.find(" Ergebnisliste KUBATO - Position     Straße "), std::string::npos);
}

TEST(CliRun, ListsWrittenToFilesInBothEncodings)
{
    const test::TempDir dir;
    const std::string protocol = dir.path() + "/protokoll.txt";
    const std::string result = dir.path() + "/ergebnis.txt";

    const CliResult utf8 = run(exampleRun({"--protocol", protocol, "--result", result}));
    EXPECT_EQ(utf8.code, 0) << utf8.err;
    EXPECT_EQ(utf8.out, " Volumen = 2805.297 m3\n");
    EXPECT_EQ(test::readAll(protocol), utf8Lines("example_case1.protocol.txt"));
    EXPECT_EQ(test::readAll(result), utf8Lines("example_case1.result.txt"));

    // Windows-1252 with CR LF between the lines, as the clipboard copy holds a list
    const CliResult cp1252 =
        run(exampleRun({"--protocol", protocol, "--result", result, "--encoding", "cp1252"}));
    EXPECT_EQ(cp1252.code, 0) << cp1252.err;
    std::string golden = test::readAll(test::goldenPath("example_case1.protocol.txt"));
    EXPECT_EQ(test::readAll(protocol), golden.substr(0, golden.size() - 2));
    golden = test::readAll(test::goldenPath("example_case1.result.txt"));
    EXPECT_EQ(test::readAll(result), golden.substr(0, golden.size() - 2));

    // only the protocol to a file: the result list still goes to stdout
    const CliResult onlyProtocol = run(exampleRun({"--protocol", protocol}));
    EXPECT_EQ(onlyProtocol.out, utf8Lines("example_case1.result.txt") + " Volumen = 2805.297 m3\n");
}

TEST(CliRun, MissingCoordinatesExitWithThree)
{
    // the DA30 example numbers its points 1 to 17; the mesh names the DA45 numbers
    const CliResult r = run({"run", "--coords", test::examplePath("bsp.d30"), "--triangles",
                             test::examplePath("bsp.d58")});
    EXPECT_EQ(r.code, 3);
    const std::string tail = " ----------------------------------------------------------------"
                             "------------------\n"
                             " Volumen = 0.000 m3\n"
                             " Berechnung fehlerhaft !    Koordinaten teilweise nicht gefunden,   "
                             "Protokoll ansehen,    Dateien  richtig gewählt ??\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
}

TEST(CliRun, RefusedInputsExitWithOne)
{
    const test::TempDir dir;
    const std::string faulty = dir.write("x.d58", "58     5          1   1  2  3\r\n");
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {"coordinates of the other type",
         {"run", "--coords", test::examplePath("bsp.d45"), "--triangles",
          test::examplePath("bsp.d58")},
         " Koordinaten in Datei DA30 nicht korrekt!\n"},
        {"faulty triangles",
         {"run", "--coords", test::examplePath("bsp.d45"), "--da45", "--triangles", faulty},
         " Dreiecksdaten in Datei DA58 nicht korrekt!\n"
         " ------------------------------------------\n"
         "\n"
         " Zeile=    1 : Fehler in Spalte  34 - 40 \n"},
        {"field", exampleRun({"--kobh", "-5"}), "KOBH-Wert darf nicht negativ sein\n"},
        {"field, umlaut", exampleRun({"--kwz", "25"}),
         "KWZ-Wert ist ungültig ( >=0.0 und <=20.0 )\n"},
        {"no case", exampleRun({"--kzo", "0", "--kzu", "0"}),
         "Keine Fallzuordnung möglich !! , KZ- und z,dz-Werte überprüfen\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult r = run(c.args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    }

    // both files faulty: both message lists, the coordinates first
    const CliResult both = run({"run", "--coords", test::examplePath("bsp.d45"), "--triangles",
                                test::examplePath("bsp.d45")});
    EXPECT_EQ(both.code, 1);
    const std::size_t triangles = both.err.find(" Dreiecksdaten in Datei DA58 nicht korrekt!\n");
    ASSERT_NE(triangles, std::string::npos);
    EXPECT_EQ(both.err.find(" Koordinaten in Datei DA30 nicht korrekt!\n"), 0u);
    const std::string lastCoordinateLine = " Zeile=    9 : Fehler in Spalte   1 +  2 \n";
    ASSERT_GE(triangles, lastCoordinateLine.size());
    EXPECT_EQ(both.err.substr(triangles - lastCoordinateLine.size(), lastCoordinateLine.size()),
              lastCoordinateLine);
}

TEST(CliRun, BadCallsExitWithTwo)
{
    const test::TempDir dir;
    const std::string d45 = test::examplePath("bsp.d45");
    const std::string d58 = test::examplePath("bsp.d58");
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {"no coordinates", {"run", "--triangles", d58}, "kubato-cli: Es fehlt --coords DATEI."},
        {"no triangles", {"run", "--coords", d45}, "kubato-cli: Es fehlt --triangles DATEI."},
        {"value missing", exampleRun({"--kobh"}),
         "kubato-cli: Die Option \"--kobh\" braucht einen Wert."},
        {"unknown option", exampleRun({"--kobhx", "1"}),
         "kubato-cli: Unbekannte Option \"--kobhx\"."},
        {"stray argument", exampleRun({"1"}), "kubato-cli: Unerwartetes Argument \"1\"."},
        {"no such day", exampleRun({"--date", "31.02.2024"}),
         "kubato-cli: Ungültiges Datum \"31.02.2024\" (erwartet TT.MM.JJJJ)."},
        {"date written otherwise", exampleRun({"--date", "2024-03-05"}),
         "kubato-cli: Ungültiges Datum \"2024-03-05\" (erwartet TT.MM.JJJJ)."},
        {"encoding", exampleRun({"--encoding", "latin1"}),
         "kubato-cli: Unbekannte Kodierung \"latin1\" (erlaubt: utf-8, cp1252)."},
        {"unreadable triangles",
         {"run", "--coords", d45, "--da45", "--triangles", dir.path()},
         "kubato-cli: Die Datei \"" + dir.path() +
             "\" kann nicht gelesen werden: das ist ein Verzeichnis, keine Datei.\n"},
        {"unwritable result", exampleRun({"--result", dir.path()}),
         "kubato-cli: Die Datei \"" + dir.path() + "\" kann nicht geschrieben werden.\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    }
}

TEST(CliRun, TodayIsTheRunDateUnlessGiven)
{
    std::vector<std::string> args = exampleRun();
    args.resize(args.size() - 2);
    const CliResult r = run(args);
    ASSERT_EQ(r.code, 0) << r.err;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%d.%m.%Y", &local);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              std::string(" Ergebnisliste KUBATO - Position        bsp                   ") + date);
}

TEST(CliRun, HelpNamesTheRunCommand)
{
    const CliResult help = run({"run", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("kubato-cli run --coords DATEI [--da45] --triangles DATEI"),
              std::string::npos);
    EXPECT_NE(help.out.find("[--encoding utf-8|cp1252]"), std::string::npos);
}

} // namespace
} // namespace kubato
