#include "MainUnit/Text/ExpressionStatus.h"

#include "MainUnit/Calculation/ExpressionLimits.h"
#include "SolveExp/Reading.h"

namespace MainUnit {
namespace {

TStatusText ColumnStatus(const SolveExp::TReading& Reading)
{
    const std::string Column = "Column " + std::to_string(Reading.Column) + ": ";
    TStatusText Status{Column + Reading.Reason, {}, false};
    if (!Reading.Hint.empty())
        Status.Detail = Column + ReasonWithHint(Reading.Reason, Reading.Hint);
    return Status;
}

// The warning that the usual rules read the text otherwise, with the way in
// that adds the brackets.
TStatusText PriorityWarning(const SolveExp::TReading& Reading, const std::string& Remedy)
{
    const std::string Text =
        "Read as " + Reading.Text + ", not " + Reading.UsualText + ": " + Remedy;
    return {Text, Text + " (the four operators have equal priority and work from left to right)",
            true};
}

}  // namespace

std::string ReasonWithHint(const std::string& Reason, const std::string& Hint)
{
    return Hint.empty() ? Reason : Reason + "; " + Hint;
}

TStatusText TypingStatus(std::string_view Expression)
{
    std::string WithoutBlanks;
    for (const char C : Expression)
        if (C != ' ') WithoutBlanks += C;
    if (WithoutBlanks.empty()) return {};
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (!Reading.WellFormed) return ColumnStatus(Reading);
    if (Reading.PriorityMatters) {
        // The expressions go to the tooltip: the status line has room for
        // the warning and the remedy only.
        TStatusText Warning = PriorityWarning(Reading, "Ctrl+B adds brackets");
        Warning.Text = "Priority differs: Ctrl+B adds brackets";
        return Warning;
    }
    if (Reading.Text != WithoutBlanks) return {"Read as: " + Reading.Text, {}, false};
    return {};
}

std::string CommandLinePriorityWarning(std::string_view Expression)
{
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (!Reading.WellFormed || !Reading.PriorityMatters) return {};
    return PriorityWarning(Reading, "--usual-priority adds brackets").Detail;
}

TStatusText SyntaxRefusalStatus(std::string_view Expression)
{
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (!Reading.WellFormed) return ColumnStatus(Reading);
    return {"Syntax-error number at X = Z = 1", "The value at X = Z = 1 is the syntax-error number",
            false};
}

TUsualRewrite RewriteForUsualPriority(std::string_view Expression)
{
    const SolveExp::TReading Reading = SolveExp::ReadExpression(Expression);
    if (!Reading.WellFormed)
        return {{},
                ColumnStatus(Reading),
                "column " + std::to_string(Reading.Column) + ": " +
                    ReasonWithHint(Reading.Reason, Reading.Hint)};
    const std::size_t Length = Reading.UsualText.size();
    if (Length > static_cast<std::size_t>(MaxExpressionLength)) {
        const std::string Count = std::to_string(Length);
        const std::string Whole = "With the brackets the expression would have " + Count +
                                  " characters; at most " + std::to_string(MaxExpressionLength) +
                                  " fit.";
        return {{}, {"Brackets make it too long: " + Count, Whole, false}, Whole};
    }
    return {Reading.UsualText, {}, {}};
}

}  // namespace MainUnit
