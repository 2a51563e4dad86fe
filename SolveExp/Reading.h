// How an expression, as the user typed it, is read: either the text a
// reader who knows only the usual priority rules needs to see to follow this
// unit's order of operations, or where and why reading stops.
#pragma once

#include "SolveExp/SolveExp.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace SolveExp {

struct TReading {
    bool WellFormed = false;
    // Well formed: the text without blanks, with exactly the brackets that
    // the usual rules ('*' and '/' before '+' and '-', left to right within
    // a level, a leading minus on the first operand only) need to give this
    // unit's order of operations, and no others. '+-' is written '-';
    // numbers, letters and function names are written as typed, and a
    // function applied straight to a letter gets its brackets ('sinx' is
    // 'sin(x)').
    std::string Text;
    // Malformed: the 1-based column in the typed text, blanks counted, of
    // the first character where reading cannot go on (one past the last
    // character when the text ends too early), and the reason with a hint.
    int32_t Column = 0;
    std::string Reason;
};

// Reads Typed as a calculation does: blanks removed, each X and Z replaced by
// a bracketed number (at most MaxParameterLetters of them), then evaluated.
// Well formed exactly when that evaluation can meet no syntax error,
// whatever the values of X and Z. A zero byte is malformed.
TReading ReadExpression(std::string_view Typed);

}  // namespace SolveExp
