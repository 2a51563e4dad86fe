// The tick marks of an axis: steps of 1, 2 or 5 times a power of ten, 4 to
// 8 ticks over the axis, each labelled in the shortest text that still tells
// the ticks apart.
#pragma once

#include <string>
#include <vector>

namespace MainUnit {

struct TTick {
    double Value = 0;
    std::string Text;
};

// The ticks inside [From, To] (or past an end by a thousandth of the span
// at most, so that 99.9999 still gets its tick at 100), lowest first. Of the 1-2-5 steps that give 4
// to 8 ticks the coarsest is taken; where none does (an interval that falls
// between two steps) the finer step is taken, 9 ticks, since labels without
// room are dropped anyway. Empty for an interval without width, one that is
// not finite, or one too narrow for its magnitude to number its ticks.
std::vector<TTick> AxisTicks(double From, double To);

}  // namespace MainUnit
