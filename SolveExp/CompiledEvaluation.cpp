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

#define SOLVEEXP_BINARY(Operator)                                    \
    {                                                                \
        const double Right = *Top--;                                 \
        if (!ApplyOperator(Operator, *Top, Right, *Top))             \
            return UndefinedValue;                                   \
        break;                                                       \
    }

#define SOLVEEXP_FUNCTION(Token)                                     \
    if (!ApplyFunction(Token, *Top, *Top))                           \
        return UndefinedValue;                                       \
    break;

double Run(const TInstruction* Step, const TParamValue& X, const TParamValue& Z)
{
    double Stack[StackCapacity];
    double* Top = Stack - 1;
    for (;; ++Step) {
        switch (Step->Op) {
        case TOpCode::LoadX:
            if (X.Stops) return X.Value;
            *++Top = X.Value;
            break;
        case TOpCode::LoadZ:
            if (Z.Stops) return Z.Value;
            *++Top = Z.Value;
            break;
        case TOpCode::Const: *++Top = Step->Value; break;
        case TOpCode::Start: ApplyOperator(opAdd, 0.0, *Top, *Top); break;
        case TOpCode::Negate: ApplyOperator(opSubtract, 0.0, *Top, *Top); break;
        case TOpCode::Add: SOLVEEXP_BINARY(opAdd)
        case TOpCode::Subtract: SOLVEEXP_BINARY(opSubtract)
        case TOpCode::Multiply: SOLVEEXP_BINARY(opMultiply)
        case TOpCode::Divide: SOLVEEXP_BINARY(opDivide)
        case TOpCode::Check:
            if (IsReserved(*Top)) return *Top;
            break;
        case TOpCode::Exp: SOLVEEXP_FUNCTION(tkExp)
        case TOpCode::Sin: SOLVEEXP_FUNCTION(tkSin)
        case TOpCode::Cos: SOLVEEXP_FUNCTION(tkCos)
        case TOpCode::Loge: SOLVEEXP_FUNCTION(tkLoge)
        case TOpCode::Fac: SOLVEEXP_FUNCTION(tkFac)
        case TOpCode::ArcSin: SOLVEEXP_FUNCTION(tkArcSin)
        case TOpCode::ArcCos: SOLVEEXP_FUNCTION(tkArcCos)
        case TOpCode::Abs: SOLVEEXP_FUNCTION(tkAbs)
        case TOpCode::Sqrt: SOLVEEXP_FUNCTION(tkSqrt)
        case TOpCode::Syntax: return SyntaxErrorValue;
        case TOpCode::Undefined: return UndefinedValue;
        case TOpCode::Return: return *Top;
        }
    }
}

#undef SOLVEEXP_BINARY
#undef SOLVEEXP_FUNCTION

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
