// What the single-point and the batch interpreters share about the
// compiled instructions: the operation of each instruction, defined once,
// and the dispatch from an instruction to the interpreter's step for its
// operation and operand source.
#pragma once

#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/Arithmetic.h"

#include <string>

namespace SolveExp {

// The text path itself (copy, substitute, evaluate), for parameters that
// cannot be written as numbers.
double EvaluateAsText(const std::string& Text, double X, double Z);

// Where the processor has fused multiply-add, a second copy of an
// interpreter loop uses it for the exact error of products (the results are
// the same bits). Everything the loop calls per instruction is inlined into
// it, so that each copy gets its own arithmetic.
#if defined(__GNUC__) && defined(__x86_64__)
#define SOLVEEXP_WITH_FMA_COPY __attribute__((target_clones("fma", "default")))
#else
#define SOLVEEXP_WITH_FMA_COPY
#endif

// The instruction of a function token tkExp..tkSqrt: they stand in the
// same order, so that Functions serves both.
constexpr TOpCode FunctionOpOf(uint16_t Code)
{
    return static_cast<TOpCode>(static_cast<unsigned>(TOpCode::Exp) + (Code - tkExp));
}
static_assert(FunctionOpOf(tkExp) == TOpCode::Exp && FunctionOpOf(tkSin) == TOpCode::Sin &&
              FunctionOpOf(tkCos) == TOpCode::Cos && FunctionOpOf(tkLoge) == TOpCode::Loge &&
              FunctionOpOf(tkFac) == TOpCode::Fac && FunctionOpOf(tkArcSin) == TOpCode::ArcSin &&
              FunctionOpOf(tkArcCos) == TOpCode::ArcCos && FunctionOpOf(tkAbs) == TOpCode::Abs &&
              FunctionOpOf(tkSqrt) == TOpCode::Sqrt);

constexpr bool IsBinary(TOpCode Op) { return Op >= TOpCode::Add && Op <= TOpCode::Divide; }

// Left (Op) Right for a binary operator.
template <TOpCode Op>
[[gnu::always_inline]] inline bool BinaryOperation(double Left, double Right, double& Result)
{
    static_assert(IsBinary(Op));
    if constexpr (Op == TOpCode::Add)
        return Sum(Left, Right, Result);
    else if constexpr (Op == TOpCode::Subtract)
        return Difference(Left, Right, Result);
    else if constexpr (Op == TOpCode::Multiply)
        return Product(Left, Right, Result);
    else
        return Quotient(Left, Right, Result);
}

// A function of the language, or Start (0 + v) and Negate (0 - v), which
// are exact: the first only turns -0 into +0.
template <TOpCode Op> [[gnu::always_inline]] inline bool FunctionOperation(double V, double& Result)
{
    static_assert(Op == TOpCode::Start || Op == TOpCode::Negate ||
                  (Op >= TOpCode::Exp && Op <= TOpCode::Sqrt));
    if constexpr (Op == TOpCode::Start)
        return Sum(0.0, V, Result);
    else if constexpr (Op == TOpCode::Negate)
        return Difference(0.0, V, Result);
    else
        return Functions[static_cast<unsigned>(Op) - static_cast<unsigned>(TOpCode::Exp)](V,
                                                                                          Result);
}

// Machine.Operate<Op, Source>(Step) for the operand source of Step.
template <TOpCode Op, typename TMachine>
[[gnu::always_inline]] inline bool OperateFrom(TMachine& Machine, const TInstruction& Step)
{
    switch (Step.Source) {
    case TSource::X:
        return Machine.template Operate<Op, TSource::X>(Step);
    case TSource::Z:
        return Machine.template Operate<Op, TSource::Z>(Step);
    case TSource::Const:
        return Machine.template Operate<Op, TSource::Const>(Step);
    default:
        return Machine.template Operate<Op, TSource::Stack>(Step);
    }
}

// Runs one instruction on an interpreter's machine, which provides Push
// (a parameter or a constant), Check, Operate<Op, Source> (a binary
// operator or a function), Return and Finish (the evaluation ends with a
// failure). False once the evaluation has ended.
template <typename TMachine>
[[gnu::always_inline]] inline bool Execute(TMachine& Machine, const TInstruction& Step)
{
    using enum TOpCode;
    switch (Step.Op) {
    case LoadX:
        return Machine.template Push<TSource::X>(Step);
    case LoadZ:
        return Machine.template Push<TSource::Z>(Step);
    case Const:
        return Machine.template Push<TSource::Const>(Step);
    case Check:
        return Machine.Check();
    case Start:
        return OperateFrom<Start>(Machine, Step);
    case Negate:
        return OperateFrom<Negate>(Machine, Step);
    case Add:
        return OperateFrom<Add>(Machine, Step);
    case Subtract:
        return OperateFrom<Subtract>(Machine, Step);
    case Multiply:
        return OperateFrom<Multiply>(Machine, Step);
    case Divide:
        return OperateFrom<Divide>(Machine, Step);
    case Exp:
        return OperateFrom<Exp>(Machine, Step);
    case Sin:
        return OperateFrom<Sin>(Machine, Step);
    case Cos:
        return OperateFrom<Cos>(Machine, Step);
    case Loge:
        return OperateFrom<Loge>(Machine, Step);
    case Fac:
        return OperateFrom<Fac>(Machine, Step);
    case ArcSin:
        return OperateFrom<ArcSin>(Machine, Step);
    case ArcCos:
        return OperateFrom<ArcCos>(Machine, Step);
    case Abs:
        return OperateFrom<Abs>(Machine, Step);
    case Sqrt:
        return OperateFrom<Sqrt>(Machine, Step);
    case Return:
        return Machine.Return();
    case Undefined:
        return Machine.Finish(UndefinedValue);
    default:
        return Machine.Finish(SyntaxErrorValue);  // Syntax; nothing else is compiled
    }
}

}  // namespace SolveExp
