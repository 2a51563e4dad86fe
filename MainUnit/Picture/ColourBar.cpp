#include "MainUnit/Picture/ColourBar.h"

#include "MainUnit/Picture/AxisTicks.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/ColourBarMeasures.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Text/NumberText.h"
#include "Proc3D/Proc3D.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

int32_t Rounded(long double Value) { return static_cast<int32_t>(std::lround(Value)); }

bool HasWidth(double YFrom, double YTo) { return YFrom != YTo && std::isfinite(YTo - YFrom); }

// The values of the ticks, lowest first; for an interval without width its
// one value.
std::vector<TTick> BarTicks(double YFrom, double YTo)
{
    if (!HasWidth(YFrom, YTo)) return {{YFrom, FormatReal(YFrom)}};
    return AxisTicks(std::min(YFrom, YTo), std::max(YFrom, YTo));
}

}  // namespace

bool ShowsUndefinedPoints(const TResultSet& Results, bool ShowUndefined)
{
    if (!ShowUndefined) return false;
    const std::size_t Count =
        std::min(Results.Points.size(), static_cast<std::size_t>(std::max(Results.PointCount, 0)));
    return std::any_of(Results.Points.begin(),
                       Results.Points.begin() + static_cast<std::ptrdiff_t>(Count),
                       [](const Proc3D::TPoint3D& P) { return IsUndefinedY(P.Y); });
}

int32_t ColourBarChars(double YFrom, double YTo, bool Undefined)
{
    std::size_t Chars = Undefined ? std::string(UndefinedBarText).size() : 0;
    for (const TTick& Tick : BarTicks(YFrom, YTo))
        Chars = std::max(Chars, Tick.Text.size());
    return static_cast<int32_t>(Chars);
}

TColourBar LayoutColourBar(const TFrameRect& Bar, long double Scale, double YFrom, double YTo,
                           bool Undefined, uint32_t UndefinedColour)
{
    using namespace ColourBarMeasures;
    TColourBar B;
    B.TextRow = std::max(1, Rounded(TextRow * Scale));
    B.TickLength = std::max(1, Rounded(TickLength * Scale));
    const int32_t Left = Bar.Left + Rounded(Lead * Scale);
    const int32_t Width = std::max(1, Rounded(RampWidth * Scale));
    B.TextLeft = Left + Width + B.TickLength + Rounded(TextGap * Scale);
    B.TextRoom = Bar.Left + Bar.Width - Rounded(Trail * Scale) - B.TextLeft;
    const int32_t Top = Bar.Top + B.TextRow;
    int32_t Bottom = Bar.Top + Bar.Height - B.TextRow;  // one past the ramp
    if (Undefined) {
        const int32_t Swatch = std::max(1, Rounded(SwatchHeight * Scale));
        B.Undefined = {Left, Bottom - Swatch, Width, Swatch};
        B.UndefinedColour = UndefinedColour;
        Bottom -= Swatch + B.TextRow;
    }
    const int32_t Rows = std::max(1, Bottom - Top);
    B.Ramp = {Left, Top, Width, Rows};

    // Row i from the top stands for the height a part (Rows - 1 - i) / (Rows
    // - 1) up the interval, coloured as a point of that height is.
    const bool Wide = HasWidth(YFrom, YTo);
    B.Colours.resize(static_cast<std::size_t>(Rows));
    for (int32_t I = 0; I < Rows; ++I) {
        const long double Part =
            Wide && Rows > 1 ? static_cast<long double>(Rows - 1 - I) / (Rows - 1) : 0.0L;
        B.Colours[static_cast<std::size_t>(I)] =
            Proc3D::HeightColor(static_cast<uint32_t>(Part * Proc3D::HighestYStep));
    }
    std::vector<TBarLabel> Labels;
    for (const TTick& Tick : BarTicks(YFrom, YTo)) {
        const long double Part = Wide ? (static_cast<long double>(Tick.Value) - YFrom) /
                                            (static_cast<long double>(YTo) - YFrom)
                                      : 0.5L;
        const int32_t Row = Top + Rounded((1.0L - Part) * (Rows - 1));
        if (Row >= Top && Row < Top + Rows) Labels.push_back({Row, Tick.Text});
    }
    std::sort(Labels.begin(), Labels.end(),
              [](const TBarLabel& A, const TBarLabel& C) { return A.Row < C.Row; });
    for (TBarLabel& Label : Labels)
        if (B.Labels.empty() || Label.Row - B.Labels.back().Row >= B.TextRow)
            B.Labels.push_back(std::move(Label));
    return B;
}

TColourBar ColourBarOf(const TFrameRect& Place, long double Scale, const TResultSet& Results,
                       bool ShowUndefined, const TPictureOptions& Options)
{
    const TBoxMapping NoBox;
    return LayoutColourBar(Place, Scale, Results.YIntervalFrom, Results.YIntervalTo,
                           ShowsUndefinedPoints(Results, ShowUndefined),
                           PointStyleFor(Options, NoBox).Undefined);
}

int32_t ColourBarWidthOf(long double Scale, const TResultSet& Results, bool ShowUndefined)
{
    return ColourBarWidth(Scale, ColourBarChars(Results.YIntervalFrom, Results.YIntervalTo,
                                                ShowsUndefinedPoints(Results, ShowUndefined)));
}

TFramedPicture FramePicture(bool SizeAsked, int32_t Width, int32_t Height,
                            const TPictureOptions& Options, const TResultSet& Results,
                            bool ShowUndefined)
{
    TFramedPicture Picture;
    const bool Bar = Options.Legend == TLegendChoice::Bar;
    const int32_t Chars = Bar ? ColourBarChars(Results.YIntervalFrom, Results.YIntervalTo,
                                               ShowsUndefinedPoints(Results, ShowUndefined))
                              : 0;
    Picture.Frame = SizeAsked ? FrameOfSize(Width, Height, Options.Legend, Chars)
                              : FrameAroundGraph(Width, Height, Options.Legend, Chars);
    if (Bar)
        Picture.Bar =
            ColourBarOf(Picture.Frame.Bar, Picture.Frame.BarScale, Results, ShowUndefined, Options);
    return Picture;
}

}  // namespace MainUnit
