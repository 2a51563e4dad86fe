// IsWellFormed: the evaluator's grammar walked over the whole text, with
// every value left aside, so that a syntax error behind an undefined value
// is found too.
#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/Internal/TokenScan.h"
#include "SolveExp/SolveExp.h"

namespace SolveExp {
namespace {

bool CheckLevel(const char* Text, int32_t End, int32_t Pos, int32_t Depth);

bool CheckOperand(const char* Text, uint16_t Code, int32_t First, int32_t Last, int32_t Depth)
{
    if (Code == tkNumber) {
        long double Ignored = 0.0L;  // out of range is a value error, not a syntax error
        return ConvertLiteral(Text + First, Text + Last + 1, Ignored);
    }
    return Depth < MaxNestingDepth && CheckLevel(Text, Last + 1, First, Depth + 1);
}

bool CheckLevel(const char* Text, int32_t End, int32_t Pos, int32_t Depth)
{
    uint16_t PendingOp = opAdd;
    for (;;) {
        int32_t First = 0, Last = 0, Next = -1;
        const uint16_t Code = ScanToken(Text, End, Pos, First, Last, Next);
        if (Code == tkEnd) return PendingOp == opNone;
        if (Code == tkNumber || (Code >= tkBracket && Code <= tkSqrt)) {
            if (PendingOp == opNone || !CheckOperand(Text, Code, First, Last, Depth)) return false;
            PendingOp = opNone;
        } else if (Code >= tkPlus && Code <= tkDivide) {
            if (PendingOp != opNone && (PendingOp != opAdd || Code != tkMinus)) return false;
            PendingOp = static_cast<uint16_t>(Code - 16);
        } else {
            return false;
        }
        Pos = Next;
    }
}

}  // namespace

bool IsWellFormed(const char* Text)
{
    return Text != nullptr && CheckLevel(Text, BoundedLength(Text), 0, 0);
}

}  // namespace SolveExp
