#include "MainUnit/CommandLine/CommandLineJob.h"

#include "MainUnit/Calculation/CalculationDriver.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Picture/ViewGesture.h"
#include "MainUnit/Picture/ViewPan.h"
#include "MainUnit/Picture/ViewPrecision.h"
#include "MainUnit/Text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>
#include <utility>

namespace MainUnit {

namespace {

// A word option: the value is one of a few words, each naming a choice;
// any other text, spelling or case is refused with the option's own code.
template <typename TChoice, std::size_t Count>
TRefusal ReadWordOption(std::string_view Value,
                        const std::pair<std::string_view, TChoice> (&Words)[Count],
                        TRefusal Refusal, TChoice& Chosen)
{
    for (const auto& [Word, Choice] : Words)
        if (Value == Word) {
            Chosen = Choice;
            return TRefusal::None;
        }
    return Refusal;
}

// The zoom field's text once the fit has set it, as a double-click on the
// window's graph fits it, and the move it sets; numbers written into a
// field are read back from their text, as the window reads them.
std::string SettleZoom(const TCommandLineSettings& Settings, const TResultSet& Results,
                       const std::string& DistanceText, int32_t Width, int32_t Height, TPan& Pan)
{
    TViewSettings View;
    if (!Settings.Options.FitAfterCalculation ||
        CheckViewSettings(Settings.HorAngle, Settings.VerAngle, DistanceText, Settings.Zoom,
                          ViewRadius(Results, Settings.Options.Box, Settings.Options.BoxHeight),
                          View) != TRefusal::None)
        return Settings.Zoom;
    // Fitted at the graph's own size in the picture written, so that another
    // aspect is filled too; the zoom and the move are then given back in the
    // window's graph pixels, which the painting scales to that size again.
    const TViewTexts Fitted =
        FitViewToPoints(View, Results, Settings.ShowUndefined, Settings.Options, Width, Height);
    double Zoom = 0;
    if (Fitted.Zoom.empty() || !ReadReal(Fitted.Zoom, Zoom)) return Settings.Zoom;
    const long double Ratio = FramedZoom(1.0, Width, Height);
    if (Fitted.Pan)
        Pan = HeldPan({static_cast<int32_t>(std::lround(Fitted.Pan->X / Ratio)),
                       static_cast<int32_t>(std::lround(Fitted.Pan->Y / Ratio))},
                      GraphWidth, GraphHeight);
    const double WindowZoom = static_cast<double>(Zoom / Ratio);
    double Written = 0;
    if (!ReadReal(FormatReal(WindowZoom), Written) || !(Written > 0) || !std::isfinite(Written))
        return Fitted.Zoom;
    return FormatReal(WindowZoom);
}

// A decimal number of pixels from Least to Most, all of Text.
bool ReadPixels(std::string_view Text, int32_t Least, int32_t Most, int32_t& Pixels)
{
    int32_t Read = 0;
    const char* End = Text.data() + Text.size();
    const auto [Stop, Error] = std::from_chars(Text.data(), End, Read);
    if (Text.empty() || Error != std::errc() || Stop != End || Read < Least || Read > Most)
        return false;
    Pixels = Read;
    return true;
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
    const std::pair<std::string_view, bool> Words[] = {{"square", true}, {"random", false}};
    return ReadWordOption(Value, Words, TRefusal::OrderOption, SquareOrder);
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

TRefusal ReadSizeOption(std::string_view Value, int32_t& Width, int32_t& Height)
{
    const std::size_t Cross = Value.find('x');
    int32_t W = 0, H = 0;
    if (Cross == std::string_view::npos ||
        !ReadPixels(Value.substr(0, Cross), SmallestPictureWidth, LargestPictureWidth, W) ||
        !ReadPixels(Value.substr(Cross + 1), SmallestPictureHeight, LargestPictureHeight, H))
        return TRefusal::SizeOption;
    Width = W;
    Height = H;
    return TRefusal::None;
}

TRefusal ReadBackgroundOption(std::string_view Value, bool& LightBackground)
{
    const std::pair<std::string_view, bool> Words[] = {{"black", false}, {"white", true}};
    return ReadWordOption(Value, Words, TRefusal::BackgroundOption, LightBackground);
}

TRefusal ReadPanOption(std::string_view Value, TPan& Pan)
{
    const std::size_t Comma = Value.find(',');
    TPan Read;
    if (Comma == std::string_view::npos ||
        !ReadPixels(Value.substr(0, Comma), -LargestPanX, LargestPanX, Read.X) ||
        !ReadPixels(Value.substr(Comma + 1), -LargestPanY, LargestPanY, Read.Y))
        return TRefusal::PanOption;
    Pan = Read;
    return TRefusal::None;
}

TRefusal ReadBoxHeightOption(std::string_view Value, double& BoxHeight)
{
    double Read = 0;
    if (!ReadReal(Value, Read) || !(Read >= SmallestBoxHeight && Read <= LargestBoxHeight))
        return TRefusal::BoxHeightOption;
    BoxHeight = Read;
    return TRefusal::None;
}

TRefusal ReadLegendOption(std::string_view Value, TLegendChoice& Legend)
{
    const std::pair<std::string_view, TLegendChoice> Choices[] = {{"panel", TLegendChoice::Panel},
                                                                  {"bar", TLegendChoice::Bar},
                                                                  {"none", TLegendChoice::None}};
    return ReadWordOption(Value, Choices, TRefusal::LegendOption, Legend);
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
    Calculation.Box = Settings.Options.Box;
    Calculation.BoxHeight = Settings.Options.BoxHeight;
    Calculation.Output = Settings.Output;
    Calculation.Picture = {Settings.Width, Settings.Height, Settings.ZBuffer,
                           !Settings.Picks.empty()};
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
    Result.GridNote = Outcome.GridNote;

    const std::string DistanceText =
        Outcome.NewDistance.empty() ? Settings.Distance : Outcome.NewDistance;
    Result.Pan = HeldPan(Settings.Options.Pan, GraphWidth, GraphHeight);
    Result.Frame = FramePicture(Settings.SizeAsked, Settings.Width, Settings.Height,
                                Settings.Options, Result.Results, Settings.ShowUndefined);
    const std::string ZoomText =
        SettleZoom(Settings, Result.Results, DistanceText, Result.Frame.Frame.Graph.Width,
                   Result.Frame.Frame.Graph.Height, Result.Pan);
    Refusal = CheckViewSettings(
        Settings.HorAngle, Settings.VerAngle, DistanceText, ZoomText,
        ViewRadius(Result.Results, Settings.Options.Box, Settings.Options.BoxHeight), Result.View);
    if (Refusal != TRefusal::None) return Refusal;
    // The one plan of the picture: its view plane serves the figures, the
    // picks and the picture alike.
    if (PlanPicture(PictureRequestOf(Settings, Result), Result.Plan) != TRefusal::None)
        return TRefusal::ViewPlane;
    // Where the window warns instead of drawing, no picture is written and
    // no pixel picked; the points are written all the same, as the window
    // exports them.
    const bool Drawn = Settings.Output == TJobOutput::Picture || !Settings.Picks.empty();
    if (Drawn && !Proc3D::CanProject(Result.Plan.ViewPlane))
        return CannotDrawRefusal(Result.Results, Result.View, Result.Frame.Frame.Graph.Width,
                                 Result.Frame.Frame.Graph.Height);
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
        {"pan", std::to_string(Result.Pan.X) + "," + std::to_string(Result.Pan.Y)},
        {"camera-x", FormatReal(Result.Plan.Camera.X)},
        {"camera-y", FormatReal(Result.Plan.Camera.Y)},
        {"camera-z", FormatReal(Result.Plan.Camera.Z)}};
    std::string Text;
    for (const auto& [Key, Value] : Lines)
        Text += std::string(Key) + ": " + Value + "\n";
    return Text;
}

TPictureRequest PictureRequestOf(const TCommandLineSettings& Settings,
                                 const TCommandLineResult& Result)
{
    TPictureRequest Request;
    Request.Results = &Result.Results;
    Request.View = Result.View;
    Request.ShowUndefined = Settings.ShowUndefined;
    Request.UseDepthBuffer = Settings.ZBuffer;
    Request.Outline3D = Settings.Outline3D;
    Request.Options = Settings.Options;
    Request.Options.Pan = Result.Pan;
    Request.Width = Result.Frame.Frame.Graph.Width;
    Request.Height = Result.Frame.Frame.Graph.Height;
    return Request;
}

TPicksAnswer PicksText(const TCommandLineSettings& Settings, const TCommandLineResult& Result)
{
    TPicksAnswer Answer;
    const TPictureRequest Request = PictureRequestOf(Settings, Result);
    for (const TCommandLineSettings::TPick& Pick : Settings.Picks) {
        Answer.Refusal = CheckPickInside(Pick.X, Pick.Y, Request.Width, Request.Height);
        if (Answer.Refusal.Refusal != TRefusal::None) return Answer;
    }
    Answer.Refusal.Refusal = TRefusal::PickPicture;
    const size_t Size = static_cast<size_t>(Request.Width) * static_cast<size_t>(Request.Height);
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;
    TDepthBuffer Depth;
    try {
        Pixels.assign(Size, 0);
        Indexes.assign(Size, NoPoint);
    } catch (const std::bad_alloc&) {
        return Answer;
    }
    if (!PrepareDepthBuffer(Request, Depth)) return Answer;
    // The points as the picture paints them; the axes and the sketch play no part.
    if (!PaintPicture(Request, Result.Plan,
                      {Pixels.data(), Request.Width, Request.Height, Indexes.data()}, Depth)
             .Painted)
        return Answer;
    Answer.Refusal = {};
    for (const TCommandLineSettings::TPick& Pick : Settings.Picks)
        Answer.Text +=
            PickLine(Pick.X, Pick.Y, Result.Results,
                     PickPoint(Indexes.data(), Request.Width, Request.Height, Pick.X, Pick.Y)) +
            "\n";
    return Answer;
}

}  // namespace MainUnit
