// Fuzz target: the whole calculation core on a small grid.
//
// The input is the eight function-settings fields, one per line (points to
// show, X from/to, Y from/to, Z from/to, expression) and a last byte for the
// order. A refusal must be one of the program's warnings; an accepted
// setting is sized, stored and calculated, and the result set must then
// keep its invariants: ordered intervals, PointCount within the entries,
// points inside their intervals and in grid order, every Y exactly the text
// evaluation at its X and Z, the Y range clipped to the defined results,
// and BoundingRadius the positive distance of the farthest corner.
#include "FuzzCheck.h"
#include "MainUnit/Calculation/Calculation.h"
#include "MainUnit/Calculation/ExpressionLimits.h"
#include "MainUnit/Calculation/FunctionSettings.h"
#include "MainUnit/Calculation/Statistics.h"
#include "SolveExp/SolveExp.h"
#include "tests/Robustness/CalculationWarnings.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using FuzzCheck::Require;
using MainUnit::TResultSet;
using SolveExp::SameBits;

// Big enough grids slow the search down without finding more.
constexpr std::size_t MaxEntries = 600;

bool IsWarning(const std::string& Text)
{
    for (const char* W : TesselTest::CalculationWarningTexts)
        if (Text == W) return true;
    return false;
}

// Y at (X, Z) the way the driver defines it: a fresh copy of the blank-free
// text, the substitution with room for ten letters, the evaluation.
double TextPathY(const char* Expression, double X, double Z)
{
    char Work[MainUnit::WorkBufferSize] = {};
    const int32_t Length = static_cast<int32_t>(std::strlen(Expression));
    std::memcpy(Work, Expression, static_cast<std::size_t>(Length) + 1);
    SolveExp::SubstituteParameters(Work, SolveExp::SubstitutionCapacity(Length), X, Z);
    return SolveExp::EvaluateExpression(Work);
}

void CheckPlacement(const TResultSet& R, const MainUnit::TGridPlan& Plan, bool Square,
                    const std::string& In)
{
    // The steps are rounded to double before they are multiplied, so the last
    // line may pass the end by the rounding of each step: a relative trifle for
    // normal widths, but a few whole units of the last place for subnormal ones.
    constexpr double Tiny = std::numeric_limits<double>::denorm_min();
    const double SlackX = (R.XIntervalTo - R.XIntervalFrom) * 1e-9 + Plan.Cols * Tiny;
    const double SlackZ = (R.ZIntervalTo - R.ZIntervalFrom) * 1e-9 + Plan.Rows * Tiny;
    for (int32_t K = 0; K < R.PointCount; ++K) {
        const auto& P = R.Points[static_cast<std::size_t>(K)];
        Require(P.X >= R.XIntervalFrom && P.X <= R.XIntervalTo + SlackX,
                "a point outside the X interval", In);
        Require(P.Z >= R.ZIntervalFrom && P.Z <= R.ZIntervalTo + SlackZ,
                "a point outside the Z interval", In);
        if (!Square) continue;
        const int32_t I = K / Plan.Rows, J = K % Plan.Rows;
        const auto& ColumnStart =
            R.Points[static_cast<std::size_t>(I) * static_cast<std::size_t>(Plan.Rows)];
        Require(P.X == ColumnStart.X, "X changes within a grid column", In);
        Require(P.Z == R.Points[static_cast<std::size_t>(J)].Z, "Z differs between grid columns",
                In);
        if (I == 0) Require(P.X == R.XIntervalFrom, "the first column is not at X From", In);
        if (J == 0) Require(P.Z == R.ZIntervalFrom, "the first row is not at Z From", In);
        if (J > 0)
            Require(P.Z >= R.Points[static_cast<std::size_t>(K - 1)].Z, "Z falls along a column",
                    In);
    }
}

void CheckStatistics(const TResultSet& R, double UserYFrom, double UserYTo, const std::string& In)
{
    bool Any = false;
    double Ymin = 0, Ymax = 0;
    for (int32_t K = 0; K < R.PointCount; ++K) {
        const double Y = R.Points[static_cast<std::size_t>(K)].Y;
        if (SameBits(Y, SolveExp::UndefinedValue)) continue;
        if (!Any) Ymin = Ymax = Y;
        Ymin = std::fmin(Ymin, Y);
        Ymax = std::fmax(Ymax, Y);
        Any = true;
    }
    Require(R.YIntervalFrom == std::fmax(UserYFrom, Ymin),
            "Y From is not clipped to the smallest defined Y", In);
    Require(R.YIntervalTo == std::fmin(UserYTo, Ymax),
            "Y To is not clipped to the largest defined Y", In);
    auto Wider = [](double A, double B) { return std::fmax(std::fabs(A), std::fabs(B)); };
    const long double X = Wider(R.XIntervalFrom, R.XIntervalTo),
                      Y = Wider(R.YIntervalFrom, R.YIntervalTo),
                      Z = Wider(R.ZIntervalFrom, R.ZIntervalTo);
    double Radius = static_cast<double>(std::sqrt(X * X + Y * Y + Z * Z));
    if (Radius == 0) Radius = 0.001;
    Require(R.BoundingRadius > 0, "BoundingRadius is not positive", In);
    if (std::isinf(Radius))  // a box beyond the double range
        Require(std::isinf(R.BoundingRadius), "BoundingRadius of a box beyond the double range",
                In);
    else
        Require(std::fabs(R.BoundingRadius - Radius) <= 4e-16 * Radius,
                "BoundingRadius is not the farthest corner", In);
}

void Calculate(const std::string& In, const MainUnit::TFunctionSettings& S, bool Square,
               uint32_t Seed)
{
    const MainUnit::TGridPlan Plan = MainUnit::PlanGrid(
        S.PointCount, S.XIntervalFrom, S.XIntervalTo, S.ZIntervalFrom, S.ZIntervalTo);
    if (!Plan.Ok) return;  // a width beyond the range of numbers, refused by the driver
    const std::size_t Entries =
        static_cast<std::size_t>(Plan.Cols) * static_cast<std::size_t>(Plan.Rows);
    Require(Entries >= static_cast<std::size_t>(S.PointCount),
            "a grid with fewer entries than requested", In);
    if (Entries > MaxEntries) return;
    TResultSet R;
    Require(MainUnit::ReservePoints(R, Plan) && R.Points.size() == Entries,
            "a small grid was not reserved", In);
    MainUnit::TCalculationRequest Request;
    Request.RequestedCount = S.PointCount;
    Request.XIntervalFrom = S.XIntervalFrom, Request.XIntervalTo = S.XIntervalTo;
    Request.YIntervalFrom = S.YIntervalFrom, Request.YIntervalTo = S.YIntervalTo;
    Request.ZIntervalFrom = S.ZIntervalFrom, Request.ZIntervalTo = S.ZIntervalTo;
    Request.SquareOrder = Square;
    Request.RandomSeed = Seed;
    Request.Expression = S.Expression.data();
    Require(MainUnit::CalculateResults(R, Request, Plan), "an accepted calculation failed", In);
    Require(R.XIntervalFrom <= R.XIntervalTo && R.ZIntervalFrom <= R.ZIntervalTo,
            "intervals out of order", In);
    Require(R.PointCount == (Square ? static_cast<int32_t>(Entries) : S.PointCount), "PointCount",
            In);
    Require(R.Points.size() == Entries, "the entries changed", In);
    for (int32_t K = 0; K < R.PointCount; ++K) {
        const auto& P = R.Points[static_cast<std::size_t>(K)];
        Require(std::isfinite(P.Y) && !SameBits(P.Y, SolveExp::SyntaxErrorValue),
                "a Y that is no result", In);
        Require(SameBits(P.Y, TextPathY(S.Expression.data(), P.X, P.Z)),
                "a Y that the text evaluation does not give", In);
    }
    CheckPlacement(R, Plan, Square, In);
    CheckStatistics(R, S.YIntervalFrom, S.YIntervalTo, In);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    const std::string In(reinterpret_cast<const char*>(Data), Size);
    std::vector<std::string> Fields;
    std::size_t Start = 0;
    while (Fields.size() < 7) {
        std::size_t End = In.find('\n', Start);
        if (End == std::string::npos) return 0;
        Fields.push_back(In.substr(Start, End - Start));
        Start = End + 1;
    }
    // The expression runs to the end but for a last byte that picks the order.
    std::string Expression = In.substr(Start);
    const uint8_t Order = Expression.empty() ? 0 : static_cast<uint8_t>(Expression.back());
    if (!Expression.empty()) Expression.pop_back();
    Expression = FuzzCheck::UpToZero(Expression);

    const MainUnit::TFunctionSettingsTexts Texts{Fields[0], Fields[1], Fields[2], Fields[3],
                                                 Fields[4], Fields[5], Fields[6], Expression};
    MainUnit::TFunctionSettings Settings;
    const std::string Warning =
        MainUnit::RefusalMessage(MainUnit::CheckFunctionSettings(Texts, Settings));
    if (!Warning.empty()) {
        Require(IsWarning(Warning), "a refusal that is not one of the program's warnings", In);
        return 0;
    }
    Require(Settings.PointCount > 10 && Settings.PointCount < 1000000,
            "an accepted point count out of range", In);
    Require(Settings.XIntervalFrom <= Settings.XIntervalTo &&
                Settings.YIntervalFrom <= Settings.YIntervalTo &&
                Settings.ZIntervalFrom <= Settings.ZIntervalTo,
            "accepted intervals not put in order", In);
    Require(std::strchr(Settings.Expression.data(), ' ') == nullptr,
            "blanks left in the expression", In);
    Calculate(In, Settings, Order % 2 == 0, 0x9E3779B9u * Order);
    return 0;
}
