// Fuzz target: ReadExpression against the calculation's own rules.
//
// The input is a typed expression (blanks, letters, any byte). The reading
// must accept it exactly when a calculation would: blanks removed, at most
// ten letters, and IsWellFormed on the text with the letters substituted. A
// malformed text gets a column within the text or one past it, and a reason.
//
// A well-formed reading is then parsed here under the usual priority rules
// ('*' and '/' before '+' and '-', left to right, a leading minus on the
// first operand only) and written back fully bracketed: every operation in
// its own brackets, so that it has one order of operations under any rules.
// The evaluator itself computes that form, which keeps the arithmetic
// bit-exact without a second implementation of it (a small evaluator here
// would have to repeat the extended-precision functions and the error
// rules). Its value is compared with the value of the typed text at a few
// points:
// - the fully bracketed form puts every intermediate result in a bracket,
//   where the evaluator passes a reserved result up at once, while the typed
//   text keeps some of them in its accumulator. An intermediate that happens
//   to equal a reserved number (say '0-2.1708472458605E+240*0') therefore
//   stops only the bracketed form. So: when the bracketed form has an
//   ordinary value, no intermediate was reserved, and the typed text must
//   give the very same bits; when the typed text gives a reserved result,
//   the bracketed form must give one too (a real error is met by both, a
//   reserved intermediate of the typed text is bracketed in both).
// - the evaluator adds the first operand of every bracket to 0, which turns
//   a -0 into +0; the extra brackets can thus change the sign of a zero
//   result (and only that: a signed zero divided by, or under loge, is
//   undefined either way), so zeros compare as equal.
// - Reading the fully bracketed form again must give the reading back.
#include "FuzzCheck.h"
#include "SolveExp/Reading.h"
#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace SolveExp;
using FuzzCheck::Require;

bool IsReserved(double V) { return SameBits(V, SyntaxErrorValue) || SameBits(V, UndefinedValue); }
bool SameValue(double A, double B) { return SameBits(A, B) || (A == 0 && B == 0); }

std::string WithoutBlanks(std::string_view Typed)
{
    std::string Text;
    for (char C : Typed)
        if (C != ' ') Text += C;
    return Text;
}

// The text with X and Z substituted as a calculation does it, or false when
// more than ten letters need room.
bool Substituted(const std::string& Text, double X, double Z, std::vector<char>& Work)
{
    const auto Capacity = static_cast<int32_t>(Text.size() + 10 * ParamTextGrowth + 1);
    Work.assign(static_cast<std::size_t>(Capacity), '\0');
    std::memcpy(Work.data(), Text.c_str(), Text.size() + 1);
    return SubstituteParameters(Work.data(), Capacity, X, Z);
}

bool CalculationAccepts(std::string_view Typed)
{
    if (Typed.find('\0') != std::string_view::npos) return false;
    std::vector<char> Work;
    return Substituted(WithoutBlanks(Typed), 1.0, 1.0, Work) && IsWellFormed(Work.data());
}

// The usual-priority parser of a reading; writes the fully bracketed form.
struct TUsualParser {
    std::string_view Text;
    std::size_t Pos = 0;
    bool Ok = true;

    char Peek() const { return Pos < Text.size() ? Text[Pos] : '\0'; }
    static bool IsDigit(char C) { return C >= '0' && C <= '9'; }
    static bool IsLetter(char C) { return (C | 0x20) >= 'a' && (C | 0x20) <= 'z'; }

    std::string Sum()
    {
        std::string Left = Product(true);
        while (Ok && (Peek() == '+' || Peek() == '-')) {
            const char Op = Text[Pos++];
            Left = "(" + Left + Op + Product(false) + ")";
        }
        return Left;
    }

    std::string Product(bool MinusAllowed)
    {
        std::string Left = Factor(MinusAllowed);
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
        std::string Literal(Text.substr(Start, Pos - Start));
        // "4725e" followed by '+' would take the '+' as its exponent sign.
        if (Literal.back() == 'e' || Literal.back() == 'E') return "(" + Literal + ")";
        return Literal;
    }

    std::string Name()
    {
        const std::size_t Start = Pos;
        while (IsLetter(Peek()))
            ++Pos;
        const std::string Word(Text.substr(Start, Pos - Start));
        if (Peek() != '(') {
            // A letter alone; in a reading it is never followed by another.
            Ok = Ok && Word.size() == 1 && std::strchr("xXzZ", Word[0]) != nullptr;
            return Word;
        }
        ++Pos;
        std::string Argument = Sum();
        Close();
        return Word + "(" + Argument + ")";
    }

    void Close()
    {
        if (Peek() == ')')
            ++Pos;
        else
            Ok = false;
    }
};

int32_t NestingDepth(const std::string& Text)
{
    int32_t Depth = 0, Deepest = 0;
    for (char C : Text) {
        Depth += C == '(' ? 1 : C == ')' ? -1 : 0;
        Deepest = std::max(Deepest, Depth);
    }
    return Deepest;
}

double EvaluateAt(const std::string& Text, double X, double Z, std::string_view Typed)
{
    std::vector<char> Work;
    Require(Substituted(Text, X, Z, Work), "no room for the letters of a well-formed text", Typed);
    return EvaluateExpression(Work.data());
}

void CheckReading(std::string_view Typed, const std::string& Reading)
{
    Require(!Reading.empty() && Reading.find(' ') == std::string::npos,
            "a reading that is empty or has blanks", Typed);
    TUsualParser Parser{Reading};
    const std::string Bracketed = Parser.Sum();
    Require(Parser.Ok && Parser.Pos == Reading.size(), "a reading the usual rules cannot parse",
            Typed);
    // Each letter is one level deeper once substituted.
    if (NestingDepth(Bracketed) + 1 > MaxNestingDepth) return;
    const TReading Again = ReadExpression(Bracketed);
    Require(Again.WellFormed && Again.Text == Reading,
            "the fully bracketed reading reads differently", Typed);

    const std::string Text = WithoutBlanks(Typed);
    constexpr std::array<std::array<double, 2>, 3> Points = {
        {{0.75, -2.5}, {3.0, 0.5}, {-1.25, 7.0}}};
    for (const auto& [X, Z] : Points) {
        const double AsTyped = EvaluateAt(Text, X, Z, Typed);
        const double AsRead = EvaluateAt(Bracketed, X, Z, Typed);
        if (!IsReserved(AsRead))
            Require(SameValue(AsTyped, AsRead),
                    "the reading under the usual rules has another value", Typed);
        if (IsReserved(AsTyped))
            Require(IsReserved(AsRead), "an error of the typed text is not met by the reading",
                    Typed);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    const std::string_view Typed(reinterpret_cast<const char*>(Data), Size);
    const TReading Reading = ReadExpression(Typed);
    Require(Reading.WellFormed == CalculationAccepts(Typed),
            Reading.WellFormed ? "read a text the calculation refuses"
                               : "refused a text the calculation accepts",
            Typed);
    if (!Reading.WellFormed) {
        Require(Reading.Column >= 1 && static_cast<std::size_t>(Reading.Column) <= Size + 1,
                "a column outside the text", Typed);
        Require(!Reading.Reason.empty(), "no reason", Typed);
        return 0;
    }
    CheckReading(Typed, Reading.Text);
    return 0;
}
