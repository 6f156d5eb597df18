#include <gtest/gtest.h>

#include "common/cp1252.h"

namespace kubato {
namespace {

TEST(Cp1252, LiteralIsConvertedAtCompileTime)
{
    constexpr std::string_view text = "geöffnet Höhe für ß €"_cp;
    EXPECT_EQ(text, "ge\xf6"
                    "ffnet H\xf6he f\xfcr \xdf \x80");
    EXPECT_EQ(text.data()[text.size()], '\0');
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, Utf8ToCp1252)
{
    struct Case {
        const char *name;
        std::string utf8;
        std::string cp1252;
    };
    const Case cases[] = {
        {"umlauts",
         "Gr\xc3\xb6\xc3\x9f"
         "e",
         "Gr\xf6\xdf"
         "e"},
        {"euro and quotes", "\xe2\x82\xac \xe2\x80\x9e", "\x80 \x84"},
        {"outside the set", "\xe2\x86\x92x", "?x"},
        {"four-byte character", "\xf0\x9f\x98\x80", "?"},
        {"latin-1 byte, no UTF-8",
         "m\xfc"
         "ll",
         "m\xfc"
         "ll"},
        {"cut-off sequence", "a\xc3", "a\xc3"},
        {"overlong form", "\xc0\xaf", "\xc0\xaf"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252);
    }
}

TEST(Cp1252, LowerCasesOnlyAsciiLetters)
{
    EXPECT_EQ(lowerAsciiLetters("C:\\Daten\\MESS.Punkte.D30 \xc4\xd6"),
              "c:\\daten\\mess.punkte.d30 \xc4\xd6");
}

} // namespace
} // namespace kubato
