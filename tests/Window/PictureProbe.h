// Reading a picture back in tests.
#pragma once

#include "Platform/Picture.h"

#include <cstdint>

inline bool IsFilled(const Platform::TPicture* Picture, uint32_t Color)
{
    for (int Y = 0; Y < Picture->ImageHeight(); ++Y)
        for (int X = 0; X < Picture->ImageWidth(); ++X)
            if (Picture->Canvas().Pixel(X, Y) != Color) return false;
    return true;
}

inline int CountPixels(const Platform::TPicture* Picture, uint32_t Color)
{
    int Count = 0;
    for (int Y = 0; Y < Picture->ImageHeight(); ++Y)
        for (int X = 0; X < Picture->ImageWidth(); ++X)
            Count += Picture->Canvas().Pixel(X, Y) == Color;
    return Count;
}

inline void FillPicture(Platform::TPicture* Picture, uint32_t Color)
{
    Picture->Canvas().SetBrushColor(Color);
    Picture->Canvas().FillRect(0, 0, Picture->ImageWidth(), Picture->ImageHeight());
}
