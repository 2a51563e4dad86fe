// Where the repaint draws a result point and with which colour: shared by
// the fast point loop and the straightforward one.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/FillWords.h"
#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace MainUnit {

inline bool IsUndefinedY(double Y)
{
    return std::bit_cast<uint64_t>(Y) == std::bit_cast<uint64_t>(SolveExp::UndefinedValue);
}

// Whether P is drawn at all: an undefined point only when those are shown,
// a defined point only inside the Y interval.
inline bool KeepsPoint(const Proc3D::TPoint3D& P, const TResultSet& Results, bool ShowUndefined,
                       bool& Undefined)
{
    Undefined = IsUndefinedY(P.Y);
    if (Undefined) return ShowUndefined;
    return !(P.Y > Results.YIntervalTo || P.Y < Results.YIntervalFrom);
}

// The place of a point kept: (X, 0, Z) for an undefined point, P itself
// for a defined one.
inline Proc3D::TPoint3D PlaceOf(const Proc3D::TPoint3D& P, bool Undefined)
{
    return Undefined ? Proc3D::TPoint3D{P.X, 0.0, P.Z} : P;
}

// KeepsPoint and PlaceOf in one; false to skip P. Color is left for the
// caller: undefined points are white, defined ones take the height colour
// of their Y.
inline bool PlaceOfPoint(const Proc3D::TPoint3D& P, const TResultSet& Results, bool ShowUndefined,
                         Proc3D::TPoint3D& Place, bool& Undefined)
{
    if (!KeepsPoint(P, Results, ShowUndefined, Undefined)) return false;
    Place = PlaceOf(P, Undefined);
    return true;
}

// A place of PlaceOfPoint moved into the cube of Box: a defined point by
// the mapping, an undefined one at the cube's height for 0.
inline void MovePlaceToBox(const TBoxMapping& Box, bool Undefined, Proc3D::TPoint3D& Place)
{
    Place = MapToBox(Box, Place);
    if (Undefined) Place.Y = Box.UndefinedY;
}

// PlaceOfPoint, then the place moved into the cube of Box.
inline bool BoxPlaceOfPoint(const Proc3D::TPoint3D& P, const TResultSet& Results,
                            bool ShowUndefined, const TBoxMapping& Box, Proc3D::TPoint3D& Place,
                            bool& Undefined)
{
    if (!PlaceOfPoint(P, Results, ShowUndefined, Place, Undefined)) return false;
    MovePlaceToBox(Box, Undefined, Place);
    return true;
}

// The eight corners of the box, for the depth range of a boxed picture.
inline TResultSet CubeCorners(const TBoxMapping& Box)
{
    TResultSet Cube;
    Cube.XIntervalFrom = Cube.ZIntervalFrom = -Box.Half;
    Cube.XIntervalTo = Cube.ZIntervalTo = Box.Half;
    Cube.YIntervalFrom = -Box.HalfY;
    Cube.YIntervalTo = Box.HalfY;
    return Cube;
}

// The checks both point loops make before painting anything.
inline bool PaintArgumentsValid(const TPixelArray& Picture, const TDepthBuffer* DepthBuffer)
{
    if (Picture.Pixels == nullptr || Picture.Width < 1 || Picture.Height < 1) return false;
    return DepthBuffer == nullptr ||
           (DepthBuffer->Width == Picture.Width && DepthBuffer->Height == Picture.Height &&
            DepthBuffer->Depths.size() ==
                static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height));
}

// No pixel has a point yet.
inline void ClearPointRecord(const TPixelArray& Picture)
{
    if (Picture.Indexes == nullptr) return;
    FillWords(Picture.Indexes,
              static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height), NoPoint);
}

}  // namespace MainUnit
