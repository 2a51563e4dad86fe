#include "MainUnit/CalculationDriver.h"

#include "MainUnit/Calculation.h"
#include "MainUnit/NumberText.h"
#include "MainUnit/Statistics.h"

namespace MainUnit {

namespace {

TCalculationOutcome GiveUpSet(TResultSet& Results, TRefusal Refusal)
{
    ReleasePoints(Results);
    return {Refusal, true, {}};
}

}  // namespace

TCalculationOutcome PrepareCalculation(const TCalculationSettings& Settings, TResultSet& Results,
                                       TCalculationPlan& Plan)
{
    const TRefusal Refusal = CheckFunctionSettings(Settings.Texts, Plan.Settings);
    if (Refusal != TRefusal::None) return {Refusal, false, {}};
    const TFunctionSettings& Checked = Plan.Settings;
    Plan.Grid = PlanGrid(Checked.PointCount, Checked.XIntervalFrom, Checked.XIntervalTo,
                         Checked.ZIntervalFrom, Checked.ZIntervalTo);
    Plan.SquareOrder = Settings.SquareOrder;
    Plan.RandomSeed = Settings.RandomSeed;
    Plan.Cores = Settings.Cores;
    // Widths that overflow and grids beyond 32 bits or beyond memory end
    // here, before anything of the old set is replaced but its storage; the
    // warning about a set too large to be shown comes first and keeps it.
    if (Plan.Grid.Ok && !IntervalsShowable(Checked)) return {TRefusal::ResultsTooLarge, false, {}};
    if (!Plan.Grid.Ok || !GridFitsMemory(Plan.Grid, Settings.AvailableMemory) ||
        !ReservePoints(Results, Plan.Grid))
        return GiveUpSet(Results, TRefusal::CannotAllocate);
    return {};
}

TCalculationOutcome RunCalculation(const TCalculationPlan& Plan, std::string_view DistanceText,
                                   TResultSet& Results)
{
    TCalculationRequest Request =
        MakeCalculationRequest(Plan.Settings, Plan.SquareOrder, Plan.RandomSeed);
    Request.Cores = Plan.Cores;
    if (!CalculateResults(Results, Request, Plan.Grid))
        return GiveUpSet(Results, TRefusal::CannotAllocate);
    // Results far beyond the intervals can still make the radius too large.
    if (!IsShowableRadius(Results.BoundingRadius))
        return GiveUpSet(Results, TRefusal::ResultsTooLarge);
    // A distance that is no number, not beyond the new radius or a thousand
    // radii away or more becomes 1.5 radii.
    double Distance = 0;
    const bool DistanceValid = ReadReal(DistanceText, Distance);
    const TDistanceCorrection Correction =
        CorrectCameraDistance(Results.BoundingRadius, DistanceValid, Distance);
    TCalculationOutcome Outcome;
    if (Correction.Replace) Outcome.NewDistance = FormatReal(Correction.Distance);
    return Outcome;
}

}  // namespace MainUnit
