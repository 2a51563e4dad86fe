// Fuzz target: EvaluateExpression.
//
// Two halves. The raw input, taken as a text, must give a finite result
// (a value, UndefinedValue or SyntaxErrorValue) that does not depend on the
// floating-point status flags and leaves the floating-point environment as
// it was; brackets, abs and a leading minus around it must act on that
// result as the language says. And the input, read as a recipe, builds a
// well-formed expression of small numbers whose value is known exactly
// from the strict left-to-right rule.
#include "FuzzCheck.h"
#include "SolveExp/SolveExp.h"

#include <cfenv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

using namespace SolveExp;
using FuzzCheck::Require;

bool IsReserved(double V) { return SameBits(V, SyntaxErrorValue) || SameBits(V, UndefinedValue); }

double Evaluate(const std::string& Text)
{
    FuzzCheck::TExactBuffer Buffer(Text);
    return EvaluateExpression(Buffer.Data);
}

// Evaluates with the given status flags raised beforehand; the flags must
// still be raised afterwards and the control settings unchanged.
double EvaluateWithFlags(const std::string& Text, int Flags)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    if (Flags != 0) std::feraiseexcept(Flags);
    std::fenv_t Before;
    std::fegetenv(&Before);
    double Result = Evaluate(Text);
    Require(std::fetestexcept(Flags) == Flags,
            "the evaluation cleared status flags raised before it", Text);
    Require(std::fegetround() == FE_TONEAREST, "the evaluation left another rounding mode", Text);
#if defined(__x86_64__) && defined(__GLIBC__)
    std::fenv_t After;
    std::fegetenv(&After);
    Require(Before.__control_word == After.__control_word,
            "the evaluation left the x87 control word changed", Text);
    Require((Before.__mxcsr & ~0x3Fu) == (After.__mxcsr & ~0x3Fu),
            "the evaluation left the SSE controls changed", Text);
#endif
    std::feclearexcept(FE_ALL_EXCEPT);
    return Result;
}

bool BracketsBalance(const std::string& Text)
{
    int Depth = 0;
    for (char C : Text) {
        Depth += C == '(' ? 1 : C == ')' ? -1 : 0;
        if (Depth < 0) return false;
    }
    return Depth == 0;
}

void CheckRawText(const std::string& Text)
{
    double Result = EvaluateWithFlags(Text, 0);
    Require(std::isfinite(Result), "a result that is not finite", Text);
    Require(SameBits(Result, EvaluateWithFlags(Text, FE_ALL_EXCEPT)),
            "the result depends on the status flags", Text);
    if (Text.empty()) {
        Require(SameBits(Result, SyntaxErrorValue), "an empty text is a syntax error", Text);
        return;
    }
    if (std::string_view("0123456789.(-abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")
            .find(Text[0]) == std::string_view::npos)
        Require(SameBits(Result, SyntaxErrorValue), "a text that cannot start an expression", Text);
    if (!BracketsBalance(Text)) return;
    double InBrackets = Evaluate("(" + Text + ")");
    double Magnitude = Evaluate("abs(" + Text + ")");
    double Negated = Evaluate("-(" + Text + ")");
    if (IsReserved(Result)) {
        Require(SameBits(InBrackets, Result) && SameBits(Magnitude, Result) &&
                    SameBits(Negated, Result),
                "a reserved result is not passed up unchanged", Text);
        return;
    }
    Require(InBrackets == Result, "brackets change the value", Text);
    Require(Magnitude == std::fabs(Result), "abs() is not the magnitude", Text);
    Require(Negated == -Result, "a leading minus is not 0 minus the value", Text);
}

// A well-formed expression built from the input, with its value computed
// here by the same rule: each operation in extended precision, its result
// rounded to 64 bits, a division by zero or an overflow undefined.
struct TRecipe {
    FuzzCheck::TInput In;
    bool ExtendedSqrt;  // sqrt in extended, then rounded; or the double sqrt
    std::string Text;
    bool Undefined = false;

    static bool Apply(long double& Acc, int Op, long double Operand)
    {
        long double R = Op == 0   ? Acc + Operand
                        : Op == 1 ? Acc - Operand
                        : Op == 2 ? Acc * Operand
                                  : Acc / Operand;
        if (Op == 3 && Operand == 0) return false;
        double Rounded = static_cast<double>(R);
        if (std::isinf(Rounded)) return false;
        Acc = Rounded;
        return true;
    }

    // A number, a negative number in brackets, or a bracket group, abs() or
    // sqrt() around a smaller expression.
    double Operand(int Depth)
    {
        const int Kind = In.Take<uint8_t>() % (Depth < 4 ? 6 : 3);
        if (Kind <= 1) {
            uint16_t N = In.Take<uint16_t>();
            Text += std::to_string(N / 2) + (N % 2 ? ".5" : "");
            return N / 2 + (N % 2 ? 0.5 : 0.0);
        }
        if (Kind == 2) {
            uint8_t N = In.Take<uint8_t>();
            Text += "(-" + std::to_string(N) + ")";
            return -static_cast<double>(N);
        }
        Text += Kind == 3 ? "(" : Kind == 4 ? "abs(" : "sqrt(";
        double V = Expression(Depth + 1);
        Text += ")";
        if (Kind == 4) return std::fabs(V);
        if (Kind == 5) {
            if (V < 0) Undefined = true;
            return ExtendedSqrt ? static_cast<double>(std::sqrt(static_cast<long double>(V)))
                                : std::sqrt(V);
        }
        return V;
    }

    double Expression(int Depth)
    {
        long double Acc = 0;
        bool Minus = In.Take<uint8_t>() % 4 == 0;
        if (Minus) Text += "-";
        double First = Operand(Depth);
        if (!Apply(Acc, Minus ? 1 : 0, First)) Undefined = true;
        int Count = In.Take<uint8_t>() % 6;
        for (int I = 0; I < Count && In.Size > 0; ++I) {
            int Op = In.Take<uint8_t>() % 4;
            Text += "+-*/"[Op];
            double Right = Operand(Depth);
            if (!Undefined && !Apply(Acc, Op, Right)) Undefined = true;
        }
        return static_cast<double>(Acc);
    }
};

// A square root rounded twice (extended, then double) and the correctly
// rounded one can differ in the last bit; either is accepted.
void CheckRecipe(FuzzCheck::TInput Input)
{
    TRecipe Extended{Input, true, {}, false};
    TRecipe Double{Input, false, {}, false};
    double ExpectedExtended = Extended.Expression(0);
    double ExpectedDouble = Double.Expression(0);
    double Result = Evaluate(Extended.Text);
    if (Extended.Undefined && Double.Undefined) {
        Require(SameBits(Result, UndefinedValue),
                "a division by zero or an overflow is not UndefinedValue", Extended.Text);
    } else if (!Extended.Undefined && !Double.Undefined) {
        Require(Result == ExpectedExtended || Result == ExpectedDouble,
                "a well-formed expression has the wrong value", Extended.Text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    CheckRawText(FuzzCheck::UpToZero(std::string(reinterpret_cast<const char*>(Data), Size)));
    CheckRecipe(FuzzCheck::TInput{Data, Size});
    return 0;
}
