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
    constexpr size_t ParameterRoom = size_t{MaxParameterLetters} * ParamTextGrowth;
    const size_t Capacity = Text.size() + ParameterRoom + 1;
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

// One evaluation in progress: the parameters and the value stack. A step
// that ends the evaluation keeps its result and returns false.
struct TMachine {
    TMachine(const TParamValue& XValue, const TParamValue& ZValue) : X(XValue), Z(ZValue) {}

    const TParamValue& X;
    const TParamValue& Z;
    double Result = 0.0;  // once the evaluation has ended
    int32_t Top = -1;     // index of the top value
    double Stack[StackCapacity];

    [[gnu::always_inline]] bool Finish(double Value)
    {
        Result = Value;
        return false;
    }

    // The operand of an instruction from a parameter or a constant; a
    // parameter that stops the evaluation does it here, at its place in the
    // text.
    template <TSource Source>
    [[gnu::always_inline]] bool Fetch(const TInstruction& Step, double& Into)
    {
        if constexpr (Source == TSource::Const) {
            Into = Step.Value;
            return true;
        } else {
            const TParamValue& P = Source == TSource::X ? X : Z;
            if (P.Stops) return Finish(P.Value);
            Into = P.Value;
            return true;
        }
    }

    template <TSource Source> [[gnu::always_inline]] bool Push(const TInstruction& Step)
    {
        if (!Fetch<Source>(Step, Stack[Top + 1])) return false;
        ++Top;
        return true;
    }

    [[gnu::always_inline]] bool Check() { return !IsReserved(Stack[Top]) || Finish(Stack[Top]); }

    // The right operand of a binary operator: popped, or fetched after its
    // left operand (X or Z, pushed first) where the instruction fetches that
    // too.
    template <TSource Source>
    [[gnu::always_inline]] bool TakeRight(const TInstruction& Step, double& Right)
    {
        if constexpr (Source == TSource::Stack) {
            if (Step.CheckFirst && !Check()) return false;
            Right = Stack[Top--];
            return true;
        } else {
            if (Step.LeftSource == TSource::X && !Push<TSource::X>(Step)) return false;
            if (Step.LeftSource == TSource::Z && !Push<TSource::Z>(Step)) return false;
            return Fetch<Source>(Step, Right);
        }
    }

    // The argument of a function: the top, or a fetched operand whose
    // result is pushed.
    template <TSource Source>
    [[gnu::always_inline]] bool TakeArgument(const TInstruction& Step, double& Argument)
    {
        if constexpr (Source == TSource::Stack) {
            if (Step.CheckFirst && !Check()) return false;
            Argument = Stack[Top];
        } else {
            if (!Fetch<Source>(Step, Argument)) return false;
            ++Top;
        }
        return true;
    }

    // A binary operator leaves its result in place of its left operand, a
    // function in place of its argument.
    template <TOpCode Op, TSource Source>
    [[gnu::always_inline]] bool Operate(const TInstruction& Step)
    {
        double Operand = 0.0;
        if constexpr (IsBinary(Op)) {
            if (!TakeRight<Source>(Step, Operand)) return false;
            return BinaryOperation<Op>(Stack[Top], Operand, Stack[Top]) || Finish(UndefinedValue);
        } else {
            if (!TakeArgument<Source>(Step, Operand)) return false;
            return FunctionOperation<Op>(Operand, Stack[Top]) || Finish(UndefinedValue);
        }
    }

    [[gnu::always_inline]] bool Return() { return Finish(Stack[Top]); }
};

SOLVEEXP_WITH_FMA_COPY
double Run(const TInstruction* Step, const TParamValue& X, const TParamValue& Z)
{
    TMachine Machine(X, Z);
    while (Execute(Machine, *Step))
        ++Step;
    return Machine.Result;
}

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
