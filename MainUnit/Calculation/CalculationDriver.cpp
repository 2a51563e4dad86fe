#include "MainUnit/Calculation/CalculationDriver.h"

#include "MainUnit/Calculation/Calculation.h"
#include "MainUnit/Calculation/Statistics.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Text/NumberText.h"

namespace MainUnit {

namespace {

TCalculationOutcome GiveUpSet(TResultSet& Results, TRefusal Refusal)
{
    ReleasePoints(Results);
    return {Refusal, true, {}, {}};
}

}  // namespace

TCalculationOutcome PrepareCalculation(const TCalculationSettings& Settings, TResultSet& Results,
                                       TCalculationPlan& Plan)
{
    const TRefusal Refusal = CheckFunctionSettings(Settings.Texts, Plan.Settings);
    if (Refusal != TRefusal::None) return {Refusal, false, {}, {}};
    const TFunctionSettings& Checked = Plan.Settings;
    Plan.Grid = PlanGrid(Checked.PointCount, Checked.XIntervalFrom, Checked.XIntervalTo,
                         Checked.ZIntervalFrom, Checked.ZIntervalTo);
    Plan.SquareOrder = Settings.SquareOrder;
    Plan.RandomSeed = Settings.RandomSeed;
    Plan.Cores = Settings.Cores;
    Plan.Box = Settings.Box;
    // Widths that overflow and grids beyond 32 bits or beyond memory end
    // here, before anything of the old set is replaced but its storage; the
    // warning about a set too large to be shown comes first and keeps it.
    if (Plan.Grid.WidthsFinite && !IntervalsShowable(Checked))
        return {TRefusal::ResultsTooLarge, false, {}, {}};
    if (!Plan.Grid.WidthsFinite) return {TRefusal::IntervalWidth, false, {}, {}};
    // A grid beyond 32 bits is one that no memory holds.
    if (!Plan.Grid.Ok ||
        !JobFitsMemory(Plan.Grid, Settings.Output, Settings.AvailableMemory, Settings.Picture) ||
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
    // With the box, the distance is kept outside the cube's radius.
    TCalculationOutcome Outcome;
    Outcome.GridNote = GridSizeNote(Plan.Settings.PointCount, Plan.Grid, Plan.SquareOrder);
    Outcome.NewDistance = CorrectedDistanceText(DistanceText, ViewRadius(Results, Plan.Box));
    return Outcome;
}

std::string CorrectedDistanceText(std::string_view DistanceText, double Radius)
{
    // A distance that is no number, not beyond the radius or a thousand
    // radii away or more is replaced.
    double Distance = 0;
    const bool DistanceValid = ReadReal(DistanceText, Distance);
    const TDistanceCorrection Correction = CorrectCameraDistance(Radius, DistanceValid, Distance);
    return Correction.Replace ? FormatReal(Correction.Distance) : std::string();
}

}  // namespace MainUnit
