#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/workbench.h"
#include "common/cp1252.h"
#include "common/format.h"
#include "common/textlist.h"
#include "lists/printlist.h"
#include "recordingprinter.h"

namespace kubato {
namespace {

using test::lineCall;
using test::RecordingPrinter;
using test::SteppingClock;
using test::textCall;

const ListPrintSettings ProtocolSettings{ApplicationTitle, ProtocolDateInset};
const ListPrintSettings ResultSettings{ApplicationTitle, ResultDateInset};

// A printable area, its resolution and the pitch P and lines per page N it must give.
struct Sheet {
    const char *name;
    int dpi;
    int width;
    int height;
    int pitch;
    int perPage;
    int dateX; // of the protocol window
};

const std::string_view Area = "Fläche"_cp;

TextList numberedList(std::size_t count)
{
    TextList list;
    for (std::size_t i = 1; i <= count; ++i) {
        // A Windows-1252 umlaut and trailing blanks, which must reach the printer untouched.
        list.append(format(" %5zu  ", i) + std::string(Area) + "   ");
    }
    return list;
}

// One page as the layout must print it: head, the lines first..first+count-1, foot.
std::vector<std::string> expectedPage(const Sheet &s, const std::string &date, const TextList &list,
                                      std::size_t first, std::size_t count, int page, int total)
{
    const long long p = s.pitch;
    std::vector<std::string> out = {
        textCall(200, 2 * p, "Programm  KUBATO 5.1"),
        textCall(s.dateX, 2 * p, date),
        lineCall(200, 4 * p + 3, s.width - 200, 4 * p + 3),
    };
    for (std::size_t k = 1; k <= count; ++k) {
        out.push_back(textCall(200, (4 + static_cast<long long>(k)) * p, list.line(first + k - 1)));
    }
    out.push_back(lineCall(200, s.height - 2 * p, s.width - 200, s.height - 2 * p));
    out.push_back(textCall(200, s.height - 2 * p + 10, format("Seite %d/%d", page, total)));
    return out;
}

const Sheet A4At600{"A4 600 dpi", 600, 4792, 6851, 93, 65, 4342};

TEST(PrintList, WholeJobOfAShortList)
{
    RecordingPrinter printer(A4At600.dpi, A4At600.width, A4At600.height);
    SteppingClock clock({7, 3, 2001});
    TextList list;
    const std::string_view first = " Protokoll über alles   "_cp;
    list.append(first);
    list.append("");
    list.append(std::string(300, 'x')); // far wider than the page: handed over whole
    printList(list, ProtocolSettings, printer, clock);

    const std::vector<std::string> expected = {
        "job [ KUBATO 5.1]",
        "font Courier New 8",
        "begin",
        "text 200,186 [Programm  KUBATO 5.1]",
        "text 4342,186 [07.03.2001]",
        "line 200,375 4592,375",
        textCall(200, 465, first),
        "text 200,558 []",
        "text 200,651 [" + std::string(300, 'x') + "]",
        "line 200,6665 4592,6665",
        "text 200,6675 [Seite 1/1]",
        "end",
    };
    EXPECT_EQ(printer.calls, expected);
}

TEST(PrintList, PageBreaksAtNAndNPlusOneLines)
{
    const Sheet sheets[] = {
        A4At600,
        {"A4 300 dpi", 300, 2396, 3425, 46, 66, 1946},
        // 133 px font: the date (790 px) does not fit 450 px from the edge
        {"A4 1200 dpi", 1200, 9584, 13702, 186, 65, 9584 - 790},
        {"Letter 600 dpi", 600, 4900, 6400, 93, 60, 4450},
        // 45 px font: 45 x 1.4 in doubles falls just short of 63
        {"405 dpi", 405, 3000, 4000, 62, 56, 2550},
        {"page for one line", 600, 4792, 9 * 93 + 92, 93, 1, 4342},
    };
    for (const Sheet &s : sheets) {
        SCOPED_TRACE(s.name);
        const ListPageMetrics metrics = listPageMetrics(ListFontPointSize, s.dpi, s.height);
        EXPECT_EQ(metrics.linePitch, s.pitch);
        EXPECT_EQ(metrics.linesPerPage, s.perPage);
        const std::size_t n = static_cast<std::size_t>(s.perPage);

        {
            RecordingPrinter printer(s.dpi, s.width, s.height);
            SteppingClock clock({7, 3, 2001});
            const TextList full = numberedList(n);
            printList(full, ProtocolSettings, printer, clock);
            const auto pages = printer.pages();
            ASSERT_EQ(pages.size(), 1u);
            EXPECT_EQ(pages[0], expectedPage(s, "07.03.2001", full, 0, n, 1, 1));
        }
        {
            RecordingPrinter printer(s.dpi, s.width, s.height);
            SteppingClock clock({7, 3, 2001});
            const TextList over = numberedList(n + 1);
            printList(over, ProtocolSettings, printer, clock);
            const auto pages = printer.pages();
            ASSERT_EQ(pages.size(), 2u);
            EXPECT_EQ(pages[0], expectedPage(s, "07.03.2001", over, 0, n, 1, 2));
            // The date is read again for the second head.
            EXPECT_EQ(pages[1], expectedPage(s, "08.03.2001", over, n, 1, 2, 2));
        }
    }
}

TEST(PrintList, EmptyListPrintsOnePageCountedAsOne)
{
    RecordingPrinter printer(A4At600.dpi, A4At600.width, A4At600.height);
    SteppingClock clock({31, 12, 1999});
    printList(TextList(), ResultSettings, printer, clock);

    Sheet s = A4At600;
    s.dateX = 4792 - 600;
    const auto pages = printer.pages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], expectedPage(s, "31.12.1999", TextList(), 0, 0, 1, 1));
    EXPECT_EQ(printer.calls.back(), "end");
}

TEST(PrintList, DateStartsAtTheInsetOrEndsAtThePrintableEdge)
{
    struct DateCase {
        const char *name;
        int dpi;
        int width;
        const ListPrintSettings &settings;
        int charWidth; // 0: the recorder's font width; -1: the printer cannot measure
        int x;
    };
    const DateCase cases[] = {
        {"protocol 600 dpi", 600, 4792, ProtocolSettings, 0, 4792 - 450},
        {"result 600 dpi", 600, 4792, ResultSettings, 0, 4792 - 600},
        {"protocol 300 dpi", 300, 2396, ProtocolSettings, 0, 2396 - 450},
        {"protocol 1200 dpi", 1200, 9584, ProtocolSettings, 0, 9584 - 790},
        {"result 1200 dpi", 1200, 9584, ResultSettings, 0, 9584 - 790},
        {"date exactly as wide as the inset", 600, 4792, ProtocolSettings, 45, 4792 - 450},
        {"date 10 px wider than the inset", 600, 4792, ProtocolSettings, 46, 4792 - 460},
        // Courier's 0.6 em of 133 px, rounded up: 798 px for ten characters
        {"unmeasured at 1200 dpi", 1200, 9584, ProtocolSettings, -1, 9584 - 798},
        {"unmeasured at 600 dpi", 600, 4792, ResultSettings, -1, 4792 - 600},
        {"page narrower than the date", 600, 300, ProtocolSettings, 0, 0},
    };
    for (const DateCase &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrinter printer(c.dpi, c.width, 7000);
        printer.measures = c.charWidth >= 0;
        printer.charWidth = c.charWidth;
        SteppingClock clock({7, 3, 2001});
        printList(numberedList(1), c.settings, printer, clock);
        const long long y = 2 * listPageMetrics(ListFontPointSize, c.dpi, 7000).linePitch;
        ASSERT_GE(printer.calls.size(), 5u);
        EXPECT_EQ(printer.calls[4], textCall(c.x, y, "07.03.2001"));
    }
}

TEST(PrintList, NonsenseFromTheDriverStillPrintsEveryLineOnce)
{
    struct DriverCase {
        const char *name;
        int dpi;
        int height;
        int pitch;
        int perPage;
    };
    const DriverCase cases[] = {
        {"resolution 0", 0, 6851, 1, 6843},
        {"negative resolution", -600, 6851, 93, 65},
        {"room for no line", 600, 8 * 93 + 50, 93, 1},
        {"room for less than the head", 600, 100, 93, 1},
        {"page height 0", 600, 0, 93, 1},
        {"negative page height", 600, -5000, 93, 1},
        // a 238609294 px font
        {"absurd resolution", INT_MAX, INT_MAX, 334053011, 1},
        {"absurd height", 600, INT_MAX, 93, INT_MAX / 93 - 8},
    };
    const TextList list = numberedList(5);
    for (const DriverCase &c : cases) {
        SCOPED_TRACE(c.name);
        const ListPageMetrics metrics = listPageMetrics(ListFontPointSize, c.dpi, c.height);
        EXPECT_EQ(metrics.linePitch, c.pitch);
        EXPECT_EQ(metrics.linesPerPage, c.perPage);

        RecordingPrinter printer(c.dpi, 4792, c.height);
        SteppingClock clock({7, 3, 2001});
        printList(list, ProtocolSettings, printer, clock);
        const auto pages = printer.pages();
        const int total = c.perPage == 1 ? 5 : 1;
        ASSERT_EQ(pages.size(), static_cast<std::size_t>(total));
        std::vector<std::string> printedLines;
        for (std::size_t k = 0; k < pages.size(); ++k) {
            ASSERT_FALSE(pages[k].empty());
            EXPECT_TRUE(pages[k].back().ends_with(format("[Seite %zu/%d]", k + 1, total)))
                << pages[k].back();
            for (const std::string &call : pages[k]) {
                if (call.find(Area) != std::string::npos) {
                    printedLines.push_back(call.substr(call.find('[') + 1));
                }
            }
        }
        ASSERT_EQ(printedLines.size(), list.count());
        for (std::size_t i = 0; i < list.count(); ++i) {
            EXPECT_EQ(printedLines[i], std::string(list.line(i)) + "]");
        }
    }
}

} // namespace
} // namespace kubato
