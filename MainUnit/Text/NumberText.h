// Numbers as the window's fields show them: reading a real or an integer
// that a person typed, and writing a real back.
//
// "." is the only decimal separator and nothing here depends on the user's
// locale: the routines parse and format the characters themselves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace MainUnit {

// A real: optional leading blanks, optional sign, decimal digits with at most
// one ".", optional exponent ("E"/"e", optional sign, at least one digit), and
// nothing after it. Missing mantissa digits read as 0 ("." and "E5" are 0).
// A value beyond the range of a double is not a number; one too small for it
// reads as 0 or a subnormal. On false, Value is left unchanged.
bool ReadReal(std::string_view Text, double& Value);

// An integer: optional leading blanks, optional sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X"; the signed value must
// fit 32 bits. On false, Value is left unchanged.
bool ReadInteger(std::string_view Text, int32_t& Value);

// General format: at most 15 significant digits, no trailing zeros; fixed
// notation when 0.0001 <= |v| < 1e15 after rounding, otherwise 1E-5 / 1.5E20.
// Takes a long double so that an extended intermediate is rounded only once.
std::string FormatReal(long double Value);

}  // namespace MainUnit
