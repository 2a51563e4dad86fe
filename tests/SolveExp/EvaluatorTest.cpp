// EvaluateExpression and Factorial: values, the reserved results and the
// first failure from left to right.
#include "ExpectBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

namespace {
using namespace SolveExp;

struct EvalCase {
    const char* Text;
    double Expected;
};

void ExpectAll(const EvalCase* First, const EvalCase* Last)
{
    for (const EvalCase* c = First; c != Last; ++c)
        EXPECT_SAME_BITS(EvaluateExpression(c->Text), c->Expected) << "'" << c->Text << "'";
}

TEST(ReservedValues, ExactBitPatterns)
{
    EXPECT_EQ(std::bit_cast<uint64_t>(SyntaxErrorValue), 0xA4E30FB16065163DULL);
    EXPECT_EQ(std::bit_cast<uint64_t>(UndefinedValue), 0xF1D4D5FEEFAA9BF4ULL);
    unsigned char Bytes[sizeof(long double)] = {};
    const long double Max = MaxNumberMagnitude;
    std::memcpy(Bytes, &Max, 10);
    uint64_t Significand = 0;
    std::memcpy(&Significand, Bytes, 8);
    EXPECT_EQ(Significand, 0xF2168983B9DBB273ULL);
    EXPECT_EQ(Bytes[8] | (Bytes[9] << 8), 0x43FE);
    EXPECT_EQ(ParamTextGrowth, 22);
    EXPECT_EQ(ParamPrecision, 14);
    EXPECT_EQ(ParamExponentDigits, 3);
}

TEST(Evaluate, LeftToRightWithEqualPriority)
{
    const EvalCase Cases[] = {
        {"5+3*2", 16},
        {"2*3+4", 10},
        {"8/2/2", 2},
        {"10-2-3", 5},
        {"-5", -5},
        {"2+-3", -1},
        {"2*(-3)", -6},
        {"-(2)", -2},
        {"(((7)))", 7},
        {"1+(2*(3+1))", 9},
        {"0.1+0.2", static_cast<double>(static_cast<long double>(0.1) + 0.2)},
        {"1/3", static_cast<double>(1.0L / 3)},
    };
    ExpectAll(std::begin(Cases), std::end(Cases));
}

TEST(Evaluate, LiteralForms)
{
    const EvalCase Cases[] = {
        {"2*.", 0},
        {"1e+3", 1000},
        {"3e", 3},
        {"2E-", 2},
        {"5.", 5},
        {".5", 0.5},
        {".", 0},
        {".e7", 0},
        {"1.5e-3", 1.5e-3},
        {"0000012.50", 12.5},
        {"1e-5000", 0},
        {"1e-400", 0},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"1.69e308", 1.69e308},
        {"1.6999999999999999e308", 1.6999999999999999e308},
        {"1.7976931348623157e308", UndefinedValue},
        {"1e400", UndefinedValue},
        {"1.8e308", UndefinedValue},
        {"1.7e308", UndefinedValue},
        {"1e5000", SyntaxErrorValue},
        {"1.2.3", SyntaxErrorValue},
        {"1e5e", SyntaxErrorValue},
        {"1e2.5", SyntaxErrorValue},
        {"1..", SyntaxErrorValue},
        // Extended rounding first, then double: the digits below sit just
        // above the halfway point between two doubles but round to it in
        // extended, and the tie then goes to even.
        {"1.00000000000000011102314949546", 1.0},
    };
    ExpectAll(std::begin(Cases), std::end(Cases));
}

TEST(Evaluate, SyntaxErrors)
{
    const char* Cases[] = {
        "+5", "2*-3",    "2--3",  "2/*3",  "2++3",         "2+*3", "5+",
        "",   "2(3)",    "()",    "sin()", "sin(1)cos(1)", "x",    "3)",
        "(3", "sine(1)", "1 + 2", "((1)",  "(())",         "-",    "*2",
    };
    for (const char* c : Cases)
        EXPECT_SAME_BITS(EvaluateExpression(c), SyntaxErrorValue) << "'" << c << "'";
}

TEST(Evaluate, FunctionsAndTheirDomains)
{
    const double Pi = std::numbers::pi;
    const EvalCase Cases[] = {
        {"abs(-2)", 2},
        {"sqrt(16)", 4},
        {"loge(1)", 0},
        {"acos(-1)", Pi},
        {"asin(1)", Pi / 2},
        {"asin(-1)", -Pi / 2},
        {"acos(1)", 0},
        {"sin(1e19)", 0},
        {"cos(1e19)", 0},
        {"sin(0-9223372036854775808)", 0},
        {"cos(9223372036854775807)", 0},
        {"sin(0)", 0},
        {"cos(0)", 1},
        {"exp(0)", 1},
        {"exp(709)", std::exp(709.0)},
        {"exp(0-800)", 0},
        {"sqrt(0)", 0},
        {"SIN(0)+Abs(-1)", 1},
        {"LOGE(exp(2))", 2},
        {"1/0", UndefinedValue},
        {"0/0", UndefinedValue},
        {"1/(2-2)", UndefinedValue},
        {"sqrt(-1)", UndefinedValue},
        {"loge(0)", UndefinedValue},
        {"loge(-1)", UndefinedValue},
        {"asin(2)", UndefinedValue},
        {"acos(-1.5)", UndefinedValue},
        {"fac(171)", UndefinedValue},
        {"exp(710)", UndefinedValue},
        {"1e308*10", UndefinedValue},
        {"0-1e308-1e308", UndefinedValue},
        {"1e-308/1e10", 1e-318},
        {"fac(3.8)", 6},
        {"fac(-4)", 1},
        {"fac(0.5)", 1},
        {"fac(1)", 1},
        {"fac(170)", 7.257415615307994E306},
        {"fac(170.5)", UndefinedValue},
    };
    ExpectAll(std::begin(Cases), std::end(Cases));
}

TEST(Evaluate, FirstFailureFromLeftToRightDecides)
{
    const EvalCase Cases[] = {
        {"1/0+*", UndefinedValue},
        {"loge(0)+", UndefinedValue},
        {"(1/0)*", UndefinedValue},
        {"sqrt(-1)+(", UndefinedValue},
        {"1e400+1.2.3", UndefinedValue},
        {"1.2.3+1/0", SyntaxErrorValue},
        {"2*-3+1/0", SyntaxErrorValue},
        {"sin(1/0)+()", UndefinedValue},
        {"(1+())+1/0", SyntaxErrorValue},
        // A value equal to a reserved one is that reserved result, and inside
        // brackets it stops the evaluation like one.
        {"0-5.3708672518493e-131", SyntaxErrorValue},
        {"(0-5.3708672518493e-131)*1/0", SyntaxErrorValue},
        {"(0-2.1708472458605e240)+1.2.3", UndefinedValue},
    };
    ExpectAll(std::begin(Cases), std::end(Cases));
}

TEST(Evaluate, NegativeZeroAndUnderflow)
{
    // 0 * -1 is -0; starting a level adds it to 0, which gives +0.
    EXPECT_SAME_BITS(EvaluateExpression("0*(0-1)"), -0.0);
    EXPECT_SAME_BITS(EvaluateExpression("(0*(0-1))"), 0.0);
    EXPECT_SAME_BITS(EvaluateExpression("0-1e-200*1e-200"), -0.0);
    EXPECT_SAME_BITS(EvaluateExpression("sqrt(0*(0-1))"), 0.0);
}

TEST(Factorial, RunningProduct)
{
    const std::pair<double, double> Cases[] = {
        {1, 1},
        {-4, 1},
        {0.5, 1},
        {3.8, 6},
        {2, 2},
        {10, 3628800},
        {170, 7.257415615307994E306},
        {170.5, -1},
        {170.0000001, -1},
        {171, -1},
        {1e300, -1},
        {NAN, 1},
    };
    for (const auto& [x, r] : Cases)
        EXPECT_SAME_BITS(Factorial(x), r) << x;
    // The running product differs from the double nearest to 170!.
    EXPECT_NE(Factorial(170), 7.257415615307998967e306);
}

std::string Nested(size_t Depth, const std::string& Core)
{
    return std::string(Depth, '(') + Core + std::string(Depth, ')');
}

TEST(Evaluate, NestingLimit)
{
    EXPECT_SAME_BITS(EvaluateExpression(Nested(MaxNestingDepth, "2").c_str()), 2.0);
    EXPECT_SAME_BITS(EvaluateExpression(Nested(MaxNestingDepth + 1, "2").c_str()),
                     SyntaxErrorValue);
    EXPECT_SAME_BITS(EvaluateExpression(Nested(200000, "2").c_str()), SyntaxErrorValue);
    EXPECT_SAME_BITS(EvaluateExpression(("1/0+" + Nested(200000, "2")).c_str()), UndefinedValue);
    EXPECT_SAME_BITS(EvaluateExpression(Nested(100000, "sin(").c_str()), SyntaxErrorValue);
    EXPECT_SAME_BITS(EvaluateExpression(nullptr), SyntaxErrorValue);
}

}  // namespace
