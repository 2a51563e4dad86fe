// SubstituteParameters: every parameter letter becomes its value in brackets.
#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/SolveExp.h"

#include <cstring>

namespace SolveExp {
namespace {

// Length of the text in Buffer, or -1 when no terminator lies within the
// Capacity bytes the caller vouches for.
int32_t LengthWithin(const char* Buffer, int32_t Capacity)
{
    for (int32_t i = 0; i < Capacity; ++i)
        if (Buffer[i] == '\0') return i;
    return -1;
}

}  // namespace

bool SubstituteParameters(char* Buffer, int32_t Capacity, double X, double Z)
{
    if (Buffer == nullptr || Capacity <= 0) return false;
    int32_t Length = LengthWithin(Buffer, Capacity);
    if (Length < 0) return false;
    for (int32_t i = 0; i < Length;) {
        const char c = Buffer[i];
        double Value = 0.0;
        // The x of the function name "exp" is followed by p, in any case.
        if ((c == 'X' || c == 'x') && Buffer[i + 1] != 'p' && Buffer[i + 1] != 'P')
            Value = X;
        else if (c == 'Z' || c == 'z')
            Value = Z;
        else {
            ++i;
            continue;
        }
        if (int64_t{Length} + ParamTextGrowth + 1 > Capacity) return false;
        char Number[MaxParamValueChars];
        const int32_t n = WriteParamValue(Number, Value);
        if (n == 0) return false;
        // Move the tail with its terminator behind the room for '(' n ')'.
        std::memmove(Buffer + i + n + 2, Buffer + i + 1, static_cast<size_t>(Length - i));
        Buffer[i] = '(';
        std::memcpy(Buffer + i + 1, Number, static_cast<size_t>(n));
        Buffer[i + 1 + n] = ')';
        Length += n + 1;
        i += n + 2;  // the inserted number is never scanned again
    }
    return true;
}

}  // namespace SolveExp
