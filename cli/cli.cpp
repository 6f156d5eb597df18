#include "cli.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string_view>
#include <utility>

#include "app/workbench.h"
#include "common/cp1252.h"
#include "common/format.h"
#include "statusprogress.h"

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
    "  kubato-cli run --coords DATEI [--da45] --triangles DATEI [--kobh T] [--kwyx T]\n"
    "                 [--kwz T] [--pos T] [--kzo T] [--zdzo T] [--kzu T] [--zdzu T]\n"
    "                 [--date TT.MM.JJJJ] [--protocol DATEI] [--result DATEI]\n"
    "                 [--encoding utf-8|cp1252]\n"
    "      rechnet einen Auftrag wie das Programm: prüft beide Dateien, nimmt die daraus\n"
    "      vorbelegten DA57/DA59-Felder, ersetzt sie durch die angegebenen Texte (wie\n"
    "      eingetippt, also auch 1,5), prüft sie wie der OK-Knopf und startet die\n"
    "      Berechnung mit dem heutigen Datum oder dem von --date. Die Protokoll-Liste geht\n"
    "      nach --protocol, die Ergebnisliste nach --result (UTF-8 mit LF; mit --encoding\n"
    "      cp1252 Windows-1252 mit CR LF wie in der Zwischenablage). Ausgabe: die\n"
    "      Ergebnisliste (ohne --result), die Volumenzeile und, falls gesetzt, der Fehlertext.\n"
    "  kubato-cli --help\n"
    "      zeigt diese Hilfe.\n"
    "\n"
    "Ergebnis der Prüfbefehle: Exit-Code 0, wenn die Datei in Ordnung ist; 1, wenn sie\n"
    "fehlerhafte Zeilen hat (die Meldungsliste wird ausgegeben, danach die Zählung); 2, wenn\n"
    "die Datei nicht gelesen werden kann oder der Aufruf falsch ist.\n"
    "Ergebnis von run: 0 nach einer Berechnung; 1, wenn eine Datei fehlerhafte Zeilen hat\n"
    "oder ein DA57/DA59-Wert nicht angenommen wird (die Meldungen stehen auf stderr); 2 bei\n"
    "falschem Aufruf oder einer Datei, die nicht gelesen oder geschrieben werden kann; 3, wenn\n"
    "die Berechnung Koordinaten nicht gefunden hat.\n";

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

// --- run ---

struct ValueOption {
    std::string_view name;
    Field field;
};

constexpr ValueOption kFieldOptions[] = {
    {"--kobh", Field::KOBH}, {"--kwyx", Field::KWYX}, {"--kwz", Field::KWZ},
    {"--pos", Field::POS},   {"--kzo", Field::KZO},   {"--zdzo", Field::ZDZO},
    {"--kzu", Field::KZU},   {"--zdzu", Field::ZDZU},
};

struct RunOptions {
    std::string coords;
    std::string triangles;
    bool da45 = false;
    std::vector<std::pair<Field, std::string>> fields; // in the order given
    std::optional<Date> date;
    std::string protocolPath;
    std::string resultPath;
    bool cp1252 = false;
};

class SystemClock final : public Clock {
public:
    Date today() const override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
    }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date date) : mDate(date) {}
    Date today() const override { return mDate; }

private:
    Date mDate;
};

// The run shows a message box only when no case applies, which the check of the values
// before it has already refused; should it come, its text goes to stderr.
class StderrMessageBox final : public MessageBox {
public:
    explicit StderrMessageBox(std::ostream &err) : mErr(err) {}
    void show(std::string_view text, std::string_view caption) override
    {
        mErr << "kubato-cli: " << cp1252ToUtf8(caption) << ": " << cp1252ToUtf8(text) << '\n';
    }

private:
    std::ostream &mErr;
};

// Reads a date written DD.MM.YYYY; anything else, or a day the calendar lacks, gives nothing.
std::optional<Date> parseDate(std::string_view text)
{
    const auto digits = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return -1;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') {
        return std::nullopt;
    }
    const int day = digits(0, 2);
    const int month = digits(3, 2);
    const int year = digits(6, 4);
    if (day < 0 || month < 0 || year < 0) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year(year),
                                          std::chrono::month(static_cast<unsigned>(month)),
                                          std::chrono::day(static_cast<unsigned>(day))};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return Date{day, month, year};
}

// Parses the options of run; returns an exit code of 2 (after the message) or nothing.
std::optional<int> parseRunOptions(const std::vector<std::string> &args, RunOptions &options,
                                   std::ostream &out, std::ostream &err)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        }
        if (arg == "--da45") {
            options.da45 = true;
            continue;
        }
        if (arg.empty() || arg[0] != '-' || arg == "-") {
            return usageError(err, "Unerwartetes Argument \"" + arg + "\".");
        }
        const auto fieldOption = std::find_if(std::begin(kFieldOptions), std::end(kFieldOptions),
                                              [&](const ValueOption &o) { return o.name == arg; });
        const bool known = fieldOption != std::end(kFieldOptions) || arg == "--coords" ||
                           arg == "--triangles" || arg == "--date" || arg == "--protocol" ||
                           arg == "--result" || arg == "--encoding";
        if (!known) {
            return usageError(err, "Unbekannte Option \"" + arg + "\".");
        }
        if (i + 1 >= args.size()) {
            return usageError(err, "Die Option \"" + arg + "\" braucht einen Wert.");
        }
        const std::string &value = args[++i];
        if (fieldOption != std::end(kFieldOptions)) {
            options.fields.emplace_back(fieldOption->field, value);
        } else if (arg == "--coords") {
            options.coords = value;
        } else if (arg == "--triangles") {
            options.triangles = value;
        } else if (arg == "--date") {
            options.date = parseDate(value);
            if (!options.date) {
                return usageError(err, "Ungültiges Datum \"" + value + "\" (erwartet TT.MM.JJJJ).");
            }
        } else if (arg == "--protocol") {
            options.protocolPath = value;
        } else if (arg == "--result") {
            options.resultPath = value;
        } else if (value == "utf-8" || value == "cp1252") {
            options.cp1252 = value == "cp1252";
        } else {
            return usageError(err,
                              "Unbekannte Kodierung \"" + value + "\" (erlaubt: utf-8, cp1252).");
        }
    }
    if (options.coords.empty()) {
        return usageError(err, "Es fehlt --coords DATEI.");
    }
    if (options.triangles.empty()) {
        return usageError(err, "Es fehlt --triangles DATEI.");
    }
    return std::nullopt;
}

// The text of a list as a file holds it: UTF-8 with LF after every line, or Windows-1252 with
// the lines joined by CR LF exactly as the clipboard copy of a list window.
std::string listFileText(const TextList &list, bool cp1252)
{
    if (cp1252) {
        return list.text();
    }
    std::string text;
    for (std::size_t i = 0; i < list.count(); ++i) {
        text += cp1252ToUtf8(list.line(i));
        text += '\n';
    }
    return text;
}

bool writeListFile(const std::string &path, const TextList &list, bool cp1252, std::ostream &err)
{
    const std::string text = listFileText(list, cp1252);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
        err << "kubato-cli: Die Datei \"" << path << "\" kann nicht geschrieben werden.\n";
        return false;
    }
    return true;
}

void printCheckFailure(std::ostream &err, const Workbench &bench)
{
    for (std::size_t i = 0; i < bench.messages().count(); ++i) {
        printLine(err, bench.messages().line(i));
    }
}

int runJob(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    RunOptions options;
    if (const std::optional<int> code = parseRunOptions(args, options, out, err)) {
        return *code;
    }
    // A list written over an input file would destroy the user's data.
    for (const std::string *list : {&options.protocolPath, &options.resultPath}) {
        std::error_code ignored;
        if (!list->empty() && (std::filesystem::equivalent(*list, options.coords, ignored) ||
                               std::filesystem::equivalent(*list, options.triangles, ignored))) {
            err << "kubato-cli: Die Datei \"" << *list
                << "\" ist eine Eingabedatei und wird nicht überschrieben.\n";
            return 2;
        }
    }

    Workbench bench;
    bench.setCoordinateType(options.da45 ? CoordinateType::DA45 : CoordinateType::DA30);
    // Each file is opened and read on a thread of its own; what each tells comes in the order
    // of the windows, coordinates first.
    std::future<std::pair<OpenOutcome, std::optional<CoordinateReading>>> coordinates =
        std::async(std::launch::async, [&] {
            std::pair<OpenOutcome, std::optional<CoordinateReading>> prepared{
                bench.openCoordinateFile(options.coords), std::nullopt};
            if (prepared.first.ok) {
                prepared.second = bench.readCoordinates();
            }
            return prepared;
        });
    const OpenOutcome trianglesOpened = bench.openTriangleFile(options.triangles);
    std::optional<TriangleReading> triangleReading;
    if (trianglesOpened.ok) {
        triangleReading = bench.readTriangles();
    }
    auto [coordinatesOpened, coordinateReading] = coordinates.get();
    if (!coordinatesOpened.ok) {
        return openFailed(err, coordinatesOpened);
    }
    if (!trianglesOpened.ok) {
        return openFailed(err, trianglesOpened);
    }
    // Both files are checked, so that one call reports the faults of both.
    bool accepted = bench.checkCoordinates(std::move(*coordinateReading)).accepted;
    if (!accepted) {
        printCheckFailure(err, bench);
    }
    if (!bench.checkTriangles(std::move(*triangleReading)).accepted) {
        printCheckFailure(err, bench);
        accepted = false;
    }
    if (!accepted) {
        return 1;
    }

    for (const auto &[field, text] : options.fields) {
        bench.setField(field, utf8ToCp1252(text));
    }
    const ControlValuesCheck values = bench.acceptControlValues();
    if (values.outcome == ControlValuesCheck::Outcome::FieldFault) {
        printLine(err, values.message);
        return 1;
    }
    if (values.outcome == ControlValuesCheck::Outcome::NoCase) {
        printLine(err, noCaseMessage());
        return 1;
    }

    StderrMessageBox messageBox(err);
    const SystemClock systemClock;
    const FixedClock fixedClock(options.date.value_or(Date{}));
    // On a terminal the status texts show what a long run is doing.
    std::optional<StatusProgress> progress;
    if (isTerminalStderr(err)) {
        progress.emplace(err);
    }
    bench.start(messageBox, options.date ? static_cast<const Clock &>(fixedClock) : systemClock,
                progress ? &*progress : nullptr);
    if (progress) {
        progress->finish();
    }

    if (!options.protocolPath.empty() &&
        !writeListFile(options.protocolPath, bench.protocol(), options.cp1252, err)) {
        return 2;
    }
    if (!options.resultPath.empty() &&
        !writeListFile(options.resultPath, bench.result(), options.cp1252, err)) {
        return 2;
    }
    if (options.resultPath.empty()) {
        out << listFileText(bench.result(), false);
    }
    printLine(out, bench.main().VolLabel);
    if (!bench.main().ErrLabel.empty()) {
        printLine(out, bench.main().ErrLabel);
        return 3;
    }
    return 0;
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
    if (command == "run") {
        return runJob(args, out, err);
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
