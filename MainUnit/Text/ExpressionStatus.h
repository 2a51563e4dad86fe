// What the status line says about the function expression: how it is read,
// that the usual priority rules read it otherwise, or where it went wrong;
// and the rewrite that gives it the meaning the usual rules give it.
#pragma once

#include <string>
#include <string_view>

namespace MainUnit {

struct TStatusText {
    std::string Text;    // the status line
    std::string Detail;  // the tooltip: the whole story; empty when Text says it all
    bool Warning = false;
};

// While the user types: a warning "Priority differs: Ctrl+B adds brackets"
// (the detail "Read as ..., not ...") when the usual rules read the text otherwise; "Read as: ..." when
// the reading differs from the text without blanks only in its brackets;
// "Column N: reason" (the hint in the detail) for a malformed text; nothing
// for a text read as typed or a field without any character but blanks.
TStatusText TypingStatus(std::string_view Expression);

// The same warning for the command line, whole, naming --usual-priority;
// empty when there is nothing to warn of.
std::string CommandLinePriorityWarning(std::string_view Expression);

// After the syntax-error refusal of a calculation: "Column N: reason". The
// refusal also comes when the value at X = Z = 1 happens to be the number
// reserved for a syntax error; the text then says so.
TStatusText SyntaxRefusalStatus(std::string_view Expression);

// The text that this program reads with the meaning the usual rules give
// Expression, written so that it means the same under both rules ("Add
// brackets for the usual priority", --usual-priority). Refused, with Text
// empty and Status saying why, when Expression is malformed or the rewrite
// would pass the length limit of the field.
struct TUsualRewrite {
    std::string Text;
    TStatusText Status;
    std::string ConsoleRefusal;  // "column N: reason; hint", or the length
};
TUsualRewrite RewriteForUsualPriority(std::string_view Expression);

// "reason" or "reason; hint".
std::string ReasonWithHint(const std::string& Reason, const std::string& Hint);

}  // namespace MainUnit
