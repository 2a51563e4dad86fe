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
    const bool Recorded = To.Indexes != nullptr;
    const size_t Origin = static_cast<size_t>(Y0) * To.Width + static_cast<size_t>(X0);
    float* const Depths = To.Depths + Origin;
    uint32_t* const Pixels = To.Pixels + Origin;
    int32_t* const Indexes = To.Indexes + (Recorded ? Origin : 0);
    if (Step->Kind == bsCorners) {
        const uint32_t Fresh = Step->Corners & ~Put;
        Put |= Step->Corners;
        for (uint32_t Left = Fresh; Left != 0; Left &= Left - 1) {
            const uint32_t N = static_cast<uint32_t>(std::countr_zero(Left));
            const TCorner& On = Cell.Corner(N);
            const size_t At = Programs.Offsets[Way >> 4 * N & 15u];
            if (On.Stored == 0.0f || !NearerEntry(Depths[At], On.Stored)) continue;
            // Without the light a corner's colour is its own.
            Pixels[At] = Lit ? CornerColour(Job, On, Shares[Step->Triangle >> N & 1u]) : On.Colour;
            if (Recorded) Indexes[At] = static_cast<int32_t>(Cell.Index(N));
        }
        ++Step;
    }
    for (; Step->Kind != bsEnd; ++Step) {
        const uint32_t Share = Lit ? Shares[Step->Triangle] : FullLightShare;
        const size_t At = Programs.Offsets[Step->Pixel];
        float Stored = 0;
        uint32_t Color = 0;
        if (Step->Kind == bsCorner) {
            const uint32_t N = Step->Corners;
            if ((Put >> N & 1u) != 0) continue;
            Put |= 1u << N;
            const TCorner& On = Cell.Corner(N);
            Stored = On.Stored;
            if (Stored == 0.0f || !NearerEntry(Depths[At], Stored)) continue;
            Color = Lit ? CornerColour(Job, On, Share) : On.Colour;
        } else if (Step->Kind == bsTriangle) {
            // As BlockTriangle interpolates: from A by the weights of B and C;
            // the height only for a pixel that is drawn.
            const uint32_t NA = Step->Corners & 3u, NB = Step->Corners >> 2 & 3u,
                           NC = Step->Corners >> 4 & 3u;
            const TCorner &A = Cell.Corner(NA), &B = Cell.Corner(NB), &C = Cell.Corner(NC);
            const double Inverse = Reciprocals[Step->Divisor];
            const double WB = static_cast<double>(Step->WB), WC = static_cast<double>(Step->WC);
            const double Depth =
                A.Depth + (WB * (B.Depth - A.Depth) + WC * (C.Depth - A.Depth)) * Inverse;
            Stored = SurfaceStored(Depth);
            if (Stored == 0.0f || !NearerEntry(Depths[At], Stored)) continue;
            const double HeightA = HeightOf(Job, Cell, NA);
            const double Height = HeightA + (WB * (HeightOf(Job, Cell, NB) - HeightA) +
                                             WC * (HeightOf(Job, Cell, NC) - HeightA)) *
                                                Inverse;
            Color = SurfaceColor(Job, Height, Share, Depth);
        } else {
            // As BlockSegment interpolates: along from A (its P) to B (its Q).
            const uint32_t NA = Step->Corners & 3u, NB = Step->Corners >> 2 & 3u;
            const TCorner &A = Cell.Corner(NA), &B = Cell.Corner(NB);
            const double Along = static_cast<double>(Step->WB) / static_cast<double>(Step->Divisor);
            const double Depth = A.Depth + (B.Depth - A.Depth) * Along;
            Stored = SurfaceStored(Depth);
            if (Stored == 0.0f || !NearerEntry(Depths[At], Stored)) continue;
            const double HeightA = HeightOf(Job, Cell, NA), HeightB = HeightOf(Job, Cell, NB);
            Color = SurfaceColor(Job, HeightA + (HeightB - HeightA) * Along, Share, Depth);
        }
        Pixels[At] = Color;
        if (Recorded) Indexes[At] = static_cast<int32_t>(Cell.Index(Step->Recorded));
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
