// Conversion and substitution under a locale whose decimal separator is a
// comma: nothing may change. Each test runs in a process of its own under
// ctest, so setting the locale here touches no other test.
#include "ExpectBits.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

namespace {
using namespace SolveExp;

TEST(CommaLocale, NumbersStayDotted)
{
    const char* Names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};
    bool Set = false;
    for (const char* Name : Names)
        Set = Set || std::setlocale(LC_ALL, Name) != nullptr;
    if (!Set || std::strcmp(std::localeconv()->decimal_point, ",") != 0)
        GTEST_SKIP() << "no locale with a decimal comma on this machine";

    EXPECT_SAME_BITS(EvaluateExpression("1.5+.25"), 1.75);
    EXPECT_SAME_BITS(EvaluateExpression("1,5"), SyntaxErrorValue);
    EXPECT_SAME_BITS(EvaluateExpression("2.5e-1*4"), 1.0);
    char Buffer[64] = "x*z";
    EXPECT_TRUE(SubstituteParameters(Buffer, sizeof Buffer, 0.5, -1.25));
    EXPECT_STREQ(Buffer, "(5.0000000000000E-001)*(-1.2500000000000E+000)");
    EXPECT_SAME_BITS(EvaluateExpression(Buffer), -0.625);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
