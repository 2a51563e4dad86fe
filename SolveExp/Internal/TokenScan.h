// The tokenizer over a bounded stretch of text: the inner text of a bracket
// group is tokenized in place, as if it were a string of its own, so the
// evaluator needs no copies.
#pragma once

#include <cstdint>

namespace SolveExp {

// Like GetToken, but the text ends at Length: Text[Length] is taken for the
// terminator whatever it holds, and nothing at or beyond it is read.
uint16_t ScanToken(const char* Text, int32_t Length, int32_t Pos, int32_t& TokenStart,
                   int32_t& TokenEnd, int32_t& NextPos);

// Length of a zero-terminated text, capped at the largest 32-bit position.
int32_t BoundedLength(const char* Text);

}  // namespace SolveExp
