#include "MainUnit/CommandLine/ExplainCommand.h"

#include "MainUnit/Text/ExpressionStatus.h"
#include "SolveExp/Reading.h"

namespace MainUnit {

int ExplainCommand(std::string_view Expression, std::ostream& Out, std::ostream& Err)
{
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (Reading.WellFormed) {
        Out << Reading.Text << '\n';
        if (Reading.PriorityMatters) Out << "usual priority: " << Reading.UsualText << '\n';
        return 0;
    }
    Err << "column " << Reading.Column << ": " << ReasonWithHint(Reading.Reason, Reading.Hint)
        << '\n';
    return 2;
}

}  // namespace MainUnit
