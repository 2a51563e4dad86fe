// Holes in a picture: background pixels that cannot be reached from the
// border through background. A filled graph has none; a cloud of single
// points shows the background between them. Shared by the surface tests and
// the surface benchmark, which report the same count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace TestSupport {

// Steps to the four side neighbours of a pixel, or also to the four diagonal
// ones (a gap between two sheets narrower than a pixel stays connected only
// diagonally).
inline std::size_t EnclosedBackground(const std::vector<uint32_t>& Pixels, int32_t W, int32_t H,
                                      uint32_t Background, bool Diagonal = false)
{
    std::vector<char> Reached(Pixels.size(), 0);
    std::vector<std::size_t> Open;
    const int64_t Width = W, Height = H;
    auto Reach = [&](int64_t X, int64_t Y) {
        if (X < 0 || Y < 0 || X >= Width || Y >= Height) return;
        const auto I = static_cast<std::size_t>(Y * Width + X);
        if (Reached[I] || Pixels[I] != Background) return;
        Reached[I] = 1;
        Open.push_back(I);
    };
    for (int64_t X = 0; X < Width; ++X)
        Reach(X, 0), Reach(X, Height - 1);
    for (int64_t Y = 0; Y < Height; ++Y)
        Reach(0, Y), Reach(Width - 1, Y);
    while (!Open.empty()) {
        const int64_t I = static_cast<int64_t>(Open.back()), X = I % Width, Y = I / Width;
        Open.pop_back();
        for (int64_t DY = -1; DY <= 1; ++DY)
            for (int64_t DX = -1; DX <= 1; ++DX)
                if ((DX == 0) != (DY == 0) || (Diagonal && DX != 0)) Reach(X + DX, Y + DY);
    }
    std::size_t Enclosed = 0;
    for (std::size_t I = 0; I < Pixels.size(); ++I)
        Enclosed += Pixels[I] == Background && !Reached[I];
    return Enclosed;
}

}  // namespace TestSupport
