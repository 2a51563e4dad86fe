// The steps of a cell within a 4 x 4 block of pixels wholly shown (see
// TBlockPrograms) run where the cells are sorted, so that the most common
// cell of a large picture costs no call.
#pragma once

#include "MainUnit/Picture/Internal/SurfaceBlockTables.h"
#include "MainUnit/Picture/Internal/SurfaceCellPut.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace MainUnit {

// 1 / D for each divisor a step can have, as the division gives it: a
// multiplication instead of a division for every pixel.
consteval std::array<double, 256> MakeReciprocals()
{
    std::array<double, 256> Reciprocals{};
    for (size_t D = 1; D < Reciprocals.size(); ++D)
        Reciprocals[D] = 1.0 / static_cast<double>(D);
    return Reciprocals;
}

inline constexpr std::array<double, 256> Reciprocals = MakeReciprocals();

// The Y of corner N of Cell.
[[gnu::always_inline]] inline double HeightOf(const TSurfaceJob& Job, const TCell& Cell, uint32_t N)
{
    return Job.Results.Points[Cell.Index(N)].Y;
}

// A block's entries in the picture, the point record (null without one)
// and the depth buffer, from its top left on.
struct TBlockTargets {
    uint32_t* Pixels;
    int32_t* Indexes;
    float* Depths;
};

// The corners of a cell's bsCorners step not yet put (see Put, which gets
// them), each on its own pixel.
template <bool Lit>
[[gnu::always_inline]] inline void
PutGatheredCorners(const TSurfaceJob& Job, const TCell& Cell, uint32_t Way, const TBlockStep& Step,
                   const TBlockPrograms& Programs, const TBlockTargets& At,
                   const uint32_t (&Shares)[2], uint32_t& Put)
{
    const uint32_t Fresh = Step.Corners & ~Put;
    Put |= Step.Corners;
    for (uint32_t Left = Fresh; Left != 0; Left &= Left - 1) {
        const uint32_t N = static_cast<uint32_t>(std::countr_zero(Left));
        const TCorner& On = Cell.Corner(N);
        const size_t Pixel = Programs.Offsets[Way >> 4 * N & 15u];
        if (On.Stored == 0.0f || !NearerEntry(At.Depths[Pixel], On.Stored)) continue;
        // Without the light a corner's colour is its own.
        At.Pixels[Pixel] = Lit ? CornerColour(Job, On, Shares[Step.Triangle >> N & 1u]) : On.Colour;
        if (At.Indexes != nullptr) At.Indexes[Pixel] = static_cast<int32_t>(Cell.Index(N));
    }
}

// A bsTriangle step offered to Entry, as BlockTriangle interpolates it: from
// A by the weights of B and C, the height only for a pixel that is drawn.
// False when something at least as near is there; otherwise Color is set.
[[gnu::always_inline]] inline bool TriangleStep(const TSurfaceJob& Job, const TCell& Cell,
                                                const TBlockStep& Step, uint32_t Share,
                                                float& Entry, uint32_t& Color)
{
    const uint32_t NA = Step.Corners & 3u, NB = Step.Corners >> 2 & 3u, NC = Step.Corners >> 4 & 3u;
    const TCorner &A = Cell.Corner(NA), &B = Cell.Corner(NB), &C = Cell.Corner(NC);
    const double Inverse = Reciprocals[Step.Divisor];
    const double WB = static_cast<double>(Step.WB), WC = static_cast<double>(Step.WC);
    const double Depth = A.Depth + (WB * (B.Depth - A.Depth) + WC * (C.Depth - A.Depth)) * Inverse;
    const float Stored = SurfaceStored(Depth);
    if (Stored == 0.0f || !NearerEntry(Entry, Stored)) return false;
    const double HeightA = HeightOf(Job, Cell, NA);
    const double Height = HeightA + (WB * (HeightOf(Job, Cell, NB) - HeightA) +
                                     WC * (HeightOf(Job, Cell, NC) - HeightA)) *
                                        Inverse;
    Color = SurfaceColor(Job, Height, Share, Depth);
    return true;
}

// A bsSegment step the same way, as BlockSegment interpolates it: along
// from A (its P) to B (its Q).
[[gnu::always_inline]] inline bool SegmentStep(const TSurfaceJob& Job, const TCell& Cell,
                                               const TBlockStep& Step, uint32_t Share, float& Entry,
                                               uint32_t& Color)
{
    const uint32_t NA = Step.Corners & 3u, NB = Step.Corners >> 2 & 3u;
    const TCorner &A = Cell.Corner(NA), &B = Cell.Corner(NB);
    const double Along = static_cast<double>(Step.WB) / static_cast<double>(Step.Divisor);
    const double Depth = A.Depth + (B.Depth - A.Depth) * Along;
    const float Stored = SurfaceStored(Depth);
    if (Stored == 0.0f || !NearerEntry(Entry, Stored)) return false;
    const double HeightA = HeightOf(Job, Cell, NA), HeightB = HeightOf(Job, Cell, NB);
    Color = SurfaceColor(Job, HeightA + (HeightB - HeightA) * Along, Share, Depth);
    return true;
}

// The cell in the block whose top left is (X0, Y0), wholly shown, by its
// steps, as BlockTriangle paints its two triangles; Lit when the job has
// the light.
template <bool Lit>
[[gnu::always_inline]] inline void RunSteps(const TSurfaceJob& Job, const TCell& Cell, int32_t X0,
                                            int32_t Y0, uint32_t Way, const TBlockStep* Step,
                                            const TBlockPrograms& Programs, const TTargets& To,
                                            const uint32_t (&Shares)[2], uint32_t& Done)
{
    uint32_t Put = Done;
    const size_t Origin = static_cast<size_t>(Y0) * To.Width + static_cast<size_t>(X0);
    const TBlockTargets At{To.Pixels + Origin,
                           To.Indexes == nullptr ? nullptr : To.Indexes + Origin,
                           To.Depths + Origin};
    if (Step->Kind == bsCorners)
        PutGatheredCorners<Lit>(Job, Cell, Way, *Step++, Programs, At, Shares, Put);
    for (; Step->Kind != bsEnd; ++Step) {
        const uint32_t Share = Lit ? Shares[Step->Triangle] : FullLightShare;
        const size_t Pixel = Programs.Offsets[Step->Pixel];
        uint32_t Color = 0;
        if (Step->Kind == bsCorner) {
            const uint32_t N = Step->Corners;
            if ((Put >> N & 1u) != 0) continue;
            Put |= 1u << N;
            const TCorner& On = Cell.Corner(N);
            if (On.Stored == 0.0f || !NearerEntry(At.Depths[Pixel], On.Stored)) continue;
            Color = Lit ? CornerColour(Job, On, Share) : On.Colour;
        } else if (!(Step->Kind == bsTriangle
                         ? TriangleStep(Job, Cell, *Step, Share, At.Depths[Pixel], Color)
                         : SegmentStep(Job, Cell, *Step, Share, At.Depths[Pixel], Color))) {
            continue;
        }
        At.Pixels[Pixel] = Color;
        if (At.Indexes != nullptr)
            At.Indexes[Pixel] = static_cast<int32_t>(Cell.Index(Step->Recorded));
    }
    Done = Put;
}

// The cell of Cell.First in the block whose top left is (X0, Y0), its
// corners lying in it the way Way, by its steps when the block is wholly
// in the picture and the band (Whole) and the steps are wanted and at hand;
// false, painting nothing, otherwise.
template <bool Lit>
[[gnu::always_inline]] inline bool RunBlockCell(const TSurfaceJob& Job, const TCell& Cell,
                                                int32_t X0, int32_t Y0, uint32_t Way, bool Whole,
                                                const uint32_t (&Shares)[2], uint32_t& Done,
                                                TBlockPrograms& Programs, const TTargets& To)
{
    if (!Programs.Wanted || !Whole) return false;
    const TBlockStep* Steps = StepsOf(Programs, Way);
    if (Steps == nullptr) return false;
    RunSteps<Lit>(Job, Cell, X0, Y0, Way, Steps, Programs, To, Shares, Done);
    return true;
}

}  // namespace MainUnit
