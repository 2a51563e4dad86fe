// Folding a bracket level by both rules, comparing trees, and writing a tree
// so that both rules read it back the same.
#include "SolveExp/Internal/ReadingTree.h"

#include <utility>

namespace SolveExp {
namespace {

bool IsSumOp(char Op) { return Op == '+' || Op == '-'; }

// How a written piece binds: what may follow or precede it unbracketed.
enum class TBinding : uint8_t {
    bdAtom,     // a number, letter or call: fits anywhere
    bdNegated,  // starts with a minus: only first in a level
    bdProduct,  // '*' or '/' at its top
    bdSum,      // '+' or '-' at its top
};

struct TWritten {
    std::string Text;
    TBinding Binding = TBinding::bdAtom;
};

// A number that ends in its exponent letter ("4725e") would take a '+' or
// '-' written after it as its exponent sign; it gets brackets of its own.
void CloseOpenExponent(std::string& Body)
{
    if (Body.empty() || (Body.back() != 'e' && Body.back() != 'E')) return;
    std::size_t Start = Body.size();
    while (Start > 0) {
        const char C = Body[Start - 1];
        if (!((C >= '0' && C <= '9') || C == '.' || C == 'e' || C == 'E')) break;
        --Start;
    }
    Body.insert(Start, 1, '(');
    Body += ')';
}

class TWriter {
public:
    explicit TWriter(const std::vector<TNode>& TreeNodes) : Nodes(TreeNodes) {}

    // A level written left to right along its left spine. The left part so
    // far is closed with ')' whenever it is a sum and a product follows; the
    // matching '(' are put in front once, at the end. Every right operand
    // that is not an atom keeps its brackets, since this unit's rule would
    // otherwise fold it into the left part.
    TWritten Chain(int32_t Root) const
    {
        std::vector<int32_t> Spine;
        int32_t N = Root;
        while (Nodes[static_cast<std::size_t>(N)].Kind == TNodeKind::nkBinary) {
            Spine.push_back(N);
            N = Nodes[static_cast<std::size_t>(N)].Left;
        }
        TWritten Body = Operand(N);
        std::size_t Opened = 0;
        for (auto It = Spine.rbegin(); It != Spine.rend(); ++It) {
            const TNode& Node = Nodes[static_cast<std::size_t>(*It)];
            const bool Sum = IsSumOp(Node.Op);
            if (!Sum && Body.Binding == TBinding::bdSum) {
                ++Opened;
                Body.Text += ')';
            }
            if (Sum) CloseOpenExponent(Body.Text);
            Body.Text += Node.Op;
            const TWritten Right = Chain(Node.Right);
            if (Right.Binding == TBinding::bdAtom)
                Body.Text += Right.Text;
            else
                Body.Text += "(" + Right.Text + ")";
            Body.Binding = Sum ? TBinding::bdSum : TBinding::bdProduct;
        }
        if (Opened > 0) Body.Text.insert(0, Opened, '(');
        return Body;
    }

private:
    const std::vector<TNode>& Nodes;

    TWritten Operand(int32_t Index) const
    {
        const TNode& Node = Nodes[static_cast<std::size_t>(Index)];
        switch (Node.Kind) {
        case TNodeKind::nkCall:
            return {Node.Text + "(" + Chain(Node.Left).Text + ")", TBinding::bdAtom};
        case TNodeKind::nkNegate: {
            const TWritten Inner = Chain(Node.Left);
            if (Inner.Binding == TBinding::bdAtom) return {"-" + Inner.Text, TBinding::bdNegated};
            return {"-(" + Inner.Text + ")", TBinding::bdNegated};
        }
        default:
            return {Node.Text, TBinding::bdAtom};
        }
    }
};

}  // namespace

int32_t TReadingTree::Add(TNode Node)
{
    Nodes.push_back(std::move(Node));
    return static_cast<int32_t>(Nodes.size() - 1);
}

int32_t TReadingTree::Leaf(std::string Text)
{
    return Add({TNodeKind::nkLeaf, 0, -1, -1, std::move(Text)});
}

int32_t TReadingTree::Call(std::string Name, int32_t Argument)
{
    return Add({TNodeKind::nkCall, 0, Argument, -1, std::move(Name)});
}

TOperandPair TReadingTree::Call(const std::string& Name, TOperandPair Argument)
{
    const int32_t Own = Call(Name, Argument.Own);
    return {Own, Argument.Usual == Argument.Own ? Own : Call(Name, Argument.Usual)};
}

int32_t TReadingTree::Binary(char Op, int32_t Left, int32_t Right)
{
    return Add({TNodeKind::nkBinary, Op, Left, Right, {}});
}

TOperandPair TReadingTree::Fold(bool FirstNegated, const std::vector<TOperandPair>& Operands,
                                const std::vector<char>& Ops)
{
    return {OwnFold(FirstNegated, Operands, Ops), UsualFold(FirstNegated, Operands, Ops)};
}

// ((a op b) op c) ...: the evaluator's accumulator, which starts at 0 and
// subtracts the first operand when the level starts with a minus.
int32_t TReadingTree::OwnFold(bool FirstNegated, const std::vector<TOperandPair>& Operands,
                              const std::vector<char>& Ops)
{
    int32_t Result = Operands.front().Own;
    if (FirstNegated) Result = Add({TNodeKind::nkNegate, 0, Result, -1, {}});
    for (std::size_t I = 0; I < Ops.size(); ++I)
        Result = Binary(Ops[I], Result, Operands[I + 1].Own);
    return Result;
}

// Products first, then the sum of the products; the leading minus belongs
// to the first operand, as in this unit's rule ('-x*z' is (-x)*z either way).
int32_t TReadingTree::UsualFold(bool FirstNegated, const std::vector<TOperandPair>& Operands,
                                const std::vector<char>& Ops)
{
    int32_t Term = Operands.front().Usual;
    if (FirstNegated) Term = Add({TNodeKind::nkNegate, 0, Term, -1, {}});
    int32_t Sum = -1;
    char SumOp = '+';
    for (std::size_t I = 0; I < Ops.size(); ++I) {
        const int32_t Next = Operands[I + 1].Usual;
        if (!IsSumOp(Ops[I])) {
            Term = Binary(Ops[I], Term, Next);
            continue;
        }
        Sum = Sum < 0 ? Term : Binary(SumOp, Sum, Term);
        SumOp = Ops[I];
        Term = Next;
    }
    return Sum < 0 ? Term : Binary(SumOp, Sum, Term);
}

std::string TReadingTree::LeafText(int32_t Index) const
{
    const TNode& Node = Nodes[static_cast<std::size_t>(Index)];
    return Node.Kind == TNodeKind::nkLeaf ? Node.Text : std::string();
}

std::string TReadingTree::Write(int32_t Root) const { return TWriter(Nodes).Chain(Root).Text; }

bool TReadingTree::Same(int32_t A, int32_t B) const { return SameNode(A, B); }

// Along the left spine by a loop, so that a long level costs no stack; only
// right operands and arguments, as deep as the brackets, recurse.
bool TReadingTree::SameNode(int32_t A, int32_t B) const
{
    for (;;) {
        if (A == B) return true;
        const TNode& X = Nodes[static_cast<std::size_t>(A)];
        const TNode& Y = Nodes[static_cast<std::size_t>(B)];
        if (X.Kind != Y.Kind || X.Op != Y.Op || X.Text != Y.Text) return false;
        if (X.Kind == TNodeKind::nkLeaf) return true;
        if (X.Kind == TNodeKind::nkBinary && !SameNode(X.Right, Y.Right)) return false;
        A = X.Left;
        B = Y.Left;
    }
}

}  // namespace SolveExp
