// The status texts about the expression, the rewrite for the usual priority
// and "tessel --explain".
#include "MainUnit/Text/ExpressionStatus.h"

#include "MainUnit/CommandLine/ExplainCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using namespace MainUnit;

TEST(ExpressionStatus, SaysHowTheExpressionIsReadOrWhereItWentWrong)
{
    const std::string Syntax = "Syntax-error number at X = Z = 1";
    const std::string Minus = "Column 3: minus needs brackets";
    const struct {
        const char* Typed;
        TStatusText Typing;
        std::string Refusal;
    } Cases[] = {
        {"x*x-z*z",
         {"Priority differs: Ctrl+B adds brackets",
          "Read as (x*x-z)*z, not x*x-(z*z): Ctrl+B adds brackets (the four operators have "
          "equal priority and work from left to right)",
          true},
         Syntax},
        // The same order under both rules: the plain reading, no warning.
        {"(x*x)-(z*z)", {"Read as: x*x-(z*z)", "", false}, Syntax},
        {" 2 * x ", {}, Syntax},
        {"   ", {}, "Column 4: the text is empty"},
        {"sin(x", {"Column 6: a ) is missing", "", false}, "Column 6: a ) is missing"},
        {"2*-3",
         {Minus, Minus + "; a negative number after an operator goes in brackets: 2*(-3)", false},
         Minus},
        // Well formed, but its value is the one reserved for a syntax error.
        {"0-5.3708672518493e-131", {}, Syntax},
    };
    for (const auto& C : Cases) {
        const TStatusText Typing = TypingStatus(C.Typed);
        EXPECT_EQ(Typing.Text, C.Typing.Text) << "'" << C.Typed << "'";
        EXPECT_EQ(Typing.Detail, C.Typing.Detail) << "'" << C.Typed << "'";
        EXPECT_EQ(Typing.Warning, C.Typing.Warning) << "'" << C.Typed << "'";
        EXPECT_EQ(SyntaxRefusalStatus(C.Typed).Text, C.Refusal) << "'" << C.Typed << "'";
        if (C.Refusal == Syntax) {
            EXPECT_EQ(SyntaxRefusalStatus(C.Typed).Detail,
                      "The value at X = Z = 1 is the syntax-error number");
        }
    }
}

TEST(ExpressionStatus, RewritesForTheUsualPriorityWithinTheFieldsLength)
{
    // 253 characters whose rewrite brackets each of 63 products.
    std::string Long = "1";
    for (int I = 0; I < 63; ++I)
        Long += "+1*1";
    const struct {
        std::string Typed, Text, Status, Console;
    } Cases[] = {
        {"x*x - z*z", "x*x-(z*z)", "", ""},
        {"exp(-(x*x+z*z)/10)", "exp(-(x*x+(z*z))/10)", "", ""},
        {"x*-z", "", "Column 3: minus needs brackets",
         "column 3: minus needs brackets; a negative number after an operator goes in "
         "brackets: 2*(-3)"},
        {Long, "", "Brackets make it too long: 379",
         "With the brackets the expression would have 379 characters; at most 255 fit."},
    };
    for (const auto& C : Cases) {
        const TUsualRewrite Rewrite = RewriteForUsualPriority(C.Typed);
        EXPECT_EQ(Rewrite.Text, C.Text) << C.Typed;
        EXPECT_EQ(Rewrite.Status.Text, C.Status) << C.Typed;
        EXPECT_EQ(Rewrite.ConsoleRefusal, C.Console) << C.Typed;
    }
}

TEST(ExplainCommand, PrintsBothReadingsOrTheColumnWithItsExitCode)
{
    const struct {
        const char* Expression;
        int Code;
        std::string Out, Err;
    } Cases[] = {
        {"x*x - z*z", 0, "(x*x-z)*z\nusual priority: x*x-(z*z)\n", ""},
        {"2*x+1", 0, "2*x+1\n", ""},
        {"2x", 2, "", "column 2: an operator is missing; an operator is missing before x\n"},
    };
    for (const auto& C : Cases) {
        std::ostringstream Out, Err;
        EXPECT_EQ(ExplainCommand(C.Expression, Out, Err), C.Code);
        EXPECT_EQ(Out.str(), C.Out);
        EXPECT_EQ(Err.str(), C.Err);
    }
}

}  // namespace
