// The reasons, with their hints, that the reading gives for a malformed
// expression.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace SolveExp {

inline constexpr const char* ReasonNoOpening = "this ) has no matching (";
inline constexpr const char* ReasonClosingMissing = "a ) is missing";
inline constexpr const char* ReasonTooDeep = "brackets nest more than 1000 deep";
inline constexpr const char* ReasonTooManyLetters = "X and Z can be used at most 10 times";

// An operator that cannot follow the pending one ('+' at the start of a
// level, where the evaluator adds the first operand to 0).
std::string OperatorReason(char Pending, char Op, bool LevelStart);

// The text or a level ends (At ')' or at the end of the text) while an
// operand is still wanted. Nothing: not even a leading minus was read.
std::string EndReason(bool AtBracket, bool Inner, bool Nothing);

// A character that starts no token. LastOperand is the number or letter just
// read, if any, for the hint.
std::string CharacterReason(unsigned char C, std::string_view LastOperand);

// A run of letters that is neither X, Z nor a function name.
std::string NameReason(std::string_view Run, bool BeforeBracket);

// A numeric literal that does not convert: Stop is set to the offset of the
// first character that does not fit the form of a number, or 0 when the
// form is right and the value is beyond any range.
std::string NumberReason(std::string_view Literal, std::size_t& Stop);

std::string MissingOperatorReason(std::string_view Before);
std::string MissingBracketReason(std::string_view Function);

}  // namespace SolveExp
