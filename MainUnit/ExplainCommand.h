// "tessel --explain EXPR": how an expression is read, without any window.
#pragma once

#include <ostream>
#include <string_view>

namespace MainUnit {

// Writes the reading of Expression to Out and returns 0, or writes
// "column N: reason" to Err and returns 2.
int ExplainCommand(std::string_view Expression, std::ostream& Out, std::ostream& Err);

}  // namespace MainUnit
