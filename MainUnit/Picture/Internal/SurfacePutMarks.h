// Which corners of a grid the cells of two neighbouring columns have put
// into a picture with their own values, so that the cells after them need
// not offer them again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace MainUnit {

// The corners of the current column (bit 0 of each row's mark) and the
// next (bit 1): the cell of row Row between them has corners (i, j),
// (i + 1, j), (i, j + 1), (i + 1, j + 1) at bits 0 and 1 of row Row and
// bits 0 and 1 of row Row + 1, bits 0 to 3 of Held and Hold. Without memory
// for them (Rows empty: the painter then neither asks nor marks) every
// corner is offered by each cell holding it.
struct TPutMarks {
    std::vector<uint8_t> Rows;

    explicit TPutMarks(size_t GridRows) noexcept
    {
        try {
            Rows.assign(GridRows, 0);
        } catch (...) {
            Rows.clear();
        }
    }
    uint32_t Held(size_t Row) const
    {
        return static_cast<uint32_t>(Rows[Row] | Rows[Row + 1] << 2);
    }
    void Hold(size_t Row, uint32_t Put)
    {
        Rows[Row] = static_cast<uint8_t>(Rows[Row] | (Put & 3u));
        Rows[Row + 1] = static_cast<uint8_t>(Rows[Row + 1] | (Put >> 2 & 3u));
    }
    // On to the next column: its left corners are this one's right. Eight
    // rows a word: each row's bit 1 down to bit 0, its bit 0 dropped.
    void Next()
    {
        const size_t Words = Rows.size() / 8;
        for (size_t W = 0; W < Words; ++W) {
            uint64_t Word = 0;
            std::memcpy(&Word, Rows.data() + 8 * W, 8);
            Word = Word >> 1 & 0x0101010101010101u;
            std::memcpy(Rows.data() + 8 * W, &Word, 8);
        }
        for (size_t Row = 8 * Words; Row < Rows.size(); ++Row)
            Rows[Row] = static_cast<uint8_t>(Rows[Row] >> 1);
    }
};

}  // namespace MainUnit
