// The surface's points projected four at a time in AVX2 vectors: where
// they are kept, their sight lines, the quick estimate of their pixels in
// the widened picture and their distances, each lane rounded operation for
// operation as ProjectCorner rounds it (no fused multiply-add). A lane the
// estimate does not place in the widened picture goes the one-point way
// from start to end, so every corner has the bits ProjectCorner gives it.
#include "MainUnit/Picture/Internal/SurfaceCorners.h"

#ifdef TESSEL_WIDE_SURFACE_CORNERS

#include "MainUnit/Picture/Internal/WideEstimate.h"

#include <algorithm>
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
    TWideView W = MakeWideScreenView(S, K, O, UndefinedY - S.Camera.Y, Job.Results,
                                     Job.Choices.ShowUndefined);
    // The corners' colours, estimated as SurfaceRampColor and
    // SurfaceDepthFactor estimate them.
    W.HeightScale = Broadcast(Job.ScaleEstimate);
    W.DepthA = Broadcast(Job.DepthScreen.A);
    W.DepthB = Broadcast(Job.DepthScreen.B);
    W.FactorMargin = Broadcast(FactorMargin);
    return W;
}

// Four entries' estimate: the lanes left out, those placed, their pixels
// in the picture and their distances.
struct TCornerBlock {
    int32_t X[4], Y[4];
    double Depth[4];
    unsigned Skipped, Placed;
};

// Proc3D::ShadeColor of four colours by four factors.
[[gnu::target("avx2"), gnu::always_inline]] inline __m128i WideShade(__m128i Color, __m128i Factor)
{
    const __m128i K = _mm_sub_epi32(_mm_set1_epi32(255), Factor), Byte = _mm_set1_epi32(0xFF);
    // Each channel times K, shifted down by 8 from where it stands.
    const __m128i Red = _mm_srli_epi32(_mm_mullo_epi32(_mm_and_si128(Color, Byte), K), 8);
    const __m128i Green = _mm_mullo_epi32(_mm_and_si128(_mm_srli_epi32(Color, 8), Byte), K);
    const __m128i Blue = _mm_mullo_epi32(_mm_and_si128(_mm_srli_epi32(Color, 16), Byte), K);
    return _mm_or_si128(_mm_or_si128(Red, _mm_and_si128(Green, _mm_set1_epi32(0xFF00))),
                        _mm_slli_epi32(_mm_srli_epi32(Blue, 8), 16));
}

// The colours (CornerField) of four placed corners of the grid at Y and
// Depth, from their ramp indexes and darkening factors where the vectors
// decide them; a lane they leave unsure is worked out the one-point way.
[[gnu::target("avx2"), gnu::always_inline]] inline __m128i
CornerFields(const TSurfaceJob& Job, const TWideView& W, __m256d Y, __m256d Depth)
{
    __m256d Index;
    const __m256d Doubt = WideIndex(W, Y, Index);
    unsigned Unsure = static_cast<unsigned>(_mm256_movemask_pd(Doubt));
    // A lane left unsure has an index of no meaning: read step 0 for it.
    const __m128i Steps = _mm256_cvttpd_epi32(_mm256_andnot_pd(Doubt, Index));
    __m128i Color = _mm_i32gather_epi32(reinterpret_cast<const int*>(Job.Ramp.data()), Steps, 4);
    if (Job.Choices.Darken) {
        __m256d Factor;
        Unsure |= static_cast<unsigned>(_mm256_movemask_pd(WideDepthFactor(W, Depth, Factor)));
        const __m128i Factors = _mm256_cvttpd_epi32(Factor);
        Color = Job.Choices.Light ? _mm_or_si128(Color, _mm_slli_epi32(Factors, 24))
                                  : WideShade(Color, Factors);
    }
    if (Unsure == 0) return Color;
    alignas(16) uint32_t Fields[4];
    alignas(32) double Ys[4], Depths[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(Fields), Color);
    _mm256_store_pd(Ys, Y);
    _mm256_store_pd(Depths, Depth);
    for (int L = 0; L < 4; ++L)
        if ((Unsure >> L & 1u) != 0) Fields[L] = CornerField(Job, Ys[L], Depths[L]);
    return _mm_load_si128(reinterpret_cast<const __m128i*>(Fields));
}

// The depth entries (SurfaceStored) of four distances: 0 where not
// positive, the clamp above it, elsewhere the float nearest.
[[gnu::target("avx2"), gnu::always_inline]] inline __m128 StoredEntries(__m256d Depth)
{
    const __m256d Clamped = _mm256_min_pd(Depth, Broadcast(static_cast<double>(MaxStoredDepth)));
    return _mm256_cvtpd_ps(_mm256_and_pd(Clamped, Greater(Depth, _mm256_setzero_pd())));
}

template <TSight Sight>
[[gnu::target("avx2"), gnu::always_inline]] inline void
EstimateCorners(const TSurfaceJob& Job, const TWideView& W, const Proc3D::TPoint3D* P, bool OnGrid,
                TCornerBlock& Block, TCorner* Out)
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
    const __m128i PixelX = _mm256_cvttpd_epi32(_mm256_sub_pd(X, Margin));
    const __m128i PixelY = _mm256_cvttpd_epi32(_mm256_sub_pd(Y, Margin));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.X), PixelX);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Block.Y), PixelY);
    _mm256_storeu_pd(Block.Depth, Depth);
    Block.Skipped = static_cast<unsigned>(_mm256_movemask_pd(_mm256_xor_pd(Kept, AllLanes())));
    Block.Placed = static_cast<unsigned>(_mm256_movemask_pd(Drawn));
    if (Block.Placed != 15u) return;
    // All four placed: their corners {X, Y, Depth, Stored, Colour} stored
    // from the lanes, pixel pairs, distances, then entry and colour pairs.
    static_assert(sizeof(TCorner) == 24 && offsetof(TCorner, Depth) == 8 &&
                  offsetof(TCorner, Stored) == 16 && offsetof(TCorner, Colour) == 20);
    const __m128i Fields = OnGrid ? CornerFields(Job, W, Point[1], Depth) : _mm_setzero_si128();
    const __m128i Stored = _mm_castps_si128(StoredEntries(Depth));
    const __m128i Pixels01 = _mm_unpacklo_epi32(PixelX, PixelY);
    const __m128i Pixels23 = _mm_unpackhi_epi32(PixelX, PixelY);
    const __m128i Entries01 = _mm_unpacklo_epi32(Stored, Fields);
    const __m128i Entries23 = _mm_unpackhi_epi32(Stored, Fields);
    const auto Store = [Out](size_t L, __m128i Pixel, __m128d Distance, __m128i Entry) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&Out[L].X), Pixel);
        _mm_storel_pd(&Out[L].Depth, Distance);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&Out[L].Stored), Entry);
    };
    const __m128d Depth01 = _mm256_castpd256_pd128(Depth),
                  Depth23 = _mm256_extractf128_pd(Depth, 1);
    Store(0, Pixels01, Depth01, Entries01);
    Store(1, _mm_srli_si128(Pixels01, 8), _mm_unpackhi_pd(Depth01, Depth01),
          _mm_srli_si128(Entries01, 8));
    Store(2, Pixels23, Depth23, Entries23);
    Store(3, _mm_srli_si128(Pixels23, 8), _mm_unpackhi_pd(Depth23, Depth23),
          _mm_srli_si128(Entries23, 8));
}

// The reach of the stretch the last common blocks lay in, gathered in
// vectors and written to the notes only when the blocks move on to another
// stretch (or the projection ends): min and max over four rows at a time.
struct TRunningReach {
    TReach* Reach = nullptr;  // the stretch's, or null when none is gathered
    __m128i Top{}, Bottom{};  // lane by lane
};

// The reach gathered so far written to its stretch's, none gathered after.
[[gnu::target("avx2"), gnu::always_inline]] inline void FlushReach(TRunningReach& Running)
{
    if (Running.Reach == nullptr) return;
    // The least and the greatest of the four lanes: halves, then quarters.
    __m128i Top = _mm_min_epi32(Running.Top, _mm_shuffle_epi32(Running.Top, 0b01001110));
    Top = _mm_min_epi32(Top, _mm_shuffle_epi32(Top, 0b10110001));
    __m128i Bottom = _mm_max_epi32(Running.Bottom, _mm_shuffle_epi32(Running.Bottom, 0b01001110));
    Bottom = _mm_max_epi32(Bottom, _mm_shuffle_epi32(Bottom, 0b10110001));
    Running.Reach->Top = std::min(Running.Reach->Top, _mm_cvtsi128_si32(Top));
    Running.Reach->Bottom = std::max(Running.Reach->Bottom, _mm_cvtsi128_si32(Bottom));
    Running.Reach = nullptr;
}

// Four corners of grid column Column, rows Row .. Row + 3, all placed,
// noted for the split: their reach gathered in Running when one stretch
// holds them all and none is its first row (which is also the last of the
// stretch before), otherwise at once.
[[gnu::target("avx2"), gnu::always_inline]] inline void
NoteBlock(const TSurfaceJob& Job, const TSplitNotes& Notes, size_t Stretches, size_t Column,
          size_t Row, const TCornerBlock& Block, TRunningReach& Running)
{
    if (Notes.Reaches != nullptr) {
        const size_t InStretch = Row % StretchRows;
        if (InStretch != 0 && InStretch + 4 <= StretchRows) {
            TReach* Reach = Notes.Reaches + Column * Stretches + Row / StretchRows;
            const __m128i Y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Block.Y));
            if (Reach != Running.Reach) {
                FlushReach(Running);
                Running = {Reach, Y, Y};
            } else {
                Running.Top = _mm_min_epi32(Running.Top, Y);
                Running.Bottom = _mm_max_epi32(Running.Bottom, Y);
            }
        } else {
            for (size_t L = 0; L < 4; ++L)
                ReachCorner(Notes.Reaches, Stretches, Column, Row + L, Block.Y[L]);
        }
    }
    // The tallies only balance the bands' work: the four neighbours are
    // tallied where the first lies, which is near enough for that.
    if (Notes.Rows != nullptr &&
        static_cast<uint32_t>(Block.Y[0]) < static_cast<uint32_t>(Job.Picture.Height))
        TallyCorner(Notes.Rows, Block.X[0], Block.Y[0], Job.Picture.Width, 4);
}

// Whether the four entries from P on have X and the Z of the four from
// Column on (each entry's Y ignored): their twelve doubles compared at
// once, X against X, Z against Z, as == compares them.
[[gnu::target("avx2"), gnu::always_inline]] inline bool
FourOnGrid(const Proc3D::TPoint3D* P, const Proc3D::TPoint3D* Column, __m256d X)
{
    const double* D = &P->X;
    const double* E = &Column->X;
    // Three loads of four doubles: x0 y0 z0 x1, y1 z1 x2 y2, z2 x3 y3 z3;
    // where each holds an X, and where a Y, lane by lane.
    const __m256d Ys[3] = {_mm256_castsi256_pd(_mm256_setr_epi64x(0, -1, 0, 0)),
                           _mm256_castsi256_pd(_mm256_setr_epi64x(-1, 0, 0, -1)),
                           _mm256_castsi256_pd(_mm256_setr_epi64x(0, 0, -1, 0))};
    const __m256d Same[3] = {
        _mm256_cmp_pd(_mm256_loadu_pd(D), _mm256_blend_pd(_mm256_loadu_pd(E), X, 0b1001),
                      _CMP_EQ_OQ),
        _mm256_cmp_pd(_mm256_loadu_pd(D + 4), _mm256_blend_pd(_mm256_loadu_pd(E + 4), X, 0b0100),
                      _CMP_EQ_OQ),
        _mm256_cmp_pd(_mm256_loadu_pd(D + 8), _mm256_blend_pd(_mm256_loadu_pd(E + 8), X, 0b0010),
                      _CMP_EQ_OQ)};
    const __m256d All =
        _mm256_and_pd(_mm256_and_pd(_mm256_or_pd(Same[0], Ys[0]), _mm256_or_pd(Same[1], Ys[1])),
                      _mm256_or_pd(Same[2], Ys[2]));
    return _mm256_movemask_pd(All) == 15;
}

// Where an entry lies on the grid (of Rows rows; 1 off the grid).
struct TGridPlace {
    size_t Column, Row, Rows;

    void Next() { Row + 1 < Rows ? ++Row : (Row = 0, ++Column); }
};

// Lanes entries from K on, one at a time: their corners from Block where it
// placed them, the one-point way where it left them unsure; on the grid
// each checked to lie on it unless the block was (Checked). False, at the
// first entry off the grid.
[[gnu::always_inline]] inline bool PlaceLanes(TSurfaceJob& Job, const TSplitNotes& Notes,
                                              size_t Stretches, size_t K, size_t Lanes,
                                              const TCornerBlock& Block, bool Checked,
                                              TGridPlace& At, size_t& Unused)
{
    const Proc3D::TPoint3D* Points = Job.Results.Points.data();
    for (size_t L = 0; L < Lanes; ++L, At.Next()) {
        if (Job.OnGrid && !Checked &&
            !(Points[K + L].X == Points[At.Column * At.Rows].X &&
              Points[K + L].Z == Points[At.Row].Z))
            return false;
        TCorner& Corner = Job.Corners[K + L];
        if ((Block.Skipped >> L & 1u) != 0) {
            Corner = UnusedCorner;
            ++Unused;
            continue;
        }
        if ((Block.Placed >> L & 1u) != 0) {
            Corner = PlacedCorner(Job, K + L, Block.X[L], Block.Y[L], Block.Depth[L]);
        } else if (!ProjectCorner(Job, K + L, Corner)) {
            ++Unused;
            continue;
        }
        NoteCorner(Job, Notes, Stretches, At.Column, At.Row, Corner);
    }
    return true;
}

// Estimated: the view has a margin, without which every lane would be
// unsure and each entry goes the one-point way.
template <TSight Sight>
[[gnu::target("avx2")]] size_t ProjectBlocks(TSurfaceJob& Job, size_t First, size_t Last,
                                             const TSplitNotes& Notes, size_t Stretches,
                                             bool Estimated, bool& OffGrid)
{
    const TWideView W = CornerView<Sight>(Job);
    const Proc3D::TPoint3D* Points = Job.Results.Points.data();
    const size_t GridRows = Job.OnGrid ? static_cast<size_t>(Job.Grid.Rows) : 1;
    TGridPlace At{First / GridRows, First % GridRows, GridRows};
    size_t Unused = 0;
    TCornerBlock Block{};
    TRunningReach Running;
    for (size_t K = First; K < Last; K += 4) {
        // The last block of fewer than four: every lane the one-point way.
        const size_t Lanes = std::min<size_t>(4, Last - K);
        // On the grid the block is checked to lie on it as it is read: four
        // entries of one column at once, any other lane by lane.
        const bool Whole = Lanes == 4 && At.Row + 4 <= GridRows, Checked = Job.OnGrid && Whole;
        if (Checked &&
            !FourOnGrid(Points + K, Points + At.Row, Broadcast(Points[At.Column * GridRows].X))) {
            OffGrid = true;
            break;
        }
        Block.Skipped = Block.Placed = 0;
        if (Estimated && Lanes == 4)
            EstimateCorners<Sight>(Job, W, Points + K, Job.OnGrid, Block, Job.Corners + K);
        if (Block.Placed == 15u && Whole) {
            // The common block: four placed corners of one column, stored.
            NoteBlock(Job, Notes, Stretches, At.Column, At.Row, Block, Running);
            At.Row += 4;
            if (At.Row == GridRows) At.Row = 0, ++At.Column;
        } else if (!PlaceLanes(Job, Notes, Stretches, K, Lanes, Block, Checked, At, Unused)) {
            OffGrid = true;
            break;
        }
    }
    FlushReach(Running);
    return Unused;
}

}  // namespace

[[gnu::target("avx2")]] size_t ProjectCornersWide(TSurfaceJob& Job, size_t First, size_t Last,
                                                  const TSplitNotes& Notes, size_t Stretches,
                                                  bool& OffGrid)
{
    const bool Estimated = Job.Screen.Usable && Job.Screen.ViewMargin > 0.0;
    return Job.Choices.Style.Box != nullptr
               ? ProjectBlocks<TSight::Mapped>(Job, First, Last, Notes, Stretches, Estimated,
                                               OffGrid)
               : ProjectBlocks<TSight::Plain>(Job, First, Last, Notes, Stretches, Estimated,
                                              OffGrid);
}

}  // namespace MainUnit

#endif
