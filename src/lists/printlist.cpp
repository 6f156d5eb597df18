#include "lists/printlist.h"

#include <algorithm>
#include <limits>
#include <string>

#include "common/format.h"

namespace kubato {

namespace {

constexpr long long LeftEdge = 200;

// Positions are worked out in long long and handed over clamped, so that absurd page sizes or
// resolutions from a driver cannot overflow an int.
int clampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

class ListPrinter {
public:
    ListPrinter(const ListPrintSettings &settings, PrintTarget &printer, const Clock &clock,
                std::size_t lineCount)
        : mSettings(settings), mPrinter(printer), mClock(clock)
    {
        mPageWidth = std::max(0, printer.pageWidth());
        mPageHeight = std::max(0, printer.pageHeight());
        const int dpi = printer.verticalDpi();
        mFontPixels = printerFontPixels(ListFontPointSize, dpi);
        const ListPageMetrics metrics = listPageMetrics(ListFontPointSize, dpi, mPageHeight);
        mPitch = metrics.linePitch;
        mLinesPerPage = metrics.linesPerPage;
        mPageTotal = listPageTotal(lineCount, mLinesPerPage);
    }

    void print(const TextList &list)
    {
        mPrinter.beginDocument();
        PrintPageHead();
        int onPage = 0;
        for (std::size_t i = 0; i < list.count(); ++i) {
            if (onPage >= mLinesPerPage) {
                PrintPageFoot();
                mPrinter.newPage();
                ++mPage;
                PrintPageHead();
                onPage = 0;
            }
            ++onPage;
            mPrinter.textAt(LeftEdge, clampToInt((4LL + onPage) * mPitch), list.line(i));
        }
        PrintPageFoot();
        mPrinter.endDocument();
    }

private:
    void PrintPageHead()
    {
        const long long y = 2LL * mPitch;
        mPrinter.textAt(LeftEdge, clampToInt(y),
                        format("Programm %s", std::string(mSettings.title).c_str()));

        const Date today = mClock.today();
        const std::string date = format("%02i.%02i.%4i", today.day, today.month, today.year);
        mPrinter.textAt(dateX(date), clampToInt(y), date);

        const int ruleY = clampToInt(4LL * mPitch + 3);
        mPrinter.line(LeftEdge, ruleY, clampToInt(mPageWidth - LeftEdge), ruleY);
    }

    void PrintPageFoot()
    {
        const long long ruleY = static_cast<long long>(mPageHeight) - 2LL * mPitch;
        mPrinter.line(LeftEdge, clampToInt(ruleY), clampToInt(mPageWidth - LeftEdge),
                      clampToInt(ruleY));
        mPrinter.textAt(LeftEdge, clampToInt(ruleY + 10), format("Seite %d/%d", mPage, mPageTotal));
    }

    // The date's left edge: the window's inset from the right edge, or further left where the
    // date would otherwise run past the printable width, but never left of the printable area.
    int dateX(std::string_view date) const
    {
        long long width = mPrinter.textWidth(date);
        if (width <= 0) {
            // Courier New advances 0.6 of its pixel height per character; rounding up keeps an
            // estimated date inside the edge.
            width = (static_cast<long long>(date.size()) * mFontPixels * 3 + 4) / 5;
        }
        const long long x =
            std::min(static_cast<long long>(mPageWidth) - mSettings.dateInset, mPageWidth - width);
        return clampToInt(std::max(0LL, x));
    }

    ListPrintSettings mSettings;
    PrintTarget &mPrinter;
    const Clock &mClock;
    long long mFontPixels = 0;
    int mPageWidth = 0;
    int mPageHeight = 0;
    int mPitch = 1;
    int mLinesPerPage = 1;
    int mPageTotal = 1;
    int mPage = 1;
};

} // namespace

void printList(const TextList &list, const ListPrintSettings &settings, PrintTarget &printer,
               const Clock &clock)
{
    printer.setJobName(settings.title);
    printer.setFont(ListFontFamily, ListFontPointSize);
    ListPrinter(settings, printer, clock, list.count()).print(list);
}

ListPageMetrics listPageMetrics(int pointSize, int verticalDpi, int pageHeight)
{
    // The pitch is the font height times 1.4 in doubles, truncated, as it always was printed
    // (so a 45-pixel font gives 62, since 45 x 1.4 falls just short of 63).
    const long long pitch = static_cast<long long>(
        static_cast<double>(printerFontPixels(pointSize, verticalDpi)) * 1.4);
    ListPageMetrics metrics;
    metrics.linePitch = clampToInt(std::max(1LL, pitch));
    const long long lines = static_cast<long long>(pageHeight) / metrics.linePitch - 8;
    metrics.linesPerPage = clampToInt(std::max(1LL, lines));
    return metrics;
}

int listPageTotal(std::size_t lineCount, int linesPerPage)
{
    const std::size_t perPage = static_cast<std::size_t>(std::max(1, linesPerPage));
    const std::size_t total = lineCount / perPage + (lineCount % perPage != 0 ? 1 : 0);
    return static_cast<int>(std::clamp<std::size_t>(total, 1, std::numeric_limits<int>::max()));
}

} // namespace kubato
