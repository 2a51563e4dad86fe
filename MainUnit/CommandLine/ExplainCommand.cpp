#include "MainUnit/CommandLine/ExplainCommand.h"

#include "MainUnit/Calculation/ExpressionLimits.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Text/Refusal.h"
#include "SolveExp/Reading.h"

namespace MainUnit {

int ExplainCommand(std::string_view Expression, std::ostream& Out, std::ostream& Err)
{
    // A text the function field cannot hold is refused as a calculation
    // refuses it, however it would be read.
    if (Expression.size() > static_cast<std::size_t>(MaxExpressionLength)) {
        Err << RefusalMessage(TRefusal::ExpressionLength) << '\n';
        return 2;
    }
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
