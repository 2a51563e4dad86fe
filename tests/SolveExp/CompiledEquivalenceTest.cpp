// The compiled evaluation against the text path: identical bits for random
// expressions (well formed, malformed, undefined in places) at random points.
#include "ExpectBits.h"
#include "SolveExp/CompiledExpression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {
using namespace SolveExp;

// What the calculation does per point without the compiled form.
double TextPath(const std::string& Text, double X, double Z)
{
    std::vector<char> Buffer(Text.size() + 10 * ParamTextGrowth + 1);
    std::memcpy(Buffer.data(), Text.c_str(), Text.size() + 1);
    SubstituteParameters(Buffer.data(), static_cast<int32_t>(Buffer.size()), X, Z);
    return EvaluateExpression(Buffer.data());
}

class ExpressionMaker {
public:
    explicit ExpressionMaker(uint64_t Seed) : Rng(Seed) {}

    std::string Make()
    {
        std::string Text = Level(0);
        for (int Edits = Pick(4) == 0 ? 1 + Pick(2) : 0; Edits > 0; --Edits)
            Damage(Text);
        return Text;
    }

private:
    std::mt19937_64 Rng;

    int Pick(int n) { return static_cast<int>(Rng() % static_cast<uint64_t>(n)); }

    std::string AnyCase(const char* Name)
    {
        std::string s(Name);
        for (char& c : s)
            if (Pick(2) == 0) c = static_cast<char>(c - 'a' + 'A');
        return s;
    }

    std::string Number()
    {
        static const char* Literals[] = {"0",
                                         "1",
                                         "2",
                                         "0.5",
                                         ".5",
                                         "3e",
                                         "2E-",
                                         "1e+3",
                                         "1e400",
                                         "1.2.3",
                                         "1.69e308",
                                         "1.7e308",
                                         "709",
                                         "710",
                                         "170",
                                         "171",
                                         "1e-200",
                                         "5.3708672518493e-131",
                                         "2.1708472458605e240",
                                         "1e5000",
                                         ".",
                                         "12.75",
                                         "9223372036854775808",
                                         "1e-5000"};
        if (Pick(3) == 0) return std::to_string(Pick(200));
        return Literals[Pick(static_cast<int>(std::size(Literals)))];
    }

    std::string Operand(int Depth)
    {
        static const char* Functions[] = {"sin",  "cos",  "exp", "loge", "fac",
                                          "asin", "acos", "abs", "sqrt"};
        const int Kind = Depth > 4 ? Pick(2) : Pick(5);
        switch (Kind) {
        case 0:
            return Number();
        case 1:
            return std::string(1, "xXzZ"[Pick(4)]);
        case 2:
            return "(" + Level(Depth + 1) + ")";
        default:
            return AnyCase(Functions[Pick(9)]) + "(" + Level(Depth + 1) + ")";
        }
    }

    std::string Level(int Depth)
    {
        std::string Text = Pick(4) == 0 ? "-" : "";
        const int Count = 1 + Pick(Depth == 0 ? 4 : 3);
        for (int i = 0; i < Count; ++i) {
            if (i > 0) Text += "+-*/"[Pick(4)];
            Text += Operand(Depth);
        }
        return Text;
    }

    void Damage(std::string& Text)
    {
        static const char Pieces[] = "+-*/()xz.e1";
        const size_t At =
            Text.empty() ? 0 : static_cast<size_t>(Pick(static_cast<int>(Text.size())));
        switch (Pick(3)) {
        case 0:
            Text.insert(At, 1, Pieces[Pick(static_cast<int>(sizeof Pieces - 1))]);
            break;
        case 1:
            if (!Text.empty()) Text.erase(At, 1);
            break;
        default:
            Text.insert(At, Text.substr(At, 3));
            break;
        }
    }
};

// Ordinary: only magnitudes an exploring user types, so that whole batches
// take the vector arithmetic rather than the point-by-point fallback.
double RandomPoint(std::mt19937_64& Rng, bool Ordinary = false)
{
    static const double Special[] = {0.0,
                                     -0.0,
                                     1.0,
                                     -1.0,
                                     1.7e308,
                                     -1.7e308,
                                     1.6999999999999e308,
                                     1.69999999999995e308,
                                     std::numeric_limits<double>::max(),
                                     -std::numeric_limits<double>::max(),
                                     std::numeric_limits<double>::denorm_min(),
                                     -2.5e-310,
                                     std::numeric_limits<double>::min(),
                                     99999999999999.5,
                                     12345678901234.5,
                                     -0.000099999999999995,
                                     1e-14,
                                     9.99999999999995e40,
                                     SyntaxErrorValue,
                                     UndefinedValue,
                                     709.78,
                                     170.5,
                                     1e19,
                                     -9.2233720368547758e18,
                                     std::numeric_limits<double>::infinity(),
                                     std::nan("")};  // these two cannot be written
    switch (Ordinary ? 5 : Rng() % 6) {
    case 0:
        return Special[Rng() % std::size(Special)];
    case 1:  // any finite bit pattern
        return SolveExpTest::RandomFiniteDouble(Rng);
    case 2:
        return std::ldexp(static_cast<double>(Rng() % 2000001) - 1e6,
                          -static_cast<int>(Rng() % 30));
    default: {  // ordinary magnitudes with random signs
        std::uniform_real_distribution<double> Mantissa(-10.0, 10.0);
        return Mantissa(Rng) * std::pow(10.0, static_cast<double>(Rng() % 41) - 20);
    }
    }
}

TEST(CompiledExpression, SameBitsAsTheTextPath)
{
    ExpressionMaker Maker(20240611);
    std::mt19937_64 Rng(7);
    int Defined = 0, Syntax = 0, Undefined = 0;
    constexpr int Points = 70;  // more than one batch
    for (int e = 0; e < 1000; ++e) {
        const std::string Text = Maker.Make();
        const TCompiledExpression Program = Compile(Text.c_str());
        std::vector<double> X(Points), Z(Points), Many(Points), Row(Points), Column(Points);
        std::vector<TParamValue> RoundedX(Points), RoundedZ(Points);
        for (int p = 0; p < Points; ++p) {
            X[p] = RandomPoint(Rng, e % 2 == 1);
            Z[p] =
                p % 10 == 0 ? RandomPoint(Rng, e % 2 == 1) : Z[0];  // runs of equal Z for the row
            RoundedX[p] = RoundParameter(X[p]);
            RoundedZ[p] = RoundParameter(Z[p]);
        }
        EvaluateMany(Program, RoundedX.data(), RoundedZ.data(), Many.data(), Points);
        EvaluateRow(Program, RoundedX.data(), RoundedZ[0], Row.data(), Points);
        EvaluateColumn(Program, RoundedX[0], RoundedZ.data(), Column.data(), Points);
        for (int p = 0; p < Points; ++p) {
            const double Expected = TextPath(Text, X[p], Z[p]);
            const std::string Where = "'" + Text + "' at X = " + SolveExpTest::Describe(X[p]) +
                                      ", Z = " + SolveExpTest::Describe(Z[p]);
            EXPECT_SAME_BITS(Evaluate(Program, X[p], Z[p]), Expected) << Where;
            EXPECT_SAME_BITS(Many[p], Expected) << Where << " (batch)";
            EXPECT_SAME_BITS(Row[p], TextPath(Text, X[p], Z[0])) << Where << " (row)";
            EXPECT_SAME_BITS(Column[p], TextPath(Text, X[0], Z[p])) << Where << " (column)";
            Syntax += Expected == SyntaxErrorValue;
            Undefined += Expected == UndefinedValue;
            Defined += Expected != SyntaxErrorValue && Expected != UndefinedValue;
        }
        if (HasFailure()) break;
    }
    // The mix must exercise all three kinds of result.
    EXPECT_GT(Defined, 10000);
    EXPECT_GT(Syntax, 10000);
    EXPECT_GT(Undefined, 10000);
}

TEST(CompiledExpression, FixedCases)
{
    struct Case {
        const char* Text;
        double X, Z;
    };
    const double Inf = std::numeric_limits<double>::infinity();
    const Case Cases[] = {
        {"sin(x)*cos(z)+sqrt(abs(x*z))", 1.5, -2.25},
        {"sinx*cosz", 0.5, 0.25},
        {"exp(x)+EXP(X)+eXp(Z)", 1, 2},
        {"loge(x-1)+", 1, 1},
        {"1/(x-z)*", 1, 1},
        {"x+z+x+z+x+z+x+z+x+z", -1e-300, 1e300},
        {"x+z+x+z+x+z+x+z+x+z+x", 1, 1},
        {"1/0+x+z+x+z+x+z+x+z+x+z+x", 1, 1},
        {"2x", 1, 1},
        {"x", 1.7e308, 0},
        {"z*0+x", 0, 1.7e308},
        {"x", -0.0, 0},
        {"(x)*(0-1)", 0, 0},
        {"x*(0-1)", 0, 0},
        {"x", SyntaxErrorValue, 0},
        {"sin(x)", UndefinedValue, 0},
        {"x+1", Inf, 0},
        {"1/0+x", std::nan(""), 0},
        {"z+x", 1, -Inf},
        {"", 1, 1},
        {"fac(x)", 170.5, 0},
        {"acos(x)*asin(z)", -1, 1},
        {"x*1e308*z", 10, 10},
        {"1e-308/x", 1e10, 0},
    };
    for (const Case& c : Cases) {
        const TCompiledExpression Program = Compile(c.Text);
        EXPECT_SAME_BITS(Evaluate(Program, c.X, c.Z), TextPath(c.Text, c.X, c.Z))
            << "'" << c.Text << "' at " << c.X << ", " << c.Z;
    }
    EXPECT_SAME_BITS(Evaluate(Compile(nullptr), 1, 1), SyntaxErrorValue);
    // A program whose code could not be built evaluates by its text.
    TCompiledExpression Uncompiled;
    Uncompiled.Text = "sin(x)/z";
    EXPECT_SAME_BITS(Evaluate(Uncompiled, 1.25, 0.5), TextPath("sin(x)/z", 1.25, 0.5));
    double Y[3] = {};
    const TParamValue Xs[3] = {RoundParameter(1), RoundParameter(2), RoundParameter(3)};
    EvaluateRow(Uncompiled, Xs, RoundParameter(0.0), Y, 3);
    EXPECT_SAME_BITS(Y[2], UndefinedValue);
}

TEST(CompiledExpression, NestingAsInTheTextPath)
{
    for (size_t Depth : {size_t{MaxNestingDepth} - 1, size_t{MaxNestingDepth},
                         size_t{MaxNestingDepth} + 1, size_t{200000}}) {
        const std::string Text = std::string(Depth, '(') + "x" + std::string(Depth, ')');
        EXPECT_SAME_BITS(Evaluate(Compile(Text.c_str()), 2, 3), TextPath(Text, 2, 3)) << Depth;
    }
}

TEST(RoundParameter, SameValueAsWritingAndReadingBack)
{
    std::mt19937_64 Rng(99);
    for (int i = 0; i < 200000; ++i) {
        const double V = i % 2 == 0 ? RandomPoint(Rng)
                                    : std::ldexp(1.0 + static_cast<double>(Rng() % 4096) / 4096,
                                                 static_cast<int>(Rng() % 300) - 150);
        const TParamValue P = RoundParameter(V);
        ASSERT_EQ(P.Finite, std::isfinite(V));
        if (!P.Finite) continue;
        EXPECT_SAME_BITS(P.Value, TextPath("x", V, 0)) << SolveExpTest::Describe(V);
        EXPECT_EQ(P.Stops, P.Value == SyntaxErrorValue || P.Value == UndefinedValue)
            << SolveExpTest::Describe(V);
        if (HasFailure()) break;
    }
}

}  // namespace
