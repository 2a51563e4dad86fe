// The point loop exactly as a repaint describes it, one call per step.
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "Proc3D/ExtendedMath.h"

#include <algorithm>
#include <cstddef>

namespace MainUnit {

bool PaintGraphReference(const TResultSet& Results, const Proc3D::TViewPlane& View,
                         const TPixelArray& Picture, bool ShowUndefined, TDepthBuffer* DepthBuffer,
                         const TPointStyle& Style)
{
    if (!PaintArgumentsValid(Picture, DepthBuffer)) return false;
    ClearPointRecord(Picture);
    TDepthRange Range;
    if (DepthBuffer != nullptr) {
        ClearDepthBuffer(*DepthBuffer);
        Range = Style.Box != nullptr ? CalcDepthRange(View.Camera, CubeCorners(*Style.Box))
                                     : CalcDepthRange(View.Camera, Results);
    }
    const long double Scale = HeightScale(Results.YIntervalFrom, Results.YIntervalTo);
    const size_t Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    for (size_t I = 0; I < Count; ++I) {
        const Proc3D::TPoint3D& P = Results.Points[I];
        Proc3D::TPoint3D Place;
        bool Undefined = false;
        if (Style.Box ? !BoxPlaceOfPoint(P, Results, ShowUndefined, *Style.Box, Place, Undefined)
                      : !PlaceOfPoint(P, Results, ShowUndefined, Place, Undefined))
            continue;
        uint32_t Color = Undefined
                             ? Style.Undefined
                             : Proc3D::HeightColor(HeightIndex(P.Y, Results.YIntervalFrom, Scale));
        int32_t X = 0, Y = 0;
        if (!Proc3D::ProjectPoint(View, Place, X, Y)) continue;
        if (X < 0 || X >= Picture.Width || Y < 0 || Y >= Picture.Height) continue;
        if (DepthBuffer != nullptr &&
            !DepthTest(*DepthBuffer, Range, X, Y, Proc3D::DistanceBetween(Place, View.Camera),
                       Color, Color)) {
            continue;
        }
        const size_t Pixel =
            static_cast<size_t>(Y) * static_cast<size_t>(Picture.Width) + static_cast<size_t>(X);
        Picture.Pixels[Pixel] = Color;
        if (Picture.Indexes != nullptr) Picture.Indexes[Pixel] = static_cast<int32_t>(I);
    }
    return true;
}

}  // namespace MainUnit
