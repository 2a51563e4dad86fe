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

int ExplainFromArguments(int Count, const char* const* Arguments, std::ostream& Out,
                         std::ostream& Err)
{
    if (Count < 2 || std::string_view(Arguments[1]) != "--explain") return -1;
    if (Count != 3) {
        Err << "usage: tessel --explain EXPRESSION\n";
        return 2;
    }
    return ExplainCommand(Arguments[2], Out, Err);
}

}  // namespace MainUnit
