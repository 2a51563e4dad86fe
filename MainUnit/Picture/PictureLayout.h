// Where the " Graph window " group places its pictures, in the group's
// pixels: the graph, below it the axes sketch over its colour key, and the
// legend beside them. The whole picture that is saved, copied and written
// reaches from the graph's top left corner over all four.
#pragma once

#include "MainUnit/Picture/GraphPaint.h"

#include <algorithm>
#include <cstdint>

namespace MainUnit {

struct TPlace {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    constexpr int32_t Right() const { return Left + Width; }   // one past the last column
    constexpr int32_t Bottom() const { return Top + Height; }  // one past the last row
};

inline constexpr TPlace GraphPlace{8, 20, GraphWidth, GraphHeight};
inline constexpr TPlace OutlinePlace{8, 426, 145, 103};
inline constexpr TPlace AxisesPlace{8, 529, 145, 17};
inline constexpr TPlace LegendPlace{156, 426, 357, 120};

// The whole picture at the window's size.
inline constexpr int32_t PictureWidth =
    std::max({GraphPlace.Right(), OutlinePlace.Right(), AxisesPlace.Right(), LegendPlace.Right()}) -
    GraphPlace.Left;
inline constexpr int32_t PictureHeight = std::max({GraphPlace.Bottom(), OutlinePlace.Bottom(),
                                                   AxisesPlace.Bottom(), LegendPlace.Bottom()}) -
                                         GraphPlace.Top;

}  // namespace MainUnit
