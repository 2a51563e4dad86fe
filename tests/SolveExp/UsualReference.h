// A second, independent reader of an expression under the usual priority
// rules ('*' and '/' before '+' and '-', left to right within a level, a
// leading minus on the first operand, '+-' as '-'), for the tests and the
// fuzz target. It writes the text fully bracketed: every operation in its
// own brackets, so that it has one order of operations under any rules and
// the unit's own evaluator computes it bit-exactly, without a second
// implementation of the arithmetic. Blank-free input; letters and function
// names as the unit accepts them ('sinx' is sin(x)).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace UsualReference {

struct TParser {
    std::string_view Text;
    // All four operators of equal priority, left to right, instead.
    bool Flat = false;
    std::size_t Pos = 0;
    bool Ok = true;

    bool AtSumOp() const
    {
        const char C = Peek();
        return C == '+' || C == '-' || (Flat && (C == '*' || C == '/'));
    }

    char Peek() const { return Pos < Text.size() ? Text[Pos] : '\0'; }
    static bool IsDigit(char C) { return C >= '0' && C <= '9'; }
    static bool IsLetter(char C) { return (C | 0x20) >= 'a' && (C | 0x20) <= 'z'; }
    bool AtParameter() const
    {
        const char C = static_cast<char>(Peek() | 0x20);
        const char After = Pos + 1 < Text.size() ? static_cast<char>(Text[Pos + 1] | 0x20) : '\0';
        return C == 'z' || (C == 'x' && After != 'p');
    }

    std::string Sum()
    {
        std::string Left = Product(true);
        while (Ok && AtSumOp()) {
            char Op = Text[Pos++];
            if (Op == '+' && Peek() == '-') Op = Text[Pos++];
            Left = "(" + Left + Op + Product(false) + ")";
        }
        return Left;
    }

    std::string Product(bool MinusAllowed)
    {
        std::string Left = Factor(MinusAllowed);
        if (Flat) return Left;
        while (Ok && (Peek() == '*' || Peek() == '/')) {
            const char Op = Text[Pos++];
            Left = "(" + Left + Op + Factor(false) + ")";
        }
        return Left;
    }

    std::string Factor(bool MinusAllowed)
    {
        if (MinusAllowed && Peek() == '-') {
            ++Pos;
            return "(-" + Primary() + ")";
        }
        return Primary();
    }

    std::string Primary()
    {
        const char C = Peek();
        if (IsDigit(C) || C == '.') return Number();
        if (C == '(') {
            ++Pos;
            std::string Inner = Sum();
            Close();
            return Inner;
        }
        if (IsLetter(C)) return Name();
        Ok = false;
        return {};
    }

    std::string Number()
    {
        const std::size_t Start = Pos++;
        while (Pos < Text.size()) {
            const char C = Text[Pos], Before = Text[Pos - 1];
            const bool Sign = (C == '+' || C == '-') && (Before == 'e' || Before == 'E');
            if (!(IsDigit(C) || C == '.' || C == 'e' || C == 'E' || Sign)) break;
            ++Pos;
        }
        // Bracketed, so that "4725e" never meets a '+' that it would take as
        // its exponent sign.
        return "(" + std::string(Text.substr(Start, Pos - Start)) + ")";
    }

    std::string Name()
    {
        if (AtParameter()) return std::string(1, Text[Pos++]);
        static constexpr std::string_view Names[] = {"asin", "acos", "loge", "sqrt", "exp",
                                                     "sin",  "cos",  "fac",  "abs"};
        for (const std::string_view Name : Names) {
            if (Text.size() - Pos < Name.size()) continue;
            std::size_t K = 0;
            while (K < Name.size() && (Text[Pos + K] | 0x20) == Name[K])
                ++K;
            if (K < Name.size()) continue;
            const std::string Spelled(Text.substr(Pos, K));
            Pos += K;
            if (AtParameter()) return Spelled + "(" + Text[Pos++] + ")";
            if (Peek() != '(') break;
            ++Pos;
            std::string Argument = Sum();
            Close();
            return Spelled + "(" + Argument + ")";
        }
        Ok = false;
        return {};
    }

    void Close()
    {
        if (Peek() == ')')
            ++Pos;
        else
            Ok = false;
    }
};

// The fully bracketed form of a blank-free text, or an empty string when
// this reader cannot read all of it. Flat: by the rule of equal priority.
inline std::string FullyBracketed(std::string_view Text, bool Flat = false)
{
    TParser Parser{Text, Flat};
    std::string Result = Parser.Sum();
    return Parser.Ok && Parser.Pos == Text.size() ? Result : std::string();
}

}  // namespace UsualReference
