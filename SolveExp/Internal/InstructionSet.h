// What the single-point and the batch interpreters share about the
// compiled instructions.
#pragma once

#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/Arithmetic.h"

#include <string>

namespace SolveExp {

// The text path itself (copy, substitute, evaluate), for parameters that
// cannot be written as numbers.
double EvaluateAsText(const std::string& Text, double X, double Z);

// The switch key of an instruction: its operation and operand source.
constexpr unsigned Key(TOpCode Op, TSource Source)
{
    return static_cast<unsigned>(Op) * 4 + static_cast<unsigned>(Source);
}

// 0 + v is exact: it only turns -0 into +0. 0 - v is exact as well.
inline bool StartOf(double v, double& r) { return Sum(0.0, v, r); }
inline bool NegateOf(double v, double& r) { return Difference(0.0, v, r); }

// Where the processor has fused multiply-add, a second copy of an
// interpreter loop uses it for the exact error of products (the results are
// the same bits).
#if defined(__GNUC__) && defined(__x86_64__)
#define SOLVEEXP_WITH_FMA_COPY __attribute__((target_clones("fma", "default")))
#else
#define SOLVEEXP_WITH_FMA_COPY
#endif

// The binary operators and functions with their operations, for the
// interpreters' case lists: Macro(OpCode, Operation).
#define SOLVEEXP_BINARIES(Macro)                                                                   \
    Macro(Add, Sum) Macro(Subtract, Difference) Macro(Multiply, Product) Macro(Divide, Quotient)
#define SOLVEEXP_FUNCTIONS(Macro)                                                                  \
    Macro(Start, StartOf) Macro(Negate, NegateOf) Macro(Exp, ExpOf) Macro(Sin, SinOf)              \
        Macro(Cos, CosOf) Macro(Loge, LogeOf) Macro(Fac, FacOf) Macro(ArcSin, ArcSinOf)            \
            Macro(ArcCos, ArcCosOf) Macro(Abs, AbsOf) Macro(Sqrt, SqrtOf)

// One case per operand source of a binary operator or a function. Each
// interpreter defines SOLVEEXP_BINARY_FROM and SOLVEEXP_FUNCTION_FROM, the
// body of one such case, before it expands these.
#define SOLVEEXP_ALL_SOURCES(Macro, Op, Operation)                                                 \
    Macro(Op, TSource::Stack, Operation) Macro(Op, TSource::X, Operation)                          \
        Macro(Op, TSource::Z, Operation) Macro(Op, TSource::Const, Operation)
#define SOLVEEXP_BINARY_CASES(Op, Operation)                                                       \
    SOLVEEXP_ALL_SOURCES(SOLVEEXP_BINARY_FROM, Op, Operation)
#define SOLVEEXP_FUNCTION_CASES(Op, Operation)                                                     \
    SOLVEEXP_ALL_SOURCES(SOLVEEXP_FUNCTION_FROM, Op, Operation)

}  // namespace SolveExp
