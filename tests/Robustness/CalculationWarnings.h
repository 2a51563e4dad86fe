// The warnings a calculation's checks give, written out as a person reads
// them in their boxes, so that a text changed in the program fails the
// random-action run and the calculation fuzz target alike.
#pragma once

namespace TesselTest {

inline constexpr const char* CalculationWarningTexts[] = {
    "'Number of points to show' must be integer value between 10 and 1000000.",
    "'X Interval' and 'Z Interval' must be valid real numbers.",
    "'Y Interval' should be valid real numbers, or it must be undefined.",
    "Maximum length of function expression ('Y = F(X, Z) =') is 255 characters.",
    "Maximum number of parameters in function expression ('Y = F(X, Z) =') is 10.",
    "Syntax error in function expression ('Y = F(X, Z) =').",
};

}  // namespace TesselTest
