// Compile: walks the grammar exactly as the evaluator does and writes down,
// in evaluation order, what the evaluator would compute. The walk stops where
// the evaluator would stop for every X and Z (a syntax error, a literal out
// of range); failures that depend on the values stay in the code as checks.
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/Grammar.h"
#include "SolveExp/Internal/InstructionSet.h"

#include <algorithm>
#include <new>

namespace SolveExp {
namespace {

// The text with its first MaxParameterLetters parameter letters replaced by a bracketed
// placeholder literal, as SubstituteParameters writes them, and where each
// placeholder's digits begin. The token structure does not depend on the
// values: only a minus inside the brackets differs, and that gives the same
// signed value.
struct TPlaceholderText {
    std::string Text;
    int32_t LiteralAt[MaxParameterLetters] = {};
    TOpCode Load[MaxParameterLetters] = {};
    int32_t Count = 0;
};

void InsertPlaceholders(const std::string& Source, TPlaceholderText& Out)
{
    static constexpr char Placeholder[] = "(0.0000000000000E+000)";
    for (size_t i = 0; i < Source.size(); ++i) {
        const char c = Source[i];
        const char After = i + 1 < Source.size() ? Source[i + 1] : '\0';
        const bool IsX = (c == 'X' || c == 'x') && After != 'p' && After != 'P';
        const bool IsZ = c == 'Z' || c == 'z';
        if ((!IsX && !IsZ) || Out.Count == MaxParameterLetters) {
            Out.Text += c;  // the eleventh letter on stays a letter
            continue;
        }
        Out.LiteralAt[Out.Count] = static_cast<int32_t>(Out.Text.size()) + 1;
        Out.Load[Out.Count++] = IsX ? TOpCode::LoadX : TOpCode::LoadZ;
        Out.Text += Placeholder;
    }
}

// What is known of the value on top of the stack, so that steps that cannot
// change it are left out.
struct TFacts {
    bool MayBeNegativeZero = true;
    bool MayBeReserved = true;
};

constexpr TFacts Clean{false, false};

TFacts FactsAfter(TOpCode Function, TFacts Argument)
{
    switch (Function) {
    case TOpCode::Abs:
    case TOpCode::Exp:
    case TOpCode::Fac:
    case TOpCode::ArcCos:
        return Clean;  // never negative: the reserved values are both negative
    case TOpCode::Sqrt:
        return {Argument.MayBeNegativeZero, false};  // sqrt(-0) is -0
    case TOpCode::Sin:
    case TOpCode::ArcSin:
        return {Argument.MayBeNegativeZero, true};  // zero only at a zero argument
    default:
        return {false, true};  // cos and loge: never -0
    }
}

struct TCompiler {
    const TPlaceholderText& Source;
    std::vector<TInstruction>& Code;
    int32_t Stack = 0;
    int32_t MaxStack = 0;

    bool PendingCheck = false;  // a Check not yet written or merged

    // Writes an instruction that takes no operand from the stack.
    void Emit(TOpCode Op, double Value = 0.0)
    {
        FlushCheck();
        Code.push_back({Op, TSource::Stack, false, 0, TSource::Stack, Value});
    }
    void FlushCheck()
    {
        if (PendingCheck)
            Code.push_back({TOpCode::Check, TSource::Stack, false, 0, TSource::Stack, 0.0});
        PendingCheck = false;
    }
    // Writes an instruction that takes its operand from the stack, merged
    // with the Check before it or with the push of its operand just before.
    void EmitOperation(TOpCode Op, bool Binary = false)
    {
        TInstruction Step{Op, TSource::Stack, PendingCheck, 0, TSource::Stack, 0.0};
        PendingCheck = false;
        if (!Step.CheckFirst && (Step.Source = PushedSource()) != TSource::Stack) {
            Step.Value = Code.back().Value;
            Code.pop_back();
            // x*z, z*z: the left operand's push goes in as well.
            if (Binary && (Step.LeftSource = PushedSource()) != TSource::Const &&
                Step.LeftSource != TSource::Stack)
                Code.pop_back();
            else
                Step.LeftSource = TSource::Stack;
        }
        Code.push_back(Step);
    }
    // The source whose plain push the last instruction is, else Stack.
    TSource PushedSource() const
    {
        const TOpCode Last = Code.empty() ? TOpCode::Syntax : Code.back().Op;
        return Last == TOpCode::LoadX   ? TSource::X
               : Last == TOpCode::LoadZ ? TSource::Z
               : Last == TOpCode::Const ? TSource::Const
                                        : TSource::Stack;
    }
    void Push() { MaxStack = std::max(MaxStack, ++Stack); }

    // False after a terminating instruction has been emitted.
    bool Fail(TOpCode Op)
    {
        Emit(Op);
        return false;
    }

    // The grammar's actions (see Grammar.h): what is known of each value.
    struct TLevel {
        TFacts Facts;  // of the value so far
        bool FirstOperand = true;
    };
    using TValue = TFacts;
    bool Syntax() { return Fail(TOpCode::Syntax); }
    bool Number(const char* Text, int32_t First, int32_t Last, TFacts& Facts);
    bool Group(uint16_t TokenCode, const TLevel& Inner, TFacts& Facts);
    bool Combine(TLevel& Level, uint16_t PendingOp, TFacts Facts);
};

bool TCompiler::Number(const char* Text, int32_t First, int32_t Last, TFacts& Facts)
{
    Facts = Clean;  // a parameter or a constant: never -0, never reserved
    for (int32_t p = 0; p < Source.Count; ++p)
        if (Source.LiteralAt[p] == First) {
            Emit(Source.Load[p]);  // checks range and reserved values itself
            Push();
            return true;
        }
    double Value = 0.0;
    switch (Grammar::ReadLiteral(Text, First, Last, Value)) {
    case Grammar::TLiteral::Malformed:
        return Fail(TOpCode::Syntax);
    case Grammar::TLiteral::OutOfRange:
        return Fail(TOpCode::Undefined);
    default:
        break;
    }
    Emit(TOpCode::Const, Value);  // never -0, never negative
    Push();
    return true;
}

bool TCompiler::Group(uint16_t TokenCode, const TLevel& Inner, TFacts& Facts)
{
    PendingCheck = PendingCheck || Inner.Facts.MayBeReserved;  // the same value if both
    Facts = Inner.Facts;
    if (TokenCode != tkBracket) {
        EmitOperation(FunctionOpOf(TokenCode));
        Facts = FactsAfter(FunctionOpOf(TokenCode), Inner.Facts);
    }
    return true;
}

bool TCompiler::Combine(TLevel& Level, uint16_t PendingOp, TFacts Facts)
{
    if (!Level.FirstOperand) {
        static constexpr TOpCode Binary[] = {TOpCode::Add, TOpCode::Add, TOpCode::Subtract,
                                             TOpCode::Multiply, TOpCode::Divide};
        EmitOperation(Binary[PendingOp], true);
        --Stack;
        Level.Facts = TFacts{};
        return true;
    }
    // 0 + v is v except that -0 becomes +0; 0 - v is exact and never -0.
    Level.FirstOperand = false;
    Level.Facts = Facts;
    if (PendingOp == opSubtract) {
        EmitOperation(TOpCode::Negate);
        Level.Facts = {false, true};
    } else if (Facts.MayBeNegativeZero) {
        EmitOperation(TOpCode::Start);
        Level.Facts.MayBeNegativeZero = false;
    }
    return true;
}

void CompileInto(const char* Text, TCompiledExpression& Program)
{
    Program.Text = Text;
    TPlaceholderText Source;
    InsertPlaceholders(Program.Text, Source);
    TCompiler Compiler{Source, Program.Code};
    TCompiler::TLevel Level;
    const int32_t Length = static_cast<int32_t>(std::min<size_t>(Source.Text.size(), INT32_MAX));
    if (Grammar::Walk(Compiler, Level, Source.Text.c_str(), Length)) Compiler.Emit(TOpCode::Return);
    Program.StackSize = Compiler.MaxStack;
    for (TInstruction& Step : Program.Code)
        Step.Dispatch = static_cast<uint8_t>(Key(Step.Op, Step.Source));
}

}  // namespace

TCompiledExpression Compile(const char* Text)
{
    TCompiledExpression Program;  // a null text: empty code and text, SyntaxErrorValue
    if (Text == nullptr) return Program;
    try {
        CompileInto(Text, Program);
    } catch (...) {  // out of memory: the text path, with the text if it was kept
        Program.Code.clear();
        Program.StackSize = 0;
    }
    return Program;
}

}  // namespace SolveExp
