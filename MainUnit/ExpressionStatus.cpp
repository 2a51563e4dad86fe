#include "MainUnit/ExpressionStatus.h"

#include "SolveExp/Reading.h"

namespace MainUnit {
namespace {

std::string ColumnStatus(const SolveExp::TReading& Reading)
{
    return "Column " + std::to_string(Reading.Column) + ": " + Reading.Reason;
}

}  // namespace

std::string TypingStatus(std::string_view Expression)
{
    std::string WithoutBlanks;
    for (const char C : Expression)
        if (C != ' ') WithoutBlanks += C;
    if (WithoutBlanks.empty()) return {};
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (!Reading.WellFormed) return ColumnStatus(Reading);
    if (Reading.Text != WithoutBlanks) return "Read as: " + Reading.Text;
    return {};
}

std::string SyntaxRefusalStatus(std::string_view Expression)
{
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (!Reading.WellFormed) return ColumnStatus(Reading);
    return "The value at X = Z = 1 is the syntax-error number";
}

}  // namespace MainUnit
