#include "MainUnit/CommandLineJob.h"

#include "MainUnit/CalculationDriver.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/NumberText.h"
#include "MainUnit/ViewGesture.h"
#include "MainUnit/ViewPrecision.h"

#include <algorithm>
#include <charconv>

namespace MainUnit {

namespace {

// The zoom field's text once the fit has set it, as a double-click on the
// graph fits it; numbers written into a field are read back from their
// text, as the window reads them.
std::string SettleZoom(const TCommandLineSettings& Settings, double BoundingRadius,
                       const std::string& DistanceText)
{
    double Distance = 0;
    if (!Settings.Fit || !ReadReal(DistanceText, Distance)) return Settings.Zoom;
    TViewSettings View;
    View.Distance = Distance;
    const TViewTexts Fitted = FitView(View, BoundingRadius, GraphWidth, GraphHeight);
    return Fitted.Zoom.empty() ? Settings.Zoom : Fitted.Zoom;
}

}  // namespace

TRefusal ReadIntervalOption(std::string_view Value, bool YInterval, std::string& From,
                            std::string& To)
{
    const std::size_t Colon = Value.find(':');
    if (Colon == std::string_view::npos)
        return YInterval ? TRefusal::YInterval : TRefusal::XZInterval;
    From = std::string(Value.substr(0, Colon));
    To = std::string(Value.substr(Colon + 1));
    return TRefusal::None;
}

TRefusal ReadOrderOption(std::string_view Value, bool& SquareOrder)
{
    if (Value != "square" && Value != "random") return TRefusal::OrderOption;
    SquareOrder = Value == "square";
    return TRefusal::None;
}

TRefusal ReadSeedOption(std::string_view Value, uint32_t& Seed)
{
    uint32_t Read = 0;
    const char* End = Value.data() + Value.size();
    const auto [Stop, Error] = std::from_chars(Value.data(), End, Read);
    if (Value.empty() || Error != std::errc() || Stop != End) return TRefusal::SeedOption;
    Seed = Read;
    return TRefusal::None;
}

TRefusal CalculateForCommandLine(const TCommandLineSettings& Settings, uint32_t ClockSeed,
                                 uint64_t AvailableMemory, TCommandLineResult& Result)
{
    TCalculationSettings Calculation;
    Calculation.Texts = {Settings.Points, Settings.XFrom, Settings.XTo, Settings.YFrom,
                         Settings.YTo,    Settings.ZFrom, Settings.ZTo, Settings.Function};
    Calculation.SquareOrder = Settings.SquareOrder;
    Calculation.RandomSeed = Settings.SeedGiven ? Settings.Seed : ClockSeed;
    Calculation.AvailableMemory = AvailableMemory;
    Calculation.Output = Settings.Output;
    TCalculationPlan Plan;
    TCalculationOutcome Outcome = PrepareCalculation(Calculation, Result.Results, Plan);
    if (Outcome.Refusal != TRefusal::None) return Outcome.Refusal;
    // The view settings are checked before the work rather than after it. A
    // distance that is a number is left to the calculation, which moves it
    // into range; one that is not is refused as the window's repaint refuses it.
    TViewSettings View;
    double Distance = 0;
    const std::string_view DistanceToCheck =
        ReadReal(Settings.Distance, Distance) ? std::string_view("1") : Settings.Distance;
    TRefusal Refusal = CheckViewSettings(Settings.HorAngle, Settings.VerAngle, DistanceToCheck,
                                         Settings.Zoom, 0.0, View);
    if (Refusal != TRefusal::None) return Refusal;

    Outcome = RunCalculation(Plan, Settings.Distance, Result.Results);
    if (Outcome.Refusal != TRefusal::None) return Outcome.Refusal;
    Result.Expression = Plan.Settings.Expression.data();

    const std::string DistanceText =
        Outcome.NewDistance.empty() ? Settings.Distance : Outcome.NewDistance;
    const std::string ZoomText = SettleZoom(Settings, Result.Results.BoundingRadius, DistanceText);
    Refusal = CheckViewSettings(Settings.HorAngle, Settings.VerAngle, DistanceText, ZoomText,
                                Result.Results.BoundingRadius, Result.View);
    if (Refusal != TRefusal::None) return Refusal;
    if (!Proc3D::CalcViewPlane(Result.Camera, GraphWidth, GraphHeight, Result.View.VerAngle,
                               Result.View.HorAngle, Result.View.Zoom, Result.View.Distance,
                               Result.ViewPlane))
        return TRefusal::ViewPlane;
    // Where the window warns instead of drawing, no picture is written; the
    // points are written all the same, as the window exports them.
    if (Settings.Output == TJobOutput::Picture && !Proc3D::CanProject(Result.ViewPlane))
        return CannotDrawRefusal(Result.Results, Result.View, GraphWidth, GraphHeight);
    return TRefusal::None;
}

std::string FiguresText(const TCommandLineResult& Result)
{
    const TResultSet& Set = Result.Results;
    const std::pair<const char*, std::string> Lines[] = {
        {"points", std::to_string(Set.PointCount)},
        {"y-from", FormatReal(Set.YIntervalFrom)},
        {"y-to", FormatReal(Set.YIntervalTo)},
        {"bounding-radius", FormatReal(Set.BoundingRadius)},
        {"distance", FormatReal(Result.View.Distance)},
        {"zoom", FormatReal(Result.View.Zoom)},
        {"camera-x", FormatReal(Result.Camera.X)},
        {"camera-y", FormatReal(Result.Camera.Y)},
        {"camera-z", FormatReal(Result.Camera.Z)}};
    std::string Text;
    for (const auto& [Key, Value] : Lines)
        Text += std::string(Key) + ": " + Value + "\n";
    return Text;
}

}  // namespace MainUnit
