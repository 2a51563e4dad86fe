// Printing one bracket level of the reading.
#include "SolveExp/Internal/ReadingPiece.h"

#include <utility>

namespace SolveExp {
namespace {

// A minus on the first operand only: '-x' but '-(x*2)', and '-(-x)'.
TPiece Negated(TPiece Operand)
{
    const bool Bracket = Operand.Prec < PrecOperand || Operand.LeadingMinus;
    Operand.Text = Bracket ? "-(" + Operand.Text + ")" : "-" + Operand.Text;
    Operand.Prec = PrecOperand;
    Operand.LeadingMinus = true;
    return Operand;
}

}  // namespace

void TChain::Start(TPiece First, bool Minus)
{
    if (Minus) First = Negated(std::move(First));
    Body = std::move(First.Text);
    Prec = First.Prec;
    LeadingMinus = First.LeadingMinus;
    IsEmpty = false;
}

void TChain::Add(char Op, const TPiece& Operand)
{
    const int OpPrec = Op == '+' || Op == '-' ? PrecSum : PrecProduct;
    if (Prec < OpPrec) {
        ++Opened;
        Body += ')';
        LeadingMinus = false;
    }
    Body += Op;
    // Equal priority groups to the left, so a right operand of equal or
    // lower priority keeps its brackets; so does one that starts with a
    // minus, which would otherwise read as a second operator.
    if (Operand.Prec <= OpPrec || Operand.LeadingMinus) {
        Body += '(';
        Body += Operand.Text;
        Body += ')';
    } else {
        Body += Operand.Text;
    }
    Prec = OpPrec;
}

TPiece TChain::Finish()
{
    TPiece Whole{std::string(static_cast<std::size_t>(Opened), '(') + Body, Prec, LeadingMinus};
    *this = TChain{};
    return Whole;
}

}  // namespace SolveExp
