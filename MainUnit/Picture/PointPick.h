// The point under a pixel of a painted picture, read from the record the
// repaint keeps of which point set each pixel, and how it is written.
#pragma once

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Text/Refusal.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace MainUnit {

// How far from the pointer a drawn pixel still counts as under it.
inline constexpr int32_t PickReach = 3;

// The index recorded at (X, Y) in the Width x Height record of which point
// set each pixel (laid out as TPixelArray's Indexes); when that pixel has none, the index of the
// nearest pixel that has one within PickReach pixels in straight-line
// distance, the first in row order among equally near ones. NoPoint when
// nothing is that near, (X, Y) lies outside or there is no record.
int32_t PickPoint(const int32_t* Record, int32_t Width, int32_t Height, int32_t X, int32_t Y);

// "x = 1.5, y = -0.25, z = 3": each number in the shortest form that reads
// back to the same double, "undefined" for an undefined y.
std::string PointReading(const Proc3D::TPoint3D& Point);

// The command line's answer: "pick 10,20: x=1.5 y=-0.25 z=3", or
// "pick 10,20: none" for NoPoint (Index is an index into Results.Points).
std::string PickLine(int32_t X, int32_t Y, const TResultSet& Results, int32_t Index);

// "PX,PY": two decimal integers; X and Y stay as they were when refused.
TRefusal ReadPickOption(std::string_view Value, int32_t& X, int32_t& Y);

// None when (X, Y) is a pixel of a Width x Height picture, otherwise
// PickOutside, whose message names the four figures.
struct TPickRefusal {
    TRefusal Refusal = TRefusal::None;
    TRefusalFigures Figures{};
};
TPickRefusal CheckPickInside(int32_t X, int32_t Y, int32_t Width, int32_t Height);

}  // namespace MainUnit
