// Expression evaluation per point: the text path (copy, substitute, parse)
// against the compiled program, and a bare C++ loop as the limit.
#include "MainUnit/Calculation/ExpressionLimits.h"
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/SolveExp.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {
using namespace SolveExp;

constexpr int PointsPerBatch = 1024;

const char* const Expressions[] = {
    "sin(x)*cos(z)",
    "sin(x)*cos(z)+sqrt(abs(x*z))",
    "loge(abs(x*z)+1)-exp((0-1)*abs(x))",
    "1/(x-z)",
    "fac(abs(x))/(z*z+1)",
    // 200 characters, ten parameter letters.
    "sin(x)*cos(z)+sqrt(abs(x*z))/(1.5+exp((0-1)*abs(x)))-loge(abs(z)+1.25)*cos(0.5*x)"
    "+fac(abs(z)*2.5)/(12.5+sqrt(16.25))+asin(0.75*sin(x))*acos(0.5*cos(z))"
    "-(2.5*3.5-1.125)/(3.25+abs(0-1.75))*(1.375+2.625)",
};

// Points of a grid over [-3, 3] x [-3, 3], in row order.
struct TPoints {
    std::vector<double> X, Z;
    TPoints() : X(PointsPerBatch), Z(PointsPerBatch)
    {
        std::mt19937_64 Rng(1);
        std::uniform_real_distribution<double> Value(-3.0, 3.0);
        for (int i = 0; i < PointsPerBatch; ++i) {
            X[i] = Value(Rng);
            Z[i] = Value(Rng);
        }
    }
};

void PerPoint(benchmark::State& State)
{
    State.counters["per_point"] =
        benchmark::Counter(PointsPerBatch, benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
}

void TextPath(benchmark::State& State)
{
    const char* Text = Expressions[State.range(0)];
    const TPoints Points;
    const size_t Length = std::strlen(Text);
    char Buffer[MainUnit::WorkBufferSize];
    for (auto _ : State)
        for (int i = 0; i < PointsPerBatch; ++i) {
            std::memcpy(Buffer, Text, Length + 1);
            SubstituteParameters(Buffer, SubstitutionCapacity(static_cast<int32_t>(Length)),
                                 Points.X[i], Points.Z[i]);
            benchmark::DoNotOptimize(EvaluateExpression(Buffer));
        }
    PerPoint(State);
}

struct TRounded {
    std::vector<TParamValue> X, Z;
    explicit TRounded(const TPoints& Points) : X(PointsPerBatch), Z(PointsPerBatch)
    {
        for (int i = 0; i < PointsPerBatch; ++i) {
            X[i] = RoundParameter(Points.X[i]);
            Z[i] = RoundParameter(Points.Z[i]);
        }
    }
};

// The fast path: parameters rounded once per distinct value (as on a square
// grid, where there are only Cols + Rows of them), points evaluated in batches.
void FastPath(benchmark::State& State)
{
    const TCompiledExpression Program = Compile(Expressions[State.range(0)]);
    const TPoints Points;
    const TRounded Rounded(Points);
    std::vector<double> Y(PointsPerBatch);
    for (auto _ : State) {
        EvaluateMany(Program, Rounded.X.data(), Rounded.Z.data(), Y.data(), PointsPerBatch);
        benchmark::DoNotOptimize(Y.data());
        benchmark::ClobberMemory();
    }
    PerPoint(State);
}

// The compiled program one point at a time.
void FastPathSinglePoints(benchmark::State& State)
{
    const TCompiledExpression Program = Compile(Expressions[State.range(0)]);
    const TPoints Points;
    const TRounded Rounded(Points);
    for (auto _ : State)
        for (int i = 0; i < PointsPerBatch; ++i)
            benchmark::DoNotOptimize(Evaluate(Program, Rounded.X[i], Rounded.Z[i]));
    PerPoint(State);
}

// Both parameters rounded at every point, as in the random order.
void FastPathRoundingEachPoint(benchmark::State& State)
{
    const TCompiledExpression Program = Compile(Expressions[State.range(0)]);
    const TPoints Points;
    std::vector<TParamValue> X(PointsPerBatch), Z(PointsPerBatch);
    std::vector<double> Y(PointsPerBatch);
    for (auto _ : State) {
        for (int i = 0; i < PointsPerBatch; ++i) {
            X[i] = RoundParameter(Points.X[i]);
            Z[i] = RoundParameter(Points.Z[i]);
        }
        EvaluateMany(Program, X.data(), Z.data(), Y.data(), PointsPerBatch);
        benchmark::DoNotOptimize(Y.data());
        benchmark::ClobberMemory();
    }
    PerPoint(State);
}

// The limit: sin(x)*cos(z)+sqrt(abs(x*z)) straight in C++ with the same
// library functions.
void BareLoop(benchmark::State& State)
{
    const TPoints Points;
    for (auto _ : State)
        for (int i = 0; i < PointsPerBatch; ++i) {
            const double x = Points.X[i], z = Points.Z[i];
            benchmark::DoNotOptimize(std::sin(x) * std::cos(z) + std::sqrt(std::fabs(x * z)));
        }
    PerPoint(State);
}

void RoundParameterOnly(benchmark::State& State)
{
    const TPoints Points;
    for (auto _ : State)
        for (int i = 0; i < PointsPerBatch; ++i)
            benchmark::DoNotOptimize(RoundParameter(Points.X[i]));
    PerPoint(State);
}

constexpr int ExpressionCount = static_cast<int>(std::size(Expressions));

// On a shared machine the fastest of several repetitions is the steadiest
// figure: run with --benchmark_repetitions=5 to get it beside the mean.
double Fastest(const std::vector<double>& Values)
{
    return *std::min_element(Values.begin(), Values.end());
}

}  // namespace

BENCHMARK(TextPath)->DenseRange(0, ExpressionCount - 1)->ComputeStatistics("min", Fastest);
BENCHMARK(FastPath)->DenseRange(0, ExpressionCount - 1)->ComputeStatistics("min", Fastest);
BENCHMARK(FastPathSinglePoints)
    ->DenseRange(0, ExpressionCount - 1)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(FastPathRoundingEachPoint)
    ->DenseRange(0, ExpressionCount - 1)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(BareLoop)->ComputeStatistics("min", Fastest);
BENCHMARK(RoundParameterOnly)->ComputeStatistics("min", Fastest);
