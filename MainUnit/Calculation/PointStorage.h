// Sizing of a calculation: the grid for the requested count, and the one
// large allocation of the result set. Failures come back as values.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/GraphPaint.h"

#include <cstdint>
#include <string>

namespace MainUnit {

struct TGridPlan {
    bool Ok = false;  // false: the grid cannot be reserved (see WidthsFinite for why)
    int32_t Cols = 0;
    int32_t Rows = 0;
    // false: a width overflows, and the caller refuses the intervals; true
    // with Ok false: the grid is beyond the 32-bit range, which no memory holds.
    bool WidthsFinite = false;
};

// CalcGridSize for Count points over the ordered intervals. Not Ok when a
// width overflows to infinity, or Cols x Rows is 0 or beyond the 32-bit range
// (very unequal widths: one column or row of far more than Count points).
TGridPlan PlanGrid(int32_t Count, double XFrom, double XTo, double ZFrom, double ZTo);

// When the square grid holds more than twice the Asked points, what the
// user sees instead of the points asked: "317 points for 100 asked: X is far
// narrower than Z". Empty otherwise, and for the random order, which uses
// the points asked.
std::string GridSizeNote(int32_t Asked, const TGridPlan& Plan, bool SquareOrder);

// Sets PointCount to Cols x Rows and resizes Points to as many entries.
// False when Plan is not Ok or the memory is refused; Points is then empty
// and its old memory released.
bool ReservePoints(TResultSet& Results, const TGridPlan& Plan) noexcept;

// What a job makes of its points once they are calculated.
enum class TJobOutput {
    Window,   // the window's repaint
    Points,   // a CSV file
    Picture,  // a PNG picture made without a window
};

// The picture a job without a window paints, and whether it answers picks.
struct TJobPicture {
    int32_t Width = GraphWidth;  // of the graph; the window's unless asked otherwise
    int32_t Height = GraphHeight;
    bool DepthBuffer = true;
    bool Picks = false;
};

// The most memory the job holds at once, in bytes: the points, the scratch
// of their evaluation, and what the output needs while they are held (the
// repaint's second picture and depth buffers; for a picture made without a
// window, at the size asked, also its parts, the PNG encoder and the toolkit
// that draws them; for picks the painting that records every pixel's point).
uint64_t JobPeakBytes(const TGridPlan& Plan, TJobOutput Output, const TJobPicture& Picture = {});

// Whether the job's peak fits half of AvailableBytes (0: unknown, always
// fits). A job the system has no free memory for is refused before the grid
// is reserved: the reservation would be granted on credit, and filling it
// would get the program killed instead of reported. The other half is left
// to the rest of the system, which may claim it while the job runs.
bool JobFitsMemory(const TGridPlan& Plan, TJobOutput Output, uint64_t AvailableBytes,
                   const TJobPicture& Picture = {});

}  // namespace MainUnit
