// The points taken at random drawn as squares, each through the depth
// buffer pixel by pixel, coloured once its first pixel is drawn.
#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace MainUnit {

void PaintSquares(const TSurfaceJob& Job, int32_t Side, const TSurfaceBand& Band)
{
    const TPixelArray& P = Job.Picture;
    for (size_t K = 0; K < Job.Count; ++K) {
        const TCorner& C = Job.Corners[K];
        if (!(C.Depth > 0)) continue;
        const float Stored = DepthEntryValue(C.Depth);
        if (Stored == 0.0f) continue;
        const int32_t X0 = std::max(SquareStart(C.X, Side), 0);
        const int32_t Y0 = std::max(SquareStart(C.Y, Side), Band.Top);
        const int32_t X1 = std::min(SquareStart(C.X, Side) + Side - 1, P.Width - 1);
        const int32_t Y1 = std::min(SquareStart(C.Y, Side) + Side - 1, Band.Bottom - 1);
        bool Colored = false;
        uint32_t Color = 0;
        for (int32_t Y = Y0; Y <= Y1; ++Y) {
            for (int32_t X = X0; X <= X1; ++X) {
                if (!DepthTestAndStoreValue(Job.DepthBuffer, X, Y, Stored)) continue;
                if (!Colored) {
                    Color = PointColor(Job, Job.Results.Points[K].Y, C.Depth);
                    Colored = true;
                }
                const size_t Pixel =
                    static_cast<size_t>(Y) * static_cast<size_t>(P.Width) + static_cast<size_t>(X);
                P.Pixels[Pixel] = Color;
                if (P.Indexes != nullptr) P.Indexes[Pixel] = static_cast<int32_t>(K);
            }
        }
    }
}

}  // namespace MainUnit
