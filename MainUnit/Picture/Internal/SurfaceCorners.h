// The projection of the surface's points into corners: one point at a time
// (the baseline copy, and the exact way of any point the quick estimate
// leaves unsure), or four at a time in AVX2 vectors where the processor has
// them. Both copies give every corner the same bits.
#pragma once

#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <cstddef>
#include <cstdint>

namespace MainUnit {

// What the projection notes for the split, one of each per half.
struct TSplitNotes {
    TRowTally* Rows = nullptr;
    TReach* Reaches = nullptr;
};

// The corner of entry K placed on pixel (X, Y) at Depth: its depth entry
// and, on the grid, its colour worked out here once.
[[gnu::always_inline]] inline TCorner PlacedCorner(const TSurfaceJob& Job, size_t K, int32_t X,
                                                   int32_t Y, double Depth)
{
    return {X, Y, Depth, SurfaceStored(Depth),
            Job.OnGrid ? CornerField(Job, Job.Results.Points[K].Y, Depth) : 0u};
}

// Entry K projected into its corner; false when it is left out (not drawn,
// or on the grid undefined, or out of reach), the corner then UnusedCorner.
// A place the estimate leaves unsure, or puts outside the widened picture,
// is projected exactly.
inline bool ProjectCorner(const TSurfaceJob& Job, size_t K, TCorner& Corner)
{
    Corner = UnusedCorner;
    Proc3D::TPoint3D Place;
    bool Undefined = false;
    if (!SurfacePlace(Job, K, Place, Undefined) || (Undefined && Job.OnGrid)) return false;
    int32_t X = 0, Y = 0;
    const Proc3D::TScreenResult Estimate = Job.Screen.Usable
                                               ? Proc3D::ScreenPoint(Job.Screen, Place, X, Y)
                                               : Proc3D::TScreenResult::Unsure;
    if (Estimate == Proc3D::TScreenResult::Pixel) {
        X -= CornerMargin;
        Y -= CornerMargin;
    } else if (!Proc3D::Project(Job.Projector, Place, X, Y) || !CornerWithinReach(X, Y)) {
        return false;
    }
    const double Depth = CornerDistance(Place, Job.Projector.Camera);
    if (!(Depth >= 0)) return false;  // NaN
    Corner = PlacedCorner(Job, K, X, Y, Depth);
    return true;
}

// A placed corner of grid column Column, row Row noted for the split.
inline void NoteCorner(const TSurfaceJob& Job, const TSplitNotes& Notes, size_t Stretches,
                       size_t Column, size_t Row, const TCorner& Corner)
{
    if (Notes.Reaches != nullptr) ReachCorner(Notes.Reaches, Stretches, Column, Row, Corner.Y);
    if (Notes.Rows != nullptr &&
        static_cast<uint32_t>(Corner.Y) < static_cast<uint32_t>(Job.Picture.Height))
        TallyCorner(Notes.Rows, Corner.X, Corner.Y, Job.Picture.Width);
}

// Entries First .. Last - 1 projected, each placed one noted in Notes (when
// not null) by its row. On the grid only defined points are corners; a
// point taken at random is drawn whenever the picture shows it. Returns
// how many are neither. On the grid the entries are checked to lie on it
// (GridHolds); where one does not, OffGrid is set and the projection left
// unfinished. The job's Wide chooses the copy.
size_t ProjectCorners(TSurfaceJob& Job, size_t First, size_t Last, const TSplitNotes& Notes,
                      size_t Stretches, bool& OffGrid);

#if defined(__GNUC__) && defined(__x86_64__)
#define TESSEL_WIDE_SURFACE_CORNERS
// ProjectCorners four entries at a time, for processors with AVX2, the grid
// checked as the entries are read.
size_t ProjectCornersWide(TSurfaceJob& Job, size_t First, size_t Last, const TSplitNotes& Notes,
                          size_t Stretches, bool& OffGrid);
#endif

}  // namespace MainUnit
