#pragma once

// Small jobs for the tests of the computation run: builders for DA30 and DA58 lines, test
// doubles of the message box and the clock, the golden-file comparison, and the jobs whose
// lists are kept as golden files under tests/data/calc/.

#include <string>
#include <string_view>
#include <vector>

#include "calc/calcrun.h"
#include "common/textlist.h"
#include "input/controlvalues.h"
#include "platform/clock.h"
#include "platform/messagebox.h"

namespace kubato::test {

// A DA30 line (type 30, KZ 23): the point number right-aligned in columns 13-20, y, x and z as
// written (millimetres) right-aligned in columns 51-60, 61-70 and 71-80.
std::string da30Line(std::string_view number, std::string_view y, std::string_view x,
                     std::string_view z);
std::string da30Line(std::string_view number, long y, long x, long z);

// A DA58 line: KZ right-aligned in columns 8-9, the number in 17-20, the points in 23-30,
// 33-40, 43-50 and, when given, 54-60.
std::string da58Line(int kz, int number, std::string_view p1, std::string_view p2,
                     std::string_view p3, std::string_view p4 = {});

// Lines joined as a loaded text: every line followed by CR LF.
std::string textOf(const std::vector<std::string> &lines);

class RecordingMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string text;
        std::string caption;
    };
    void show(std::string_view text, std::string_view caption) override
    {
        shown.push_back({std::string(text), std::string(caption)});
    }
    std::vector<Shown> shown;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date date = {5, 3, 2024}) : mDate(date) {}
    Date today() const override { return mDate; }

private:
    Date mDate;
};

// The field texts of the DA57/DA59 dialog in the order KOBH, KWYX, KWZ, POS, KZO, ZDZO, KZU,
// ZDZU, as the user leaves them.
FieldTexts fieldTexts(const char *kobh, const char *kwyx, const char *kwz, const char *pos,
                      const char *kzo, const char *zdzo, const char *kzu, const char *zdzu);

// A job as the run takes it, run on the date of FixedClock.
struct CalcJob {
    std::string name;
    std::string coordinates;
    CoordinateType type = CoordinateType::DA30;
    std::string triangles;
    FieldTexts fields;
};

RunInput inputOf(const CalcJob &job);
RunOutcome runJob(const CalcJob &job, RecordingMessageBox &box);

// The jobs whose protocol and result lists are golden files <name>.protocol.txt and
// <name>.result.txt under tests/data/calc/ (Windows-1252, every line ended by CR LF).
std::vector<CalcJob> goldenJobs();

// The golden file of a list as it stands on disk.
std::string goldenPath(const std::string &name);
// The bytes a golden file holds for a list: every line ended by CR LF.
std::string goldenText(const TextList &list);
// Compares a list with its golden file and names the first line that differs. With the
// environment variable KUBATO_WRITE_GOLDEN set, writes the file instead (to be read through
// before it is kept).
void expectGolden(const std::string &name, const TextList &list);

} // namespace kubato::test
