#include "MainUnit/Text/LegendText.h"

#include "MainUnit/Text/NumberText.h"
#include "Proc3D/Proc3D.h"

namespace MainUnit {

namespace {

// The top steps of the height ramp are kept for white, the colour of
// undefined results; Y values use the steps up to this one.
constexpr int32_t HighestYIndex = static_cast<int32_t>(Proc3D::HighestYStep);

std::string Interval(const char* Name, double From, double To)
{
    return std::string(Name) + " = <" + FormatReal(From) + " ;" + FormatReal(To) + ">";
}

}  // namespace

TLegendTexts MakeLegendTexts(const char* Expression, const TResultSet& Results, bool SquareOrder)
{
    TLegendTexts Texts;
    if (Expression == nullptr) return Texts;
    Texts.FunctionExpression = std::string("Y = ") + Expression;
    Texts.XInterval = Interval("X", Results.XIntervalFrom, Results.XIntervalTo);
    Texts.ZInterval = Interval("Z", Results.ZIntervalFrom, Results.ZIntervalTo);
    Texts.Points = std::to_string(Results.PointCount) +
                   (SquareOrder ? " points (square ordered) really showed"
                                : " points (random ordered) really showed");
    // Y difference between two neighbouring colour indices, kept as a double;
    // the label value n * Step + From is formed in extended precision.
    const double Step = static_cast<double>(
        (static_cast<long double>(Results.YIntervalTo) - Results.YIntervalFrom) / HighestYIndex);
    auto At = [&](int32_t Index) {
        return "Y = " + FormatReal(static_cast<long double>(Index) * Step + Results.YIntervalFrom);
    };
    Texts.RedWhite = At(HighestYIndex);
    Texts.Red = At(1280);
    Texts.Yellow = At(1024);
    Texts.Green = At(768);
    Texts.LightBlue = At(512);
    Texts.Blue = At(256);
    Texts.Purple = At(0);
    Texts.Undefined = "Y is undefined";
    return Texts;
}

}  // namespace MainUnit
