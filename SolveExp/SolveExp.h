// SolveExp: the expression unit of Tessel.
//
// Cuts an expression text into tokens, evaluates it strictly from left to
// right (all four operators of equal priority, nine functions, brackets) and
// writes the values of X and Z into the text as bracketed numbers. Nothing
// here throws, touches process-wide state or depends on the locale.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

namespace SolveExp {

// Token codes returned by GetToken. 16 and 32..41 are operands, 17..20
// operators; an operator's pending-operator value is its code minus 16.
inline constexpr uint16_t tkError = 0;
inline constexpr uint16_t tkEnd = 1;
inline constexpr uint16_t tkOutOfRange = 2;
inline constexpr uint16_t tkNumber = 16;
inline constexpr uint16_t tkPlus = 17;
inline constexpr uint16_t tkMinus = 18;
inline constexpr uint16_t tkMultiply = 19;
inline constexpr uint16_t tkDivide = 20;
inline constexpr uint16_t tkBracket = 32;
inline constexpr uint16_t tkExp = 33;
inline constexpr uint16_t tkSin = 34;
inline constexpr uint16_t tkCos = 35;
inline constexpr uint16_t tkLoge = 36;
inline constexpr uint16_t tkFac = 37;
inline constexpr uint16_t tkArcSin = 38;
inline constexpr uint16_t tkArcCos = 39;
inline constexpr uint16_t tkAbs = 40;
inline constexpr uint16_t tkSqrt = 41;

// The function names in token order, tkExp to tkSqrt, written in lower case;
// a name matches in any mix of cases. No name begins another.
inline constexpr std::string_view FunctionNames[] = {"exp",  "sin",  "cos", "loge", "fac",
                                                     "asin", "acos", "abs", "sqrt"};
static_assert(sizeof FunctionNames / sizeof FunctionNames[0] == tkSqrt - tkExp + 1);

// Pending-operator codes of the evaluator.
inline constexpr uint16_t opNone = 0;
inline constexpr uint16_t opAdd = 1;
inline constexpr uint16_t opSubtract = 2;
inline constexpr uint16_t opMultiply = 3;
inline constexpr uint16_t opDivide = 4;

// The two reserved results of EvaluateExpression, compared by exact equality.
inline constexpr double SyntaxErrorValue = std::bit_cast<double>(uint64_t{0xA4E30FB16065163D});
inline constexpr double UndefinedValue = std::bit_cast<double>(uint64_t{0xF1D4D5FEEFAA9BF4});

// Exact equality: the same bit pattern (the reserved results are NaNs to
// the processor, and -0 is not +0).
constexpr bool SameBits(double A, double B)
{
    return std::bit_cast<uint64_t>(A) == std::bit_cast<uint64_t>(B);
}

// The extended value nearest to 1.7E308: biased exponent 0x43FE (2^1023),
// significand 0xF2168983B9DBB273, i.e. significand * 2^(1023 - 63).
inline constexpr long double MaxNumberMagnitude =
    static_cast<long double>(uint64_t{0xF2168983B9DBB273}) * 0x1p960L;

// The deepest bracket nesting evaluated; deeper gives SyntaxErrorValue. A
// 255-character expression with ten substituted letters stays below 250.
inline constexpr int32_t MaxNestingDepth = 1000;

// Parameter substitution: the most one letter lengthens the text, the
// number of letters a text is given room for (the compiled evaluation
// substitutes this many and leaves the rest as letters), the
// significant digits and the minimum exponent digits of a written value.
inline constexpr int32_t ParamTextGrowth = 22;
inline constexpr int32_t MaxParameterLetters = 10;
inline constexpr int32_t ParamPrecision = 14;
inline constexpr int32_t ParamExponentDigits = 3;

// Reads the token at Pos of the zero-terminated Text. TokenStart/TokenEnd
// bound an operand's inner text (inclusive); NextPos is where the following
// token begins, -1 after tkEnd, tkOutOfRange and tkError.
uint16_t GetToken(const char* Text, int32_t Pos, int32_t& TokenStart, int32_t& TokenEnd,
                  int32_t& NextPos);

// Removes every space (code 32) from Text in place.
void RemoveSpaces(char* Text);

// Copies Src[First..Last] into Dest (which holds Last - First + 2 bytes) and
// terminates it; returns Dest, or nullptr without copying for a bad range.
char* CopySubstring(char* Dest, const char* Src, int32_t First, int32_t Last);

// The value of a blank-free, letter-free expression text, or SyntaxErrorValue
// for a malformed text, or UndefinedValue where the value does not exist.
// The first failure met from left to right decides.
double EvaluateExpression(const char* Text);

// False exactly when the text holds a syntax error anywhere that
// EvaluateExpression reports as SyntaxErrorValue once evaluation reaches it
// (malformed tokens, misplaced operators, empty arguments, literals that do
// not convert, nesting beyond MaxNestingDepth), whatever values come before
// it. Values are ignored: '1/0+1' and 'loge(0)' are well formed, '1/0+' is
// not. Pass the text as EvaluateExpression gets it: blank-free, with the
// parameter letters substituted (any values will do; the token structure
// does not depend on them).
bool IsWellFormed(const char* Text);

// 1 for X <= 1, -1 for X > 170, otherwise the running product 1*2*...*floor(X)
// rounded to double after every step.
double Factorial(double X);

// Replaces every parameter letter (X/x not followed by p/P, Z/z) of Buffer by
// its value in brackets with 14 significant digits and at least three
// exponent digits, e.g. '(-1.5000000000000E+000)'. Buffer holds Capacity bytes. False when Capacity <= 0, a substitution would not fit
// or a value cannot be written; the text then keeps the substitutions so far.
bool SubstituteParameters(char* Buffer, int32_t Capacity, double X, double Z);

// The capacity that gives a text of Length characters room for
// MaxParameterLetters substituted letters and its terminating zero: with it,
// SubstituteParameters fails exactly when the text has more letters.
constexpr int32_t SubstitutionCapacity(int32_t Length)
{
    return Length + MaxParameterLetters * ParamTextGrowth + 1;
}

}  // namespace SolveExp
