// The colour bar's measures at scale 1, shared by the frame that makes room
// for it and the bar's own layout. Left to right: the space before the ramp,
// the ramp, the tick mark, the space before the text, the advance allowed
// for one character of the text (a bold digit of the window's text with
// room to spare), the space after the text. Upward: a text row, as tall as
// the legend's value labels, and the undefined colour's swatch.
#pragma once

namespace MainUnit::ColourBarMeasures {

inline constexpr long double Lead = 10, RampWidth = 16, TickLength = 4, TextGap = 3,
                             CharAdvance = 7.5, Trail = 8;
inline constexpr long double TextRow = 16, SwatchHeight = 12;

}  // namespace MainUnit::ColourBarMeasures
