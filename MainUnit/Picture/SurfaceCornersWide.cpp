// The surface's points projected four at a time in AVX2 vectors: where
// they are kept, their sight lines, the quick estimate of their pixels in
// the widened picture and their distances, each lane rounded operation for
// operation as ProjectCorner rounds it (no fused multiply-add). A lane the
// estimate does not place in the widened picture goes the one-point way
// from start to end, so every corner has the bits ProjectCorner gives it.
#include "MainUnit/Picture/Internal/SurfaceCorners.h"

#ifdef TESSEL_WIDE_SURFACE_CORNERS

#include "MainUnit/Picture/Internal/WideEstimate.h"

#include <cstddef>
#include <cstdint>

namespace MainUnit {

namespace {

// What the vectors take from the job: the sight lines made from the place
// (Mapped with the box), the widened picture's estimate.
template <TSight Sight> [[gnu::target("avx2")]] TWideView CornerView(const TSurfaceJob& Job)
{
    const Proc3D::TScreen& S = Job.Screen;
    const TBoxMapping* Box = Job.Choices.Style.Box;
    const Proc3D::TPoint3D K = Box != nullptr ? Box->Scale : Proc3D::TPoint3D{1, 1, 1};
    const Proc3D::TPoint3D O = Box != nullptr ? Box->Shift : Proc3D::TPoint3D{0, 0, 0};
    const double UndefinedY = Sight == TSight::Mapped ? Box->UndefinedY : 0.0;
    return MakeWideScreenView(S, K, O, UndefinedY - S.Camera.Y, Job.Results,
                              Job.Choices.ShowUndefined);
}

// Four entries' estimate: the lanes left out, those placed, their pixels
// in the picture and their distances.
struct TCornerBlock {
    int32_t X[4], Y[4];
    double Depth[4];
    unsigned Skipped, Placed;
};

template <TSight Sight>
[[gnu::target("avx2"), gnu::always_inline]] inline void
EstimateCorners(const TWideView& W, const Proc3D::TPoint3D* P, bool OnGrid, TCornerBlock& Block)
{
    __m256d Point[3], Dir[3], Undefined, X, Y, Drawn, Unsure;
    LoadPoints(P, Point);
    __m256d Kept = WideSight<Sight>(W, Point, Dir, Undefined);
    if (OnGrid) Kept = _mm256_andnot_pd(Undefined, Kept);
    WideScreen<false>(W, Dir, Kept, X, Y, Drawn, Unsure);
    // The distance as CornerDistance sums it; a NaN goes the one-point way.
    const __m256d Depth = _mm256_sqrt_pd(
        _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(Dir[0], Dir[0]), _mm256_mul_pd(Dir[1], Dir[1])),
                      _mm256_mul_pd(Dir[2], Dir[2])));
    Drawn = _mm256_and_pd(Drawn, AtLeast(Depth, _mm256_setzero_pd()));
    const __m256d Margin = Broadcast(static_cast<double>(CornerMargin));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.X),
                     _mm256_cvttpd_epi32(_mm256_sub_pd(X, Margin)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.Y),
                     _mm256_cvttpd_epi32(_mm256_sub_pd(Y, Margin)));
    _mm256_storeu_pd(Block.Depth, Depth);
    Block.Skipped = static_cast<unsigned>(_mm256_movemask_pd(_mm256_xor_pd(Kept, AllLanes())));
    Block.Placed = static_cast<unsigned>(_mm256_movemask_pd(Drawn));
}

// Estimated: the view has a margin, without which every lane would be
// unsure and each entry goes the one-point way.
template <TSight Sight>
[[gnu::target("avx2")]] size_t ProjectBlocks(TSurfaceJob& Job, size_t First, size_t Last,
                                             const TSplitNotes& Notes, size_t Stretches,
                                             bool Estimated)
{
    const TWideView W = CornerView<Sight>(Job);
    const Proc3D::TPoint3D* Points = Job.Results.Points.data();
    const size_t GridRows = Job.OnGrid ? static_cast<size_t>(Job.Grid.Rows) : 1;
    size_t Column = First / GridRows, Row = First % GridRows;
    size_t Unused = 0;
    TCornerBlock Block{};
    for (size_t K = First; K < Last; ++K, Row + 1 < GridRows ? ++Row : (Row = 0, ++Column)) {
        const size_t L = (K - First) % 4;
        if (L == 0) {
            // The last block of fewer than four: every lane the one-point way.
            Block.Skipped = Block.Placed = 0;
            if (Estimated && K + 4 <= Last)
                EstimateCorners<Sight>(W, Points + K, Job.OnGrid, Block);
        }
        TCorner& Corner = Job.Corners[K];
        if ((Block.Skipped >> L & 1u) != 0) {
            Corner = UnusedCorner;
            ++Unused;
            continue;
        }
        if ((Block.Placed >> L & 1u) != 0) {
            Corner = {Block.X[L], Block.Y[L], Block.Depth[L], Points[K].Y};
        } else if (!ProjectCorner(Job, K, Corner)) {
            ++Unused;
            continue;
        }
        NoteCorner(Job, Notes, Stretches, Column, Row, Corner);
    }
    return Unused;
}

}  // namespace

[[gnu::target("avx2")]] size_t ProjectCornersWide(TSurfaceJob& Job, size_t First, size_t Last,
                                                  const TSplitNotes& Notes, size_t Stretches)
{
    const bool Estimated = Job.Screen.Usable && Job.Screen.ViewMargin > 0.0;
    return Job.Choices.Style.Box != nullptr
               ? ProjectBlocks<TSight::Mapped>(Job, First, Last, Notes, Stretches, Estimated)
               : ProjectBlocks<TSight::Plain>(Job, First, Last, Notes, Stretches, Estimated);
}

}  // namespace MainUnit

#endif
