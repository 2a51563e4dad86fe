// What the painting of cells within a 4 x 4 block of pixels looks up: the
// edge functions between the block's pixels, the pixels each triangle of
// three of them holds, and the distances between them, worked out when the
// program is compiled.
#pragma once

#include <array>
#include <cstdint>

namespace MainUnit {

// A pixel of a 4 x 4 block by its number: column N % 4, row N / 4.
inline constexpr int32_t BlockSide = 4;

// The edge function from U to V at P, pixels of a block by their numbers:
// twice the signed area of U, V, P.
constexpr int32_t BlockEdge(uint32_t U, uint32_t V, uint32_t P)
{
    const int32_t UX = static_cast<int32_t>(U % 4), UY = static_cast<int32_t>(U / 4);
    const int32_t VX = static_cast<int32_t>(V % 4), VY = static_cast<int32_t>(V / 4);
    const int32_t PX = static_cast<int32_t>(P % 4), PY = static_cast<int32_t>(P / 4);
    return (VX - UX) * (PY - UY) - (VY - UY) * (PX - UX);
}

// For each triangle of three pixels of a block, A + 16 B + 256 C, the
// pixels of the block inside it or on its edges as bits; none for a
// triangle without area.
consteval std::array<uint16_t, 4096> MakeBlockTriangles()
{
    std::array<uint16_t, 4096> Inside{};
    for (uint32_t Key = 0; Key < 4096; ++Key) {
        const uint32_t A = Key & 15u, B = Key >> 4 & 15u, C = Key >> 8;
        const int32_t Area = BlockEdge(A, B, C);
        uint32_t Bits = 0;
        for (uint32_t P = 0; P < 16 && Area != 0; ++P) {
            const int32_t EA = BlockEdge(B, C, P), EB = BlockEdge(C, A, P), EC = BlockEdge(A, B, P);
            if (Area > 0 ? (EA >= 0 && EB >= 0 && EC >= 0) : (EA <= 0 && EB <= 0 && EC <= 0))
                Bits |= 1u << P;
        }
        Inside[Key] = static_cast<uint16_t>(Bits);
    }
    return Inside;
}

inline constexpr std::array<uint16_t, 4096> BlockTriangles = MakeBlockTriangles();

// BlockEdge(U, V, P) by U + 16 V + 256 P, looked up where a cell is painted.
consteval std::array<int8_t, 4096> MakeBlockEdges()
{
    std::array<int8_t, 4096> Edges{};
    for (uint32_t Key = 0; Key < 4096; ++Key)
        Edges[Key] = static_cast<int8_t>(BlockEdge(Key & 15u, Key >> 4 & 15u, Key >> 8));
    return Edges;
}

inline constexpr std::array<int8_t, 4096> BlockEdges = MakeBlockEdges();

[[gnu::always_inline]] inline int32_t Edge(uint32_t U, uint32_t V, uint32_t P)
{
    return BlockEdges[U | V << 4 | P << 8];
}

// The square of the distance between pixels U and V of a block.
constexpr int32_t BlockDistance2(uint32_t U, uint32_t V)
{
    const int32_t DX = static_cast<int32_t>(V % 4) - static_cast<int32_t>(U % 4),
                  DY = static_cast<int32_t>(V / 4) - static_cast<int32_t>(U / 4);
    return DX * DX + DY * DY;
}

consteval std::array<uint8_t, 256> MakeBlockDistances()
{
    std::array<uint8_t, 256> Distances{};
    for (uint32_t Key = 0; Key < 256; ++Key)
        Distances[Key] = static_cast<uint8_t>(BlockDistance2(Key & 15u, Key >> 4));
    return Distances;
}

// BlockDistance2(U, V) by U + 16 V.
inline constexpr std::array<uint8_t, 256> BlockDistances = MakeBlockDistances();

}  // namespace MainUnit
