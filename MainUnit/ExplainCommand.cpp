#include "MainUnit/ExplainCommand.h"

#include "SolveExp/Reading.h"

namespace MainUnit {

int ExplainCommand(std::string_view Expression, std::ostream& Out, std::ostream& Err)
{
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (Reading.WellFormed) {
        Out << Reading.Text << '\n';
        return 0;
    }
    Err << "column " << Reading.Column << ": " << Reading.Reason << '\n';
    return 2;
}

}  // namespace MainUnit
