#include "MainUnit/Calculation/Calculation.h"

#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/Sampling.h"
#include "MainUnit/Calculation/Statistics.h"

#include <cstddef>

namespace MainUnit {

bool CalculateResults(TResultSet& Results, const TCalculationRequest& Request,
                      const TGridPlan& Plan)
{
    const size_t Entries = static_cast<size_t>(Plan.Cols) * static_cast<size_t>(Plan.Rows);
    const bool Fits =
        Plan.Ok && Request.Expression != nullptr && Results.Points.size() == Entries &&
        (Request.SquareOrder ||
         (Request.RequestedCount >= 0 && static_cast<size_t>(Request.RequestedCount) <= Entries));
    if (!Fits) {
        ReleasePoints(Results);
        return false;
    }
    CopyIntervals(Request, Results);
    if (Request.SquareOrder) {
        FillSquareOrder(Results, Plan.Cols, Plan.Rows);
    } else {
        FillRandomOrder(Results, Request.RequestedCount, Request.RandomSeed);
    }
    TYRange Range;
    if (!EvaluatePoints(Results, Request.Expression, Range, Request.SquareOrder ? Plan.Rows : 0,
                        Request.Cores)) {
        ReleasePoints(Results);
        return false;
    }
    ClipYInterval(Results, Range);
    Results.BoundingRadius = CalcBoundingRadius(Results);
    return true;
}

}  // namespace MainUnit
