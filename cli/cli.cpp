#include "cli.h"

#include <string_view>

#include "app/workbench.h"
#include "common/cp1252.h"

namespace kubato {

namespace {

constexpr std::string_view kUsage =
    "Aufruf:\n"
    "  kubato-cli check-coords DATEI [--da45]\n"
    "      prüft eine Koordinatendatei (DA30, mit --da45 DA45) wie der OK-Knopf des\n"
    "      Koordinatenfensters und gibt PointCount, KOBHEdit und POSEdit aus.\n"
    "  kubato-cli check-triangles DATEI\n"
    "      prüft eine Dreiecksdatei DA58 und gibt TriangleCount sowie die Vorgaben\n"
    "      KZOEdit, ZDZOEdit, KZUEdit und ZDZUEdit aus.\n"
    "  kubato-cli --help\n"
    "      zeigt diese Hilfe.\n"
    "\n"
    "Ergebnis: Exit-Code 0, wenn die Datei in Ordnung ist; 1, wenn sie fehlerhafte Zeilen\n"
    "hat (die Meldungsliste wird ausgegeben, danach die Zählung); 2, wenn die Datei nicht\n"
    "gelesen werden kann oder der Aufruf falsch ist.\n";

// Texts of the core are Windows-1252; the terminal gets UTF-8.
void printLine(std::ostream &out, std::string_view cp1252)
{
    out << cp1252ToUtf8(cp1252) << '\n';
}

void printValue(std::ostream &out, std::string_view key, std::string_view cp1252)
{
    out << key << '=' << cp1252ToUtf8(cp1252) << '\n';
}

int usageError(std::ostream &err, const std::string &problem)
{
    err << "kubato-cli: " << problem << "\n"
        << "Hilfe: kubato-cli --help\n";
    return 2;
}

int openFailed(std::ostream &err, const OpenOutcome &opened)
{
    err << "kubato-cli: " << cp1252ToUtf8(opened.error) << '\n';
    return 2;
}

// Prints the message list of a failed check and the empty line before the values.
void printMessages(std::ostream &out, const Workbench &bench)
{
    for (std::size_t i = 0; i < bench.messages().count(); ++i) {
        printLine(out, bench.messages().line(i));
    }
    out << '\n';
}

int checkCoords(const std::string &file, bool da45, std::ostream &out, std::ostream &err)
{
    Workbench bench;
    bench.setCoordinateType(da45 ? CoordinateType::DA45 : CoordinateType::DA30);
    const OpenOutcome opened = bench.openCoordinateFile(file);
    if (!opened.ok) {
        return openFailed(err, opened);
    }
    const CheckOutcome outcome = bench.checkCoordinates();
    if (!outcome.accepted) {
        printMessages(out, bench);
    }
    printValue(out, "PointCount", std::to_string(bench.PointCount()));
    if (outcome.accepted) {
        printValue(out, "KOBHEdit", bench.field(Field::KOBH));
    }
    printValue(out, "POSEdit", bench.field(Field::POS));
    return outcome.accepted ? 0 : 1;
}

int checkTriangles(const std::string &file, std::ostream &out, std::ostream &err)
{
    Workbench bench;
    const OpenOutcome opened = bench.openTriangleFile(file);
    if (!opened.ok) {
        return openFailed(err, opened);
    }
    const CheckOutcome outcome = bench.checkTriangles();
    if (!outcome.accepted) {
        printMessages(out, bench);
    }
    printValue(out, "TriangleCount", std::to_string(bench.TriangleCount()));
    for (const Field f : {Field::KZO, Field::ZDZO, Field::KZU, Field::ZDZU}) {
        printValue(out, fieldName(f), bench.field(f));
    }
    return outcome.accepted ? 0 : 1;
}

} // namespace

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        return usageError(err, "Es fehlt ein Befehl.");
    }
    const std::string &command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return 0;
    }
    std::vector<std::string> files;
    bool da45 = false;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded) {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        } else if (arg == "--da45" && command == "check-coords") {
            da45 = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(err, "Unbekannte Option \"" + arg + "\".");
        } else {
            files.push_back(arg);
        }
    }
    if (command != "check-coords" && command != "check-triangles") {
        return usageError(err, "Unbekannter Befehl \"" + command + "\".");
    }
    if (files.size() != 1) {
        return usageError(err, files.empty() ? "Es fehlt die Datei."
                                             : "Bitte genau eine Datei angeben.");
    }
    if (command == "check-coords") {
        return checkCoords(files[0], da45, out, err);
    }
    return checkTriangles(files[0], out, err);
}

} // namespace kubato
