// How Tessel's benchmarks report time: milliseconds of the wall clock, with
// the process's processor time beside it (on a busy machine the figure to
// read), so that every figure of one run can be set against another.
#pragma once

#include <benchmark/benchmark.h>

inline void InMillisecondsOfWallAndProcessor(benchmark::internal::Benchmark* Benchmark)
{
    Benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}
