#include "MainUnit/Calculation/PointStorage.h"

#include "MainUnit/Files/PointsCsv.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureLayout.h"
#include "Proc3D/Proc3D.h"
#include "SolveExp/CompiledExpression.h"

#include <algorithm>
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
    Plan.WidthsFinite = std::isfinite(XWidth) && std::isfinite(ZWidth);
    Plan.Ok = Plan.WidthsFinite && Entries >= 1 && Entries <= int64_t{INT32_MAX};
    return Plan;
}

std::string GridSizeNote(int32_t Asked, const TGridPlan& Plan, bool SquareOrder)
{
    const int64_t Entries = int64_t{Plan.Cols} * Plan.Rows;
    if (!SquareOrder || Entries <= 2 * int64_t{Asked}) return {};
    // Only a grid of one column or row can overshoot so far: the other side
    // is the narrow one.
    const bool XNarrower = Plan.Cols < Plan.Rows;
    return std::to_string(Entries) + " points for " + std::to_string(Asked) +
           " asked: " + (XNarrower ? "X is far narrower than Z" : "Z is far narrower than X");
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
// The toolkit's fonts and drawing state for a picture made without a window:
// measured, a PNG job of 5000 points peaks 7.4 MB above the same job
// writing CSV.
constexpr uint64_t ToolkitBytes = uint64_t{8} << 20;
// The PNG encoder's compression state.
constexpr uint64_t EncoderBytes = uint64_t{512} << 10;
// Below the window's graph of 404 rows come 122 rows of sketch and legend,
// which a larger picture scales to its width.
constexpr uint64_t BelowGraphRows = 122;

// One painting of Pixels pixels: the picture, its point record when picks
// are answered, the depth buffer, and the second half's copies of each;
// with the depth buffer also the picture kept should the halves not combine.
uint64_t PaintingBytes(uint64_t Pixels, bool DepthBuffer, bool Record)
{
    const uint64_t PerPixel =
        sizeof(uint32_t) + (Record ? sizeof(int32_t) : 0) + (DepthBuffer ? sizeof(float) : 0);
    return Pixels * (2 * PerPixel + (DepthBuffer ? sizeof(uint32_t) : 0));
}

// A picture made without a window: its painting, then the whole picture
// with the sketch and legend, its copy in the encoder's format (three bytes
// a pixel) and the encoded file, which is never larger than that copy by
// much; the painting's memory is still held while they are made.
uint64_t PictureJobBytes(const TJobPicture& Picture)
{
    const uint64_t Width = uint64_t(std::max(Picture.Width, 1));
    const uint64_t Pixels = Width * uint64_t(std::max(Picture.Height, 1));
    const uint64_t Rows = uint64_t(std::max(Picture.Height, 1)) +
                          (BelowGraphRows * Width + GraphWidth - 1) / GraphWidth;
    const uint64_t WholePixels = std::max(Width, uint64_t{GraphWidth}) * Rows;
    return PaintingBytes(Pixels, Picture.DepthBuffer, false) +
           WholePixels * (sizeof(uint32_t) + 2 * uint64_t{3}) + EncoderBytes + ToolkitBytes;
}

// The picks: a painting that records which point set every pixel.
uint64_t PicksBytes(const TJobPicture& Picture)
{
    const uint64_t Pixels =
        uint64_t(std::max(Picture.Width, 1)) * uint64_t(std::max(Picture.Height, 1));
    return PaintingBytes(Pixels, Picture.DepthBuffer, true);
}

}  // namespace

uint64_t JobPeakBytes(const TGridPlan& Plan, TJobOutput Output, const TJobPicture& Picture)
{
    const uint64_t Entries = uint64_t(int64_t{Plan.Cols} * Plan.Rows);
    // The points, the rounded Z of one grid column, one batch of rounded
    // parameters and values on each of two threads.
    const uint64_t BatchBytes = 1024 * (2 * sizeof(SolveExp::TParamValue) + sizeof(double));
    const uint64_t Bytes = Entries * sizeof(Proc3D::TPoint3D) +
                           uint64_t(Plan.Rows) * sizeof(SolveExp::TParamValue) + 2 * BatchBytes;
    // The picks are answered, and their memory given back, before the file
    // is written: the larger of the two counts.
    const uint64_t Picks = Picture.Picks ? PicksBytes(Picture) : 0;
    switch (Output) {
    case TJobOutput::Points:
        return Bytes + std::max(Picks, uint64_t{PointsCsvBufferBytes});
    case TJobOutput::Picture:
        return Bytes + std::max(Picks, PictureJobBytes(Picture));
    case TJobOutput::Window:
        break;
    }
    // The second half's picture, the picture kept should the halves not
    // combine, and two depth buffers of 32-bit floats.
    return Bytes + 2 * GraphBytes + 2 * (GraphBytes / sizeof(uint32_t)) * sizeof(float);
}

bool JobFitsMemory(const TGridPlan& Plan, TJobOutput Output, uint64_t AvailableBytes,
                   const TJobPicture& Picture)
{
    return AvailableBytes == 0 || JobPeakBytes(Plan, Output, Picture) <= AvailableBytes / 2;
}

}  // namespace MainUnit
