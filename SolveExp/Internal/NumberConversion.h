// Reading a numeric literal and writing a parameter value, both independent
// of the locale by construction.
#pragma once

#include <cstdint>

namespace SolveExp {

// The ten decimal digits, whatever the locale.
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Converts the literal First..Last-1: integer digits, optionally "." and
// fraction digits, optionally "e"/"E", a sign and exponent digits, each part
// possibly empty ('1e' is 1, '.' is 0). The result is correctly rounded to
// extended; one beyond the extended range fails, an underflow gives 0.
// False when the text does not have this form.
bool ConvertLiteral(const char* First, const char* Last, long double& Value);

// Longest text WriteParamValue writes: '-', 14 digits, '.', 'E', sign, 3 digits.
inline constexpr int32_t MaxParamValueChars = 21;

// Writes V as '-d.dddddddddddddE+ddd' (14 significant digits, at least three
// exponent digits) at Dest, which holds MaxParamValueChars bytes; no
// terminator. Returns the number of characters, 0 when V is not finite.
int32_t WriteParamValue(char* Dest, double V);

}  // namespace SolveExp
