#include "MainUnit/Calculation/PointStorage.h"

#include "MainUnit/Files/PointsCsv.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureLayout.h"
#include "Proc3D/Proc3D.h"
#include "SolveExp/CompiledExpression.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace MainUnit {

TGridPlan PlanGrid(int32_t Count, double XFrom, double XTo, double ZFrom, double ZTo)
{
    // Widths of ordered finite ends are >= 0, but may overflow a double.
    const double XWidth = static_cast<double>(static_cast<long double>(XTo) - XFrom);
    const double ZWidth = static_cast<double>(static_cast<long double>(ZTo) - ZFrom);
    TGridPlan Plan;
    Proc3D::CalcGridSize(Count, Plan.Cols, Plan.Rows, XWidth, ZWidth);
    const int64_t Entries = int64_t{Plan.Cols} * Plan.Rows;
    Plan.Ok = std::isfinite(XWidth) && std::isfinite(ZWidth) && Entries >= 1 &&
              Entries <= int64_t{INT32_MAX};
    return Plan;
}

bool ReservePoints(TResultSet& Results, const TGridPlan& Plan) noexcept
{
    if (!Plan.Ok) {
        ReleasePoints(Results);
        return false;
    }
    const int32_t Entries = Plan.Cols * Plan.Rows;  // checked to fit by PlanGrid
    Results.PointCount = Entries;
    if (Results.Points.size() == static_cast<size_t>(Entries)) return true;
    // The old entries are overwritten anyway; giving them back first keeps the
    // peak memory at the new size instead of old plus new.
    ReleasePoints(Results);
    try {
        Results.Points.resize(static_cast<size_t>(Entries));
    } catch (const std::bad_alloc&) {
        ReleasePoints(Results);
        return false;
    } catch (const std::length_error&) {
        ReleasePoints(Results);
        return false;
    }
    return true;
}

namespace {

constexpr uint64_t GraphBytes = uint64_t{GraphWidth} * GraphHeight * sizeof(uint32_t);
// The whole picture with the sketch, colour key and legend.
constexpr uint64_t PictureBytes = uint64_t{PictureWidth} * PictureHeight * sizeof(uint32_t);
// The toolkit's fonts and drawing state for a picture made without a window:
// measured, a PNG job of 5000 points peaks 7.4 MB above the same job
// writing CSV.
constexpr uint64_t ToolkitBytes = uint64_t{8} << 20;
// The PNG encoder's compression state.
constexpr uint64_t EncoderBytes = uint64_t{512} << 10;

}  // namespace

uint64_t JobPeakBytes(const TGridPlan& Plan, TJobOutput Output)
{
    const uint64_t Entries = uint64_t(int64_t{Plan.Cols} * Plan.Rows);
    // The points, the rounded Z of one grid column, one batch of rounded
    // parameters and values on each of two threads.
    const uint64_t BatchBytes = 1024 * (2 * sizeof(SolveExp::TParamValue) + sizeof(double));
    uint64_t Bytes = Entries * sizeof(Proc3D::TPoint3D) +
                     uint64_t(Plan.Rows) * sizeof(SolveExp::TParamValue) + 2 * BatchBytes;
    if (Output == TJobOutput::Points) return Bytes + PointsCsvBufferBytes;
    // The second half's picture, the picture kept should the halves not
    // combine, and two depth buffers of 32-bit floats.
    Bytes += 2 * GraphBytes + 2 * (GraphBytes / sizeof(uint32_t)) * sizeof(float);
    if (Output == TJobOutput::Window) return Bytes;
    // The graph, the whole picture, its copy in the encoder's format and the
    // encoded file, which is never larger than the raw picture by much.
    return Bytes + GraphBytes + 3 * PictureBytes + EncoderBytes + ToolkitBytes;
}

bool JobFitsMemory(const TGridPlan& Plan, TJobOutput Output, uint64_t AvailableBytes)
{
    return AvailableBytes == 0 || JobPeakBytes(Plan, Output) <= AvailableBytes / 2;
}

}  // namespace MainUnit
