// The whole calculation core (fill, evaluate, statistics) for a 1000 x 1000
// square grid and for 10^6 random pairs, with the fast evaluation loop and,
// for scale, the text loop on a tenth of the points.
#include "MainUnit/Calculation/Calculation.h"
#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Calculation/Sampling.h"
#include "Timing.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace MainUnit;

TCalculationRequest Request(int32_t Count, bool Square, const char* Expression)
{
    TCalculationRequest R;
    R.RequestedCount = Count;
    R.XIntervalFrom = R.ZIntervalFrom = -10;
    R.XIntervalTo = R.ZIntervalTo = 10;
    R.YIntervalFrom = -1.7e308;
    R.YIntervalTo = 1.7e308;
    R.SquareOrder = Square;
    R.RandomSeed = 43200000;  // noon
    R.Expression = Expression;
    return R;
}

// Arguments: order (1 square, 0 random), cores (0 one, 1 two). For 10^6
// points, milliseconds are nanoseconds per point. 999999 requested points give the
// 1000 x 1000 grid; the random order fills 999999 of its entries.
void BM_Calculation(benchmark::State& State)
{
    const bool Square = State.range(0) != 0;
    TCalculationRequest Req = Request(999999, Square, "sin(x)*cos(z)");
    Req.Cores = State.range(1) != 0 ? TCores::Machine : TCores::One;
    const TGridPlan Plan = PlanGrid(Req.RequestedCount, -10, 10, -10, 10);
    TResultSet Results;
    if (!ReservePoints(Results, Plan)) {
        State.SkipWithError("no memory for the grid");
        return;
    }
    for (auto _ : State) {
        CalculateResults(Results, Req, Plan);
        benchmark::DoNotOptimize(Results.Points.data());
    }
    State.counters["points"] = Results.PointCount;
}

// The evaluation loops alone on a 316 x 316 grid (about 10^5 points):
// milliseconds times 10 are nanoseconds per point.
template <bool Fast> void BM_EvaluationLoop(benchmark::State& State)
{
    TResultSet Results;
    Results.XIntervalFrom = Results.ZIntervalFrom = -10;
    Results.XIntervalTo = Results.ZIntervalTo = 10;
    Results.Points.resize(316 * 316);
    FillSquareOrder(Results, 316, 316);
    for (auto _ : State) {
        TYRange Range;
        if (Fast) {
            EvaluatePoints(Results, "sin(x)*cos(z)", Range, 316);
        } else {
            EvaluatePointsByText(Results, "sin(x)*cos(z)", Range);
        }
        benchmark::DoNotOptimize(Range);
    }
}

}  // namespace

// Time is wall-clock time; CPU is that of all threads, so on a busy machine
// the one-core CPU time is the figure to read.
BENCHMARK(BM_Calculation)
    ->ArgsProduct({{1, 0}, {0, 1}})
    ->ArgNames({"square", "twocores"})
    ->Apply(InMillisecondsOfWallAndProcessor);
BENCHMARK_TEMPLATE(BM_EvaluationLoop, true)->Apply(InMillisecondsOfWallAndProcessor);
BENCHMARK_TEMPLATE(BM_EvaluationLoop, false)->Apply(InMillisecondsOfWallAndProcessor);
