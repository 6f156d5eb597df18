#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/numbers.h"

namespace kubato {
namespace {

TEST(Numbers, IntegerConversion)
{
    struct Case {
        std::string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"23", 23},
        {" 5", 5},
        {"  ", 0},
        {"", 0},
        {"-7", -7},
        {"+8", 8},
        {"1.5", 1},
        {"12a", 12},
        {"a12", 0},
        {"\t 42", 42},
        {"- 3", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"2147483647", 2147483647},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(toInteger(c.text), c.value);
    }
}

TEST(Numbers, DecimalConversion)
{
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"     46700", 46700.0},
        {"46700.0", 46700.0},
        {"  12.5  ", 12.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"-0.5", -0.5},
        {"+3", 3.0},
        {"1e3", 1000.0},
        {"1E-2", 0.01},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"2.5.1", 2.5},
        {"1,5", 1.0},
        {"", 0.0},
        {"   ", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"abc", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"0x10", 0.0},
        {"467 00", 467.0},
        {"1e308", 1e308},
        // whole millimetres as the value fields hold them, and the forms next to them
        {"  -1234567", -1234567.0},
        {"\t  12", 12.0},
        {"  12 ", 12.0},
        {"999999999999999", 999999999999999.0},
        {"9999999999999999", 9999999999999999.0},
        {"12345678901234567890", 12345678901234567890.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(toDecimal(c.text), c.value);
    }
    EXPECT_EQ(toDecimal("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDecimal("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDecimal(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDecimal("1e-999"), 0.0);
    EXPECT_TRUE(std::signbit(toDecimal("    -0")));
}

} // namespace
} // namespace kubato
