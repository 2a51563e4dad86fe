// The order of operations of a text as a tree, built twice from the same
// bracket levels: once by this unit's rule (all four operators of equal
// priority, left to right) and once by the usual rule ('*' and '/' before
// '+' and '-', left to right within a level). Both trees live in one pool
// and share their leaves, so a letter or number is one node in both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace SolveExp {

enum class TNodeKind : uint8_t {
    nkLeaf,    // a number or a parameter letter, as typed
    nkCall,    // a function name as typed, applied to Left
    nkNegate,  // 0 - Left: a minus at the start of a level
    nkBinary,  // Left Op Right
};

struct TNode {
    TNodeKind Kind = TNodeKind::nkLeaf;
    char Op = 0;
    int32_t Left = -1;
    int32_t Right = -1;
    std::string Text;  // the leaf or the function name
};

// One operand of a level as each rule reads it.
struct TOperandPair {
    int32_t Own = -1;
    int32_t Usual = -1;
};

class TReadingTree {
public:
    int32_t Leaf(std::string Text);
    int32_t Call(std::string Name, int32_t Argument);
    TOperandPair Call(const std::string& Name, TOperandPair Argument);

    // One bracket level: operands and the operators between them ('+', '-',
    // '*', '/'; a '+-' already counted as '-'), the first operand negated
    // when the level starts with a minus. Folds it by both rules.
    TOperandPair Fold(bool FirstNegated, const std::vector<TOperandPair>& Operands,
                      const std::vector<char>& Ops);

    // The tree written with the fewest brackets that give it under both
    // rules, so the text means the same to this unit and to a reader who
    // knows only the usual rules.
    std::string Write(int32_t Root) const;

    // The text of a leaf, empty for any other node.
    std::string LeafText(int32_t Index) const;

    // Same shape, operators and leaf texts.
    bool Same(int32_t A, int32_t B) const;

private:
    std::vector<TNode> Nodes;

    int32_t Add(TNode Node);
    int32_t Binary(char Op, int32_t Left, int32_t Right);
    int32_t OwnFold(bool FirstNegated, const std::vector<TOperandPair>& Operands,
                    const std::vector<char>& Ops);
    int32_t UsualFold(bool FirstNegated, const std::vector<TOperandPair>& Operands,
                      const std::vector<char>& Ops);
    bool SameNode(int32_t A, int32_t B) const;
};

}  // namespace SolveExp
