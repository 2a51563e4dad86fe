// The wording of the reading's reasons: what stopped it and, for the common
// mistakes, how to write it instead.
#include "SolveExp/Internal/ReadingReasons.h"

#include "SolveExp/Internal/NumberConversion.h"

#include <cctype>

namespace SolveExp {
namespace {

constexpr const char* FunctionList = "sin, cos, exp, asin, acos, loge, fac, sqrt, abs";

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

TReason NoOpeningReason() { return {"this ) has no (", "a ( is missing before it"}; }

TReason ClosingMissingReason() { return {"a ) is missing", ""}; }

TReason TooDeepReason() { return {"brackets too deep", "brackets nest more than 1000 deep"}; }

TReason TooManyLettersReason()
{
    return {"more than 10 X and Z", "X and Z can be used at most 10 times together"};
}

TReason OperatorReason(char Pending, char Op, bool LevelStart)
{
    if (Op == '-')
        return {"minus needs brackets",
                "a negative number after an operator goes in brackets: 2*(-3)"};
    const std::string Sign(1, Op);
    if (LevelStart && Pending == '+') {
        if (Op == '+') return {"cannot start with +", "leave the + out"};
        return {"nothing before " + Sign, "an operand is missing before " + Sign};
    }
    return {"two operators in a row", ""};
}

TReason EndReason(bool AtBracket, bool Inner, bool Nothing)
{
    if (AtBracket) {
        if (Nothing) return {"nothing in the brackets", ""};
        return {"nothing before )", "an operand is missing before )"};
    }
    if (Inner) return {"ends too early", "an operand and a ) are missing"};
    if (Nothing) return {"the text is empty", ""};
    return {"ends with an operator", "an operand is missing at the end"};
}

TReason CharacterReason(unsigned char C, std::string_view LastOperand)
{
    if (C == '^') {
        const std::string Base = LastOperand.empty() ? "x" : std::string(LastOperand);
        return {"^ is not an operator", "write " + Base + "*" + Base};
    }
    if (C == ',') return {", is not allowed", "the decimal separator is ."};
    if (C == '[' || C == ']' || C == '{' || C == '}')
        return {"only ( ) are brackets", "only round brackets ( ) can be used"};
    if (C > 32 && C < 127) return {std::string(1, static_cast<char>(C)) + " is not allowed", ""};
    return {"code " + std::to_string(C) + " not allowed",
            "the character of code " + std::to_string(C) + " is not allowed"};
}

TReason NameReason(std::string_view Run, bool BeforeBracket)
{
    const std::string Name = Lower(Run);
    if (Name == "pi") return {"pi is not known", "write 3.14159265358979"};
    if (BeforeBracket)
        return {"unknown function",
                std::string(Run) + " is no function; the functions are " + FunctionList};
    if (Name == "e") return {"e is not known", "only X and Z can be used; for e write exp(1)"};
    if (Run.size() == 1) return {"only X and Z are known", ""};
    return {"unknown name", std::string(Run) + " is unknown; only X, Z and the functions " +
                                FunctionList + " can be used"};
}

TReason NumberReason(std::string_view Literal, std::size_t& Stop)
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
        return {"the number is too large", "a number must stay below 1.7E308"};
    }
    Stop = I;
    if (Literal[I] == '.') {
        if (Exponent) return {"exponent must be whole", "the exponent of a number must be whole"};
        return {"two decimal points", "a number has one decimal point at most"};
    }
    return {"two exponents", "a number has one exponent at most"};
}

TReason MissingOperatorReason(std::string_view Before)
{
    return {"an operator is missing", "an operator is missing before " + std::string(Before)};
}

TReason MissingBracketReason(std::string_view Function)
{
    return {"a ( must follow " + std::string(Function), ""};
}

}  // namespace SolveExp
