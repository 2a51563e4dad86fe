// The compiled evaluation loop must store exactly the bits of the text loop,
// and find the same Y range, in either sampling order.
#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/Sampling.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace MainUnit;
using SolveExp::SameBits;

namespace {

TResultSet Filled(bool Square, double From, double To, int32_t Cols, int32_t Rows, uint32_t Seed)
{
    TResultSet R;
    R.XIntervalFrom = From;
    R.XIntervalTo = To;
    R.ZIntervalFrom = From * 0.5;
    R.ZIntervalTo = To * 1.5;
    R.Points.resize(static_cast<size_t>(Cols) * Rows);
    if (Square) {
        FillSquareOrder(R, Cols, Rows);
    } else {
        FillRandomOrder(R, Cols * Rows, Seed);
    }
    return R;
}

struct TComparison {
    int Differences = 0;  // Ys of either fast evaluation not the bits of the text path's
    int Defined = 0;      // defined Ys of the text path
};

// Evaluates through the text path and the fast path, the latter on one
// thread and split over two whatever the machine has.
TComparison CompareLoops(const TResultSet& Start, const std::string& Expression, int32_t ZPeriod)
{
    TResultSet Text = Start;
    TYRange TextRange;
    EXPECT_TRUE(EvaluatePointsByText(Text, Expression.c_str(), TextRange));
    TComparison Result;
    for (const Proc3D::TPoint3D& P : Text.Points)
        Result.Defined += !SameBits(P.Y, SolveExp::UndefinedValue);
    for (TCores Cores : {TCores::One, TCores::Two}) {
        TResultSet Fast = Start;
        TYRange FastRange;
        EXPECT_TRUE(EvaluatePoints(Fast, Expression.c_str(), FastRange, ZPeriod, Cores));
        for (size_t I = 0; I < Fast.Points.size(); ++I)
            Result.Differences += !SameBits(Fast.Points[I].Y, Text.Points[I].Y);
        EXPECT_EQ(FastRange.AnyDefined, TextRange.AnyDefined) << Expression;
        EXPECT_TRUE(SameBits(FastRange.Ymin, TextRange.Ymin)) << Expression;
        EXPECT_TRUE(SameBits(FastRange.Ymax, TextRange.Ymax)) << Expression;
    }
    return Result;
}

TEST(FastEvaluation, BenchmarkSetMatchesTextPath)
{
    const std::string Set[] = {
        "sin(x)*cos(z)",
        "sin(x)*cos(z)+sqrt(abs(x*z))",
        "loge(abs(x*z)+1)-exp((0-1)*abs(x))",
        "1/(x-z)",
        "fac(abs(x))/(z*z+1)",
        "x*0+0-5.3708672518493e-131",  // the reserved pattern: stored as undefined
        "x+z+x+z+x+z+x+z+x+z",         // ten letters
        "x+z+x+z+x+z+x+z+x+z+x",       // eleven: no point can be written out
        "asin(x/20)+acos(z/30)*exp(x)",
        "0-x",
    };
    // 7 x 9 stays on one core; 230 x 220 is split over two, for the first two
    // expressions (the text path is slow).
    const int32_t Grids[][3] = {{7, 9, 10}, {230, 220, 2}};
    for (const auto& Grid : Grids) {
        for (bool Square : {true, false}) {
            const TResultSet R = Filled(Square, -10, 10, Grid[0], Grid[1], 777);
            for (int K = 0; K < Grid[2]; ++K) {
                EXPECT_EQ(CompareLoops(R, Set[K], Square ? Grid[1] : 0).Differences, 0)
                    << Set[K] << (Square ? " square" : " random");
            }
        }
    }
}

// Random expressions of the language, mostly well formed, at random points
// of every magnitude.
std::string RandomExpression(std::mt19937& Random, int Depth)
{
    static const char* const Functions[] = {"sin",  "cos", "exp",  "asin", "acos",
                                            "loge", "fac", "sqrt", "abs",  ""};
    static const char* const Numbers[] = {"1", "0", "2.5", "1e300", "3e-5", ".5", "170", "1e308"};
    static const char* const Operators[] = {"+", "-", "*", "/"};
    std::uniform_int_distribution<int> Pick(0, 99);
    std::string Text = Pick(Random) < 15 ? "-" : "";
    const int Terms = 1 + Pick(Random) % 3;
    for (int T = 0; T < Terms; ++T) {
        if (T > 0) Text += Operators[Pick(Random) % 4];
        const int Kind = Pick(Random);
        if (Kind < 30) {
            Text += Pick(Random) % 2 ? "x" : "Z";
        } else if (Kind < 50 || Depth > 3) {
            Text += Numbers[Pick(Random) % 8];
        } else {
            Text += std::string(Functions[Pick(Random) % 10]) + "(" +
                    RandomExpression(Random, Depth + 1) + ")";
        }
    }
    if (Pick(Random) == 0) Text += "+";  // now and then malformed
    return Text.size() <= 255 ? Text : "x";
}

TEST(FastEvaluation, RandomExpressionsMatchTextPath)
{
    std::mt19937 Random(2024);
    const double Spans[][2] = {{-10, 10}, {-1e-20, 1e-20}, {-1e200, 1e200}, {0, 3}, {-171, 171}};
    // Cases whose points are all undefined, partly defined and all defined:
    // a generator or an evaluator that left most of them undefined would
    // compare nothing but the reserved value.
    int Cases[3] = {0, 0, 0};
    for (int Case = 0; Case < 400; ++Case) {
        const auto& Span = Spans[Case % 5];
        const bool Square = Case % 2 == 0;
        const TResultSet R = Filled(Square, Span[0], Span[1], 6, 5, static_cast<uint32_t>(Case));
        const std::string E = RandomExpression(Random, 0);
        const TComparison C = CompareLoops(R, E, Square ? 5 : 0);
        EXPECT_EQ(C.Differences, 0) << E;
        ++Cases[C.Defined == 0 ? 0 : C.Defined < 30 ? 1 : 2];
    }
    EXPECT_GE(Cases[0], 40);
    EXPECT_GE(Cases[1], 40);
    EXPECT_GE(Cases[2], 40);
}

}  // namespace
