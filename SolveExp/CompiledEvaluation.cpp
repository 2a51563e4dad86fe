// Evaluate: runs a compiled program on a small value stack. Every step uses
// the same arithmetic and functions as the text path, so the bits agree.
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/InstructionSet.h"

#include <cstring>
#include <memory>
#include <new>

namespace SolveExp {
namespace {

// Each bracket level holds one value while the next level is computed.
constexpr int32_t StackCapacity = MaxNestingDepth + 4;

}  // namespace

double EvaluateAsText(const std::string& Text, double X, double Z)
{
    const size_t Capacity = Text.size() + MaxParameterLetters * ParamTextGrowth + 1;
    if (Capacity > static_cast<size_t>(INT32_MAX)) return SyntaxErrorValue;
    const std::unique_ptr<char[]> Buffer(new (std::nothrow) char[Capacity]);
    if (!Buffer) return SyntaxErrorValue;
    std::memcpy(Buffer.get(), Text.c_str(), Text.size() + 1);
    // As in the calculation, the result is not looked at: a letter left in
    // the text is a syntax error once the evaluation reaches it.
    SubstituteParameters(Buffer.get(), static_cast<int32_t>(Capacity), X, Z);
    return EvaluateExpression(Buffer.get());
}

namespace {

// The operand of an instruction from a parameter or a constant; a parameter
// that stops the evaluation does it here, at its place in the text.
#define SOLVEEXP_FETCH(Source, Into)                                                               \
    if constexpr (Source == TSource::X) {                                                          \
        if (X.Stops) return X.Value;                                                               \
        Into = X.Value;                                                                            \
    } else if constexpr (Source == TSource::Z) {                                                   \
        if (Z.Stops) return Z.Value;                                                               \
        Into = Z.Value;                                                                            \
    } else {                                                                                       \
        Into = Step->Value;                                                                        \
    }

// A binary operator: the right operand popped or fetched, the left on top.
#define SOLVEEXP_BINARY_FROM(Op, Source, Operation)                                                \
    case Key(TOpCode::Op, Source): {                                                               \
        double Right;                                                                              \
        if constexpr (Source == TSource::Stack) {                                                  \
            if (Step->CheckFirst && IsReserved(Stack[Top])) return Stack[Top];                     \
            Right = Stack[Top--];                                                                  \
        } else {                                                                                   \
            if (Step->LeftSource != TSource::Stack) {                                              \
                const TParamValue& P = Step->LeftSource == TSource::X ? X : Z;                     \
                if (P.Stops) return P.Value;                                                       \
                Stack[++Top] = P.Value;                                                            \
            }                                                                                      \
            SOLVEEXP_FETCH(Source, Right)                                                          \
        }                                                                                          \
        if (!Operation(Stack[Top], Right, Stack[Top])) return UndefinedValue;                      \
        break;                                                                                     \
    }

// A function (or Start, Negate): applied to the top, or to a fetched operand
// whose result is pushed.
#define SOLVEEXP_FUNCTION_FROM(Op, Source, Function)                                               \
    case Key(TOpCode::Op, Source): {                                                               \
        double Argument;                                                                           \
        if constexpr (Source == TSource::Stack) {                                                  \
            if (Step->CheckFirst && IsReserved(Stack[Top])) return Stack[Top];                     \
            Argument = Stack[Top];                                                                 \
        } else {                                                                                   \
            SOLVEEXP_FETCH(Source, Argument)                                                       \
            ++Top;                                                                                 \
        }                                                                                          \
        if (!Function(Argument, Stack[Top])) return UndefinedValue;                                \
        break;                                                                                     \
    }

SOLVEEXP_WITH_FMA_COPY
double Run(const TInstruction* Step, const TParamValue& X, const TParamValue& Z)
{
    double Stack[StackCapacity];
    int32_t Top = -1;  // index of the top value
    for (;; ++Step) {
        switch (Step->Dispatch) {
        case Key(TOpCode::LoadX, TSource::Stack):
            if (X.Stops) return X.Value;
            Stack[++Top] = X.Value;
            break;
        case Key(TOpCode::LoadZ, TSource::Stack):
            if (Z.Stops) return Z.Value;
            Stack[++Top] = Z.Value;
            break;
        case Key(TOpCode::Const, TSource::Stack):
            Stack[++Top] = Step->Value;
            break;
        case Key(TOpCode::Check, TSource::Stack):
            if (IsReserved(Stack[Top])) return Stack[Top];
            break;
            SOLVEEXP_BINARIES(SOLVEEXP_BINARY_CASES)
            SOLVEEXP_FUNCTIONS(SOLVEEXP_FUNCTION_CASES)
        case Key(TOpCode::Undefined, TSource::Stack):
            return UndefinedValue;
        case Key(TOpCode::Return, TSource::Stack):
            return Stack[Top];
        default:
            return SyntaxErrorValue;  // TOpCode::Syntax; nothing else is compiled
        }
    }
}

#undef SOLVEEXP_FETCH
#undef SOLVEEXP_BINARY_FROM
#undef SOLVEEXP_FUNCTION_FROM

}  // namespace

double Evaluate(const TCompiledExpression& Program, const TParamValue& X, const TParamValue& Z)
{
    if (Program.StackSize > StackCapacity)
        return SyntaxErrorValue;  // no compiled program is that deep
    if (Program.Code.empty() || !X.Finite || !Z.Finite)
        return EvaluateAsText(Program.Text, X.Raw, Z.Raw);
    return Run(Program.Code.data(), X, Z);
}

double Evaluate(const TCompiledExpression& Program, double X, double Z)
{
    return Evaluate(Program, RoundParameter(X), RoundParameter(Z));
}

}  // namespace SolveExp
