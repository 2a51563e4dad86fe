// The pieces the reading is printed from: an operand or a bracket level with
// what decides whether it needs brackets under the usual priority rules.
#pragma once

#include <cstddef>
#include <string>

namespace SolveExp {

// Binding strength under the usual rules.
inline constexpr int PrecSum = 1;      // a '+' or '-' at its top
inline constexpr int PrecProduct = 2;  // a '*' or '/' at its top
inline constexpr int PrecOperand = 3;  // a number, letter, call, or a negated operand

struct TPiece {
    std::string Text;
    int Prec = PrecOperand;
    bool LeadingMinus = false;  // the text starts with a minus
    // The text ends in a number's exponent letter without digits ("4725e"),
    // so a '+' or '-' written straight after it would read as the
    // exponent's sign: such a piece keeps its brackets before those two.
    bool OpenExponent = false;
    std::size_t TailStart = 0;  // where the number with the open exponent begins
};

// One bracket level of this unit's order of operations, a left fold
// ((a op b) op c) ..., printed with the fewest brackets the usual rules need.
// The left part so far is closed with ')' each time it binds looser than the
// operator that follows it; the matching '(' are put in front when the level
// is finished, so the text is written once.
class TChain {
public:
    bool Empty() const { return IsEmpty; }
    // The first operand, negated when the level starts with a minus.
    void Start(TPiece First, bool Minus);
    // Op is one of + - * /.
    void Add(char Op, const TPiece& Operand);
    TPiece Finish();

private:
    std::string Body;
    int Opened = 0;
    int Prec = PrecOperand;
    bool LeadingMinus = false;
    bool IsEmpty = true;
    std::size_t LastStart = 0;  // where Body's trailing number begins
    bool OpenEnd = false;       // Body ends in an open exponent
};

}  // namespace SolveExp
