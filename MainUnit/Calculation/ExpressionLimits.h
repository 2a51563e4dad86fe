// The sizes every holder of an expression text shares: the field, the
// checked settings, and the work buffer of the text path.
#pragma once

#include "SolveExp/SolveExp.h"

#include <cstdint>

namespace MainUnit {

// The longest expression, blanks included; without its blanks it is no longer.
inline constexpr int32_t MaxExpressionLength = 255;

// The buffer the text path copies an expression into before writing its
// parameter letters out as numbers.
inline constexpr int32_t WorkBufferSize = SolveExp::SubstitutionCapacity(MaxExpressionLength);

}  // namespace MainUnit
