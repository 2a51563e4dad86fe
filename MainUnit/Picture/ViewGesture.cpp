#include "MainUnit/Picture/ViewGesture.h"

#include "MainUnit/Picture/FitZoom.h"
#include "MainUnit/Text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double TwoPi = 2.0L * Pi;

// Angle moved into (-pi, pi], as far as its written text goes: the 15-digit
// text of a value in that interval never rounds past +-pi.
long double Wrapped(long double Angle)
{
    long double Result = std::remainder(Angle, TwoPi);
    if (Result <= -Pi) Result += TwoPi;
    return Result;
}

// Grow per notch forward, Shrink per notch back, fractions in proportion.
long double NotchFactor(double Notches, long double Grow, long double Shrink)
{
    return Notches >= 0 ? std::pow(Grow, static_cast<long double>(Notches))
                        : std::pow(Shrink, -static_cast<long double>(Notches));
}

}  // namespace

TViewTexts DragView(const TViewSettings& View, int32_t DX, int32_t DY, int32_t Width)
{
    TViewTexts Texts;
    if (Width < 1) return Texts;
    const long double PerPixel = Pi / Width;
    if (DX != 0) Texts.HorAngle = FormatReal(Wrapped(View.HorAngle - DX * PerPixel));
    if (DY != 0) Texts.VerAngle = TurnedVerAngleText(View.VerAngle, DY * PerPixel);
    return Texts;
}

TViewTexts WheelZoom(const TViewSettings& View, double Notches)
{
    TViewTexts Texts;
    if (Notches == 0 || !std::isfinite(Notches)) return Texts;
    const long double Zoom = View.Zoom * NotchFactor(Notches, 1.1L, 0.9L);
    double Written = 0;
    // A zoom that would overflow or vanish in its text stays as it is.
    if (ReadReal(FormatReal(Zoom), Written) && Written > 0 && std::isfinite(Written))
        Texts.Zoom = FormatReal(Zoom);
    return Texts;
}

TViewTexts WheelDistance(const TViewSettings& View, double Notches, double BoundingRadius)
{
    TViewTexts Texts;
    if (Notches == 0 || !std::isfinite(Notches)) return Texts;
    const long double Factor = NotchFactor(Notches, 0.9L, 1.1L);
    Texts.Distance = ScaledDistanceText(View.Distance, Factor, BoundingRadius);
    double Written = 0;
    if (!Texts.Distance.empty() && !(ReadReal(Texts.Distance, Written) && std::isfinite(Written)))
        Texts.Distance.clear();
    return Texts;
}

TViewTexts FitView(const TViewSettings& View, double BoundingRadius, int32_t Width, int32_t Height)
{
    TViewTexts Texts;
    double Zoom = 0;
    if (FitZoom(BoundingRadius, View.Distance, std::min(Width, Height), Zoom))
        Texts.Zoom = FormatReal(Zoom);
    return Texts;
}

}  // namespace MainUnit
