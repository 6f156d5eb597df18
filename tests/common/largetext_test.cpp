// The text paths that large jobs run through many times: line splitting, the normalising of
// line breaks, number reading and the encoding check. Each is compared with a plain reference
// on many random texts, since their fast forms skip ahead in ways a few examples would not
// exercise.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/clocale.h"
#include "common/cp1252.h"
#include "common/lines.h"
#include "common/numbers.h"

namespace kubato {
namespace {

using Random = std::mt19937;

std::size_t pick(Random &random, std::size_t from, std::size_t to)
{
    return std::uniform_int_distribution<std::size_t>(from, to)(random);
}

// The splitting rule written out byte by byte.
std::vector<std::string> referenceLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// Texts with breaks of every convention, often with long stretches of one of them, so that a
// CR may stand far behind many LF breaks and the other way round.
std::string randomText(Random &random)
{
    static const char *const pieces[] = {"a", "58 1", "\r\n", "\n", "\r", " ", "\xe4"};
    std::string text;
    const std::size_t parts = pick(random, 0, 300);
    const std::size_t onlyFrom = pick(random, 0, 6);
    for (std::size_t p = 0; p < parts; ++p) {
        const bool stretch = p < parts / 2;
        text += pieces[stretch ? (p % 2 == 0 ? 0 : onlyFrom) : pick(random, 0, 6)];
    }
    return text;
}

TEST(LargeText, SplittingAndNormalisingAsTheRuleSays)
{
    Random random(3);
    for (int round = 0; round < 500; ++round) {
        const std::string text = randomText(random);
        SCOPED_TRACE(testing::PrintToString(text));
        const std::vector<std::string> expected = referenceLines(text);

        std::vector<std::string> lines;
        for (const std::string_view line : splitLines(text)) {
            lines.emplace_back(line);
        }
        EXPECT_EQ(lines, expected);

        std::string normalised;
        for (const std::string &line : expected) {
            normalised += line + "\r\n";
        }
        EXPECT_EQ(terminatedText(std::string_view(text)), normalised);
        EXPECT_EQ(terminatedText(std::string(text)), normalised);
    }
}

TEST(LargeText, AnAlreadyTerminatedTextIsNotCopied)
{
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += "58      1          1         1         2         3\r\n";
    }
    const char *buffer = text.data();
    const std::string kept = terminatedText(std::move(text));
    EXPECT_EQ(kept.data(), buffer);
    EXPECT_EQ(kept.size(), 1000u * 52u);
}

// Numbers as value fields hold them and as they can go wrong: blanks, signs, points, exponents
// (some beyond the range of a double), more digits than a double holds exactly, and trailing
// characters that end the number.
std::string randomNumber(Random &random)
{
    std::string text(pick(random, 0, 3), ' ');
    const char *signs[] = {"", "", "-", "+"};
    text += signs[pick(random, 0, 3)];
    const auto digits = [&](std::size_t most) {
        std::string d;
        for (std::size_t i = pick(random, 0, most); i > 0; --i) {
            d += static_cast<char>('0' + pick(random, 0, 9));
        }
        return d;
    };
    text += digits(pick(random, 0, 1) == 0 ? 10 : 22);
    if (pick(random, 0, 3) == 0) {
        text += "." + digits(6);
    }
    if (pick(random, 0, 5) == 0) {
        text += pick(random, 0, 1) == 0 ? "e" : "E";
        text += signs[pick(random, 0, 3)] + digits(4);
    }
    const char *tails[] = {"", "", " ", "x", "1.5", ","};
    return text + tails[pick(random, 0, 5)];
}

TEST(LargeText, DecimalsReadAsTheCLibraryReadsThem)
{
    Random random(9);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomNumber(random);
        const double expected = strtod_l(text.c_str(), nullptr, cLocale());
        const double actual = toDecimal(text);
        ASSERT_EQ(std::memcmp(&actual, &expected, sizeof(double)), 0)
            << "\"" << text << "\": " << actual << " instead of " << expected;
    }
}

TEST(LargeText, AUtf8CharacterIsFoundWhereverItStands)
{
    for (std::size_t at = 0; at <= 40; ++at) {
        SCOPED_TRACE(at);
        std::string ascii(41, 'a');
        std::string utf8 = ascii;
        utf8.replace(at, 1, "\xc3\xa4");
        std::string expected = ascii;
        expected[at] = '\xe4';
        EXPECT_EQ(loadedTextToCp1252(utf8), expected);
        EXPECT_EQ(loadedTextToCp1252(ascii), ascii);
        // A byte that cannot begin UTF-8 keeps the whole text as Windows-1252.
        std::string cp1252 = ascii;
        cp1252[at] = '\xe4';
        EXPECT_EQ(loadedTextToCp1252(cp1252), cp1252);
    }
}

} // namespace
} // namespace kubato
