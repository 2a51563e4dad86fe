// IsWellFormed: a syntax error anywhere, whatever values come before it.
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using namespace SolveExp;

TEST(IsWellFormed, FindsSyntaxErrorsBehindUndefinedValues)
{
    const std::pair<const char*, bool> Cases[] = {
        {"1+2", true},
        {"loge(0)", true},
        {"1/0+1", true},
        {"1e400*2", true},
        {"-(1)", true},
        {"2+-3", true},
        {"sin(1)*cos((2))", true},
        {"fac(171)", true},
        {"loge((1.0000000000000E+000)-1)+", false},
        {"sqrt(-1)+", false},
        {"1/((1.0000000000000E+000)-1)*", false},
        {"1e400+*", false},
        {"1/0+1.2.3", false},
        {"1/0+sin(1+)", false},
        {"1/0+()", false},
        {"1/0+(", false},
        {"", false},
        {"2(3)", false},
        {"1e5000", false},
        {"x", false},
        {"2*-3", false},
        {"sin(1)cos(1)", false},
        {"abs((()))", false},
    };
    for (const auto& [Text, Expected] : Cases)
        EXPECT_EQ(IsWellFormed(Text), Expected) << "'" << Text << "'";
    EXPECT_FALSE(IsWellFormed(nullptr));
}

TEST(IsWellFormed, NestingLimit)
{
    const auto Nested = [](size_t Depth) {
        return "1/0+" + std::string(Depth, '(') + "1" + std::string(Depth, ')');
    };
    EXPECT_TRUE(IsWellFormed(Nested(MaxNestingDepth).c_str()));
    EXPECT_FALSE(IsWellFormed(Nested(MaxNestingDepth + 1).c_str()));
    EXPECT_FALSE(IsWellFormed(Nested(200000).c_str()));
}

}  // namespace
