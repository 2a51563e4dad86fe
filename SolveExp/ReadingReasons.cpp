// The wording of the reading's reasons: what stopped it and, for the common
// mistakes, how to write it instead.
#include "SolveExp/Internal/ReadingReasons.h"

#include <cctype>

namespace SolveExp {
namespace {

constexpr const char* FunctionList = "sin, cos, exp, asin, acos, loge, fac, sqrt, abs";

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

void SkipDigits(std::string_view Text, std::size_t& I)
{
    while (I < Text.size() && IsDigit(Text[I]))
        ++I;
}

std::string Lower(std::string_view Text)
{
    std::string Result(Text);
    for (char& C : Result)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    return Result;
}

}  // namespace

std::string OperatorReason(char Pending, char Op, bool LevelStart)
{
    if (Op == '-') return "a negative number after an operator goes in brackets: 2*(-3)";
    if (LevelStart && Pending == '+') {
        if (Op == '+') return "an expression cannot start with +; leave it out";
        return std::string("an operand is missing before ") + Op;
    }
    return "two operators in a row";
}

std::string EndReason(bool AtBracket, bool Inner, bool Nothing)
{
    if (AtBracket)
        return Nothing ? "nothing between the brackets" : "an operand is missing before )";
    if (Inner) return "the text ends too early: an operand and a ) are missing";
    return Nothing ? "the expression is empty" : "the expression ends with an operator";
}

std::string CharacterReason(unsigned char C, std::string_view LastOperand)
{
    if (C == '^') {
        const std::string Base = LastOperand.empty() ? "x" : std::string(LastOperand);
        return "^ is not an operator; write " + Base + "*" + Base;
    }
    if (C == ',') return ", is not allowed; the decimal separator is .";
    if (C == '[' || C == ']' || C == '{' || C == '}') return "only round brackets ( ) can be used";
    if (C > 32 && C < 127) return std::string(1, static_cast<char>(C)) + " is not allowed";
    return "the character of code " + std::to_string(C) + " is not allowed";
}

std::string NameReason(std::string_view Run, bool BeforeBracket)
{
    const std::string Name = Lower(Run);
    if (Name == "pi") return "pi is not known; write 3.14159265358979";
    if (BeforeBracket)
        return "unknown function " + std::string(Run) + "; the functions are " + FunctionList;
    if (Name == "e") return "only X and Z can be used; for e write exp(1)";
    if (Run.size() == 1) return "only X and Z can be used";
    return "unknown name " + std::string(Run) + "; only X, Z and the functions " + FunctionList +
           " can be used";
}

std::string NumberReason(std::string_view Literal, std::size_t& Stop)
{
    // The form of a number: digits, optionally '.' and digits, optionally an
    // exponent letter, a sign and digits; any part may be empty.
    std::size_t I = 0;
    SkipDigits(Literal, I);
    if (I < Literal.size() && Literal[I] == '.') {
        ++I;
        SkipDigits(Literal, I);
    }
    bool Exponent = false;
    if (I < Literal.size() && (Literal[I] == 'e' || Literal[I] == 'E')) {
        Exponent = true;
        ++I;
        if (I < Literal.size() && (Literal[I] == '+' || Literal[I] == '-')) ++I;
        SkipDigits(Literal, I);
    }
    if (I >= Literal.size()) {
        Stop = 0;
        return "the number is too large";
    }
    Stop = I;
    if (Literal[I] == '.')
        return Exponent ? "the exponent of a number must be whole"
                        : "a number has one decimal point at most";
    return "a number has one exponent at most";
}

std::string MissingOperatorReason(std::string_view Before)
{
    return "an operator is missing before " + std::string(Before);
}

std::string MissingBracketReason(std::string_view Function)
{
    return "a ( must follow " + std::string(Function);
}

}  // namespace SolveExp
