// Evaluate: runs a compiled program on a small value stack. Every step uses
// the same arithmetic and functions as the text path, so the bits agree.
#include "CompiledExpression.h"

#include "Arithmetic.h"

#include <cstring>
#include <memory>
#include <new>

namespace SolveExp {
namespace {

// Each bracket level holds one value while the next level is computed.
constexpr int32_t StackCapacity = MaxNestingDepth + 4;

// The text path itself, for parameters that cannot be written as numbers.
double EvaluateAsText(const std::string& Text, double X, double Z)
{
    const size_t Capacity = Text.size() + 10 * ParamTextGrowth + 1;
    if (Capacity > static_cast<size_t>(INT32_MAX))
        return SyntaxErrorValue;
    const std::unique_ptr<char[]> Buffer(new (std::nothrow) char[Capacity]);
    if (!Buffer)
        return SyntaxErrorValue;
    std::memcpy(Buffer.get(), Text.c_str(), Text.size() + 1);
    // As in the calculation, the result is not looked at: a letter left in
    // the text is a syntax error once the evaluation reaches it.
    SubstituteParameters(Buffer.get(), static_cast<int32_t>(Capacity), X, Z);
    return EvaluateExpression(Buffer.get());
}

// The operand of an instruction from a parameter or a constant; a parameter
// that stops the evaluation does it here, at its place in the text.
#define SOLVEEXP_FETCH(Source, Into)                                             \
    if constexpr (Source == TSource::X) {                                        \
        if (X.Stops) return X.Value;                                             \
        Into = X.Value;                                                          \
    } else if constexpr (Source == TSource::Z) {                                 \
        if (Z.Stops) return Z.Value;                                             \
        Into = Z.Value;                                                          \
    } else {                                                                     \
        Into = Step->Value;                                                      \
    }

// A binary operator: the right operand popped or fetched, the left on top.
#define SOLVEEXP_BINARY_FROM(Op, Source, Operation)                              \
    case Key(TOpCode::Op, Source): {                                             \
        double Right;                                                            \
        if constexpr (Source == TSource::Stack) {                                \
            if (Step->CheckFirst && IsReserved(*Top)) return *Top;               \
            Right = *Top--;                                                      \
        } else {                                                                 \
            SOLVEEXP_FETCH(Source, Right)                                        \
        }                                                                        \
        if (!Operation(*Top, Right, *Top)) return UndefinedValue;                \
        break;                                                                   \
    }

// A function (or Start, Negate): applied to the top, or to a fetched operand
// whose result is pushed.
#define SOLVEEXP_FUNCTION_FROM(Op, Source, Function)                             \
    case Key(TOpCode::Op, Source): {                                             \
        double Argument;                                                         \
        if constexpr (Source == TSource::Stack) {                                \
            if (Step->CheckFirst && IsReserved(*Top)) return *Top;               \
            Argument = *Top;                                                     \
        } else {                                                                 \
            SOLVEEXP_FETCH(Source, Argument)                                     \
            ++Top;                                                               \
        }                                                                        \
        if (!Function(Argument, *Top)) return UndefinedValue;                    \
        break;                                                                   \
    }

#define SOLVEEXP_ALL_SOURCES(Macro, Op, Operation)                               \
    Macro(Op, TSource::Stack, Operation) Macro(Op, TSource::X, Operation)        \
    Macro(Op, TSource::Z, Operation) Macro(Op, TSource::Const, Operation)

constexpr unsigned Key(TOpCode Op, TSource Source)
{
    return static_cast<unsigned>(Op) * 4 + static_cast<unsigned>(Source);
}

// 0 + v is exact: it only turns -0 into +0. 0 - v is exact as well.
inline bool StartOf(double v, double& r) { return Sum(0.0, v, r); }
inline bool NegateOf(double v, double& r) { return Difference(0.0, v, r); }

// Where the processor has fused multiply-add, a second copy of the loop uses
// it for the exact error of products (the results are the same bits).
#if defined(__GNUC__) && defined(__x86_64__)
#define SOLVEEXP_WITH_FMA_COPY __attribute__((target_clones("fma", "default")))
#else
#define SOLVEEXP_WITH_FMA_COPY
#endif

SOLVEEXP_WITH_FMA_COPY
double Run(const TInstruction* Step, const TParamValue& X, const TParamValue& Z)
{
    double Stack[StackCapacity];
    double* Top = Stack - 1;
    for (;; ++Step) {
        switch (Step->Dispatch) {
        case Key(TOpCode::LoadX, TSource::Stack):
            if (X.Stops) return X.Value;
            *++Top = X.Value;
            break;
        case Key(TOpCode::LoadZ, TSource::Stack):
            if (Z.Stops) return Z.Value;
            *++Top = Z.Value;
            break;
        case Key(TOpCode::Const, TSource::Stack): *++Top = Step->Value; break;
        case Key(TOpCode::Check, TSource::Stack):
            if (IsReserved(*Top)) return *Top;
            break;
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_BINARY_FROM, Add, Sum)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_BINARY_FROM, Subtract, Difference)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_BINARY_FROM, Multiply, Product)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_BINARY_FROM, Divide, Quotient)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Start, StartOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Negate, NegateOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Exp, ExpOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Sin, SinOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Cos, CosOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Loge, LogeOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Fac, FacOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, ArcSin, ArcSinOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, ArcCos, ArcCosOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Abs, AbsOf)
        SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Sqrt, SqrtOf)
        case Key(TOpCode::Undefined, TSource::Stack): return UndefinedValue;
        case Key(TOpCode::Return, TSource::Stack): return *Top;
        default: return SyntaxErrorValue;  // TOpCode::Syntax; nothing else is compiled
        }
    }
}

#undef SOLVEEXP_FETCH
#undef SOLVEEXP_BINARY_FROM
#undef SOLVEEXP_FUNCTION_FROM
#undef SOLVEEXP_ALL_SOURCES
#undef SOLVEEXP_WITH_FMA_COPY

}  // namespace

double Evaluate(const TCompiledExpression& Program, const TParamValue& X, const TParamValue& Z)
{
    if (Program.Code.empty() || Program.StackSize > StackCapacity)
        return SyntaxErrorValue;
    if (!X.Finite || !Z.Finite)
        return EvaluateAsText(Program.Text, X.Raw, Z.Raw);
    return Run(Program.Code.data(), X, Z);
}

double Evaluate(const TCompiledExpression& Program, double X, double Z)
{
    return Evaluate(Program, RoundParameter(X), RoundParameter(Z));
}

}  // namespace SolveExp
