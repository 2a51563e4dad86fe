#include "MainUnit/Picture/BoxMapping.h"

#include "MainUnit/Text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

struct TAxisScale {
    double Scale = 1;
    double Shift = 0;
    TAxisSpan Span;
};

// One axis from From .. To onto [-L/2, L/2]; an axis without a positive
// width keeps unit scale, centred on its value, spanning L.
TAxisScale ScaleAxis(double From, double To, long double L)
{
    const long double Width = static_cast<long double>(To) - From;
    const long double Centre = (static_cast<long double>(From) + To) / 2.0L;
    TAxisScale A;
    if (Width > 0.0L && std::isfinite(Width)) {
        A.Scale = static_cast<double>(L / Width);
        A.Span = {From, To};
    } else {
        A.Span = {static_cast<double>(Centre - L / 2.0L), static_cast<double>(Centre + L / 2.0L)};
    }
    A.Shift = static_cast<double>(-Centre * A.Scale);
    return A;
}

}  // namespace

TBoxMapping MakeBoxMapping(const TResultSet& R, double BoxHeight)
{
    const long double XWidth = static_cast<long double>(R.XIntervalTo) - R.XIntervalFrom;
    const long double ZWidth = static_cast<long double>(R.ZIntervalTo) - R.ZIntervalFrom;
    long double L = std::fmax(XWidth, ZWidth);
    if (!(L > 0.0L) || !std::isfinite(L)) L = 1.0L;
    const TAxisScale X = ScaleAxis(R.XIntervalFrom, R.XIntervalTo, L);
    // A height fraction out of range (only a caller's slip) keeps the default.
    const long double Height = BoxHeight >= SmallestBoxHeight && BoxHeight <= LargestBoxHeight
                                   ? BoxHeight
                                   : DefaultBoxHeight;
    const TAxisScale Y = ScaleAxis(R.YIntervalFrom, R.YIntervalTo, L * Height);
    const TAxisScale Z = ScaleAxis(R.ZIntervalFrom, R.ZIntervalTo, L);
    TBoxMapping Box;
    Box.Scale = {X.Scale, Y.Scale, Z.Scale};
    Box.Shift = {X.Shift, Y.Shift, Z.Shift};
    Box.X = X.Span;
    Box.Y = Y.Span;
    Box.Z = Z.Span;
    Box.Half = static_cast<double>(L / 2.0L);
    Box.HalfY = static_cast<double>(L * Height / 2.0L);
    // The mapped coordinates may stray past the box's faces by a few
    // roundings; the sphere is made a little larger than the box's so that
    // it holds them.
    Box.Radius =
        static_cast<double>(std::sqrt(2.0L + Height * Height) * L / 2.0L * (1.0L + 0x1p-30L));
    const double Zero =
        std::clamp(0.0, std::min(Box.Y.From, Box.Y.To), std::max(Box.Y.From, Box.Y.To));
    Box.UndefinedY = Zero * Box.Scale.Y + Box.Shift.Y;
    return Box;
}

double ViewRadius(const TResultSet& Results, bool Box, double BoxHeight)
{
    return Box ? MakeBoxMapping(Results, BoxHeight).Radius : Results.BoundingRadius;
}

}  // namespace MainUnit

namespace MainUnit {

TStatusText BoxSuggestion(const TResultSet& R)
{
    const long double Heights = static_cast<long double>(R.YIntervalTo) - R.YIntervalFrom;
    const long double Width = std::fmax(static_cast<long double>(R.XIntervalTo) - R.XIntervalFrom,
                                        static_cast<long double>(R.ZIntervalTo) - R.ZIntervalFrom);
    if (!(Heights > 0.0L) || !(Width > 0.0L) || !std::isfinite(Heights / Width)) return {};
    const long double Ratio = Heights / Width;
    // The status line has room for the finding and a short remedy; the
    // tooltip says where the box is.
    const char* const Advice = ": right-click, Scale axes to a box";
    const char* const Short = ": try the box";
    std::string Finding;
    if (Ratio > 4.0L) Finding = "Heights " + FormatReal(std::round(Ratio)) + "x the width";
    if (Ratio < 0.25L) Finding = "Heights 1/" + FormatReal(std::round(1.0L / Ratio)) + " of width";
    if (Finding.empty()) return {};
    return {Finding + Short, Finding + Advice, false};
}

}  // namespace MainUnit
