// The reasons, with their hints, that the reading gives for a malformed
// expression. A reason is short enough to show in full on the status line
// after its column; the hint says how to write it instead, for the tooltip
// and the console.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace SolveExp {

struct TReason {
    std::string Reason;
    std::string Hint;  // may be empty
};

TReason NoOpeningReason();
TReason ClosingMissingReason();
TReason TooDeepReason();
TReason TooManyLettersReason();

// An operator that cannot follow the pending one ('+' at the start of a
// level, where the evaluator adds the first operand to 0).
TReason OperatorReason(char Pending, char Op, bool LevelStart);

// The text or a level ends (At ')' or at the end of the text) while an
// operand is still wanted. Nothing: not even a leading minus was read.
TReason EndReason(bool AtBracket, bool Inner, bool Nothing);

// A character that starts no token. LastOperand is the number or letter just
// read, if any, for the hint.
TReason CharacterReason(unsigned char C, std::string_view LastOperand);

// A run of letters that is neither X, Z nor a function name.
TReason NameReason(std::string_view Run, bool BeforeBracket);

// A numeric literal that does not convert: Stop is set to the offset of the
// first character that does not fit the form of a number, or 0 when the
// form is right and the value is beyond any range.
TReason NumberReason(std::string_view Literal, std::size_t& Stop);

TReason MissingOperatorReason(std::string_view Before);
TReason MissingBracketReason(std::string_view Function);

}  // namespace SolveExp
