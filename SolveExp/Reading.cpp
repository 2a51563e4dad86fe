// ReadExpression: one walk over the typed text without blanks that follows
// the tokenizer and the evaluator rule for rule, while it collects each
// bracket level's operands and operators; each level is folded into a tree
// by this unit's rule and by the usual one.
//
// The walk runs on the text before substitution. A parameter letter stands
// for a bracketed number there, so it is an operand that counts as one
// bracket level; a function name straight before a letter takes the letter's
// brackets as its own ('sinx' becomes 'sin(1.0E+000)'). Every other token
// ends where it would end in the substituted text, since the inserted text
// starts with '(' and closes its own bracket.
#include "SolveExp/Reading.h"

#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/Internal/ReadingReasons.h"
#include "SolveExp/Internal/ReadingTree.h"
#include "SolveExp/SolveExp.h"

#include <limits>
#include <utility>
#include <vector>

namespace SolveExp {
namespace {

bool IsLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
bool IsOperator(char C) { return C == '+' || C == '-' || C == '*' || C == '/'; }
bool SameLetter(char A, char B) { return (A | 0x20) == (B | 0x20) && IsLetter(A); }

// Continues a numeric literal as the tokenizer does: digits, '.', 'e', 'E',
// and a sign straight after an exponent letter.
bool ContinuesNumber(char C, char Before)
{
    return IsDigit(C) || C == '.' || C == 'e' || C == 'E' ||
           ((C == '+' || C == '-') && (Before == 'e' || Before == 'E'));
}

class TReader {
public:
    explicit TReader(std::string_view Typed);
    TReading Read();

private:
    std::string Text;              // the typed text without blanks
    std::vector<int32_t> Columns;  // the typed column of each character, then of the end
    std::size_t Pos = 0;
    int32_t Letters = 0;
    int32_t FailColumn = 0;
    TReason FailReason;
    TReadingTree Tree;

    bool Fail(std::size_t At, TReason Reason);
    bool IsParameter(std::size_t I) const;
    std::size_t FunctionNameLength(std::size_t I) const;
    std::size_t LetterRunEnd(std::size_t I) const;

    bool ReadLevel(int32_t Depth, TOperandPair& Out);
    bool LevelEnds(int32_t Depth, char Pending, bool Empty);
    bool ReadOperator(char& Pending, bool LevelStart);
    bool ReadOperand(int32_t Depth, bool AfterOperand, std::string_view LastOperand,
                     TOperandPair& Out);
    bool ReadNumber(bool AfterOperand, TOperandPair& Out);
    bool ReadGroup(int32_t Depth, TOperandPair& Out);
    bool ReadName(int32_t Depth, bool AfterOperand, TOperandPair& Out);
    bool ReadCall(int32_t Depth, std::size_t NameLength, TOperandPair& Out);
    bool ReadLetter(TOperandPair& Out);
};

TReader::TReader(std::string_view Typed)
{
    constexpr std::size_t LastColumn = std::numeric_limits<int32_t>::max();
    const auto Column = [](std::size_t I) {
        return static_cast<int32_t>(I + 1 < LastColumn ? I + 1 : LastColumn);
    };
    for (std::size_t I = 0; I < Typed.size(); ++I) {
        if (Typed[I] == ' ') continue;  // the blanks the calculation removes
        Text += Typed[I];
        Columns.push_back(Column(I));
    }
    Columns.push_back(Column(Typed.size()));
}

TReading TReader::Read()
{
    TReading Reading;
    TOperandPair Whole;
    if (ReadLevel(0, Whole)) {
        Reading.WellFormed = true;
        Reading.Text = Tree.Write(Whole.Own);
        Reading.PriorityMatters = !Tree.Same(Whole.Own, Whole.Usual);
        Reading.UsualText = Reading.PriorityMatters ? Tree.Write(Whole.Usual) : Reading.Text;
    } else {
        Reading.Column = FailColumn;
        Reading.Reason = std::move(FailReason.Reason);
        Reading.Hint = std::move(FailReason.Hint);
    }
    return Reading;
}

bool TReader::Fail(std::size_t At, TReason Reason)
{
    FailColumn = Columns[At];
    FailReason = std::move(Reason);
    return false;
}

// X or x not followed by p or P (which keeps the x of 'exp'), Z or z.
bool TReader::IsParameter(std::size_t I) const
{
    const char C = Text[I];
    if (C == 'z' || C == 'Z') return true;
    const bool BeforeP = I + 1 < Text.size() && (Text[I + 1] == 'p' || Text[I + 1] == 'P');
    return (C == 'x' || C == 'X') && !BeforeP;
}

std::size_t TReader::FunctionNameLength(std::size_t I) const
{
    for (const std::string_view Name : FunctionNames) {
        if (Text.size() - I < Name.size()) continue;
        std::size_t K = 0;
        while (K < Name.size() && SameLetter(Text[I + K], Name[K]))
            ++K;
        if (K == Name.size()) return K;
    }
    return 0;
}

// The end of the letters from I on, up to a parameter letter after the first.
std::size_t TReader::LetterRunEnd(std::size_t I) const
{
    std::size_t End = I + 1;
    while (End < Text.size() && IsLetter(Text[End]) && !IsParameter(End))
        ++End;
    return End;
}

// Operands and operators up to the ')' that closes this level (left for
// the caller) or the end of the text. Pending is the evaluator's pending
// operator: '+' at the start (the first operand is added to 0), 0 after an
// operand.
bool TReader::ReadLevel(int32_t Depth, TOperandPair& Out)
{
    std::vector<TOperandPair> Operands;
    std::vector<char> Ops;
    bool FirstNegated = false;
    char Pending = '+';
    std::string LastOperand;
    for (;;) {
        if (Pos == Text.size() || Text[Pos] == ')') {
            if (!LevelEnds(Depth, Pending, Operands.empty())) return false;
            Out = Tree.Fold(FirstNegated, Operands, Ops);
            return true;
        }
        if (IsOperator(Text[Pos])) {
            if (!ReadOperator(Pending, Operands.empty())) return false;
            continue;
        }
        TOperandPair Operand;
        if (!ReadOperand(Depth, Pending == 0, LastOperand, Operand)) return false;
        LastOperand = Tree.LeafText(Operand.Own);
        if (Operands.empty())
            FirstNegated = Pending == '-';
        else
            Ops.push_back(Pending);
        Operands.push_back(Operand);
        Pending = 0;
    }
}

bool TReader::LevelEnds(int32_t Depth, char Pending, bool Empty)
{
    const bool AtBracket = Pos < Text.size();
    if (AtBracket && Depth == 0) return Fail(Pos, NoOpeningReason());
    if (Pending != 0) return Fail(Pos, EndReason(AtBracket, Depth > 0, Empty && Pending == '+'));
    if (!AtBracket && Depth > 0) return Fail(Pos, ClosingMissingReason());
    return true;
}

// Any operator after an operand; after the start of a level or a written
// plus only a minus, which then stands in for the plus.
bool TReader::ReadOperator(char& Pending, bool LevelStart)
{
    const char Op = Text[Pos];
    if (Pending != 0 && !(Pending == '+' && Op == '-'))
        return Fail(Pos, OperatorReason(Pending, Op, LevelStart));
    Pending = Op;
    ++Pos;
    return true;
}

bool TReader::ReadOperand(int32_t Depth, bool AfterOperand, std::string_view LastOperand,
                          TOperandPair& Out)
{
    const char C = Text[Pos];
    if (IsDigit(C) || C == '.') return ReadNumber(AfterOperand, Out);
    if (C == '(') {
        if (AfterOperand) return Fail(Pos, MissingOperatorReason("("));
        return ReadGroup(Depth, Out);
    }
    if (IsLetter(C)) return ReadName(Depth, AfterOperand, Out);
    return Fail(Pos, CharacterReason(static_cast<unsigned char>(C), LastOperand));
}

bool TReader::ReadNumber(bool AfterOperand, TOperandPair& Out)
{
    std::size_t End = Pos + 1;
    while (End < Text.size() && ContinuesNumber(Text[End], Text[End - 1]))
        ++End;
    std::string Literal = Text.substr(Pos, End - Pos);
    if (AfterOperand) return Fail(Pos, MissingOperatorReason(Literal));
    // The unit's own conversion decides: a literal alone is one number token,
    // and a value is never the (negative) syntax-error value.
    if (EvaluateExpression(Literal.c_str()) == SyntaxErrorValue) {
        std::size_t Stop = 0;
        TReason Reason = NumberReason(Literal, Stop);
        return Fail(Pos + Stop, std::move(Reason));
    }
    const int32_t Leaf = Tree.Leaf(std::move(Literal));
    Out = {Leaf, Leaf};
    Pos = End;
    return true;
}

bool TReader::ReadGroup(int32_t Depth, TOperandPair& Out)
{
    if (Depth >= MaxNestingDepth) return Fail(Pos, TooDeepReason());
    ++Pos;
    if (!ReadLevel(Depth + 1, Out)) return false;
    ++Pos;  // the ')' the level stopped at
    return true;
}

bool TReader::ReadName(int32_t Depth, bool AfterOperand, TOperandPair& Out)
{
    const std::size_t Start = Pos;
    if (IsParameter(Start)) {
        if (AfterOperand) return Fail(Start, MissingOperatorReason(Text.substr(Start, 1)));
        // The bracketed number that replaces the letter is one level deeper.
        if (Depth >= MaxNestingDepth) return Fail(Start, TooDeepReason());
        return ReadLetter(Out);
    }
    const std::size_t NameLength = FunctionNameLength(Start);
    const std::size_t RunEnd = LetterRunEnd(Start);
    if (NameLength == 0 || RunEnd > Start + NameLength) {
        const bool BeforeBracket = RunEnd < Text.size() && Text[RunEnd] == '(';
        return Fail(
            Start, NameReason(std::string_view(Text).substr(Start, RunEnd - Start), BeforeBracket));
    }
    if (AfterOperand) return Fail(Start, MissingOperatorReason(Text.substr(Start, NameLength)));
    if (Depth >= MaxNestingDepth) return Fail(Start, TooDeepReason());
    return ReadCall(Depth, NameLength, Out);
}

bool TReader::ReadCall(int32_t Depth, std::size_t NameLength, TOperandPair& Out)
{
    const std::string Name = Text.substr(Pos, NameLength);
    Pos += NameLength;
    TOperandPair Argument;
    if (Pos < Text.size() && Text[Pos] == '(') {
        ++Pos;
        if (!ReadLevel(Depth + 1, Argument)) return false;
        ++Pos;
    } else if (Pos < Text.size() && IsParameter(Pos)) {
        if (!ReadLetter(Argument)) return false;
    } else {
        return Fail(Pos, MissingBracketReason(Name));
    }
    Out = Tree.Call(Name, Argument);
    return true;
}

bool TReader::ReadLetter(TOperandPair& Out)
{
    if (++Letters > MaxParameterLetters) return Fail(Pos, TooManyLettersReason());
    const int32_t Leaf = Tree.Leaf(Text.substr(Pos, 1));
    Out = {Leaf, Leaf};
    ++Pos;
    return true;
}

}  // namespace

TReading ReadExpression(std::string_view Typed) { return TReader(Typed).Read(); }

}  // namespace SolveExp
