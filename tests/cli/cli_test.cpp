#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
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

} // namespace
} // namespace kubato
