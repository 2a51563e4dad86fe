#include "MainUnit/Calculation/Sampling.h"

#include <cstddef>

namespace MainUnit {

uint32_t RandomSeedFromClock(int32_t Hour, int32_t Minute, int32_t Second, int32_t Millisecond)
{
    // Computed modulo 2^32 so that no reading, however odd, overflows.
    const uint32_t Seconds =
        (static_cast<uint32_t>(Hour) * 60u + static_cast<uint32_t>(Minute)) * 60u +
        static_cast<uint32_t>(Second);
    return Seconds * 1000u + static_cast<uint32_t>(Millisecond);
}

double NextRandom(TRandomGenerator& Generator)
{
    Generator.State = Generator.State * 134775813u + 1u;  // unsigned: wraps modulo 2^32
    return static_cast<double>(Generator.State) * 0x1p-32;
}

namespace {

// Distance between neighbouring grid lines, rounded to double before use.
double GridStep(double From, double To, int32_t Lines)
{
    if (Lines == 1) return 0.0;
    return static_cast<double>((static_cast<long double>(To) - From) / (Lines - 1));
}

}  // namespace

void FillSquareOrder(TResultSet& Results, int32_t Cols, int32_t Rows)
{
    if (Cols < 1 || Rows < 1) return;
    const size_t Entries = static_cast<size_t>(Cols) * static_cast<size_t>(Rows);
    if (Results.Points.size() < Entries) return;
    const double StepX = GridStep(Results.XIntervalFrom, Results.XIntervalTo, Cols);
    const double StepZ = GridStep(Results.ZIntervalFrom, Results.ZIntervalTo, Rows);
    Proc3D::TPoint3D* Entry = Results.Points.data();
    for (int32_t I = 0; I < Cols; ++I) {
        const double X =
            static_cast<double>(static_cast<long double>(I) * StepX + Results.XIntervalFrom);
        for (int32_t J = 0; J < Rows; ++J, ++Entry) {
            Entry->X = X;
            Entry->Z =
                static_cast<double>(static_cast<long double>(J) * StepZ + Results.ZIntervalFrom);
        }
    }
    Results.PointCount = static_cast<int32_t>(Entries);
}

void FillRandomOrder(TResultSet& Results, int32_t Count, uint32_t Seed)
{
    if (Count < 0 || Results.Points.size() < static_cast<size_t>(Count)) return;
    TRandomGenerator Generator{Seed};
    const double WidthX =
        static_cast<double>(static_cast<long double>(Results.XIntervalTo) - Results.XIntervalFrom);
    const double WidthZ =
        static_cast<double>(static_cast<long double>(Results.ZIntervalTo) - Results.ZIntervalFrom);
    for (int32_t K = 0; K < Count; ++K) {
        Proc3D::TPoint3D& Entry = Results.Points[static_cast<size_t>(K)];
        Entry.X = static_cast<double>(NextRandom(Generator) * static_cast<long double>(WidthX) +
                                      Results.XIntervalFrom);
        Entry.Z = static_cast<double>(NextRandom(Generator) * static_cast<long double>(WidthZ) +
                                      Results.ZIntervalFrom);
    }
    Results.PointCount = Count;
}

}  // namespace MainUnit
