// EvaluateExpression: strictly left to right, all four operators of equal
// priority, brackets and functions by recursion on their inner text. The
// inner text is tokenized in place (bounded by its closing bracket) instead
// of being copied out, which gives the same tokens without any allocation.
#include "SolveExp/Internal/Arithmetic.h"
#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/Internal/TokenScan.h"
#include "SolveExp/SolveExp.h"

#include <cmath>

namespace SolveExp {
namespace {

double EvaluateLevel(const char* Text, int32_t End, int32_t Pos, int32_t Depth);

// The value of one operand token in Operand; false with the result of the
// whole evaluation in Operand when it fails.
bool ReadOperand(const char* Text, uint16_t Code, int32_t First, int32_t Last, int32_t Depth,
                 double& Operand)
{
    if (Code == tkNumber) {
        long double v = 0.0L;
        if (!ConvertLiteral(Text + First, Text + Last + 1, v)) {
            Operand = SyntaxErrorValue;
            return false;
        }
        if (!(std::fabs(v) < MaxNumberMagnitude)) {  // a literal of 1.7E308 or more
            Operand = UndefinedValue;
            return false;
        }
        Operand = static_cast<double>(v);
        return true;
    }
    if (Depth >= MaxNestingDepth) {
        Operand = SyntaxErrorValue;
        return false;
    }
    const double Inner = EvaluateLevel(Text, Last + 1, First, Depth + 1);
    if (IsReserved(Inner)) {  // passed up unchanged, the rest is not examined
        Operand = Inner;
        return false;
    }
    if (!ApplyFunction(Code, Inner, Operand)) {
        Operand = UndefinedValue;
        return false;
    }
    return true;
}

// Evaluates Text[Pos..End-1] as a text of its own.
double EvaluateLevel(const char* Text, int32_t End, int32_t Pos, int32_t Depth)
{
    double Accumulator = 0.0;
    uint16_t PendingOp = opAdd;  // the first operand is added to 0
    for (;;) {
        int32_t First = 0, Last = 0, Next = -1;
        const uint16_t Code = ScanToken(Text, End, Pos, First, Last, Next);
        if (Code == tkEnd) return PendingOp == opNone ? Accumulator : SyntaxErrorValue;
        if (Code == tkNumber || (Code >= tkBracket && Code <= tkSqrt)) {
            if (PendingOp == opNone) return SyntaxErrorValue;  // two operands in a row
            double Operand = 0.0;
            if (!ReadOperand(Text, Code, First, Last, Depth, Operand)) return Operand;
            if (!ApplyOperator(PendingOp, Accumulator, Operand, Accumulator)) return UndefinedValue;
            PendingOp = opNone;
        } else if (Code >= tkPlus && Code <= tkDivide) {
            // Only a minus may follow the initial or a written plus.
            if (PendingOp != opNone && (PendingOp != opAdd || Code != tkMinus))
                return SyntaxErrorValue;
            PendingOp = static_cast<uint16_t>(Code - 16);
        } else {
            return SyntaxErrorValue;  // tkError, tkOutOfRange
        }
        Pos = Next;
    }
}

}  // namespace

double EvaluateExpression(const char* Text)
{
    if (Text == nullptr) return SyntaxErrorValue;
    return EvaluateLevel(Text, BoundedLength(Text), 0, 0);
}

}  // namespace SolveExp
