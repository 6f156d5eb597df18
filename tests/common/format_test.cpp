#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "common/format.h"
#include "common/textlist.h"

namespace kubato {
namespace {

TEST(Format, PrintfFormats)
{
    EXPECT_EQ(format(" Zeile= %4li : %s ", 7L, "x"), " Zeile=    7 : x ");
    EXPECT_EQ(format("%10.3lf|%2i|%-3s|", 46.7, 5, "a"), "    46.700| 5|a  |");
    EXPECT_EQ(format("%.3f", -0.0004), "-0.000");
}

TEST(Format, LongTextsAreNotCut)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(format("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(Format, DecimalPointWhateverTheDesktopLocale)
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    const std::string text = format("%.3f", 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "1.500");
}

TEST(TextList, AppendCountLineAndText)
{
    TextList list;
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.text(), "");
    list.append("eins");
    list.append("");
    list.appendf(" %li von %li", 3L, 4L);
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list.line(0), "eins");
    EXPECT_EQ(list.line(1), "");
    EXPECT_EQ(list.line(2), " 3 von 4");
    EXPECT_EQ(list.text(), "eins\r\n\r\n 3 von 4");
    list.clear();
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.text(), "");
}

} // namespace
} // namespace kubato
