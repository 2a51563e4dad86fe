// How an expression, as the user typed it, is read: in a form that means the
// same to this unit (all four operators of equal priority, left to right)
// and to a reader who knows only the usual rules ('*' and '/' before '+' and
// '-'), together with what the usual rules make of the typed text; or where
// and why reading stops.
#pragma once

#include "SolveExp/SolveExp.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace SolveExp {

struct TReading {
    bool WellFormed = false;
    // Well formed: this unit's order of operations, written with the fewest
    // brackets that give it under both rules, so that it reads the same
    // typed back and to a reader of the usual notation. No blanks; '+-' is
    // written '-'; numbers, letters and function names as typed, a function
    // applied straight to a letter with its brackets ('sinx' is 'sin(x)'); a
    // number that ends in its exponent letter bracketed before '+' or '-'.
    std::string Text;
    // The order of operations the usual rules give the typed text (a leading
    // minus on the first operand, as here), written the same way: typed in,
    // it makes this unit compute what the usual rules would.
    std::string UsualText;
    // The two orders differ (then Text and UsualText differ too).
    bool PriorityMatters = false;
    // Malformed: the 1-based column in the typed text, blanks counted, of
    // the first character where reading cannot go on (one past the last
    // character when the text ends too early), a short reason that fits a
    // status line after its column, and a longer hint (may be empty).
    int32_t Column = 0;
    std::string Reason;
    std::string Hint;
};

// Reads Typed as a calculation does: blanks removed, each X and Z replaced by
// a bracketed number (at most MaxParameterLetters of them), then evaluated.
// Well formed exactly when that evaluation can meet no syntax error,
// whatever the values of X and Z. A zero byte is malformed.
TReading ReadExpression(std::string_view Typed);

}  // namespace SolveExp
