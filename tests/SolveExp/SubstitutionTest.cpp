// SubstituteParameters: the number format, the letters, the room check.
#include "ExpectBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {
using namespace SolveExp;

// Substitutes in a buffer of exactly Capacity bytes, as the driver does.
std::string Substituted(const std::string& Text, double X, double Z, bool* Ok = nullptr,
                        int32_t Capacity = INT32_MIN)
{
    if (Capacity == INT32_MIN) Capacity = SubstitutionCapacity(static_cast<int32_t>(Text.size()));
    std::vector<char> Buffer(static_cast<size_t>(std::max(Capacity, int32_t{1})), '#');
    std::memcpy(Buffer.data(), Text.c_str(), std::min(Buffer.size(), Text.size() + 1));
    const bool Result = SubstituteParameters(Buffer.data(), Capacity, X, Z);
    if (Ok != nullptr) *Ok = Result;
    return std::string(Buffer.data(), strnlen(Buffer.data(), Buffer.size()));
}

TEST(Substitute, NumberFormat)
{
    const double Tiny = std::numeric_limits<double>::denorm_min();
    const double Huge = std::numeric_limits<double>::max();
    const std::pair<double, const char*> Cases[] = {
        {1.5, "(1.5000000000000E+000)"},
        {-10, "(-1.0000000000000E+001)"},
        {0, "(0.0000000000000E+000)"},
        {1.0 / 3, "(3.3333333333333E-001)"},
        {1e-300, "(1.0000000000000E-300)"},
        {0.1, "(1.0000000000000E-001)"},
        {123456789.123456789, "(1.2345678912346E+008)"},
        {Tiny, "(4.9406564584125E-324)"},
        {-Huge, "(-1.7976931348623E+308)"},
        {99999999999999.5, "(1.0000000000000E+014)"},
        {12345678901234.5, "(1.2345678901234E+013)"},
        {-9.99999999999996e99, "(-1.0000000000000E+100)"},
        {-0.0, "(-0.0000000000000E+000)"},
        {2.5e-310, "(2.5000000000000E-310)"},
    };
    for (const auto& [Value, Text] : Cases) {
        bool Ok = false;
        EXPECT_EQ(Substituted("x", Value, 0, &Ok), Text) << Value;
        EXPECT_TRUE(Ok);
    }
}

TEST(Substitute, LettersAndTheXOfExp)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"sin(x)*z", "sin((1.5000000000000E+000))*(-1.0000000000000E+001)"},
        {"exp(X)", "exp((1.5000000000000E+000))"},
        {"EXP(x)", "EXP((1.5000000000000E+000))"},
        {"eXP(Z)", "eXP((-1.0000000000000E+001))"},
        {"xP", "xP"},  // an x followed by p is never a parameter
        {"zx", "(-1.0000000000000E+001)(1.5000000000000E+000)"},
        {"1+2", "1+2"},
        {"", ""},
    };
    for (const auto& [In, Out] : Cases) {
        bool Ok = false;
        EXPECT_EQ(Substituted(In, 1.5, -10, &Ok), Out) << In;
        EXPECT_TRUE(Ok);
    }
    EXPECT_SAME_BITS(EvaluateExpression(Substituted("sin(x)*z", 1.5, -10).c_str()),
                     static_cast<double>(std::sin(1.5) * -10.0L));
}

TEST(Substitute, TenLettersFitElevenDoNot)
{
    const double Values[] = {1, -1.5e-300, -1.7976931348623157e308, 0};
    for (double v : Values) {
        bool Ok = false;
        const std::string Ten = Substituted("x+z+x+z+x+z+x+z+x+z", v, v, &Ok);
        EXPECT_TRUE(Ok) << v;
        EXPECT_EQ(Ten.find_first_of("xz"), std::string::npos);
        const std::string Eleven = Substituted("x+z+x+z+x+z+x+z+x+z+x", v, v, &Ok);
        EXPECT_FALSE(Ok) << v;
        // The first ten stay substituted, the eleventh letter is left as it was.
        EXPECT_EQ(Eleven.substr(0, Ten.size()), Ten);
        EXPECT_EQ(Eleven.substr(Ten.size()), "+x");
    }
}

TEST(Substitute, RefusesWithoutRoom)
{
    const struct {
        const char* Text;
        int32_t Capacity;
        bool Ok;
        const char* After;
    } Cases[] = {
        {"x", 0, false, "x"},
        {"x", -5, false, "x"},
        {"x", 23, false, "x"},  // 1 + 22 + 1 > 23
        {"x", 24, true, "(1.5000000000000E+000)"},
        {"1+2", 4, true, "1+2"},   // nothing to substitute
        {"1+2", 3, false, "1+2"},  // no terminator within the capacity
    };
    for (const auto& c : Cases) {
        bool Ok = !c.Ok;
        EXPECT_EQ(Substituted(c.Text, 1.5, 2, &Ok, c.Capacity), c.After)
            << c.Text << " " << c.Capacity;
        EXPECT_EQ(Ok, c.Ok) << c.Text << " " << c.Capacity;
    }
    EXPECT_FALSE(SubstituteParameters(nullptr, 10, 1, 1));
}

TEST(Substitute, ValuesThatCannotBeWritten)
{
    const double Values[] = {std::numeric_limits<double>::infinity(), std::nan("")};
    for (double v : Values) {
        bool Ok = true;
        EXPECT_EQ(Substituted("1+x", v, 0, &Ok), "1+x");
        EXPECT_FALSE(Ok);
    }
}

TEST(Substitute, EvaluatedValueIsTheRoundedOne)
{
    // X = Z = 1 + 2^-52 reads back as 1; a substituted 1.7E308 is out of range.
    const double Up = std::nextafter(1.0, 2.0);
    EXPECT_SAME_BITS(EvaluateExpression(Substituted("x-z", Up, 1).c_str()), 0.0);
    EXPECT_SAME_BITS(EvaluateExpression(Substituted("x", 1.7e308, 0).c_str()), UndefinedValue);
    EXPECT_SAME_BITS(EvaluateExpression(Substituted("z", 0, -1.6999999999999e308).c_str()),
                     -1.6999999999999e308);
    EXPECT_SAME_BITS(EvaluateExpression(Substituted("z", 0, -1.69999999999999e308).c_str()),
                     UndefinedValue);
    EXPECT_SAME_BITS(EvaluateExpression(Substituted("x", -0.0, 0).c_str()), 0.0);
}

}  // namespace
