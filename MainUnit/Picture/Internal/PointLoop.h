// The steps of the point loop for one point, in the scalar way: where it
// lands (by the screened estimate, or exactly where that is unsure), its
// depth entry, its colour, and the stores. Shared by every copy of the loop;
// each inlines them, so that each has its own instructions.
#pragma once

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/GraphPaintHalves.h"
#include "MainUnit/Picture/Internal/PaintContext.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/ScreenedShading.h"
#include "Proc3D/HoistedProjection.h"
#include "Proc3D/ScreenedProjection.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace MainUnit {

// Where a point lands and how far it is, known before the order of the
// points matters; its colour is worked out only once it is drawn.
// Every field is set by PlaceDot before it is read (the depth fields only
// with the depth buffer): left without initial values, which would cost a
// store each for every point.
struct TDot {
    int32_t X;
    int32_t Y;
    bool Undefined;
    float Depth;             // the value its depth entry would record
    bool Below;              // whether its distance lies below Depth
    double Distance;         // the double estimate of its distance; -1: take the exact one
    Proc3D::TPoint3D Place;  // with the folded box, set only where an estimate is unsure
};

// The sight line from the camera to the place in the cube of a kept point
// P, made from P itself: the box's mapping folded into one multiplication
// and one addition per axis, which the screen's margin allows for.
[[gnu::always_inline]] inline Proc3D::TPoint3D SightOf(const TPaintContext& Context,
                                                       const Proc3D::TPoint3D& P, bool Undefined)
{
    const Proc3D::TPoint3D& K = Context.BoxScale;
    const Proc3D::TPoint3D& O = Context.FoldedShift;
    return {P.X * K.X + O.X, Undefined ? Context.UndefinedSightY : P.Y * K.Y + O.Y,
            P.Z * K.Z + O.Z};
}

// The place of a kept point P: in the cube with the box. The exact rules
// take it where an estimate is unsure.
[[gnu::always_inline]] inline Proc3D::TPoint3D ExactPlace(const TPaintJob& Job,
                                                          const Proc3D::TPoint3D& P, bool Undefined)
{
    Proc3D::TPoint3D Place = PlaceOf(P, Undefined);
    if (Job.Style.Box != nullptr) MovePlaceToBox(*Job.Style.Box, Undefined, Place);
    return Place;
}

// Where a kept point P with the folded sight line Sight lands by the
// estimate, or Unsure with its place in the cube set for the exact
// projection. Otherwise the box needs no place of its own.
[[gnu::always_inline]] inline Proc3D::TScreenResult EstimateFolded(const TPaintJob& Job,
                                                                   const Proc3D::TPoint3D& P,
                                                                   const Proc3D::TPoint3D& Sight,
                                                                   TDot& Dot)
{
    const Proc3D::TScreen& Screen = Job.Context.Screen;
    const Proc3D::TScreenResult Estimate =
        Screen.Usable ? Proc3D::ScreenSight<true>(Screen, Sight, Dot.X, Dot.Y)
                      : Proc3D::TScreenResult::Unsure;
    if (Estimate == Proc3D::TScreenResult::Unsure) Dot.Place = ExactPlace(Job, P, Dot.Undefined);
    return Estimate;
}

// The depth entry of a dot of point P with the sight line Sight (folded
// with the box where the screen is), and the double estimate of its
// distance where that leaves no doubt.
[[gnu::always_inline]] inline void MeasureDot(const TPaintJob& Job, const Proc3D::TPoint3D& P,
                                              const Proc3D::TPoint3D& Sight, TDot& Dot)
{
    const TDepthMargins& M = Job.Context.DepthMargins;
    const Proc3D::TPoint3D& D = Sight;
    Dot.Distance = std::sqrt(D.X * D.X + D.Y * D.Y + D.Z * D.Z);
    if (!ScreenDepthEntry(Dot.Distance, Dot.Depth, Dot.Below, M.Entry, M.Shortest)) {
        Dot.Distance = -1;
        Dot.Place = ExactPlace(Job, P, Dot.Undefined);
        const long double Exact = Proc3D::DistanceBetween(Dot.Place, Job.Context.Screen.Camera);
        Dot.Depth = DepthEntryValue(Exact);
        Dot.Below = Exact < Dot.Depth;
    }
}

// False when the point is not drawn at all: skipped, or outside the picture.
// Boxed is a template argument so that the plain loop carries no test of it.
template <bool Boxed>
[[gnu::always_inline]] inline bool PlaceDot(const TPaintJob& Job, const Proc3D::TPoint3D& P,
                                            bool UseDepth, TDot& Dot)
{
    const TPaintContext& Context = Job.Context;
    const Proc3D::TScreen& Screen = Context.Screen;
    Proc3D::TScreenResult Estimate = Proc3D::TScreenResult::Unsure;
    // The screen's copy of the camera.
    const Proc3D::TPoint3D& Eye = Screen.Camera;
    if (Boxed && Context.Folded) {
        if (!KeepsPoint(P, Job.Results, Job.ShowUndefined, Dot.Undefined)) return false;
        Estimate = EstimateFolded(Job, P, SightOf(Context, P, Dot.Undefined), Dot);
    } else {
        if (!(Boxed ? BoxPlaceOfPoint(P, Job.Results, Job.ShowUndefined, *Job.Style.Box, Dot.Place,
                                      Dot.Undefined)
                    : PlaceOfPoint(P, Job.Results, Job.ShowUndefined, Dot.Place, Dot.Undefined)))
            return false;
        if (Screen.Usable) Estimate = Proc3D::ScreenPoint(Screen, Dot.Place, Dot.X, Dot.Y);
    }
    if (Estimate == Proc3D::TScreenResult::Outside) return false;
    if (Estimate == Proc3D::TScreenResult::Unsure) {
        if (!Proc3D::Project(Context.Projector, Dot.Place, Dot.X, Dot.Y)) return false;
        // One unsigned comparison per axis also rejects negative coordinates.
        if (static_cast<uint32_t>(Dot.X) >= static_cast<uint32_t>(Job.Picture.Width) ||
            static_cast<uint32_t>(Dot.Y) >= static_cast<uint32_t>(Job.Picture.Height)) {
            return false;
        }
    }
    // The sight line made again rather than kept in registers all along.
    if (UseDepth) {
        const Proc3D::TPoint3D& Place = Dot.Place;
        MeasureDot(Job, P,
                   Boxed && Context.Folded
                       ? SightOf(Context, P, Dot.Undefined)
                       : Proc3D::TPoint3D{Place.X - Eye.X, Place.Y - Eye.Y, Place.Z - Eye.Z},
                   Dot);
    }
    return true;
}

// The colour of a dot that is drawn: by height (white when undefined), and
// darkened by its distance when the depth buffer is used.
[[gnu::always_inline]] inline uint32_t DotColor(const TPaintJob& Job, const Proc3D::TPoint3D& P,
                                                const TDot& Dot, bool UseDepth)
{
    const TPaintContext& Context = Job.Context;
    uint32_t Color = Job.Style.Undefined;
    if (!Dot.Undefined) {
        const double YFrom = Job.Results.YIntervalFrom;
        uint32_t Index = 0;
        if (!ScreenHeightIndex(P.Y, YFrom, Context.ScaleEstimate, Index))
            Index = HeightIndex(P.Y, YFrom, Context.Scale);
        Color = Context.Ramp[Index];
    }
    if (!UseDepth) return Color;
    uint8_t Factor = 0;
    if (Dot.Distance < 0 ||
        !ScreenDepthFactor(Context.DepthScreen, Dot.Distance, Factor, Context.DepthMargins.Factor))
        Factor =
            DepthFactor(Context.Range, Proc3D::DistanceBetween(ExactPlace(Job, P, Dot.Undefined),
                                                               Context.Projector.Camera));
    return Proc3D::ShadeColor(Color, Factor);
}

// The depth test of a dot at its pixel's Entry.
[[gnu::always_inline]] inline bool DotDepthTest(const TPaintJob& Job, const TDot& Dot, float& Entry)
{
    if (Dot.Depth < MaxStoredDepth) return DepthTestAndStoreEntry(Entry, Dot.Depth, Dot.Below);
    return DepthTestAndStoreDistance(
        Entry, Proc3D::DistanceBetween(Dot.Place, Job.Context.Projector.Camera));
}

// Whether the loop goes on before the depth test of a dot whose entry value
// is Stored: a split half stops at a point that keeps the halves from being
// combined (Unmergeable).
[[gnu::always_inline]] inline bool GoesOn(float Stored, THalfDuty Duty, bool& Unmergeable)
{
    if (Stored == 0.0f || Stored >= HugeDepth) {
        Unmergeable = true;
        if (Duty.Split) return false;
    }
    return true;
}

// Colour and point I of a dot that passed its depth test, at Pixel.
[[gnu::always_inline]] inline void PutDot(const TPixelArray& Picture, size_t Pixel, size_t I,
                                          uint32_t Color)
{
    Picture.Pixels[Pixel] = Color;
    if (Picture.Indexes != nullptr) Picture.Indexes[Pixel] = static_cast<int32_t>(I);
}

// Point I from start to end, every step in the scalar way; false when the
// loop must stop.
template <bool Boxed>
[[gnu::always_inline]] inline bool PaintPoint(const TPaintJob& Job, size_t I,
                                              const TPixelArray& Picture, TDepthBuffer* Depth,
                                              THalfDuty Duty, bool& Unmergeable)
{
    const bool UseDepth = Depth != nullptr;
    const Proc3D::TPoint3D& P = Job.Results.Points[I];
    TDot Dot;
    if (!PlaceDot<Boxed>(Job, P, UseDepth, Dot)) return true;
    const size_t Pixel = static_cast<size_t>(Dot.Y) * static_cast<size_t>(Picture.Width) +
                         static_cast<size_t>(Dot.X);
    uint32_t Mark = 0;
    if (UseDepth) {
        if (!GoesOn(Dot.Depth, Duty, Unmergeable)) return false;
        if (!DotDepthTest(Job, Dot, Depth->Depths[Pixel])) return true;  // laid out as the pixels
        if (Duty.MarkBelow && Dot.Below) Mark = BelowMark;
    }
    PutDot(Picture, Pixel, I, DotColor(Job, P, Dot, UseDepth) | Mark);
    return true;
}

// Points First .. Last - 1, one after the other, into Picture and Depth
// (which may differ from the job's own). True when a drawn point recorded a
// depth of 0, the value that also means "nothing drawn yet", or a huge one.
// Everything it calls per point is inlined, so that each copy of the loop
// has its own instructions.
template <bool Boxed>
[[gnu::always_inline]] inline bool PaintRangeOf(const TPaintJob& Job, size_t First, size_t Last,
                                                const TPixelArray& Picture, TDepthBuffer* Depth,
                                                THalfDuty Duty)
{
    bool Unmergeable = false;
    for (size_t I = First; I < Last; ++I) {
        if (!PaintPoint<Boxed>(Job, I, Picture, Depth, Duty, Unmergeable)) break;
    }
    return Unmergeable;
}

#if defined(__GNUC__) && defined(__x86_64__)
#define TESSEL_WIDE_PAINT_PATH
// PaintRange for processors with AVX2 (GraphPaintWide.cpp).
bool PaintRangeWide(const TPaintJob& Job, size_t First, size_t Last, const TPixelArray& Picture,
                    TDepthBuffer* Depth, THalfDuty Duty);
#endif

}  // namespace MainUnit
