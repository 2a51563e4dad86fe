#include "MainUnit/Picture/PictureFrame.h"

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/ColourBarMeasures.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

int32_t Rounded(long double Value) { return static_cast<int32_t>(std::lround(Value)); }

// The scale at which a picture of Width x Height shows the bar: the zoom's
// ratio, never below 1.
long double BarScaleOf(int32_t Width, int32_t Height)
{
    return std::max(1.0L, std::min(static_cast<long double>(Width) / GraphWidth,
                                   static_cast<long double>(Height) / GraphHeight));
}

}  // namespace

double FramedZoom(double Zoom, int32_t Width, int32_t Height)
{
    const long double Ratio = std::min(static_cast<long double>(Width) / GraphWidth,
                                       static_cast<long double>(Height) / GraphHeight);
    return static_cast<double>(Zoom * Ratio);
}

int32_t ColourBarWidth(long double Scale, int32_t Chars)
{
    using namespace ColourBarMeasures;
    return Rounded(Scale * (Lead + RampWidth + TickLength + TextGap +
                            CharAdvance * std::max(Chars, 1) + Trail));
}

TFrameLayout FrameOfSize(int32_t Width, int32_t Height, TLegendChoice Legend, int32_t BarChars)
{
    TFrameLayout Frame;
    Frame.Width = Width;
    Frame.Height = Height;
    Frame.Graph = {0, 0, Width, Height};
    if (Legend == TLegendChoice::Panel) {
        Frame.PanelScale = std::min({1.0L, static_cast<long double>(Width) / PanelWidth,
                                     static_cast<long double>(Height) / (2 * PanelHeight)});
        const int32_t W = std::max(1, Rounded(PanelWidth * Frame.PanelScale));
        const int32_t H = std::max(1, Rounded(PanelHeight * Frame.PanelScale));
        Frame.Graph.Height = Height - H;
        Frame.Panel = {(Width - W) / 2, Frame.Graph.Height, W, H};
    } else if (Legend == TLegendChoice::Bar) {
        Frame.BarScale = BarScaleOf(Width, Height);
        const int32_t Half = Width / 2;
        const int32_t Widest = ColourBarWidth(Frame.BarScale, BarChars);
        if (Widest > Half) Frame.BarScale *= static_cast<long double>(Half) / Widest;
        const int32_t W = std::min(Half, ColourBarWidth(Frame.BarScale, BarChars));
        Frame.Graph.Width = Width - W;
        Frame.Bar = {Frame.Graph.Width, 0, W, Height};
    }
    return Frame;
}

TFrameLayout FrameAroundGraph(int32_t Width, int32_t Height, TLegendChoice Legend, int32_t BarChars)
{
    TFrameLayout Frame;
    Frame.Graph = {0, 0, Width, Height};
    Frame.Width = Width;
    Frame.Height = Height;
    if (Legend == TLegendChoice::Panel) {
        Frame.PanelScale = std::min(1.0L, static_cast<long double>(Width) / PanelWidth);
        const int32_t W = std::max(1, Rounded(PanelWidth * Frame.PanelScale));
        const int32_t H = std::max(1, Rounded(PanelHeight * Frame.PanelScale));
        Frame.Height += H;
        Frame.Panel = {(Width - W) / 2, Height, W, H};
    } else if (Legend == TLegendChoice::Bar) {
        Frame.BarScale = BarScaleOf(Width, Height);
        const int32_t W = ColourBarWidth(Frame.BarScale, BarChars);
        Frame.Width += W;
        Frame.Bar = {Width, 0, W, Height};
    }
    return Frame;
}

}  // namespace MainUnit
