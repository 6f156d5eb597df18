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

namespace kubato {
namespace {

TEST(Cp1252, LoadedTextsOfOtherEncodings)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"Windows-1252 stays", "Pkt \xc4 \xfc", "Pkt \xc4 \xfc"},
        {"ASCII stays", "45 1\r\n", "45 1\r\n"},
        {"UTF-8 byte-order mark dropped",
         "\xef\xbb\xbf"
         "30",
         "30"},
        {"UTF-8 umlaut takes one column",
         "P\xc3\xa4"
         "1",
         "P\xe4"
         "1"},
        {"UTF-8 with mark", "\xef\xbb\xbf\xc3\x9f", "\xdf"},
        {"UTF-16 LE", std::string("\xff\xfe\x33\x00\x30\x00\xe4\x00\x0d\x00\x0a\x00", 12),
         "30\xe4\r\n"},
        {"UTF-16 BE", std::string("\xfe\xff\x00\x35\x00\x38", 6), "58"},
        {"UTF-16 outside the set", std::string("\xff\xfe\x3d\xd8\x00\xde\x41\x00", 8), "?A"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(loadedTextToCp1252(c.bytes), c.text);
    }
}

} // namespace
} // namespace kubato
