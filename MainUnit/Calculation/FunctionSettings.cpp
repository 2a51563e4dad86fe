#include "MainUnit/Calculation/FunctionSettings.h"

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Calculation/Statistics.h"
#include "MainUnit/Text/NumberText.h"
#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace MainUnit {

namespace {

// The value of an empty Y end: 1.7e308, not the largest double.
constexpr double OpenYEnd = 1.7e308;

void Order(double& From, double& To)
{
    if (To < From) std::swap(From, To);
}

// Reads a Y end: an empty field is no error, the end is then open.
bool ReadYEnd(std::string_view Text, double OpenValue, double& Value)
{
    if (Text.empty()) {
        Value = OpenValue;
        return true;
    }
    return ReadReal(Text, Value);
}

TRefusal CheckExpression(std::string_view Text, TFunctionSettings& Settings)
{
    if (Text.size() > static_cast<std::size_t>(MaxExpressionLength))
        return TRefusal::ExpressionLength;
    // A zero byte would silently cut the text short for every routine below.
    if (Text.find('\0') != std::string_view::npos) return TRefusal::SyntaxError;
    std::array<char, MaxExpressionLength + 1> Expression{};
    std::memcpy(Expression.data(), Text.data(), Text.size());
    SolveExp::RemoveSpaces(Expression.data());

    // Trial substitution at X = Z = 1: it fails when more than ten letters need room.
    std::array<char, WorkBufferSize> Work{};
    const auto Length = static_cast<int32_t>(std::strlen(Expression.data()));
    std::memcpy(Work.data(), Expression.data(), static_cast<std::size_t>(Length) + 1);
    if (!SolveExp::SubstituteParameters(Work.data(), SolveExp::SubstitutionCapacity(Length), 1.0,
                                        1.0))
        return TRefusal::ParameterCount;
    // The trial evaluation stops at the first undefined value, so a syntax
    // error behind it would pass; the whole text is checked as well, so that
    // no point can ever be stored with the syntax-error value.
    if (SolveExp::EvaluateExpression(Work.data()) == SolveExp::SyntaxErrorValue ||
        !SolveExp::IsWellFormed(Work.data()))
        return TRefusal::SyntaxError;
    Settings.Expression = Expression;
    return TRefusal::None;
}

}  // namespace

TRefusal CheckFunctionSettings(const TFunctionSettingsTexts& Texts, TFunctionSettings& Settings)
{
    TFunctionSettings Out;
    int32_t Count = 0;
    if (!ReadInteger(Texts.PointsToShow, Count) || Count <= FewestPointsRefused ||
        Count >= MostPointsRefused)
        return TRefusal::PointsToShow;
    Out.PointCount = Count;

    // All six are read first; a value out of the double range is no number.
    const bool XFrom = ReadReal(Texts.XIntervalFrom, Out.XIntervalFrom);
    const bool XTo = ReadReal(Texts.XIntervalTo, Out.XIntervalTo);
    const bool YFrom = ReadYEnd(Texts.YIntervalFrom, -OpenYEnd, Out.YIntervalFrom);
    const bool YTo = ReadYEnd(Texts.YIntervalTo, OpenYEnd, Out.YIntervalTo);
    const bool ZFrom = ReadReal(Texts.ZIntervalFrom, Out.ZIntervalFrom);
    const bool ZTo = ReadReal(Texts.ZIntervalTo, Out.ZIntervalTo);
    if (!(XFrom && XTo && ZFrom && ZTo)) return TRefusal::XZInterval;
    if (!YFrom || !YTo) return TRefusal::YInterval;
    Order(Out.XIntervalFrom, Out.XIntervalTo);
    Order(Out.YIntervalFrom, Out.YIntervalTo);
    Order(Out.ZIntervalFrom, Out.ZIntervalTo);

    const TRefusal Refusal = CheckExpression(Texts.Expression, Out);
    if (Refusal != TRefusal::None) return Refusal;
    Settings = Out;
    return TRefusal::None;
}

bool IntervalsShowable(const TFunctionSettings& Settings)
{
    return IsShowableRadius(IntervalBoundingRadius(Settings));
}

TCalculationRequest MakeCalculationRequest(const TFunctionSettings& Checked, bool SquareOrder,
                                           uint32_t Seed)
{
    TCalculationRequest Request;
    Request.RequestedCount = Checked.PointCount;
    CopyIntervals(Checked, Request);
    Request.SquareOrder = SquareOrder;
    Request.RandomSeed = Seed;
    Request.Expression = Checked.Expression.data();
    return Request;
}

}  // namespace MainUnit
