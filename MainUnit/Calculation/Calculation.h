// The work of one calculation once its settings are checked and its storage
// reserved: place the pairs, evaluate, derive the statistics. No window, no
// messages; the window brackets it with its busy state.
#pragma once

#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Cores.h"

#include <cstdint>

namespace MainUnit {

// The intervals: each pair ordered From <= To, an empty Y end as -1.7e308 / +1.7e308.
struct TCalculationRequest : TIntervalBox {
    int32_t RequestedCount = 0;  // N, the points of the random order
    bool SquareOrder = true;
    uint32_t RandomSeed = 0;           // RandomSeedFromClock of the moment of the press
    const char* Expression = nullptr;  // blank-free, well formed, at most 255 characters
    TCores Cores = TCores::Machine;    // threads of the evaluation (same results either way)
};

// Stores the intervals, fills the pairs in the requested order, evaluates
// every point, clips the Y interval and sets BoundingRadius. Points must have
// been reserved for Plan by ReservePoints. False, with the result set
// released, when the request does not fit the reserved storage or the
// expression is too long; the window then reports it like a memory failure.
bool CalculateResults(TResultSet& Results, const TCalculationRequest& Request,
                      const TGridPlan& Plan);

}  // namespace MainUnit
