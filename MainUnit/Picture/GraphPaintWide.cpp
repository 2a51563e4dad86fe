// The point loop for processors with AVX2: the screened estimate of four
// points at a time in vectors (WideEstimate.h), then the points of each
// block drawn one after the other in their order, which decides the point
// that wins a pixel; a point the vectors leave unsure goes the scalar way
// from start to end. The pictures are those of the scalar loop, bit for bit.
#include "MainUnit/Picture/Internal/GraphPaintHalves.h"
#include "MainUnit/Picture/Internal/PaintContext.h"
#include "MainUnit/Picture/Internal/PointLoop.h"

#ifdef TESSEL_WIDE_PAINT_PATH

#include "MainUnit/Picture/Internal/WideEstimate.h"

#include <cstddef>
#include <cstdint>

namespace MainUnit {

namespace {

// The estimate of the four points from P on into Block.
template <TSight Sight, bool UseDepth>
[[gnu::target("avx2"), gnu::always_inline]] inline void
EstimateBlock(const TWideView& W, const Proc3D::TPoint3D* P, TWideBlock& Block)
{
    __m256d Point[3], Dir[3], Undefined;
    LoadPoints(P, Point);
    const __m256d Kept = WideSight<Sight>(W, Point, Dir, Undefined);
    __m256d X, Y, Drawn, Unsure, Index;
    WideScreen<Sight == TSight::Folded>(W, Dir, Kept, X, Y, Drawn, Unsure);
    __m256d Doubt = _mm256_andnot_pd(Undefined, WideIndex(W, Point[1], Index));
    if constexpr (UseDepth) {
        __m256d Distance, Below, Factor;
        __m128 Entry;
        Doubt = _mm256_or_pd(Doubt, WideDepthEntry(W, Dir, Distance, Entry, Below));
        Doubt = _mm256_or_pd(Doubt, WideDepthFactor(W, Distance, Factor));
        _mm_storeu_ps(Block.Depth, Entry);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.Factor), _mm256_cvttpd_epi32(Factor));
        Block.Below = static_cast<unsigned>(_mm256_movemask_pd(Below));
    }
    Doubt = _mm256_and_pd(Doubt, Drawn);
    Block.Drawn = static_cast<unsigned>(_mm256_movemask_pd(_mm256_andnot_pd(Doubt, Drawn)));
    Block.Unsure = static_cast<unsigned>(_mm256_movemask_pd(_mm256_or_pd(Unsure, Doubt)));
    Block.Undefined = static_cast<unsigned>(_mm256_movemask_pd(Undefined));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.X), _mm256_cvttpd_epi32(X));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.Y), _mm256_cvttpd_epi32(Y));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.Index), _mm256_cvttpd_epi32(Index));
}

// Lane L of Block, point I, drawn as the scalar steps would draw it; false
// when the loop must stop.
[[gnu::target("avx2"), gnu::always_inline]] inline bool
DrawLane(const TPaintJob& Job, const TWideBlock& Block, int L, size_t I, const TPixelArray& Picture,
         TDepthBuffer* Depth, THalfDuty Duty, bool& Unmergeable)
{
    const size_t Pixel = static_cast<size_t>(Block.Y[L]) * static_cast<size_t>(Picture.Width) +
                         static_cast<size_t>(Block.X[L]);
    uint32_t Mark = 0;
    if (Depth != nullptr) {
        if (!GoesOn(Block.Depth[L], Duty, Unmergeable)) return false;
        const bool Below = (Block.Below >> L & 1u) != 0;
        if (!DepthTestAndStoreEntry(Depth->Depths[Pixel], Block.Depth[L], Below)) return true;
        if (Duty.MarkBelow && Below) Mark = BelowMark;
    }
    uint32_t Color = (Block.Undefined >> L & 1u) != 0
                         ? Job.Style.Undefined
                         : Job.Context.Ramp[static_cast<uint32_t>(Block.Index[L])];
    if (Depth != nullptr) Color = Proc3D::ShadeColor(Color, static_cast<uint8_t>(Block.Factor[L]));
    PutDot(Picture, Pixel, I, Color | Mark);
    return true;
}

// How many blocks the estimate runs ahead of the drawing: a block's lanes
// are read back long after the vectors stored them, and the drawing of one
// block overlaps the estimate of the next ones (drawn at once, the drawing
// waited on the lanes just stored).
inline constexpr size_t BlocksAhead = 2;
inline constexpr size_t RingSize = 4;  // a power of two above BlocksAhead
static_assert(BlocksAhead < RingSize && (RingSize & (RingSize - 1)) == 0);

// PaintRange with sight lines made as Sight says; Boxed as the scalar steps
// of unsure points take it. UseDepth: Depth is not null. The blocks are
// estimated BlocksAhead ahead of their drawing, which keeps the order of the
// points.
template <TSight Sight, bool Boxed, bool UseDepth>
[[gnu::target("avx2")]] bool PaintBlocks(const TPaintJob& Job, size_t First, size_t Last,
                                         const TPixelArray& Picture, TDepthBuffer* Depth,
                                         THalfDuty Duty)
{
    const TWideView W = MakeWideView<Sight>(Job);
    const Proc3D::TPoint3D* Points = Job.Results.Points.data() + First;
    const size_t Blocks = (Last - First) / 4;
    TWideBlock Ring[RingSize];
    for (size_t B = 0; B < BlocksAhead && B < Blocks; ++B)
        EstimateBlock<Sight, UseDepth>(W, Points + 4 * B, Ring[B]);
    bool Unmergeable = false;
    for (size_t B = 0; B < Blocks; ++B) {
        if (const size_t A = B + BlocksAhead; A < Blocks)
            EstimateBlock<Sight, UseDepth>(W, Points + 4 * A, Ring[A & (RingSize - 1)]);
        const TWideBlock& Block = Ring[B & (RingSize - 1)];
        const size_t I = First + 4 * B;
        unsigned Lanes = Block.Drawn | Block.Unsure;
        while (Lanes != 0) {
            const int L = __builtin_ctz(Lanes);
            Lanes &= Lanes - 1;
            const bool Goes =
                (Block.Unsure >> L & 1u) != 0
                    ? PaintPoint<Boxed>(Job, I + L, Picture, Depth, Duty, Unmergeable)
                    : DrawLane(Job, Block, L, I + L, Picture, Depth, Duty, Unmergeable);
            if (!Goes) return Unmergeable;
        }
    }
    for (size_t I = First + 4 * Blocks; I < Last; ++I) {
        if (!PaintPoint<Boxed>(Job, I, Picture, Depth, Duty, Unmergeable)) break;
    }
    return Unmergeable;
}

// PaintBlocks with the sight lines of the job's box.
template <bool UseDepth>
[[gnu::target("avx2")]] bool PaintSight(const TPaintJob& Job, size_t First, size_t Last,
                                        const TPixelArray& Picture, TDepthBuffer* Depth,
                                        THalfDuty Duty)
{
    if (Job.Style.Box == nullptr)
        return PaintBlocks<TSight::Plain, false, UseDepth>(Job, First, Last, Picture, Depth, Duty);
    if (Job.Context.Folded)
        return PaintBlocks<TSight::Folded, true, UseDepth>(Job, First, Last, Picture, Depth, Duty);
    return PaintBlocks<TSight::Mapped, true, UseDepth>(Job, First, Last, Picture, Depth, Duty);
}

}  // namespace

[[gnu::target("avx2")]] bool PaintRangeWide(const TPaintJob& Job, size_t First, size_t Last,
                                            const TPixelArray& Picture, TDepthBuffer* Depth,
                                            THalfDuty Duty)
{
    const TPaintContext& Context = Job.Context;
    const bool Boxed = Job.Style.Box != nullptr;
    // Without the view's margin every point would be unsure: the scalar loop.
    if (!Context.Screen.Usable || !(Context.Screen.ViewMargin > 0.0)) {
        return Boxed ? PaintRangeOf<true>(Job, First, Last, Picture, Depth, Duty)
                     : PaintRangeOf<false>(Job, First, Last, Picture, Depth, Duty);
    }
    return Depth != nullptr ? PaintSight<true>(Job, First, Last, Picture, Depth, Duty)
                            : PaintSight<false>(Job, First, Last, Picture, Depth, Duty);
}

}  // namespace MainUnit

#endif
