// The texts of the legend beside the graph: the function, the intervals, the
// number of points and the Y value at each colour swatch of the height ramp.
#pragma once

#include <cstdint>
#include <string>

namespace MainUnit {

struct TLegendTexts {
  std::string FunctionExpression;
  std::string XInterval;
  std::string ZInterval;
  std::string Points;
  std::string RedWhite;   // index 1475, the colour of the highest Y
  std::string Red;        // 1280
  std::string Yellow;     // 1024
  std::string Green;      // 768
  std::string LightBlue;  // 512
  std::string Blue;       // 256
  std::string Purple;     // 0, the colour of the lowest Y
  std::string Undefined;
};

// What the legend shows about one calculation.
struct TLegendInput {
  const char* Expression = nullptr;  // blank-free; null empties the legend
  double XIntervalFrom = 0, XIntervalTo = 0;
  double YIntervalFrom = 0, YIntervalTo = 0;
  double ZIntervalFrom = 0, ZIntervalTo = 0;
  int32_t PointCount = 0;
  bool SquareOrder = true;
};

// All twelve texts; every one empty when Expression is null.
TLegendTexts MakeLegendTexts(const TLegendInput& Input);

}  // namespace MainUnit
