// Reading and writing the numbers of the window's fields.
#include "MainUnit/Text/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

using MainUnit::FormatReal;
using MainUnit::ReadInteger;
using MainUnit::ReadReal;

struct RealCase {
    const char* Text;
    bool Valid;
    double Value;
};

TEST(ReadRealTest, AcceptsExactlyTheNumberSyntax)
{
    const RealCase Cases[] = {
        {"5", true, 5},
        {"-10.0", true, -10},
        {"  +2.5", true, 2.5},
        {"1e3", true, 1000},
        {"1E+3", true, 1000},
        {"2.5e-1", true, 0.25},
        {".5", true, 0.5},
        {"5.", true, 5},
        {".", true, 0},
        {"E5", true, 0},
        {"-.e2", true, -0.0},
        {"0.1", true, 0.1},
        {"1e-400", true, 0},
        {"4.9e-324", true, 4.9e-324},
        {"1.5707963267948966", true, 1.5707963267948966},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"5 ", false, 0},
        {"1,5", false, 0},
        {"1.2.3", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"e", false, 0},
        {"abc", false, 0},
        {"0x10", false, 0},
        {"1e400", false, 0},
        {"-1e400", false, 0},
        {"1e99999999999999999999", false, 0},
        {"\t5", false, 0},
        {"5\n", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
    };
    for (const RealCase& C : Cases) {
        double Value = 12345.0;
        EXPECT_EQ(ReadReal(C.Text, Value), C.Valid) << '"' << C.Text << '"';
        if (C.Valid)
            EXPECT_EQ(Value, C.Value) << '"' << C.Text << '"';
        else
            EXPECT_EQ(Value, 12345.0) << "changed on failure: \"" << C.Text << '"';
    }
}

TEST(ReadRealTest, RoundsCorrectlyAndKeepsTheSignOfZero)
{
    double Value = 0;
    ASSERT_TRUE(ReadReal("-0", Value));
    EXPECT_TRUE(std::signbit(Value));
    ASSERT_TRUE(ReadReal("1.7976931348623157e308", Value));
    EXPECT_EQ(Value, std::numeric_limits<double>::max());
    ASSERT_TRUE(ReadReal("0.30000000000000004", Value));
    EXPECT_EQ(Value, 0.1 + 0.2);
    ASSERT_TRUE(ReadReal("000000000000000000000000000001e-1", Value));
    EXPECT_EQ(Value, 0.1);
}

struct IntegerCase {
    const char* Text;
    bool Valid;
    int32_t Value;
};

TEST(ReadIntegerTest, AcceptsDecimalAndHexadecimalWithinInt32)
{
    const IntegerCase Cases[] = {
        {"5000", true, 5000},
        {"  -11", true, -11},
        {"+7", true, 7},
        {"$FF", true, 255},
        {"xff", true, 255},
        {"X10", true, 16},
        {"0x10", true, 16},
        {"0XaB", true, 171},
        {"-$10", true, -16},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"$7FFFFFFF", true, 2147483647},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"$80000000", false, 0},
        {"99999999999999999999999", false, 0},
        {"5000.0", false, 0},
        {"", false, 0},
        {"  ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"1e3", false, 0},
        {"12 ", false, 0},
        {"$-5", false, 0},
        {"0x+5", false, 0},
        {"$G", false, 0},
        {"0b101", false, 0},
    };
    for (const IntegerCase& C : Cases) {
        int32_t Value = 4242;
        EXPECT_EQ(ReadInteger(C.Text, Value), C.Valid) << '"' << C.Text << '"';
        EXPECT_EQ(Value, C.Valid ? C.Value : 4242) << '"' << C.Text << '"';
    }
}

struct FormatCase {
    double Value;
    const char* Text;
};

TEST(FormatRealTest, WritesTheGeneralFormat)
{
    const FormatCase Cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {10, "10"},
        {-10, "-10"},
        {0.1, "0.1"},
        {1.5, "1.5"},
        {0.0015, "0.0015"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.000123456, "0.000123456"},
        {1.5e20, "1.5E20"},
        {1e15, "1E15"},
        // The notation follows the value rounded to 15 digits, not the value.
        {-0.00009999999999999995, "-0.0001"},
        {999999999999999.9, "1E15"},
        {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E16"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1.0 / 3.0, "0.333333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {1001.0, "1001"},
        {1.7e308, "1.7E308"},
        // Rounded down where rounding to nearest would pass the largest double.
        {1.7976931348623157e308, "1.79769313486231E308"},
        {-1.7976931348623157e308, "-1.79769313486231E308"},
        {1.7976931348623151e308, "1.79769313486231E308"},
        {-1e-300, "-1E-300"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
    };
    for (const FormatCase& C : Cases)
        EXPECT_EQ(FormatReal(C.Value), C.Text) << C.Value;
}

TEST(FormatRealTest, WritesTheLegendAndDistanceExamples)
{
    EXPECT_EQ(FormatReal(std::sqrt(300.0)), "17.3205080756888");
    // The seven colour labels of a Y range from -10 to 10.
    const double Step = (10.0 - -10.0) / 1475.0;
    const struct {
        int Index;
        const char* Text;
    } Labels[] = {
        {0, "-10"},
        {256, "-6.52881355932203"},
        {512, "-3.05762711864407"},
        {768, "0.413559322033898"},
        {1024, "3.88474576271186"},
        {1280, "7.35593220338983"},
        {1475, "10"},
    };
    for (const auto& L : Labels)
        EXPECT_EQ(FormatReal(L.Index * Step + -10.0), L.Text) << L.Index;
}

TEST(FormatRealTest, ReadsBackWhatItWrites)
{
    const double Values[] = {0.1, -123.456, 1e-5, 3.14159265358979, 1.5e20, 1e15, 17.3205080756888};
    for (double V : Values) {
        double Back = 0;
        ASSERT_TRUE(ReadReal(FormatReal(V), Back)) << FormatReal(V);
        EXPECT_EQ(Back, V) << FormatReal(V);
    }
}

// The user's regional settings must not change a single character.
TEST(NumberTextLocaleTest, IgnoresACommaDecimalLocale)
{
    const char* Comma = nullptr;
    for (const char* Name : {"de_DE.UTF-8", "cs_CZ.UTF-8", "fr_FR.UTF-8", "de_DE", "cs_CZ"})
        if (std::setlocale(LC_NUMERIC, Name)) {
            Comma = Name;
            break;
        }
    if (!Comma) GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_EQ(std::strcmp(std::localeconv()->decimal_point, ","), 0);
    double Value = 0;
    EXPECT_TRUE(ReadReal("2.5", Value));
    EXPECT_EQ(Value, 2.5);
    EXPECT_FALSE(ReadReal("2,5", Value));
    EXPECT_EQ(FormatReal(2.5), "2.5");
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
