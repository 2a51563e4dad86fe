#include "MainUnit/CommandLineJob.h"

#include "MainUnit/CalculationDriver.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Messages.h"
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

std::string ReadIntervalOption(std::string_view Value, bool YInterval, std::string& From,
                               std::string& To)
{
    const std::size_t Colon = Value.find(':');
    if (Colon == std::string_view::npos) return YInterval ? MsgYInterval : MsgXZInterval;
    From = std::string(Value.substr(0, Colon));
    To = std::string(Value.substr(Colon + 1));
    return {};
}

std::string ReadOrderOption(std::string_view Value, bool& SquareOrder)
{
    if (Value == "square" || Value == "random") {
        SquareOrder = Value == "square";
        return {};
    }
    return "'--order' must be square or random.";
}

std::string ReadSeedOption(std::string_view Value, uint32_t& Seed)
{
    uint32_t Read = 0;
    const char* End = Value.data() + Value.size();
    const auto [Stop, Error] = std::from_chars(Value.data(), End, Read);
    if (Value.empty() || Error != std::errc() || Stop != End)
        return "'--seed' must be an integer between 0 and 4294967295.";
    Seed = Read;
    return {};
}

std::string CalculateForCommandLine(const TCommandLineSettings& Settings, uint32_t ClockSeed,
                                    uint64_t AvailableMemory, TCommandLineResult& Result)
{
    TCalculationSettings Calculation;
    Calculation.Texts = {Settings.Points, Settings.XFrom, Settings.XTo, Settings.YFrom,
                         Settings.YTo,    Settings.ZFrom, Settings.ZTo, Settings.Function};
    Calculation.SquareOrder = Settings.SquareOrder;
    Calculation.RandomSeed = Settings.SeedGiven ? Settings.Seed : ClockSeed;
    Calculation.AvailableMemory = AvailableMemory;
    Calculation.Output = Settings.Output;
    TCommandLineResult Out;
    TCalculationPlan Plan;
    TCalculationOutcome Outcome = PrepareCalculation(Calculation, Out.Results, Plan);
    if (!Outcome.Refusal.empty()) return Outcome.Refusal;
    // The view settings are checked before the work rather than after it. A
    // distance that is a number is left to the calculation, which moves it
    // into range; one that is not is refused as the window's repaint refuses it.
    TViewSettings View;
    double Distance = 0;
    const std::string_view DistanceToCheck =
        ReadReal(Settings.Distance, Distance) ? std::string_view("1") : Settings.Distance;
    std::string Refusal = CheckViewSettings(Settings.HorAngle, Settings.VerAngle, DistanceToCheck,
                                            Settings.Zoom, 0.0, View);
    if (!Refusal.empty()) return Refusal;

    Outcome = RunCalculation(Plan, Settings.Distance, Out.Results);
    if (!Outcome.Refusal.empty()) return Outcome.Refusal;
    Out.Expression = Plan.Settings.Expression.data();

    const std::string DistanceText =
        Outcome.NewDistance.empty() ? Settings.Distance : Outcome.NewDistance;
    const std::string ZoomText = SettleZoom(Settings, Out.Results.BoundingRadius, DistanceText);
    Refusal = CheckViewSettings(Settings.HorAngle, Settings.VerAngle, DistanceText, ZoomText,
                                Out.Results.BoundingRadius, Out.View);
    if (!Refusal.empty()) return Refusal;
    if (!Proc3D::CalcViewPlane(Out.Camera, GraphWidth, GraphHeight, Out.View.VerAngle,
                               Out.View.HorAngle, Out.View.Zoom, Out.View.Distance, Out.ViewPlane))
        return MsgViewPlane;
    // Where the window warns instead of drawing, no picture is written; the
    // points are written all the same, as the window exports them.
    if (Settings.Output == TJobOutput::Picture && !Proc3D::CanProject(Out.ViewPlane))
        return CannotDrawMessage(Out.Results, Out.View, GraphWidth, GraphHeight);
    Result = std::move(Out);
    return {};
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
