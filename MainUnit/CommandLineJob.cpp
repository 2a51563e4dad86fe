#include "MainUnit/CommandLineJob.h"

#include "MainUnit/Calculation.h"
#include "MainUnit/FunctionSettings.h"
#include "MainUnit/Messages.h"
#include "MainUnit/NumberText.h"
#include "MainUnit/PictureFrame.h"
#include "MainUnit/PointPick.h"
#include "MainUnit/PointStorage.h"
#include "MainUnit/Statistics.h"
#include "MainUnit/ViewGesture.h"

#include <algorithm>
#include <charconv>
#include <new>

namespace MainUnit {

namespace {

// The texts the distance and zoom fields hold once the calculation has
// corrected the distance and the fit has set the zoom; numbers written into
// a field are read back from their text, as the window reads them.
void SettleDistanceAndZoom(const TCommandLineSettings& Settings, double BoundingRadius,
                           std::string& DistanceText, std::string& ZoomText)
{
    DistanceText = Settings.Distance;
    ZoomText = Settings.Zoom;
    double Distance = 0;
    const bool DistanceValid = ReadReal(DistanceText, Distance);
    const TDistanceCorrection Correction =
        CorrectCameraDistance(BoundingRadius, DistanceValid, Distance);
    if (Correction.Replace) DistanceText = FormatReal(Correction.Distance);
    if (!Settings.Fit || !ReadReal(DistanceText, Distance)) return;
    // As a double-click on the graph fits it.
    TViewSettings View;
    View.Distance = Distance;
    const TViewTexts Fitted = FitView(View, BoundingRadius, GraphPictureWidth, GraphPictureHeight);
    if (!Fitted.Zoom.empty()) ZoomText = Fitted.Zoom;
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
    TFunctionSettings Checked;
    std::string Refusal =
        CheckFunctionSettings({Settings.Points, Settings.XFrom, Settings.XTo, Settings.YFrom,
                               Settings.YTo, Settings.ZFrom, Settings.ZTo, Settings.Function},
                              Checked);
    if (!Refusal.empty()) return Refusal;
    const TGridPlan Plan = PlanGrid(Checked.PointCount, Checked.XIntervalFrom, Checked.XIntervalTo,
                                    Checked.ZIntervalFrom, Checked.ZIntervalTo);
    if (!Plan.Ok || !GridFitsMemory(Plan, AvailableMemory)) return MsgCannotAllocate;
    if (!IntervalsShowable(Checked)) return MsgResultsTooLarge;
    // The view settings are checked before the work rather than after it; the
    // distance is left out here, because the calculation corrects it.
    TViewSettings View;
    Refusal =
        CheckViewSettings(Settings.HorAngle, Settings.VerAngle, "1", Settings.Zoom, 0.0, View);
    if (!Refusal.empty()) return Refusal;

    TCommandLineResult Out;
    const uint32_t Seed = Settings.SeedGiven ? Settings.Seed : ClockSeed;
    if (!ReservePoints(Out.Results, Plan) ||
        !CalculateResults(Out.Results, MakeCalculationRequest(Checked, Settings.SquareOrder, Seed),
                          Plan))
        return MsgCannotAllocate;
    // Results far beyond the intervals can still make the radius too large.
    if (!IsShowableRadius(Out.Results.BoundingRadius)) return MsgResultsTooLarge;
    Out.Expression = Checked.Expression.data();

    std::string DistanceText;
    std::string ZoomText;
    SettleDistanceAndZoom(Settings, Out.Results.BoundingRadius, DistanceText, ZoomText);
    Refusal = CheckViewSettings(Settings.HorAngle, Settings.VerAngle, DistanceText, ZoomText,
                                Out.Results.BoundingRadius, Out.View);
    if (!Refusal.empty()) return Refusal;
    if (!Proc3D::CalcViewPlane(Out.Camera, Out.Width, Out.Height, Out.View.VerAngle,
                               Out.View.HorAngle, FramedZoom(Out.View.Zoom, Out.Width, Out.Height),
                               Out.View.Distance, Out.ViewPlane))
        return MsgViewPlane;
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

std::string PicksText(const TCommandLineSettings& Settings, const TCommandLineResult& Result,
                      std::string& Text, bool& Painted)
{
    Text.clear();
    Painted = false;
    for (const TCommandLineSettings::TPick& Pick : Settings.Picks) {
        std::string Refusal = CheckPickInside(Pick.X, Pick.Y, Result.Width, Result.Height);
        if (!Refusal.empty()) return Refusal;
    }
    const size_t Size = static_cast<size_t>(Result.Width) * static_cast<size_t>(Result.Height);
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;
    TDepthBuffer Depth;
    try {
        Pixels.assign(Size, 0);
        Indexes.assign(Size, NoPoint);
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (Settings.ZBuffer && !CreateDepthBuffer(Result.Width, Result.Height, Depth)) return {};
    const TPixelArray Picture{Pixels.data(), Result.Width, Result.Height, Indexes.data()};
    Painted = PaintGraph(Result.Results, Result.ViewPlane, Picture, Settings.ShowUndefined,
                         Settings.ZBuffer ? &Depth : nullptr);
    if (!Painted) return {};
    for (const TCommandLineSettings::TPick& Pick : Settings.Picks)
        Text += PickLine(Pick.X, Pick.Y, Result.Results,
                         PickPoint(Indexes.data(), Result.Width, Result.Height, Pick.X, Pick.Y)) +
                "\n";
    return {};
}

}  // namespace MainUnit
