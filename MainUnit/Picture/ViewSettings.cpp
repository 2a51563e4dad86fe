#include "MainUnit/Picture/ViewSettings.h"

#include "MainUnit/Text/NumberText.h"

namespace MainUnit {

namespace {

// pi/2 in extended precision: the double nearest pi/2 lies just below it and
// is therefore an admitted vertical angle.
constexpr long double HalfPi = 1.57079632679489661923132169163975144L;
constexpr long double AngleStep = 0.1L;
constexpr long double GrowFactor = 1.1L;
constexpr long double ShrinkFactor = 0.9L;
constexpr long double MinDistanceFactor = 1.001L;

// A step with a limit on one side. IsAllowed(v) tells whether v lies
// strictly on the allowed side of the limit. The new value is judged as it
// will be read back from its 15-digit text, so that rounding cannot carry it
// onto or across the limit.
template <typename Allowed>
bool WrittenAllowed(long double Value, Allowed IsAllowed, std::string& Text)
{
    Text = FormatReal(Value);
    double Written = 0;
    return ReadReal(Text, Written) && IsAllowed(static_cast<long double>(Written));
}

template <typename Allowed>
TStep LimitedStep(std::string_view Text, long double (*Next)(long double), Allowed IsAllowed)
{
    double Value = 0;
    if (!ReadReal(Text, Value)) return {TStepAction::RepaintOnly, {}};
    std::string NewText;
    if (WrittenAllowed(Next(Value), IsAllowed, NewText))
        return {TStepAction::WriteAndRepaint, NewText};
    // Already at or beyond the limit: let the repaint report it.
    if (!IsAllowed(static_cast<long double>(Value))) return {TStepAction::RepaintOnly, {}};
    return {TStepAction::Nothing, {}};
}

TStep PlainStep(std::string_view Text, long double (*Next)(long double))
{
    double Value = 0;
    if (!ReadReal(Text, Value)) return {TStepAction::RepaintOnly, {}};
    // A step beyond the largest number would leave a text that no field reads
    // back; the field keeps its value, and the press repaints as any other.
    std::string NewText = FormatReal(Next(Value));
    double Written = 0;
    if (!ReadReal(NewText, Written)) return {TStepAction::RepaintOnly, {}};
    return {TStepAction::WriteAndRepaint, NewText};
}

}  // namespace

TRefusal CheckViewSettings(std::string_view HorAngleText, std::string_view VerAngleText,
                           std::string_view DistanceText, std::string_view ZoomText,
                           double BoundingRadius, TViewSettings& Settings)
{
    TViewSettings Read;
    // All four are read before any range is looked at, so one unreadable text
    // gives the joint message even when another value is out of range.
    bool Readable = ReadReal(HorAngleText, Read.HorAngle);
    Readable = ReadReal(VerAngleText, Read.VerAngle) && Readable;
    Readable = ReadReal(DistanceText, Read.Distance) && Readable;
    Readable = ReadReal(ZoomText, Read.Zoom) && Readable;
    if (!Readable) return TRefusal::ViewNumbers;
    if (!(Read.HorAngle > -HorAngleLimit && Read.HorAngle < HorAngleLimit))
        return TRefusal::HorAngle;
    long double Vertical = Read.VerAngle;
    if (!(Vertical > -HalfPi && Vertical < HalfPi)) return TRefusal::VerAngle;
    if (!(Read.Zoom > 0.0)) return TRefusal::Zoom;
    if (!(Read.Distance > BoundingRadius)) return TRefusal::Distance;
    Settings = Read;
    return TRefusal::None;
}

TStep HorAngleStep(std::string_view Text, bool Increase)
{
    return PlainStep(
        Text, Increase ? +[](long double V) { return V + AngleStep; }
                       : +[](long double V) { return V - AngleStep; });
}

TStep VerAngleStep(std::string_view Text, bool Increase)
{
    if (Increase)
        return LimitedStep(
            Text, +[](long double V) { return V + AngleStep; },
            [](long double V) { return V < HalfPi; });
    return LimitedStep(
        Text, +[](long double V) { return V - AngleStep; },
        [](long double V) { return V > -HalfPi; });
}

TStep DistanceStep(std::string_view Text, bool Increase, double BoundingRadius)
{
    if (Increase)
        return PlainStep(
            Text, +[](long double V) { return V * GrowFactor; });
    return LimitedStep(
        Text, +[](long double V) { return V * ShrinkFactor; },
        [BoundingRadius](long double V) { return V > BoundingRadius; });
}

TStep ZoomStep(std::string_view Text, bool Increase)
{
    return PlainStep(
        Text, Increase ? +[](long double V) { return V * GrowFactor; }
                       : +[](long double V) { return V * ShrinkFactor; });
}

std::string TurnedVerAngleText(double VerAngle, long double Turn)
{
    const long double Limit = Turn > 0.0L ? HalfPi : -HalfPi;
    auto Inside = [](long double V) { return V > -HalfPi && V < HalfPi; };
    std::string Text;
    if (WrittenAllowed(VerAngle + Turn, Inside, Text)) return Text;
    // Past the limit: the nearest written value inside, found by shortening
    // the limit in its last digits, unless the angle is already there.
    for (int Digits = 1; Digits < 100; ++Digits) {
        if (WrittenAllowed(Limit * (1.0L - Digits * 1e-15L), Inside, Text)) {
            double Written = 0;
            ReadReal(Text, Written);
            return Turn > 0.0L ? (Written > VerAngle ? Text : "")
                               : (Written < VerAngle ? Text : "");
        }
    }
    return {};
}

std::string ScaledDistanceText(double Distance, long double Factor, double BoundingRadius)
{
    std::string Text;
    if (WrittenAllowed(
            Distance * Factor, [BoundingRadius](long double V) { return V > BoundingRadius; },
            Text))
        return Text;
    return {};
}

std::string MinDistanceText(double BoundingRadius)
{
    return FormatReal(BoundingRadius * MinDistanceFactor);
}

}  // namespace MainUnit
