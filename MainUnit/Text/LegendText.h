// The texts of the legend beside the graph: the function, the intervals, the
// number of points and the Y value at each colour swatch of the height ramp.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"

#include <array>
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

// The twelve legend labels, from the function down to the undefined swatch.
inline constexpr int LegendLabelCount = 12;

// The texts in the order of the labels: FunctionExpression, XInterval,
// ZInterval, Points, RedWhite, Red, Yellow, Green, LightBlue, Blue, Purple,
// Undefined.
inline std::array<const std::string*, LegendLabelCount> LegendTextsInOrder(const TLegendTexts& T)
{
    return {&T.FunctionExpression, &T.XInterval, &T.ZInterval, &T.Points,
            &T.RedWhite,           &T.Red,       &T.Yellow,    &T.Green,
            &T.LightBlue,          &T.Blue,      &T.Purple,    &T.Undefined};
}

// The texts for the result set of the last calculation with its blank-free
// Expression; every one empty when Expression is null. SquareOrder is the
// order the window shows at this moment.
TLegendTexts MakeLegendTexts(const char* Expression, const TResultSet& Results, bool SquareOrder);

}  // namespace MainUnit
