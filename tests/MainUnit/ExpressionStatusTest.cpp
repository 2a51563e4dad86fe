// The status texts about the expression and "tessel --explain".
#include "MainUnit/ExpressionStatus.h"

#include "MainUnit/ExplainCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using namespace MainUnit;

TEST(ExpressionStatus, SaysHowTheExpressionIsReadOrWhereItWentWrong)
{
    const struct {
        const char* Typed;
        std::string Typing, Refusal;
    } Cases[] = {
        {"5+3*2", "Read as: (5+3)*2", "The value at X = Z = 1 is the syntax-error number"},
        {" 2 * x ", "", "The value at X = Z = 1 is the syntax-error number"},
        {"   ", "", "Column 4: the expression is empty"},
        {"sin(x", "Column 6: a ) is missing", "Column 6: a ) is missing"},
        // Well formed, but its value is the one reserved for a syntax error.
        {"0-5.3708672518493e-131", "", "The value at X = Z = 1 is the syntax-error number"},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(TypingStatus(C.Typed), C.Typing) << "'" << C.Typed << "'";
        EXPECT_EQ(SyntaxRefusalStatus(C.Typed), C.Refusal) << "'" << C.Typed << "'";
    }
}

TEST(ExplainCommand, PrintsTheReadingOrTheColumnWithItsExitCode)
{
    const struct {
        const char* Expression;
        int Code;
        std::string Out, Err;
    } Cases[] = {
        {"x*x - z*z", 0, "(x*x-z)*z\n", ""},
        {"2x", 2, "", "column 2: an operator is missing before x\n"},
    };
    for (const auto& C : Cases) {
        std::ostringstream Out, Err;
        EXPECT_EQ(ExplainCommand(C.Expression, Out, Err), C.Code);
        EXPECT_EQ(Out.str(), C.Out);
        EXPECT_EQ(Err.str(), C.Err);
    }
}

}  // namespace
