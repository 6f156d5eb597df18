#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/lines.h"

namespace kubato {
namespace {

std::vector<std::string> split(std::string_view text)
{
    std::vector<std::string> out;
    for (const auto line : splitLines(text)) {
        out.emplace_back(line);
    }
    return out;
}

TEST(Lines, SplittingByEveryBreakConvention)
{
    struct Case {
        const char *name;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"empty text", "", {}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"last line without break", "a\r\nb", {"a", "b"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
        {"only breaks", "\r\n\r\n", {"", ""}},
        {"empty last line kept", "a\r\n\r\n", {"a", ""}},
        {"single break", "\n", {""}},
        {"NUL and tab stay in the line", std::string("a\0\tb", 4), {std::string("a\0\tb", 4)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(split(c.text), c.lines);
    }
}

// Long lines are searched for their breaks many bytes at a time: breaks at every place of such
// a step, a CR LF across two steps, and random texts give the lines a plain walk gives.
TEST(Lines, SplittingLongLinesLikeAPlainWalk)
{
    const auto plainSplit = [](const std::string &text) {
        std::vector<std::string> lines;
        std::string line;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' && text[i] != '\n') {
                line += text[i];
                continue;
            }
            lines.push_back(line);
            line.clear();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
        return lines;
    };
    std::vector<std::string> texts;
    for (std::size_t at = 0; at < 40; ++at) {
        for (const char *brk : {"\r\n", "\n", "\r"}) {
            texts.push_back(std::string(at, 'x') + brk + std::string(50, 'y') + brk + "z");
        }
    }
    std::mt19937 random(9);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\0', ' '};
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 200, ' ');
        for (char &c : text) {
            // breaks now and then, long runs between them
            c = random() % 10 == 0 ? alphabet[2 + random() % 2] : alphabet[random() % 6];
        }
        texts.push_back(text);
    }
    for (const std::string &text : texts) {
        ASSERT_EQ(split(text), plainSplit(text)) << text;
    }
}

TEST(Lines, TerminatedTextSplitsIntoTheSameLines)
{
    // Every break (LF, lone CR, CR LF) becomes CR LF, and a last line gets one.
    const std::string text = terminatedText(std::string_view("58 x\n\r\r\nlast"));
    EXPECT_EQ(text, "58 x\r\n\r\n\r\nlast\r\n");
    EXPECT_EQ(split(text), std::vector<std::string>({"58 x", "", "", "last"}));
}

TEST(Lines, FixedColumnsAreBlankFilledAndEndAtColumn80)
{
    const FixedLine shortLine("3023");
    EXPECT_EQ(shortLine.column(1), '3');
    EXPECT_EQ(shortLine.column(4), '3');
    EXPECT_EQ(shortLine.column(5), ' ');
    EXPECT_EQ(shortLine.column(80), ' ');
    EXPECT_TRUE(shortLine.blank(5, 80));
    EXPECT_FALSE(shortLine.blank(4, 5));

    const FixedLine longLine(std::string(79, ' ') + "12345");
    EXPECT_EQ(longLine.columns(78, 80), "  1");
    EXPECT_EQ(coordinateField(longLine, 71, 80), 0.001);
}

TEST(Lines, NumberFieldDropsEveryBlank)
{
    const FixedLine line(ColumnLine().at(13, "  23 0001").str());
    EXPECT_EQ(numberField(line, 13, 21), "230001");
    EXPECT_EQ(numberField(line, 1, 12), "");
    const FixedLine tab(ColumnLine().at(13, "7\t7").str());
    EXPECT_EQ(numberField(tab, 13, 20), "7\t7");
}

// Every field of every width, with blanks before, inside and after the number and characters
// that are easy to mistake for blanks (NUL, tab, no-break space): the number is the field's
// characters with the blanks left out, and a range is blank when it holds blanks only.
TEST(Lines, NumberFieldOfAnyCharactersKeepsAllButBlanks)
{
    const char alphabet[] = {' ', ' ', ' ', '1', '9', 'A', '\0', '\t', '\xA0', '\xFF'};
    std::mt19937 random(3);
    const std::pair<int, int> fields[] = {{3, 9}, {13, 20}, {23, 30}, {43, 49}, {54, 60}, {73, 80}};
    for (int round = 0; round < 2000; ++round) {
        std::string text(80, ' ');
        for (char &c : text) {
            c = alphabet[random() % sizeof alphabet];
        }
        const FixedLine line(text);
        for (const auto &[from, to] : fields) {
            std::string expected;
            for (int c = from; c <= to; ++c) {
                if (text[static_cast<std::size_t>(c - 1)] != ' ') {
                    expected += text[static_cast<std::size_t>(c - 1)];
                }
            }
            // equal as a text and in every byte, as the searches compare numbers
            const PointNumber number = numberField(line, from, to);
            ASSERT_EQ(number.view(), expected)
                << "columns " << from << "-" << to << " of \"" << text << "\"";
            ASSERT_TRUE(number == PointNumber(expected));
            ASSERT_EQ(line.blank(from, to), expected.empty());
            ASSERT_EQ(line.blank(from, to - 3),
                      text.substr(static_cast<std::size_t>(from - 1),
                                  static_cast<std::size_t>(to - from - 2))
                              .find_first_not_of(' ') == std::string::npos);
        }
    }
}

TEST(Lines, PointNumberKeepsItsCharactersInPlace)
{
    const PointNumber full("12345678");
    EXPECT_EQ(full, "12345678");
    EXPECT_STREQ(full.printable().data(), "12345678");
    // A NUL is an ordinary character of a number; "%s" ends there, comparing does not.
    const PointNumber withNul(std::string_view("7\0", 2));
    EXPECT_EQ(withNul.size(), 2u);
    EXPECT_FALSE(withNul == PointNumber("7"));
    EXPECT_STREQ(withNul.printable().data(), "7");
    EXPECT_TRUE(PointNumber() == PointNumber(""));
    EXPECT_EQ(PointNumber("123456789"), "12345678");
}

TEST(Lines, CoordinateFieldIsMillimetresAsMetres)
{
    const FixedLine line(
        ColumnLine().right(60, "46700").right(70, "46700.0").right(80, "-500").str());
    EXPECT_DOUBLE_EQ(coordinateField(line, 51, 60), 46.7);
    EXPECT_EQ(coordinateField(line, 51, 60), coordinateField(line, 61, 70));
    EXPECT_DOUBLE_EQ(coordinateField(line, 71, 80), -0.5);
    EXPECT_EQ(coordinateField(line, 1, 10), 0.0);
}

TEST(Lines, ColumnLinePlacesTexts)
{
    EXPECT_EQ(ColumnLine().at(3, "ab").right(10, "xy").str(), "  ab    xy" + std::string(70, ' '));
}

} // namespace
} // namespace kubato
