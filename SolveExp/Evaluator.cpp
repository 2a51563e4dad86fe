// EvaluateExpression: the grammar walked with values, strictly from left to
// right. The inner text of a group is walked in place (bounded by its
// closing bracket) instead of being copied out, which gives the same tokens
// without any allocation.
#include "SolveExp/Internal/Arithmetic.h"
#include "SolveExp/Internal/Grammar.h"
#include "SolveExp/SolveExp.h"

namespace SolveExp {
namespace {

struct TValueActions {
    using TLevel = double;  // the accumulator, 0 before the first operand
    using TValue = double;

    double Result = SyntaxErrorValue;  // the value of the whole text once stopped

    bool Stop(double Value)
    {
        Result = Value;
        return false;
    }
    bool Syntax() { return Stop(SyntaxErrorValue); }

    bool Number(const char* Text, int32_t First, int32_t Last, double& Value)
    {
        switch (Grammar::ReadLiteral(Text, First, Last, Value)) {
        case Grammar::TLiteral::Value:
            return true;
        case Grammar::TLiteral::Malformed:
            return Syntax();
        default:
            return Stop(UndefinedValue);
        }
    }

    bool Group(uint16_t Code, double Inner, double& Value)
    {
        if (IsReserved(Inner)) return Stop(Inner);  // passed up unchanged
        return ApplyFunction(Code, Inner, Value) || Stop(UndefinedValue);
    }

    bool Combine(double& Accumulator, uint16_t PendingOp, double Operand)
    {
        return ApplyOperator(PendingOp, Accumulator, Operand, Accumulator) || Stop(UndefinedValue);
    }
};

}  // namespace

double EvaluateExpression(const char* Text)
{
    if (Text == nullptr) return SyntaxErrorValue;
    TValueActions Actions;
    double Accumulator = 0.0;
    return Grammar::Walk(Actions, Accumulator, Text, BoundedLength(Text)) ? Accumulator
                                                                          : Actions.Result;
}

}  // namespace SolveExp
