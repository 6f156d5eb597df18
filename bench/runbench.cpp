// The benchmark of large jobs: on synthetic jobs of about 10 000, 100 000 and 1 000 000
// points (two horizons sharing their boundary, about twice as many triangles as points) it
// times the computation run with the fast searches and, where that finishes in reasonable
// time, with the literal ones, checks that both give the same lists, and times kubato-cli run
// on the largest job against the floor of reading both files and splitting them into lines,
// with the peak memory of that run; it also times the control graphic of the largest job.
// Every time is given as wall-clock time and as processor time; the processor time is the
// steadier figure on a machine that other work shares.
//
//   kubato-bench [--cli PATH] [--dir DIR] [--repeat N] [--literal-up-to POINTS]
//                [--sizes N,N,...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "calc/calcrun.h"
#include "calc/fastsearches.h"
#include "common/fileread.h"
#include "common/lines.h"
#include "graphic/scene.h"
#include "jobgenerator.h"

namespace {

using namespace kubato;

struct Times {
    double wall = 0; // seconds
    double cpu = 0;  // seconds, user and system
};

double cpuNow()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double wallNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The best of several measurements, taken separately for wall-clock and processor time.
Times best(const std::vector<Times> &all)
{
    Times b = all.front();
    for (const Times &t : all) {
        b.wall = std::min(b.wall, t.wall);
        b.cpu = std::min(b.cpu, t.cpu);
    }
    return b;
}

template <class Work> Times measure(Work work)
{
    const double wall = wallNow();
    const double cpu = cpuNow();
    work();
    return {wallNow() - wall, cpuNow() - cpu};
}

class SilentBox final : public MessageBox {
public:
    void show(std::string_view, std::string_view) override {}
};

class StatusRecorder final : public RunObserver {
public:
    void status(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

struct Job {
    long points = 0;
    long triangles = 0;
    GeneratedJob generated;
    RunInput input;
};

Job makeJob(long wantedPoints)
{
    Job job;
    job.generated = generateJob({sideForPoints(wantedPoints), CoordinateType::DA45, 1});
    job.points = job.generated.pointCount;
    job.triangles = job.generated.triangleCount;
    job.input.coordinateText = job.generated.coordinates;
    job.input.coordinateType = CoordinateType::DA45;
    job.input.triangleText = job.generated.triangles;
    job.input.params.POS = "bench";
    job.input.params.KZO = 1;
    job.input.params.KZU = 2;
    job.input.params.KOBH = 100.0;
    job.input.params.KWYX = 50.0;
    job.input.params.KWZ = 5.0;
    job.input.date = {1, 1, 2024};
    return job;
}

struct RunResult {
    Times times;
    RunOutcome outcome;
    std::vector<std::string> statusTexts;
};

RunResult runOnce(const Job &job, const RunSearches &searches)
{
    RunResult r;
    SilentBox box;
    StatusRecorder recorder;
    r.times = measure([&] { r.outcome = runCalculation(job.input, box, &recorder, searches); });
    r.statusTexts = std::move(recorder.texts);
    return r;
}

bool sameRun(const RunResult &a, const RunResult &b)
{
    return a.outcome.protocol == b.outcome.protocol && a.outcome.result == b.outcome.result &&
           a.outcome.VolLabel == b.outcome.VolLabel && a.outcome.ErrLabel == b.outcome.ErrLabel &&
           a.statusTexts == b.statusTexts;
}

// A drawing surface that only counts the triangles drawn, so that the scene is timed without
// a window.
class CountingSurface final : public DrawingSurface {
public:
    void fillRect(int, int, int, int, Rgb) override {}
    void setPen(Rgb) override {}
    void setFill(Rgb) override {}
    void setNoFill() override {}
    void polygon(std::span<const PixelPoint> corners) override
    {
        polygons += corners.size() == 3 ? 1 : 0;
    }
    void polyline(std::span<const PixelPoint>) override {}
    void text(PixelPoint, std::string_view) override {}
    long polygons = 0;
};

struct ChildRun {
    Times times;
    long peakKilobytes = 0;
    int status = -1;
};

// Runs a program with its output discarded and measures it from outside, as a user would.
ChildRun runChild(const std::vector<std::string> &args)
{
    ChildRun run;
    const double wall = wallNow();
    const pid_t pid = fork();
    if (pid < 0) {
        return run;
    }
    if (pid == 0) {
        if (std::freopen("/dev/null", "w", stdout) == nullptr) {
            _exit(126);
        }
        std::vector<char *> argv;
        for (const std::string &a : args) {
            argv.push_back(const_cast<char *>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.times.wall = wallNow() - wall;
    run.times.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    run.peakKilobytes = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The floor of any run: both files read and split into their lines.
Times readAndSplit(const std::string &coords, const std::string &triangles, long &lines)
{
    return measure([&] {
        lines = 0;
        for (const std::string *path : {&coords, &triangles}) {
            const FileContent file = readFile(*path);
            LineSplitter splitter(file.bytes);
            std::string_view line;
            while (splitter.next(line)) {
                ++lines;
            }
        }
    });
}

void writeFile(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string grouped(long n)
{
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), " ");
    }
    return digits;
}

std::vector<long> parseSizes(const std::string &text)
{
    std::vector<long> sizes;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t comma = text.find(',', from);
        sizes.push_back(std::atol(text.substr(from, comma - from).c_str()));
        from = comma == std::string::npos ? text.size() : comma + 1;
    }
    return sizes;
}

struct Options {
    std::string cli = KUBATO_CLI_PATH;
    std::string dir;
    int repeat = 3;
    long literalUpTo = 150000;
    std::vector<long> sizes = {10000, 100000, 1000000};
};

bool parseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (arg == "--cli") {
            options.cli = value;
        } else if (arg == "--dir") {
            options.dir = value;
        } else if (arg == "--repeat") {
            options.repeat = std::max(1, std::atoi(value.c_str()));
        } else if (arg == "--literal-up-to") {
            options.literalUpTo = std::atol(value.c_str());
        } else if (arg == "--sizes") {
            options.sizes = parseSizes(value);
        } else {
            return false;
        }
    }
    return !options.sizes.empty();
}

struct SizeRow {
    Job job;
    Times fast;
    bool literalRun = false;
    Times literal;
    bool same = false;
};

} // namespace

int main(int argc, char **argv)
{
    Options options;
    const bool help = argc > 1 && std::string(argv[1]) == "--help";
    if (help || !parseOptions(argc, argv, options)) {
        std::cerr << "Aufruf: kubato-bench [--cli PFAD] [--dir VERZEICHNIS] [--repeat N]\n"
                     "                    [--literal-up-to PUNKTE] [--sizes N,N,...]\n"
                     "  --repeat N               schnelle Läufe und Aufrufe je Größe (3)\n"
                     "  --literal-up-to PUNKTE   wörtlicher Lauf bis zu dieser Größe (150000)\n"
                     "  --sizes N,N,...          Auftragsgrößen in Punkten\n"
                     "                           (10000,100000,1000000)\n";
        return help ? 0 : 2;
    }
    namespace fs = std::filesystem;
    const bool ownDir = options.dir.empty();
    if (ownDir) {
        options.dir =
            (fs::temp_directory_path() / ("kubato-bench-" + std::to_string(getpid()))).string();
    }
    fs::create_directories(options.dir);

    const FastSearches fast;
    const ReferenceSearches literal;
    std::vector<SizeRow> rows;
    for (const long size : options.sizes) {
        SizeRow row;
        std::cerr << "Auftrag mit etwa " << grouped(size) << " Punkten ..." << std::endl;
        row.job = makeJob(size);
        std::vector<Times> fastTimes;
        RunResult fastRun;
        for (int r = 0; r < options.repeat; ++r) {
            fastRun = runOnce(row.job, fast);
            fastTimes.push_back(fastRun.times);
        }
        row.fast = best(fastTimes);
        if (row.job.points <= options.literalUpTo) {
            std::cerr << "  wörtlicher Lauf (" << grouped(row.job.points) << " Punkte) ..."
                      << std::endl;
            const RunResult literalRun = runOnce(row.job, literal);
            row.literalRun = true;
            row.literal = literalRun.times;
            row.same = sameRun(fastRun, literalRun);
        }
        rows.push_back(std::move(row));
    }

    // The control graphic of the largest job with both horizons, as a window of 1280 x 900
    // pixels draws it on every paint.
    const Job &drawn = rows.back().job;
    std::vector<Times> sceneTimes;
    long polygons = 0;
    for (int r = 0; r < options.repeat; ++r) {
        CountingSurface surface;
        sceneTimes.push_back(measure([&] {
            drawControlGraphic(
                surface,
                {drawn.generated.coordinates, CoordinateType::DA45, drawn.generated.triangles},
                {0, 41, 1280, 859}, {HorizonChoice::Both, false});
        }));
        polygons = surface.polygons;
    }
    const Times scene = best(sceneTimes);

    // kubato-cli run on the largest job, against reading and splitting its two files.
    const Job &largest = rows.back().job;
    const std::string coords = options.dir + "/job.d45";
    const std::string triangles = options.dir + "/job.d58";
    writeFile(coords, largest.generated.coordinates);
    writeFile(triangles, largest.generated.triangles);
    const double inputBytes = static_cast<double>(largest.generated.coordinates.size() +
                                                  largest.generated.triangles.size());
    std::cerr << "kubato-cli run (" << grouped(largest.points) << " Punkte) ..." << std::endl;
    std::vector<Times> floorTimes, cliTimes;
    long lines = 0;
    long peakKilobytes = 0;
    int cliStatus = 0;
    for (int r = 0; r < options.repeat; ++r) {
        floorTimes.push_back(readAndSplit(coords, triangles, lines));
        const ChildRun cli =
            runChild({options.cli, "run", "--coords", coords, "--da45", "--triangles", triangles,
                      "--kzo", "1", "--kzu", "2", "--date", "01.01.2024", "--protocol",
                      options.dir + "/protokoll.txt", "--result", options.dir + "/ergebnis.txt"});
        cliTimes.push_back(cli.times);
        peakKilobytes = std::max(peakKilobytes, cli.peakKilobytes);
        cliStatus = cli.status;
    }
    const Times floor = best(floorTimes);
    const Times cli = best(cliTimes);

    std::printf("KUBATO – Laufzeiten großer Aufträge (DA45 + DA58, erzeugt; bestes von %d "
                "schnellen Läufen)\n\n",
                options.repeat);
    // "ö" takes two bytes of the field width.
    std::printf("%11s %11s | %22s | %23s | %15s | %s\n", "Punkte", "Dreiecke",
                "schnell: Wand / CPU", "wörtlich: Wand / CPU", "Faktor Wand/CPU", "Listen");
    for (const SizeRow &row : rows) {
        std::printf("%11s %11s | %9.3f s %9.3f s | ", grouped(row.job.points).c_str(),
                    grouped(row.job.triangles).c_str(), row.fast.wall, row.fast.cpu);
        if (row.literalRun) {
            std::printf("%9.1f s %9.1f s | %7.0f %7.0f | %s\n", row.literal.wall, row.literal.cpu,
                        row.literal.wall / row.fast.wall, row.literal.cpu / row.fast.cpu,
                        row.same ? "gleich" : "VERSCHIEDEN");
        } else {
            std::printf("%22s | %15s | %s\n", "nicht gerechnet", "", "");
        }
    }
    std::printf("\n");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::printf("Wachstum schnell %s -> %s Punkte: Wand %.1f-fach, CPU %.1f-fach\n",
                    grouped(rows[i - 1].job.points).c_str(), grouped(rows[i].job.points).c_str(),
                    rows[i].fast.wall / rows[i - 1].fast.wall,
                    rows[i].fast.cpu / rows[i - 1].fast.cpu);
    }
    std::printf("\nKontrollgrafik, %s Punkte, beide Horizonte (%s Polygone gezeichnet, ohne "
                "Fenster): Wand %.3f s, CPU %.3f s\n",
                grouped(drawn.points).c_str(), grouped(polygons).c_str(), scene.wall, scene.cpu);
    std::printf("\nkubato-cli run, %s Punkte, %s Dreiecke (Exit-Code %d):\n",
                grouped(largest.points).c_str(), grouped(largest.triangles).c_str(), cliStatus);
    const std::string floorLabel = "Lesen + Zerlegen (" + grouped(lines) + " Zeilen)";
    std::printf("  %-36s Wand %7.3f s   CPU %7.3f s\n", "Lauf", cli.wall, cli.cpu);
    std::printf("  %-36s Wand %7.3f s   CPU %7.3f s\n", floorLabel.c_str(), floor.wall, floor.cpu);
    // "ä" takes two bytes of the field width.
    std::printf("  %-37s Wand %7.1f     CPU %7.1f\n", "Verhältnis", cli.wall / floor.wall,
                cli.cpu / floor.cpu);
    std::printf("  Spitzenspeicher %.0f MB, Eingabedateien %.0f MB, Verhältnis %.2f\n",
                static_cast<double>(peakKilobytes) / 1024.0, inputBytes / 1048576.0,
                static_cast<double>(peakKilobytes) * 1024.0 / inputBytes);

    bool allSame = true;
    for (const SizeRow &row : rows) {
        allSame = allSame && (!row.literalRun || row.same);
    }
    if (ownDir) {
        std::error_code ignored;
        fs::remove_all(options.dir, ignored);
    }
    return allSame && cliStatus == 0 ? 0 : 1;
}
