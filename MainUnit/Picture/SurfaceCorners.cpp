// The surface's points projected into corners one at a time, or handed to
// the copy with AVX2 vectors when the job asks for it.
#include "MainUnit/Picture/Internal/SurfaceCorners.h"

#include <cstddef>

namespace MainUnit {

namespace {

size_t ProjectCornersOneByOne(TSurfaceJob& Job, size_t First, size_t Last, const TSplitNotes& Notes,
                              size_t Stretches)
{
    const size_t GridRows = Job.OnGrid ? static_cast<size_t>(Job.Grid.Rows) : 1;
    size_t Column = First / GridRows, Row = First % GridRows;
    size_t Unused = 0;
    for (size_t K = First; K < Last; ++K, Row + 1 < GridRows ? ++Row : (Row = 0, ++Column)) {
        if (ProjectCorner(Job, K, Job.Corners[K])) {
            NoteCorner(Job, Notes, Stretches, Column, Row, Job.Corners[K]);
        } else {
            ++Unused;
        }
    }
    return Unused;
}

}  // namespace

size_t ProjectCorners(TSurfaceJob& Job, size_t First, size_t Last, const TSplitNotes& Notes,
                      size_t Stretches, bool& OffGrid)
{
#ifdef TESSEL_WIDE_SURFACE_CORNERS
    if (Job.Wide) return ProjectCornersWide(Job, First, Last, Notes, Stretches, OffGrid);
#endif
    // The check is as long as a projection's part: on two cores each half
    // checks its own entries.
    if (Job.OnGrid && !GridHolds(Job.Results, Job.Grid, First, Last)) {
        OffGrid = true;
        return 0;
    }
    return ProjectCornersOneByOne(Job, First, Last, Notes, Stretches);
}

}  // namespace MainUnit
