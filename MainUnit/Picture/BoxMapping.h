// "Scale axes to a box": X and Z of the result box mapped linearly onto
// [-L/2, L/2], L being the larger of the X and Z widths, and Y onto
// [-hL/2, hL/2], h the box's height fraction, so that the box is centred on
// the origin with heights that read against its base. Only where the points
// are drawn changes; colours and every number a user reads stay in true
// values.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "Proc3D/Proc3D.h"

#include <string>

namespace MainUnit {

// The true values an edge of the cube spans.
struct TAxisSpan {
    double From = 0;
    double To = 0;
};

// Place = P x Scale + Shift, axis by axis in double: one multiplication and
// one addition, the same operations in both painters, so both draw the same
// place. An axis without width (a constant function, a degenerate interval)
// keeps unit scale and is given the box's width along it (L, or hL for Y)
// about its value, so that it still has a span to draw and label; with no
// width at all L is 1.
struct TBoxMapping {
    Proc3D::TPoint3D Scale{1, 1, 1};
    Proc3D::TPoint3D Shift{0, 0, 0};
    TAxisSpan X, Y, Z;      // the true spans of the cube's edges
    double Half = 0;        // L / 2: the box is [-Half, Half] along X and Z
    double HalfY = 0;       // hL / 2: the box is [-HalfY, HalfY] along Y
    double Radius = 0;      // a sphere round the origin that holds the whole box
    double UndefinedY = 0;  // where undefined points sit: height 0 held within the Y span
};

// BoxHeight is the fraction h, from SmallestBoxHeight to LargestBoxHeight.
TBoxMapping MakeBoxMapping(const TResultSet& Results, double BoxHeight = DefaultBoxHeight);

inline Proc3D::TPoint3D MapToBox(const TBoxMapping& Box, const Proc3D::TPoint3D& P)
{
    return {P.X * Box.Scale.X + Box.Shift.X, P.Y * Box.Scale.Y + Box.Shift.Y,
            P.Z * Box.Scale.Z + Box.Shift.Z};
}

// The true value of a cube coordinate on one axis (for labels and ticks).
inline long double UnmapAxis(double Scale, double Shift, long double Coordinate)
{
    return (Coordinate - Shift) / Scale;
}

// The radius the camera distance must exceed: the cube's with the box, the
// result set's own without.
double ViewRadius(const TResultSet& Results, bool Box, double BoxHeight = DefaultBoxHeight);

// The status text that suggests the box when the heights span more than 4
// times, or less than a quarter of, the larger of the X and Z widths (where
// to find it in the detail); empty otherwise.
TStatusText BoxSuggestion(const TResultSet& Results);

}  // namespace MainUnit
