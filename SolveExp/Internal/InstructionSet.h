// What the single-point and the batch interpreters share about the
// compiled instructions: the operation of each instruction, defined once,
// and the dispatch from an instruction to the interpreter's step for its
// operation and operand source.
#pragma once

#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/Arithmetic.h"

#include <string>
#include <utility>

namespace SolveExp {

// The text path itself (copy, substitute, evaluate), for parameters that
// cannot be written as numbers.
double EvaluateAsText(const std::string& Text, double X, double Z);

// Where the processor has fused multiply-add, a second copy of an
// interpreter loop uses it for the exact error of products (the results are
// the same bits). Everything the loop calls per instruction is inlined into
// it, so that each copy gets its own arithmetic. SOLVEEXP_NO_FMA_COPY
// leaves the copy out: its resolver runs before ThreadSanitizer's runtime
// is ready and crashes every program built with it.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(SOLVEEXP_NO_FMA_COPY)
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

// Start and Negate (0 + v, 0 - v) count as functions.
constexpr bool IsFunction(TOpCode Op)
{
    return Op == TOpCode::Start || Op == TOpCode::Negate ||
           (Op >= TOpCode::Exp && Op <= TOpCode::Sqrt);
}

// The dispatch key of an instruction: its operation and operand source.
constexpr unsigned SourceCount = 4;
constexpr unsigned Key(TOpCode Op, TSource Source)
{
    return static_cast<unsigned>(Op) * SourceCount + static_cast<unsigned>(Source);
}
constexpr unsigned KeyCount = Key(TOpCode::Return, TSource::Const) + 1;
static_assert(KeyCount <= 256, "TInstruction::Dispatch holds every key");

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
    static_assert(IsFunction(Op));
    if constexpr (Op == TOpCode::Start)
        return Sum(0.0, V, Result);
    else if constexpr (Op == TOpCode::Negate)
        return Difference(0.0, V, Result);
    else
        return Functions[static_cast<unsigned>(Op) - static_cast<unsigned>(TOpCode::Exp)](V,
                                                                                          Result);
}

// The operation of the instruction with dispatch key Key on an
// interpreter's machine, which provides Push<Source> (a parameter or a
// constant), Check, Operate<Op, Source> (a binary operator or a function),
// Return and Finish (the evaluation ends with a failure). False once the
// evaluation has ended.
template <unsigned Key, typename TMachine>
[[gnu::always_inline]] inline bool ExecuteKey(TMachine& Machine, const TInstruction& Step)
{
    constexpr TOpCode Op = static_cast<TOpCode>(Key / SourceCount);
    constexpr TSource Source = static_cast<TSource>(Key % SourceCount);
    constexpr bool Plain = Source == TSource::Stack;  // the only source of the other steps
    if constexpr (IsBinary(Op) || IsFunction(Op))
        return Machine.template Operate<Op, Source>(Step);
    else if constexpr (Plain && Op == TOpCode::LoadX)
        return Machine.template Push<TSource::X>(Step);
    else if constexpr (Plain && Op == TOpCode::LoadZ)
        return Machine.template Push<TSource::Z>(Step);
    else if constexpr (Plain && Op == TOpCode::Const)
        return Machine.template Push<TSource::Const>(Step);
    else if constexpr (Plain && Op == TOpCode::Check)
        return Machine.Check();
    else if constexpr (Plain && Op == TOpCode::Return)
        return Machine.Return();
    else if constexpr (Plain && Op == TOpCode::Undefined)
        return Machine.Finish(UndefinedValue);
    else
        return Machine.Finish(SyntaxErrorValue);  // TOpCode::Syntax; nothing else is compiled
}

template <typename TMachine, unsigned... Keys>
[[gnu::always_inline]] inline bool ExecuteAmong(TMachine& Machine, const TInstruction& Step,
                                                std::integer_sequence<unsigned, Keys...> /*All*/)
{
    // One comparison per key, which the optimiser turns into a single jump
    // through a table, as it would for a switch.
    bool GoOn = false;
    const unsigned Key = Step.Dispatch;
    const bool Known = ((Key == Keys && (GoOn = ExecuteKey<Keys>(Machine, Step), true)) || ...);
    return Known ? GoOn : Machine.Finish(SyntaxErrorValue);
}

// Runs one instruction on an interpreter's machine: the step for its
// operation and operand source. False once the evaluation has ended.
template <typename TMachine>
[[gnu::always_inline]] inline bool Execute(TMachine& Machine, const TInstruction& Step)
{
    return ExecuteAmong(Machine, Step, std::make_integer_sequence<unsigned, KeyCount>{});
}

}  // namespace SolveExp
