// A cell whose corners lie within a 2 x 2 block of pixels holds no pixel
// but its corners'. Which corners each of its triangles puts with their own
// values, and which corner the point record gives each corner's pixel,
// depend only on where the four corners lie in the block: 256 ways, looked
// up instead of worked out cell by cell.
#pragma once

#include <array>
#include <cstdint>

namespace MainUnit {

// Corner N of a small cell at column X[N], row Y[N] of its block (0 or 1).
struct TSmallCellPlaces {
    int32_t X[4];
    int32_t Y[4];
};

// The way of the four places Key holds, corner N's column in bit 2N and
// its row in bit 2N + 1.
constexpr TSmallCellPlaces SmallCellPlaces(uint32_t Key)
{
    TSmallCellPlaces P{};
    for (uint32_t N = 0; N < 4; ++N) {
        P.X[N] = static_cast<int32_t>(Key >> 2 * N & 1u);
        P.Y[N] = static_cast<int32_t>(Key >> (2 * N + 1) & 1u);
    }
    return P;
}

// The corners I, J, K whose pixels the triangle I, J, K gives their own
// values, as bits: all three when it has an area (no other pixel of the
// block lies in it), the ends of the segment it is without one (the first
// pair farthest apart), or I alone when all three share a pixel.
constexpr uint32_t SmallTriangleCorners(const TSmallCellPlaces& P, uint32_t I, uint32_t J,
                                        uint32_t K)
{
    const auto Distance2 = [&P](uint32_t U, uint32_t V) {
        const int32_t DX = P.X[V] - P.X[U], DY = P.Y[V] - P.Y[U];
        return DX * DX + DY * DY;
    };
    // Twice the signed area, as the walk's edge functions have it.
    const int32_t Area =
        (P.X[J] - P.X[I]) * (P.Y[K] - P.Y[I]) - (P.Y[J] - P.Y[I]) * (P.X[K] - P.X[I]);
    if (Area != 0) return 1u << I | 1u << J | 1u << K;
    int32_t Length = Distance2(I, J);
    uint32_t Ends = 1u << I | 1u << J;
    if (const int32_t JK = Distance2(J, K); JK > Length) Length = JK, Ends = 1u << J | 1u << K;
    if (const int32_t KI = Distance2(K, I); KI > Length) Length = KI, Ends = 1u << K | 1u << I;
    return Length == 0 ? 1u << I : Ends;
}

// One way of a small cell, as bits: in 0 to 3 the corners either triangle
// puts, in 4 to 7 those its first triangle (0, 1, 2) puts (the rest its
// second, 3, 2, 1), and for each corner N in bits 8 + 2N, 9 + 2N the first
// corner on its pixel, whose point the record gives that pixel.
consteval std::array<uint16_t, 256> MakeSmallCellWays()
{
    std::array<uint16_t, 256> Ways{};
    for (uint32_t Key = 0; Key < 256; ++Key) {
        const TSmallCellPlaces P = SmallCellPlaces(Key);
        uint32_t On = 0;
        for (uint32_t N = 0; N < 4; ++N) {
            uint32_t First = 0;
            while (P.X[First] != P.X[N] || P.Y[First] != P.Y[N])
                ++First;
            On |= First << 2 * N;
        }
        const uint32_t First = SmallTriangleCorners(P, 0, 1, 2);
        const uint32_t Second = SmallTriangleCorners(P, 3, 2, 1);
        Ways[Key] = static_cast<uint16_t>((First | Second) | First << 4 | On << 8);
    }
    return Ways;
}

inline constexpr std::array<uint16_t, 256> SmallCellWays = MakeSmallCellWays();

}  // namespace MainUnit
