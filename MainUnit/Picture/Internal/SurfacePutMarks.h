// Which corners of a grid the cells of two neighbouring columns have put
// into a picture with their own values, so that the cells after them need
// not offer them again.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace MainUnit {

// The corners of the current column (Left) and the next (Right): the cell of
// row Row between them has corners (i, j), (i + 1, j), (i, j + 1),
// (i + 1, j + 1) at Left[Row], Right[Row], Left[Row + 1], Right[Row + 1],
// bits 0 to 3 of Done and Mark. Without memory for them every corner is
// offered by each cell holding it.
struct TPutMarks {
    std::vector<uint8_t> Memory;
    uint8_t* Left = nullptr;
    uint8_t* Right = nullptr;
    size_t Rows = 0;

    explicit TPutMarks(size_t GridRows) noexcept
    {
        try {
            Memory.assign(2 * GridRows, 0);
        } catch (...) {
            return;
        }
        Left = Memory.data(), Right = Left + GridRows, Rows = GridRows;
    }
    uint32_t Done(size_t Row) const
    {
        if (Left == nullptr) return 0;
        return static_cast<uint32_t>(Left[Row] | Right[Row] << 1 | Left[Row + 1] << 2 |
                                     Right[Row + 1] << 3);
    }
    void Mark(size_t Row, uint32_t Put) const
    {
        if (Left == nullptr) return;
        const auto Bit = [Put](int Corner) { return static_cast<uint8_t>(Put >> Corner & 1u); };
        Left[Row] |= Bit(0), Right[Row] |= Bit(1);
        Left[Row + 1] |= Bit(2), Right[Row + 1] |= Bit(3);
    }
    // On to the next column: its left corners are this one's right.
    void Next()
    {
        if (Left == nullptr) return;
        std::swap(Left, Right);
        std::fill(Right, Right + Rows, uint8_t{0});
    }
};

}  // namespace MainUnit
