#include "MainUnit/LegendText.h"

#include "MainUnit/NumberText.h"
#include "Proc3D/Proc3D.h"

namespace MainUnit {

namespace {

// The height ramp has 1536 steps; the top ones are kept for white, the
// colour of undefined results, so Y values use the indices 0 to 1475.
constexpr int32_t HighestYIndex = 1535 - static_cast<int32_t>(Proc3D::ColorIndexReserve);

std::string Interval(const char* Name, double From, double To) {
  return std::string(Name) + " = <" + FormatReal(From) + " ;" + FormatReal(To) + ">";
}

}  // namespace

TLegendTexts MakeLegendTexts(const TLegendInput& Input) {
  TLegendTexts Texts;
  if (Input.Expression == nullptr) return Texts;
  Texts.FunctionExpression = std::string("Y = ") + Input.Expression;
  Texts.XInterval = Interval("X", Input.XIntervalFrom, Input.XIntervalTo);
  Texts.ZInterval = Interval("Z", Input.ZIntervalFrom, Input.ZIntervalTo);
  Texts.Points = std::to_string(Input.PointCount) +
                 (Input.SquareOrder ? " points (square ordered) really showed"
                                    : " points (random ordered) really showed");
  // Y difference between two neighbouring colour indices, kept as a double;
  // the label value n * Step + From is formed in extended precision.
  const double Step = (static_cast<long double>(Input.YIntervalTo) - Input.YIntervalFrom) / HighestYIndex;
  auto At = [&](int32_t Index) {
    return "Y = " + FormatReal(static_cast<long double>(Index) * Step + Input.YIntervalFrom);
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
