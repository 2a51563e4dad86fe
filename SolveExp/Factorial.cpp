// Factorial of the integer part of X as a running product.
#include "SolveExp/SolveExp.h"

namespace SolveExp {

double Factorial(double X)
{
    if (!(X > 1.0)) return 1.0;
    if (X > 170.0) return -1.0;  // beyond the double range; the evaluator maps it to UndefinedValue
    const int32_t n = static_cast<int32_t>(X);  // truncation is floor for X > 1
    double r = 1.0;
    for (int32_t k = 1; k <= n; ++k) {
        // k * r has at most 8 + 53 bits, so the extended product is exact and
        // this is the single rounding to double of each step.
        r = static_cast<double>(static_cast<long double>(k) * r);
    }
    return r;
}

}  // namespace SolveExp
