// GetToken: cuts an expression text into numbers, operators, bracket groups
// and function calls, one token per call.
#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/Internal/TokenScan.h"
#include "SolveExp/SolveExp.h"

#include <cstddef>
#include <cstring>
#include <string_view>

namespace SolveExp {
namespace {

// Case-insensitive match of the lower-case Name against Text at Pos; the
// caller has made sure the letters exist.
bool MatchesLetters(const char* Text, int32_t Pos, std::string_view Name)
{
    for (std::size_t i = 0; i < Name.size(); ++i) {
        const char c = Text[static_cast<std::size_t>(Pos) + i];
        if (c != Name[i] && c != Name[i] - ('a' - 'A')) return false;
    }
    return true;
}

// Offset just past the ")" that closes a group whose "(" precedes offset
// First, or -1 when the text ends first.
int64_t ScanGroup(const char* Text, int32_t Length, int32_t Pos, int64_t First)
{
    int64_t Depth = 1;
    int64_t i = First;
    while (Depth > 0 && Pos + i < Length) {
        const char c = Text[Pos + i];
        if (c == '(')
            ++Depth;
        else if (c == ')')
            --Depth;
        ++i;
    }
    return Depth > 0 ? -1 : i;
}

// Function name at Pos: its code and name length, or tkError.
uint16_t MatchFunctionName(const char* Text, int32_t Pos, int32_t& NameLength)
{
    for (uint16_t Code = tkExp; Code <= tkSqrt; ++Code) {
        const std::string_view Name = FunctionNames[Code - tkExp];
        if (MatchesLetters(Text, Pos, Name)) {
            NameLength = static_cast<int32_t>(Name.size());
            return Code;
        }
    }
    return tkError;
}

// Reports an operand token whose inner text ends just before the ")" at
// offset End - 1; fails when the next position would not fit 32 bits.
uint16_t GroupToken(uint16_t Code, int32_t Pos, int32_t InnerStart, int64_t End,
                    int32_t& TokenStart, int32_t& TokenEnd, int32_t& NextPos)
{
    const int64_t Next = Pos + End;
    if (Next > INT32_MAX) return tkError;
    NextPos = static_cast<int32_t>(Next);
    TokenStart = InnerStart;
    TokenEnd = NextPos - 2;
    return Code;
}

uint16_t ScanFunction(const char* Text, int32_t Length, int32_t Pos, int32_t& TokenStart,
                      int32_t& TokenEnd, int32_t& NextPos)
{
    // The shortest call, 'sin(1)', has six characters; this also makes every
    // letter compared below exist.
    if (Length - Pos < 6) return tkError;
    int32_t L = 0;
    const uint16_t Code = MatchFunctionName(Text, Pos, L);
    if (Code == tkError || Text[Pos + L] != '(') return tkError;
    const int64_t End = ScanGroup(Text, Length, Pos, L + 1);
    if (End < 0 || End - L < 3)  // no closing bracket, or an empty argument
        return tkError;
    return GroupToken(Code, Pos, Pos + L + 1, End, TokenStart, TokenEnd, NextPos);
}

uint16_t ScanNumber(const char* Text, int32_t Length, int32_t Pos, int32_t& TokenStart,
                    int32_t& TokenEnd, int32_t& NextPos)
{
    int32_t i = Pos + 1;
    while (i < Length) {
        const char c = Text[i];
        const char Before = Text[i - 1];
        const bool SignedExponent = (c == '+' || c == '-') && (Before == 'e' || Before == 'E');
        if (!(IsDigit(c) || c == '.' || c == 'e' || c == 'E' || SignedExponent)) break;
        ++i;
    }
    NextPos = i;
    TokenStart = Pos;
    TokenEnd = i - 1;
    return tkNumber;
}

uint16_t ScanAt(const char* Text, int32_t Length, int32_t Pos, int32_t& TokenStart,
                int32_t& TokenEnd, int32_t& NextPos)
{
    if (Pos == Length) return tkEnd;
    const char c = Text[Pos];
    switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
        NextPos = Pos + 1;
        return c == '+' ? tkPlus : c == '-' ? tkMinus : c == '*' ? tkMultiply : tkDivide;
    case '(': {
        const int64_t End = ScanGroup(Text, Length, Pos, 1);
        if (End < 3)  // unbalanced (-1) or '()'
            return tkError;
        return GroupToken(tkBracket, Pos, Pos + 1, End, TokenStart, TokenEnd, NextPos);
    }
    default:
        if (c == '.' || IsDigit(c))
            return ScanNumber(Text, Length, Pos, TokenStart, TokenEnd, NextPos);
        return ScanFunction(Text, Length, Pos, TokenStart, TokenEnd, NextPos);
    }
}

}  // namespace

uint16_t ScanToken(const char* Text, int32_t Length, int32_t Pos, int32_t& TokenStart,
                   int32_t& TokenEnd, int32_t& NextPos)
{
    NextPos = -1;
    if (Text == nullptr || Pos < 0 || Pos > Length) return tkOutOfRange;
    const uint16_t Code = ScanAt(Text, Length, Pos, TokenStart, TokenEnd, NextPos);
    if (Code == tkError || Code == tkEnd) NextPos = -1;
    return Code;
}

int32_t BoundedLength(const char* Text)
{
    if (Text == nullptr) return 0;
    const size_t Length = std::strlen(Text);
    return Length > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(Length);
}

uint16_t GetToken(const char* Text, int32_t Pos, int32_t& TokenStart, int32_t& TokenEnd,
                  int32_t& NextPos)
{
    return ScanToken(Text, BoundedLength(Text), Pos, TokenStart, TokenEnd, NextPos);
}

}  // namespace SolveExp
