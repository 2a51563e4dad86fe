// "tessel --explain EXPR": how an expression is read, without any window.
#pragma once

#include <ostream>
#include <string_view>

namespace MainUnit {

// Writes the reading of Expression to Out and returns 0, or writes
// "column N: reason" to Err and returns 2.
int ExplainCommand(std::string_view Expression, std::ostream& Out, std::ostream& Err);

// Arguments of the program: when the first is "--explain", the exit code of
// explaining the second (2 with a usage line when it is missing or more
// follow); otherwise -1, and the program starts its windows.
int ExplainFromArguments(int Count, const char* const* Arguments, std::ostream& Out,
                         std::ostream& Err);

}  // namespace MainUnit
