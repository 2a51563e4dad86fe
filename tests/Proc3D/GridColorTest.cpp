#include "Proc3D/Proc3D.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace Proc3D;

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

struct TGridCase {
    int32_t Count;
    double XWidth, ZWidth;
    int32_t Cols, Rows;
};

TEST(CalcGridSize, Sizes)
{
    const double Tiny = std::numeric_limits<double>::denorm_min();
    const double Huge = std::numeric_limits<double>::max();
    const TGridCase Cases[] = {
        {5000, 20, 20, 71, 71},
        {11, 1, 1, 4, 4},
        {999999, 1, 1, 1000, 1000},
        {100, 1, 1, 10, 10},  // a perfect square stays exact
        {1000, 20, 10, 45, 23},
        {100, 1, 1000, 1, 317},
        {1000, 1, 10000, 1, 3163},
        {1000, -20, -10, 45, 23},  // widths count by magnitude
        {500, 0, 7, 1, 500},
        {500, 7, 0, 500, 1},
        {500, 0, 0, 1, 500},
        {0, 1, 1, 0, 0},
        {-3, 1, 1, 0, 0},
        // Very unequal widths saturate instead of overflowing an integer.
        {1000, 1, 1e-300, Int32Max, 1},
        {1000, 1e-300, 1, 1, Int32Max},
        {999999, Huge, Tiny, Int32Max, 1},
        {999999, Tiny, Huge, 1, Int32Max},
        {999999, std::numeric_limits<double>::infinity(), 1, Int32Max, 0},
    };
    for (const TGridCase& C : Cases) {
        int32_t Cols = -1, Rows = -1;
        CalcGridSize(C.Count, Cols, Rows, C.XWidth, C.ZWidth);
        EXPECT_EQ(Cols, C.Cols) << C.Count << " " << C.XWidth << " " << C.ZWidth;
        EXPECT_EQ(Rows, C.Rows) << C.Count << " " << C.XWidth << " " << C.ZWidth;
    }
}

TEST(CalcGridSize, NeverFewerPointsThanRequested)
{
    const double Widths[] = {0.001, 0.37, 1, 3, 20, 1234.5};
    for (int32_t Count = 11; Count < 999999; Count = Count * 3 + 7) {
        for (double XW : Widths) {
            for (double ZW : Widths) {
                int32_t Cols = 0, Rows = 0;
                CalcGridSize(Count, Cols, Rows, XW, ZW);
                EXPECT_GE(int64_t{Cols} * Rows, Count) << Count << " " << XW << " " << ZW;
            }
        }
    }
}

TEST(HeightColor, RampTable)
{
    struct {
        uint32_t Index, Color;
    } const Cases[] = {
        {0, 0xFF00FF},    {255, 0xFF0000},  {256, 0xFF0000},  {511, 0xFFFF00},
        {512, 0xFFFF00},  {767, 0x00FF00},  {768, 0x00FF00},  {1023, 0x00FFFF},
        {1024, 0x00FFFF}, {1279, 0x0000FF}, {1280, 0x0000FF}, {1475, 0xC3C3FF},
        {1535, 0xFFFFFF}, {1536, 0xFFFFFF}, {100, 0xFF009B},  {300, 0xFF2C00},
        {600, 0xA7FF00},  {900, 0x00FF84},  {1100, 0x00B3FF}, {0xFFFFFFFF, 0xFFFFFF},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(HeightColor(C.Index), C.Color) << C.Index;
    EXPECT_EQ(1535u - ColorIndexReserve, 1475u);
}

TEST(ShadeColor, DarkensEachChannel)
{
    struct {
        uint32_t Color;
        uint8_t Factor;
        uint32_t Shaded;
    } const Cases[] = {
        {0xFFFFFF, 0, 0xFEFEFE},   {0xFFFFFF, 255, 0x000000}, {0xFF00FF, 100, 0x9A009A},
        {0xFFFFFF, 205, 0x313131}, {0x123456, 0, 0x113355},   {0xFF123456, 0, 0x113355},
        {0x000000, 17, 0x000000},  {0x0000FF, 128, 0x00007E},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(ShadeColor(C.Color, C.Factor), C.Shaded)
            << std::hex << C.Color << " " << +C.Factor;
    }
}

}  // namespace
