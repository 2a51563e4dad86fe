// Fast evaluation of one expression at many points: the text is compiled
// once into a flat postfix program whose result, for every X and Z, has the
// same bits as the text path (copy the blank-free text into a buffer,
// SubstituteParameters with capacity SubstitutionCapacity(length),
// EvaluateExpression).
//
// A square grid rounds each distinct X and Z once and evaluates by rows:
//
//     const TCompiledExpression Program = Compile(Text);       // once
//     for (i < Cols) Xs[i] = RoundParameter(XValue(i));         // Cols roundings
//     for (j < Rows) {
//         const TParamValue Z = RoundParameter(ZValue(j));      // Rows roundings
//         EvaluateRow(Program, Xs.data(), Z, RowResults, Cols);
//     }
//
// EvaluateColumn does the same with one X and many Z. Random pairs round
// both values per point and go through EvaluateMany in chunks; Evaluate is
// the same for one point at a time (slower). None of these keeps state, so
// threads may share one program.
#pragma once

#include "SolveExp/SolveExp.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace SolveExp {

// A parameter as the evaluator sees it after substitution: rounded to 14
// significant digits, read back in extended and rounded to double.
struct TParamValue {
    double Value = 0.0;  // the substituted value; the result itself when Stops
    double Raw = 0.0;    // the value passed in
    bool Stops = false;  // reaching this parameter ends the evaluation with Value
    bool Finite = true;  // false: Raw cannot be written, the text path decides
};

// Exactly what writing V as '(-d.dddddddddddddE+ddd)' and evaluating that
// text gives: a literal of 1.7E308 or more stops with UndefinedValue, a
// value equal to a reserved result stops with it. Costs tens of
// nanoseconds for 1E-14 <= |V| < 1E41, about a microsecond elsewhere.
TParamValue RoundParameter(double V);

enum class TOpCode : uint8_t {
    LoadX,
    LoadZ,
    Const,  // push a value
    Start,
    Negate,  // first operand of a level: 0 + v, 0 - v
    Add,
    Subtract,
    Multiply,
    Divide,
    Check,  // a reserved value ends the evaluation with itself
    Exp,
    Sin,
    Cos,
    Loge,
    Fac,
    ArcSin,
    ArcCos,
    Abs,
    Sqrt,
    Syntax,
    Undefined,
    Return,  // end of the program
};

// Where a function, Start, Negate or a binary operator takes its operand
// (the right one for an operator): popped from the stack, or a parameter or
// constant read directly, which saves the separate push.
enum class TSource : uint8_t { Stack, X, Z, Const };

struct TInstruction {
    TOpCode Op = TOpCode::Syntax;
    TSource Source = TSource::Stack;
    bool CheckFirst = false;  // Check the stack's top before the operation
    uint8_t Dispatch = 0;     // the interpreters' key for Op and Source, set by Compile
    // A binary operator whose right operand is fetched may fetch its left one
    // too (X or Z, pushed first) instead of taking it from the stack.
    TSource LeftSource = TSource::Stack;
    double Value = 0.0;  // the constant of Const or of a Const source
};

struct TCompiledExpression {
    std::vector<TInstruction> Code;  // ends in Syntax, Undefined or Return
    std::string Text;                // the source, for parameters that are not finite
    int32_t StackSize = 0;           // deepest value stack the code needs
};

// Compiles the blank-free text with its parameter letters, as the calculation
// driver holds it before substitution. A malformed text compiles to a program
// that gives SyntaxErrorValue where the text path does. Never throws: when
// memory runs out the Code stays empty, and evaluation then takes the text
// path for every point (slow, but the same results).
TCompiledExpression Compile(const char* Text);

// The value of the program at the rounded parameters X and Z.
double Evaluate(const TCompiledExpression& Program, const TParamValue& X, const TParamValue& Z);

// The same for plain values, rounding both on every call.
double Evaluate(const TCompiledExpression& Program, double X, double Z);

// Y[i] = Evaluate(Program, X[i], Z[i]) for i < Count, with the same bits,
// several times faster: each instruction runs over a batch of points.
void EvaluateMany(const TCompiledExpression& Program, const TParamValue* X, const TParamValue* Z,
                  double* Y, size_t Count);

// Y[i] = Evaluate(Program, X[i], Z) for i < Count: one row of a grid.
void EvaluateRow(const TCompiledExpression& Program, const TParamValue* X, const TParamValue& Z,
                 double* Y, size_t Count);

// Y[i] = Evaluate(Program, X, Z[i]) for i < Count: one column of a grid.
void EvaluateColumn(const TCompiledExpression& Program, const TParamValue& X, const TParamValue* Z,
                    double* Y, size_t Count);

}  // namespace SolveExp
