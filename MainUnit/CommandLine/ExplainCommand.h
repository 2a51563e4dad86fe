// "tessel --explain EXPR": how an expression is read, without any window.
#pragma once

#include <ostream>
#include <string_view>

namespace MainUnit {

// Writes the reading of Expression to Out and returns 0; when the usual
// priority rules read it otherwise, a second line "usual priority: ..." gives
// the text that means what they make of it. A malformed text: writes
// "column N: reason; hint" to Err and returns 2; a text longer than the
// function field holds: the calculation's length refusal, 2.
int ExplainCommand(std::string_view Expression, std::ostream& Out, std::ostream& Err);

}  // namespace MainUnit
