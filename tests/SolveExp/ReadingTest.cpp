// ReadExpression: the reading under the usual priority rules, the column and
// reason of a malformed text, and agreement with the evaluator's own rules.
#include "SolveExp/Reading.h"

#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
using namespace SolveExp;

TEST(ReadExpression, WritesTheBracketsTheUsualRulesNeed)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"x*x-z*z", "(x*x-z)*z"},
        {"5+3*2", "(5+3)*2"},
        {"2*x+1", "2*x+1"},
        {"x-(2+z)", "x-(2+z)"},
        {"((x))*sin((z+1))", "x*sin(z+1)"},
        {"2+-3*4", "(2-3)*4"},
        {"-x*2", "-x*2"},
        {"2*(-3)", "2*(-3)"},
        {"sqrt(x*x+z*z)", "sqrt((x*x+z)*z)"},
        // A right operand that starts with a minus, a negated group, a
        // left part closed twice, names spelled as typed.
        {"2+(-3*x)", "2+(-3*x)"},
        {" - ( x * 2 ) / z", "-(x*2)/z"},
        {"1+2*3-4/5", "((1+2)*3-4)/5"},
        {"SINx*2+Abs(z)", "SIN(x)*2+Abs(z)"},
        // A number that ends in its exponent letter keeps its brackets
        // before '+' or '-', which would otherwise become its exponent sign.
        {"(4725e)+605E", "(4725e)+605E"},
        {"(x*4725e)-1", "x*(4725e)-1"},
        {"-(4725E)*2", "-4725E*2"},
        {"((47E)+(47E))+6605E", "(47E)+(47E)+6605E"},
        {"-(47E)+1", "-(47E)+1"},
    };
    for (const auto& [Typed, Expected] : Cases) {
        const TReading R = ReadExpression(Typed);
        EXPECT_TRUE(R.WellFormed) << "'" << Typed << "': " << R.Reason;
        EXPECT_EQ(R.Text, Expected) << "'" << Typed << "'";
    }
}

TEST(ReadExpression, ShowsWhereAndWhyReadingStops)
{
    struct Case {
        const char* Typed;
        int32_t Column;
        const char* Hint;  // a part of the reason
    };
    const Case Cases[] = {
        {"2*-3", 3, "2*(-3)"},
        {"x^2", 2, "x*x"},
        {"tan(x)", 1, "sin, cos, exp, asin, acos, loge, fac, sqrt, abs"},
        {"sin(x", 6, ")"},
        {"2x", 2, "before x"},
        {"y*2", 1, "X and Z"},
        {"", 1, "empty"},
        {"2 * - 3", 5, "2*(-3)"},  // blanks counted
        {"1.2.3", 4, "decimal point"},
        {"(1+2))", 6, "("},
        {"x+x+x+x+x+x+x+x+x+x+z", 21, "10"},
    };
    for (const auto& C : Cases) {
        const TReading R = ReadExpression(C.Typed);
        EXPECT_FALSE(R.WellFormed) << "'" << C.Typed << "' read as " << R.Text;
        EXPECT_EQ(R.Column, C.Column) << "'" << C.Typed << "': " << R.Reason;
        EXPECT_NE(R.Reason.find(C.Hint), std::string::npos) << "'" << C.Typed << "': " << R.Reason;
    }
}

// What a calculation accepts: blanks removed, at most ten letters, and no
// syntax error anywhere in the substituted text.
bool CalculationAccepts(const std::string& Typed)
{
    std::string Text = Typed;
    RemoveSpaces(Text.data());
    Text.resize(std::strlen(Text.c_str()));
    const int32_t Capacity = static_cast<int32_t>(Text.size()) + 10 * ParamTextGrowth + 1;
    std::vector<char> Work(static_cast<size_t>(Capacity));
    std::memcpy(Work.data(), Text.c_str(), Text.size() + 1);
    return SubstituteParameters(Work.data(), Capacity, 1.0, 1.0) && IsWellFormed(Work.data());
}

TEST(ReadExpression, AcceptsExactlyWhatTheCalculationAccepts)
{
    const auto Nest = [](size_t Depth, const char* Inner) {
        return std::string(Depth, '(') + Inner + std::string(Depth, ')');
    };
    std::vector<std::string> Cases = {
        "sinx",
        "absz*2",
        "expx",
        "eXPz",
        "exp(x)",
        "xp",
        "sinxp",
        "sinzz",
        "1e-x",
        "2ex",
        "1e+3",
        "3e",
        ".",
        "2*.",
        "1e400",
        "1e5000",
        "sin(1",
        "abs(",
        "1+abs(",
        "(())",
        "()",
        "sin()",
        "-(-3)",
        "--3",
        "2+-3",
        "2+--3",
        "-",
        "+",
        "x z",
        "s in(x)",
        "2\t+3",
        "1/0+",
        "sin(x)",
        "ex(1)",
        "sinh(x)",
        "cosz+sqrtx",
        "loge(x)cos(z)",
        "fac(x)+asin(z)/acos(x)",
        std::string(10, 'x'),
        "x+x+x+x+x+x+x+x+x+x",
        "x+x+x+x+x+x+x+x+x+x+x",
    };
    // The deepest levels: a number one level deeper than a letter, and a
    // function straight before a letter one level deeper than with brackets.
    for (int32_t Depth = MaxNestingDepth - 2; Depth <= MaxNestingDepth + 1; ++Depth) {
        for (const char* Inner : {"1", "x", "sinx", "sin(x)", "sin(1)"})
            Cases.push_back(Nest(static_cast<size_t>(Depth), Inner));
    }
    for (const std::string& Typed : Cases)
        EXPECT_EQ(ReadExpression(Typed).WellFormed, CalculationAccepts(Typed))
            << "'" << Typed.substr(0, 40) << "' (" << Typed.size() << " characters)";
}

}  // namespace
