// The steps of the cells within a 4 x 4 block of pixels wholly shown, worked
// out once for each way their corners lie in the block: the puts
// BlockTriangle and BlockSegment (SurfaceBlocks.cpp) make, in their order,
// recorded instead of made.
#include "MainUnit/Picture/Internal/SurfaceBlockTables.h"
#include "MainUnit/Picture/Internal/SurfaceCellPut.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace MainUnit {

namespace {

// The steps of a cell whose corners lie on pixels Numbers of a block wholly
// shown, appended to Steps by the functions below: BlockTriangle and
// BlockSegment followed step by step, each put recorded instead of made.
struct TStepWriting {
    const uint32_t (&Numbers)[4];
    std::vector<TBlockStep>& Steps;
    uint32_t Written = 0;  // the corners already put: put again, they are passed over
};

// Corner N put with its own values, by triangle Which.
void WriteCorner(TStepWriting& W, uint32_t Which, uint32_t N)
{
    if ((W.Written >> N & 1u) != 0) return;
    W.Written |= 1u << N;
    uint32_t First = 0;
    while (W.Numbers[First] != W.Numbers[N])
        ++First;
    W.Steps.push_back({bsCorner, static_cast<uint8_t>(W.Numbers[N]), static_cast<uint8_t>(N),
                       static_cast<uint8_t>(Which), static_cast<uint8_t>(First), 0, 0, 0});
}

// The corner nearest to pixel P, as NearestInBlock finds it.
uint8_t NearestOf(const TStepWriting& W, uint32_t P)
{
    uint32_t Best = 0;
    int32_t BestDistance = BlockDistance2(W.Numbers[0], P);
    for (uint32_t N = 1; N < 4; ++N)
        if (const int32_t D = BlockDistance2(W.Numbers[N], P); D < BestDistance)
            BestDistance = D, Best = N;
    return static_cast<uint8_t>(Best);
}

// Triangle I, J, K without area, as BlockSegment paints it.
void WriteSegment(TStepWriting& W, uint32_t Which, uint32_t I, uint32_t J, uint32_t K)
{
    const uint32_t(&Numbers)[4] = W.Numbers;
    uint32_t P = I, Q = J;
    int32_t Length = BlockDistance2(Numbers[I], Numbers[J]);
    if (const int32_t JK = BlockDistance2(Numbers[J], Numbers[K]); JK > Length)
        Length = JK, P = J, Q = K;
    if (const int32_t KI = BlockDistance2(Numbers[K], Numbers[I]); KI > Length)
        Length = KI, P = K, Q = I;
    WriteCorner(W, Which, P);
    if (Length == 0) return;
    WriteCorner(W, Which, Q);
    const int32_t PX = static_cast<int32_t>(Numbers[P] % 4),
                  PY = static_cast<int32_t>(Numbers[P] / 4);
    const int32_t DX = static_cast<int32_t>(Numbers[Q] % 4) - PX,
                  DY = static_cast<int32_t>(Numbers[Q] / 4) - PY;
    const int32_t AX = DX < 0 ? -DX : DX, AY = DY < 0 ? -DY : DY;
    const int32_t Count = AX == 0 ? AY : (AY == 0 || AX == AY ? AX : 1);
    for (int32_t Step = 1; Step < Count; ++Step) {
        const int32_t X = PX + Step * (DX / Count), Y = PY + Step * (DY / Count);
        const uint32_t Pixel = static_cast<uint32_t>(X + BlockSide * Y);
        const int32_t Dot = (X - PX) * DX + (Y - PY) * DY;
        W.Steps.push_back({bsSegment, static_cast<uint8_t>(Pixel), static_cast<uint8_t>(P | Q << 2),
                           static_cast<uint8_t>(Which), NearestOf(W, Pixel),
                           static_cast<int8_t>(Dot), 0, static_cast<uint8_t>(Length)});
    }
}

// Triangle I, J, K (triangle Which of the cell), as BlockTriangle paints it.
void WriteTriangle(TStepWriting& W, uint32_t Which, uint32_t I, uint32_t J, uint32_t K)
{
    uint32_t A = W.Numbers[I], B = W.Numbers[J], C = W.Numbers[K];
    int32_t Area = BlockEdge(A, B, C);
    if (Area == 0) {
        WriteSegment(W, Which, I, J, K);
        return;
    }
    if (Area < 0) {
        std::swap(J, K);
        std::swap(B, C);
        Area = -Area;
    }
    // Every corner of a triangle with an area lies in it.
    WriteCorner(W, Which, I);
    WriteCorner(W, Which, J);
    WriteCorner(W, Which, K);
    const uint32_t Corners = I | J << 2 | K << 4;
    for (uint32_t Left = BlockTriangles[A | B << 4 | C << 8] & ~(1u << A | 1u << B | 1u << C);
         Left != 0; Left &= Left - 1) {
        const uint32_t P = static_cast<uint32_t>(std::countr_zero(Left));
        W.Steps.push_back({bsTriangle, static_cast<uint8_t>(P), static_cast<uint8_t>(Corners),
                           static_cast<uint8_t>(Which), NearestOf(W, P),
                           static_cast<int8_t>(BlockEdge(C, A, P)),
                           static_cast<int8_t>(BlockEdge(A, B, P)), static_cast<uint8_t>(Area)});
    }
}

// The steps from First on gathered, where they allow it, into one bsCorners
// step followed by the others in their order: when no two corners share a
// pixel and no other step puts a corner's pixel, the order of the corners'
// puts changes no pixel, and each corner's pixel records that corner.
void GatherCorners(std::vector<TBlockStep>& Steps, size_t First)
{
    uint32_t CornerPixels = 0, OtherPixels = 0, Corners = 0, Second = 0;
    for (size_t K = First; K < Steps.size(); ++K) {
        const TBlockStep& S = Steps[K];
        const uint32_t Bit = 1u << S.Pixel;
        if (S.Kind != bsCorner) {
            OtherPixels |= Bit;
            continue;
        }
        // A corner on another's pixel records the first of them.
        if ((CornerPixels & Bit) != 0 || S.Recorded != S.Corners) return;
        CornerPixels |= Bit;
        Corners |= 1u << S.Corners;
        Second |= static_cast<uint32_t>(S.Triangle) << S.Corners;
    }
    if ((CornerPixels & OtherPixels) != 0) return;
    std::vector<TBlockStep> Others;
    for (size_t K = First; K < Steps.size(); ++K)
        if (Steps[K].Kind != bsCorner) Others.push_back(Steps[K]);
    Steps.resize(First);
    Steps.push_back(
        {bsCorners, 0, static_cast<uint8_t>(Corners), static_cast<uint8_t>(Second), 0, 0, 0, 0});
    Steps.insert(Steps.end(), Others.begin(), Others.end());
}

}  // namespace

const TBlockStep* WriteSteps(TBlockPrograms& Programs, uint32_t Way) noexcept
{
    const uint32_t Numbers[4] = {Way & 15u, Way >> 4 & 15u, Way >> 8 & 15u, Way >> 12 & 15u};
    if (Programs.Start.empty()) {
        try {
            Programs.Start.assign(size_t{1} << 16, 0);
        } catch (...) {
            Programs.Wanted = false;
            return nullptr;
        }
    }
    uint32_t& Start = Programs.Start[Way];
    if (Start == 0) {
        const size_t First = Programs.Steps.size();
        try {
            TStepWriting W{Numbers, Programs.Steps};
            WriteTriangle(W, 0, 0, 1, 2);
            WriteTriangle(W, 1, 3, 2, 1);
            GatherCorners(Programs.Steps, First);
            Programs.Steps.push_back({bsEnd, 0, 0, 0, 0, 0, 0, 0});
        } catch (...) {
            Programs.Steps.resize(First);
            return nullptr;
        }
        Start = static_cast<uint32_t>(First + 1);
    }
    return Programs.Steps.data() + (Start - 1);
}

}  // namespace MainUnit
