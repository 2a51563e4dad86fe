// What the status line says about the function expression: how it is read,
// or where it went wrong.
#pragma once

#include <string>
#include <string_view>

namespace MainUnit {

// While the user types: "Read as: ..." when the reading differs from the
// text without blanks, "Column N: reason" for a malformed text, and nothing
// for a text read as typed or a field without any character but blanks.
std::string TypingStatus(std::string_view Expression);

// After the syntax-error refusal of a calculation: "Column N: reason". The
// refusal also comes when the value at X = Z = 1 happens to be the number
// reserved for a syntax error; the text then says so.
std::string SyntaxRefusalStatus(std::string_view Expression);

}  // namespace MainUnit
