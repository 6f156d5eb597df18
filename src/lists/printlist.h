#pragma once

// The page layout of a printed list (protocol or prism values): a head with the program title,
// the date and a rule on every page, the lines in Courier New, and a foot with a rule and
// "Seite k/T". Positions are fixed printer pixels from the top-left corner of the printable
// area; only the line pitch follows the printer's resolution.

#include <cstddef>
#include <string_view>

#include "common/textlist.h"
#include "platform/clock.h"
#include "platform/printtarget.h"

namespace kubato {

// How far left of the printable area's right edge the date of the page head starts.
inline constexpr int ProtocolDateInset = 450;
inline constexpr int ResultDateInset = 600;

inline constexpr std::string_view ListFontFamily = "Courier New";
inline constexpr int ListFontPointSize = 8;

struct ListPrintSettings {
    // The job's name and the "Programm %s" of the page head.
    std::string_view title;
    int dateInset = ProtocolDateInset;
};

// The line pitch P in printer pixels and the lines N a page holds. Both are at least 1, so a
// driver that reports a resolution of 0 or a page too small for the head and foot still gets
// every line printed, one page after another.
struct ListPageMetrics {
    int linePitch = 1;
    int linesPerPage = 1;
};

ListPageMetrics listPageMetrics(int pointSize, int verticalDpi, int pageHeight);

// The page total T of a list: its lines divided by N, rounded up. An empty list prints one page
// with head and foot, so its total is 1.
int listPageTotal(std::size_t lineCount, int linesPerPage);

// Prints the whole list on the chosen printer, lines exactly as they stand (a line wider than
// the page is cut off by the printer). The date of every head is read from the clock when the
// head is printed. Where the date would run past the printable right edge (the fixed insets
// assume about 600 dpi), it moves left just enough to end at that edge.
void printList(const TextList &list, const ListPrintSettings &settings, PrintTarget &printer,
               const Clock &clock);

} // namespace kubato
