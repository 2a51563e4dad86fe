// ReadExpression: the reading written for both priority rules, the reading
// of the usual rules, the column and reason of a malformed text, and
// agreement with the evaluator's own rules.
#include "SolveExp/Reading.h"

#include "SolveExp/SolveExp.h"
#include "tests/SolveExp/UsualReference.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
using namespace SolveExp;

TEST(ReadExpression, WritesTheBracketsBothRulesNeed)
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
        // A right operand that binds tighter under the usual rules keeps
        // its brackets too, or this unit would read it into the left part.
        {"x+(z*2)", "x+(z*2)"},
        {"x-(z/2)*3", "(x-(z/2))*3"},
    };
    for (const auto& [Typed, Expected] : Cases) {
        const TReading R = ReadExpression(Typed);
        EXPECT_TRUE(R.WellFormed) << "'" << Typed << "': " << R.Reason;
        EXPECT_EQ(R.Text, Expected) << "'" << Typed << "'";
    }
}

// Everyday functions typed the usual way: this unit's reading, the reading
// of the usual rules, and whether they differ.
TEST(ReadExpression, ReadsTheTypedTextByBothRules)
{
    const struct {
        const char* Typed;
        const char* Own;
        const char* Usual;  // null: the same as Own
    } Cases[] = {
        {"x*x-z*z", "(x*x-z)*z", "x*x-(z*z)"},
        {"sin(sqrt(x*x+z*z))", "sin(sqrt((x*x+z)*z))", "sin(sqrt(x*x+(z*z)))"},
        {"exp(-(x*x+z*z)/10)", "exp(-((x*x+z)*z)/10)", "exp(-(x*x+(z*z))/10)"},
        {"exp(-((x*x)+(z*z))/10)", "exp(-(x*x+(z*z))/10)", nullptr},
        {"1/x*z", "1/x*z", nullptr},
        {"x-z-x", "x-z-x", nullptr},
        {"-x*z", "-x*z", nullptr},
        {"x+-z", "x-z", nullptr},
        {"x+-z*2", "(x-z)*2", "x-(z*2)"},
        {"2+3*x-4/z", "((2+3)*x-4)/z", "2+(3*x)-(4/z)"},
        {"sin(cos(x)+abs(z)*2)*x", "sin((cos(x)+abs(z))*2)*x", "sin(cos(x)+(abs(z)*2))*x"},
        {"sinx*cosz", "sin(x)*cos(z)", nullptr},
        {"x*(4725e)+z", "x*(4725e)+z", nullptr},
        {"z+(4725e)*x", "(z+4725e)*x", "z+(4725e*x)"},
        {"x-z*(-x)", "(x-z)*(-x)", "x-(z*(-x))"},
    };
    for (const auto& C : Cases) {
        const TReading R = ReadExpression(C.Typed);
        ASSERT_TRUE(R.WellFormed) << C.Typed << ": " << R.Reason;
        EXPECT_EQ(R.Text, C.Own) << C.Typed;
        EXPECT_EQ(R.UsualText, C.Usual ? C.Usual : C.Own) << C.Typed;
        EXPECT_EQ(R.PriorityMatters, C.Usual != nullptr) << C.Typed;
    }
}

namespace {

bool SameBits(double A, double B) { return std::memcmp(&A, &B, sizeof A) == 0; }
bool IsReserved(double V) { return SameBits(V, SyntaxErrorValue) || SameBits(V, UndefinedValue); }
bool SameValue(double A, double B) { return SameBits(A, B) || (A == 0 && B == 0); }

double EvaluateAt(const std::string& Text, double X, double Z)
{
    const int32_t Capacity = SubstitutionCapacity(static_cast<int32_t>(Text.size()));
    std::vector<char> Work(static_cast<size_t>(Capacity));
    std::memcpy(Work.data(), Text.c_str(), Text.size() + 1);
    if (!SubstituteParameters(Work.data(), Capacity, X, Z)) return SyntaxErrorValue;
    return EvaluateExpression(Work.data());
}

// A random well-formed text in the usual notation, with at most ten letters.
class TTextMaker {
public:
    explicit TTextMaker(uint32_t Seed) : Random(Seed) {}

    std::string Make()
    {
        Letters = 0;
        return Level(0);
    }

private:
    std::mt19937 Random;
    int Letters = 0;

    int Pick(int N) { return std::uniform_int_distribution<int>(0, N - 1)(Random); }

    std::string Level(int Depth)
    {
        std::string Text = Pick(5) == 0 ? "-" : "";
        Text += Operand(Depth);
        static constexpr std::array<const char*, 5> Ops = {"+", "-", "*", "/", "+-"};
        for (int N = Pick(4); N > 0; --N)
            Text += std::string(Ops[static_cast<size_t>(Pick(5))]) + Operand(Depth);
        return Text;
    }

    std::string Operand(int Depth)
    {
        static constexpr std::array<const char*, 6> Numbers = {"2",    "0.5", "(3e)",
                                                               "1e-3", ".25", "10"};
        static constexpr std::array<const char*, 4> Functions = {"sin", "abs", "SQRT", "exp"};
        const int Kind = Depth >= 3 ? Pick(2) : Pick(5);
        if (Kind == 0 || Letters >= 10) return Numbers[static_cast<size_t>(Pick(6))];
        const std::string Letter = Pick(2) == 0 ? "x" : "Z";
        if (Kind == 1) return ++Letters, Letter;
        if (Kind == 2) return "(" + Level(Depth + 1) + ")";
        const std::string Name = Functions[static_cast<size_t>(Pick(4))];
        if (Kind == 3) return ++Letters, Name + Letter;
        return Name + "(" + Level(Depth + 1) + ")";
    }
};

// The rewrite computes what the usual rules make of the typed text, the
// reading computes what this unit makes of it, both read back unchanged
// under either rule, and the warning comes exactly when the orders differ.
void CheckBothReadings(const std::string& Typed)
{
    SCOPED_TRACE(Typed);
    const TReading R = ReadExpression(Typed);
    ASSERT_TRUE(R.WellFormed) << R.Reason;
    const std::string Usual = UsualReference::FullyBracketed(Typed);
    const std::string Own = UsualReference::FullyBracketed(Typed, true);
    ASSERT_FALSE(Usual.empty());
    EXPECT_EQ(R.PriorityMatters, Usual != Own);
    for (const std::string& Written : {R.Text, R.UsualText}) {
        const TReading Again = ReadExpression(Written);
        EXPECT_TRUE(Again.WellFormed && !Again.PriorityMatters && Again.Text == Written)
            << Written << " reads as " << Again.Text << " and " << Again.UsualText;
        EXPECT_EQ(UsualReference::FullyBracketed(Written),
                  UsualReference::FullyBracketed(Written, true))
            << Written;
    }
    EXPECT_EQ(UsualReference::FullyBracketed(R.Text), Own);
    EXPECT_EQ(UsualReference::FullyBracketed(R.UsualText), Usual);
    constexpr std::array<std::array<double, 2>, 3> Points = {
        {{0.75, -2.5}, {3.0, 0.5}, {-1.25, 7.0}}};
    for (const auto& [X, Z] : Points) {
        const double Expected = EvaluateAt(Usual, X, Z);
        const double Rewritten = EvaluateAt(R.UsualText, X, Z);
        // The reference's extra brackets add each first operand to 0, which
        // can only turn a zero's sign.
        if (!IsReserved(Expected)) {
            EXPECT_TRUE(SameValue(Rewritten, Expected))
                << X << ", " << Z << ": " << Rewritten << " instead of " << Expected;
        }
        EXPECT_TRUE(SameValue(EvaluateAt(R.Text, X, Z), EvaluateAt(Typed, X, Z)));
    }
}

}  // namespace

TEST(ReadExpression, RewriteMeansWhatTheUsualRulesGiveTheTypedText)
{
    std::vector<std::string> Texts = {
        "x*x-z*z", "sin(sqrt(x*x+z*z))",     "exp(-(x*x+z*z)/10)", "1/x*z",         "x-z-x", "-x*z",
        "x+-z*2",  "sin(cos(x)+abs(z)*2)*x", "z+(4725e)*x",        "-(x+z)*x-z/x*3"};
    TTextMaker Maker(2026);
    for (int I = 0; I < 400; ++I)
        Texts.push_back(Maker.Make());
    for (const std::string& Typed : Texts)
        CheckBothReadings(Typed);
}

TEST(ReadExpression, ShowsWhereAndWhyReadingStops)
{
    struct Case {
        const char* Typed;
        int32_t Column;
        const char* Hint;  // a part of the reason or its hint
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
        const std::string Said = R.Reason + "; " + R.Hint;
        EXPECT_NE(Said.find(C.Hint), std::string::npos) << "'" << C.Typed << "': " << Said;
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
