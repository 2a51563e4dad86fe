// The two sampling orders of a calculation: the nearly square grid and the
// uniform random pairs, with the random generator that the latter uses.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"

#include <cstdint>

namespace MainUnit {

// 32-bit linear congruential generator; the caller seeds it.
struct TRandomGenerator {
    uint32_t State = 0;
};

// Milliseconds since midnight, the seed of a random fill, from a clock
// reading in universal time.
uint32_t RandomSeedFromClock(int32_t Hour, int32_t Minute, int32_t Second, int32_t Millisecond);

// Advances the generator and returns the new state times 2^-32, in [0, 1).
double NextRandom(TRandomGenerator& Generator);

// X and Z of entries 0 .. Cols x Rows - 1 on the grid over the stored X and Z
// intervals: entry i x Rows + j is column i (X) and row j (Z). Sets
// PointCount to Cols x Rows. Does nothing when Points is too small.
void FillSquareOrder(TResultSet& Results, int32_t Cols, int32_t Rows);

// X and Z of entries 0 .. Count - 1 drawn uniformly from [From, To) of the
// stored intervals, X first, from a generator seeded with Seed. Sets
// PointCount to Count; later entries keep what they held. Does nothing when
// Points is too small.
void FillRandomOrder(TResultSet& Results, int32_t Count, uint32_t Seed);

}  // namespace MainUnit
