// Fuzz target: ReadExpression against the calculation's own rules.
//
// The input is a typed expression (blanks, letters, any byte). The reading
// must accept it exactly when a calculation would: blanks removed, at most
// ten letters, and IsWellFormed on the text with the letters substituted. A
// malformed text gets a column within the text or one past it, and a reason.
//
// A well-formed reading and its rewrite for the usual rules are then parsed
// by a second reader under both priority rules and written back fully
// bracketed (every operation in its own brackets, so that it has one order
// of operations under any rules): each must mean the same under both, the
// rewrite what the usual rules make of the typed text, and the warning must
// come exactly when the typed text means two things. The evaluator itself
// computes the bracketed forms, which keeps the arithmetic bit-exact without
// a second implementation of it. The reading's value is compared with the
// typed text's, the rewrite's with the typed text's under the usual rules,
// at a few points:
// - the fully bracketed form puts every intermediate result in a bracket,
//   where the evaluator passes a reserved result up at once, while the typed
//   text keeps some of them in its accumulator. An intermediate that happens
//   to equal a reserved number (say '0-2.1708472458605E+240*0') therefore
//   stops only the bracketed form. So: when the bracketed form has an
//   ordinary value, no intermediate was reserved, and the typed text must
//   give the very same bits; when the typed text gives a reserved result,
//   the bracketed form must give one too (a real error is met by both, a
//   reserved intermediate of the typed text is bracketed in both).
// - the evaluator adds the first operand of every bracket to 0, which turns
//   a -0 into +0; the extra brackets can thus change the sign of a zero
//   result (and only that: a signed zero divided by, or under loge, is
//   undefined either way), so zeros compare as equal.
// - Reading the fully bracketed form again must give the reading back.
#include "FuzzCheck.h"
#include "SolveExp/Reading.h"
#include "SolveExp/SolveExp.h"
#include "tests/SolveExp/UsualReference.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace SolveExp;
using FuzzCheck::Require;

bool IsReserved(double V) { return SameBits(V, SyntaxErrorValue) || SameBits(V, UndefinedValue); }
bool SameValue(double A, double B) { return SameBits(A, B) || (A == 0 && B == 0); }

std::string WithoutBlanks(std::string_view Typed)
{
    std::string Text;
    for (char C : Typed)
        if (C != ' ') Text += C;
    return Text;
}

// The text with X and Z substituted as a calculation does it, or false when
// more than ten letters need room.
bool Substituted(const std::string& Text, double X, double Z, std::vector<char>& Work)
{
    const auto Capacity = static_cast<int32_t>(Text.size() + 10 * ParamTextGrowth + 1);
    Work.assign(static_cast<std::size_t>(Capacity), '\0');
    std::memcpy(Work.data(), Text.c_str(), Text.size() + 1);
    return SubstituteParameters(Work.data(), Capacity, X, Z);
}

bool CalculationAccepts(std::string_view Typed)
{
    if (Typed.find('\0') != std::string_view::npos) return false;
    std::vector<char> Work;
    return Substituted(WithoutBlanks(Typed), 1.0, 1.0, Work) && IsWellFormed(Work.data());
}

int32_t NestingDepth(const std::string& Text)
{
    int32_t Depth = 0, Deepest = 0;
    for (char C : Text) {
        Depth += C == '(' ? 1 : C == ')' ? -1 : 0;
        Deepest = std::max(Deepest, Depth);
    }
    return Deepest;
}

double EvaluateAt(const std::string& Text, double X, double Z, std::string_view Typed)
{
    std::vector<char> Work;
    Require(Substituted(Text, X, Z, Work), "no room for the letters of a well-formed text", Typed);
    return EvaluateExpression(Work.data());
}

// Typed evaluated as typed, against Reference (a fully bracketed form).
void CheckValues(std::string_view Typed, const std::string& Text, const std::string& Reference,
                 const char* Failure)
{
    constexpr std::array<std::array<double, 2>, 3> Points = {
        {{0.75, -2.5}, {3.0, 0.5}, {-1.25, 7.0}}};
    for (const auto& [X, Z] : Points) {
        const double AsTyped = EvaluateAt(Text, X, Z, Typed);
        const double AsRead = EvaluateAt(Reference, X, Z, Typed);
        if (!IsReserved(AsRead)) Require(SameValue(AsTyped, AsRead), Failure, Typed);
        if (IsReserved(AsTyped))
            Require(IsReserved(AsRead), "an error of the typed text is not met by the reading",
                    Typed);
    }
}

// A written reading must mean the same under both rules.
std::string BothRulesForm(std::string_view Typed, const std::string& Written)
{
    Require(!Written.empty() && Written.find(' ') == std::string::npos,
            "a reading that is empty or has blanks", Typed);
    const std::string Bracketed = UsualReference::FullyBracketed(Written);
    Require(!Bracketed.empty(), "a reading the usual rules cannot parse", Typed);
    Require(Bracketed == UsualReference::FullyBracketed(Written, true),
            "a reading that means something else under the usual rules", Typed);
    return Bracketed;
}

void CheckReading(std::string_view Typed, const TReading& Reading)
{
    const std::string Text = WithoutBlanks(Typed);
    const std::string Bracketed = BothRulesForm(Typed, Reading.Text);
    const std::string UsualBracketed = BothRulesForm(Typed, Reading.UsualText);
    const std::string TypedUsual = UsualReference::FullyBracketed(Text);
    Require(UsualBracketed == TypedUsual,
            "the rewrite is not what the usual rules make of the typed text", Typed);
    Require(Reading.PriorityMatters == (TypedUsual != UsualReference::FullyBracketed(Text, true)),
            "a priority warning where the rules agree, or none where they differ", Typed);
    // Each letter is one level deeper once substituted.
    if (std::max(NestingDepth(Bracketed), NestingDepth(UsualBracketed)) + 1 > MaxNestingDepth)
        return;
    const TReading Again = ReadExpression(Bracketed);
    Require(Again.WellFormed && Again.Text == Reading.Text,
            "the fully bracketed reading reads differently", Typed);
    const TReading Rewritten = ReadExpression(Reading.UsualText);
    Require(Rewritten.WellFormed && !Rewritten.PriorityMatters &&
                Rewritten.Text == Reading.UsualText,
            "the rewrite reads differently typed back", Typed);
    CheckValues(Typed, Text, Bracketed, "the reading under the usual rules has another value");
    CheckValues(Typed, Reading.UsualText, TypedUsual,
                "the rewrite has another value than the usual rules give the typed text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    const std::string_view Typed(reinterpret_cast<const char*>(Data), Size);
    const TReading Reading = ReadExpression(Typed);
    Require(Reading.WellFormed == CalculationAccepts(Typed),
            Reading.WellFormed ? "read a text the calculation refuses"
                               : "refused a text the calculation accepts",
            Typed);
    if (!Reading.WellFormed) {
        Require(Reading.Column >= 1 && static_cast<std::size_t>(Reading.Column) <= Size + 1,
                "a column outside the text", Typed);
        Require(!Reading.Reason.empty(), "no reason", Typed);
        return 0;
    }
    CheckReading(Typed, Reading);
    return 0;
}
