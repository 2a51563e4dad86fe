// The walk of the expression grammar that evaluates, compiles and checks an
// expression (ReadExpression, which explains how a text is read, walks the
// unsubstituted text on its own). The text evaluator, the compiler
// and the well-formedness check differ only in what they do at a number, at
// a function or bracket group and when an operand meets its operator; they
// pass that in as a set of actions, and the walk does the rest.
//
// The grammar, read strictly from left to right, every operator of equal
// priority (the first operand is combined with 0 by the pending '+'):
//
//     level    = ['-'] operand {operator operand} end
//     operator = '+' ['-'] | '-' | '*' | '/'        ('+-' subtracts)
//     operand  = number | [function] '(' level ')'
//     function = 'exp' | 'sin' | 'cos' | 'loge' | 'fac'
//              | 'asin' | 'acos' | 'abs' | 'sqrt'
//
// An actions type TActions provides:
//
//     TLevel    what one level keeps while it is walked (value-initialised)
//     TValue    what an operand gives
//     bool Syntax()                       a syntax error: the walk stops
//     bool Number(Text, First, Last, TValue&)    the literal Text[First..Last]
//     bool Group(Code, Inner, TValue&)   a group, with what its level kept
//     bool Combine(TLevel&, PendingOp, TValue)   the operand meets its operator
//
// Each returns false to stop the walk there (after recording why); the walk
// then returns false at once, so the first failure from the left decides.
#pragma once

#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/Internal/TokenScan.h"
#include "SolveExp/SolveExp.h"

#include <cmath>

namespace SolveExp::Grammar {

constexpr bool IsOperand(uint16_t Code)
{
    return Code == tkNumber || (Code >= tkBracket && Code <= tkSqrt);
}

constexpr bool IsOperator(uint16_t Code) { return Code >= tkPlus && Code <= tkDivide; }

// Where an operand is expected (PendingOp set), only a minus may follow the
// initial or a written plus; anywhere else an operator is welcome.
constexpr bool OperatorMayFollow(uint16_t PendingOp, uint16_t Code)
{
    return PendingOp == opNone || (PendingOp == opAdd && Code == tkMinus);
}

// What a number token holds: a value, a malformed literal (a syntax error)
// or a literal of 1.7E308 or more (no value).
enum class TLiteral { Value, Malformed, OutOfRange };

inline TLiteral ReadLiteral(const char* Text, int32_t First, int32_t Last, double& Value)
{
    long double v = 0.0L;
    if (!ConvertLiteral(Text + First, Text + Last + 1, v)) return TLiteral::Malformed;
    if (!(std::fabs(v) < MaxNumberMagnitude)) return TLiteral::OutOfRange;
    Value = static_cast<double>(v);
    return TLiteral::Value;
}

// The pending-operator code of an operator token.
constexpr uint16_t PendingOpOf(uint16_t Code) { return static_cast<uint16_t>(Code - tkPlus + 1); }

template <typename TActions>
bool WalkLevel(TActions& Actions, typename TActions::TLevel& Level, const char* Text, int32_t End,
               int32_t Pos, int32_t Depth);

// operand = number | [function] '(' level ')': the inner text of a group is
// walked in place, as a level of its own, up to MaxNestingDepth deep.
template <typename TActions>
bool WalkOperand(TActions& Actions, const char* Text, uint16_t Code, int32_t First, int32_t Last,
                 int32_t Depth, typename TActions::TValue& Value)
{
    if (Code == tkNumber) return Actions.Number(Text, First, Last, Value);
    if (Depth >= MaxNestingDepth) return Actions.Syntax();
    typename TActions::TLevel Inner{};
    return WalkLevel(Actions, Inner, Text, Last + 1, First, Depth + 1) &&
           Actions.Group(Code, Inner, Value);
}

// level = ['-'] operand {operator operand} end, over Text[Pos..End-1].
template <typename TActions>
bool WalkLevel(TActions& Actions, typename TActions::TLevel& Level, const char* Text, int32_t End,
               int32_t Pos, int32_t Depth)
{
    uint16_t PendingOp = opAdd;  // the first operand is added to 0
    for (;;) {
        int32_t First = 0, Last = 0, Next = -1;
        const uint16_t Code = ScanToken(Text, End, Pos, First, Last, Next);
        if (Code == tkEnd) return PendingOp == opNone || Actions.Syntax();
        if (IsOperand(Code)) {
            if (PendingOp == opNone) return Actions.Syntax();  // two operands in a row
            typename TActions::TValue Value{};
            if (!WalkOperand(Actions, Text, Code, First, Last, Depth, Value) ||
                !Actions.Combine(Level, PendingOp, Value))
                return false;
            PendingOp = opNone;
        } else if (IsOperator(Code) && OperatorMayFollow(PendingOp, Code)) {
            PendingOp = PendingOpOf(Code);
        } else {
            return Actions.Syntax();  // a misplaced operator, tkError, tkOutOfRange
        }
        Pos = Next;
    }
}

// Walks the whole of Text[0..Length-1] as the outermost level.
template <typename TActions>
bool Walk(TActions& Actions, typename TActions::TLevel& Level, const char* Text, int32_t Length)
{
    return WalkLevel(Actions, Level, Text, Length, 0, 0);
}

}  // namespace SolveExp::Grammar
