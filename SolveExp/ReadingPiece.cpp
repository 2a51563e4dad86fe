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
    Operand.OpenExponent = Operand.OpenExponent && !Bracket;
    ++Operand.TailStart;
    Operand.Prec = PrecOperand;
    Operand.LeadingMinus = true;
    return Operand;
}

}  // namespace

void TChain::Start(TPiece First, bool Minus)
{
    if (Minus) First = Negated(std::move(First));
    Body = std::move(First.Text);
    LastStart = First.TailStart;
    OpenEnd = First.OpenExponent;
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
    if ((Op == '+' || Op == '-') && OpenEnd) {
        Body.insert(LastStart, 1, '(');
        Body += ')';
    }
    Body += Op;
    // Equal priority groups to the left, so a right operand of equal or
    // lower priority keeps its brackets; so does one that starts with a
    // minus, which would otherwise read as a second operator.
    if (Operand.Prec <= OpPrec || Operand.LeadingMinus) {
        Body += '(';
        Body += Operand.Text;
        Body += ')';
        OpenEnd = false;
    } else {
        LastStart = Body.size() + Operand.TailStart;
        Body += Operand.Text;
        OpenEnd = Operand.OpenExponent;
    }
    Prec = OpPrec;
}

TPiece TChain::Finish()
{
    const auto Opening = static_cast<std::size_t>(Opened);
    TPiece Whole{std::string(Opening, '(') + Body, Prec, LeadingMinus, OpenEnd,
                 Opening + LastStart};
    *this = TChain{};
    return Whole;
}

}  // namespace SolveExp
