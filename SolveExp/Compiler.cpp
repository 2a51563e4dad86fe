// Compile: walks the text exactly as the evaluator does and writes down, in
// evaluation order, what the evaluator would compute. The walk stops where
// the evaluator would stop for every X and Z (a syntax error, a literal out
// of range); failures that depend on the values stay in the code as checks.
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/NumberConversion.h"
#include "SolveExp/Internal/TokenScan.h"

#include <algorithm>
#include <cmath>
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

TOpCode FunctionOp(uint16_t Code)
{
    switch (Code) {
    case tkExp:
        return TOpCode::Exp;
    case tkSin:
        return TOpCode::Sin;
    case tkCos:
        return TOpCode::Cos;
    case tkLoge:
        return TOpCode::Loge;
    case tkFac:
        return TOpCode::Fac;
    case tkArcSin:
        return TOpCode::ArcSin;
    case tkArcCos:
        return TOpCode::ArcCos;
    case tkAbs:
        return TOpCode::Abs;
    default:
        return TOpCode::Sqrt;
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

    bool Level(int32_t End, int32_t Pos, int32_t Depth, TFacts& Facts);
    bool Operand(uint16_t Code, int32_t First, int32_t Last, int32_t Depth, TFacts& Facts);
    void Combine(uint16_t PendingOp, bool FirstOperand, TFacts& Facts);
};

bool TCompiler::Operand(uint16_t TokenCode, int32_t First, int32_t Last, int32_t Depth,
                        TFacts& Facts)
{
    if (TokenCode == tkNumber) {
        for (int32_t p = 0; p < Source.Count; ++p)
            if (Source.LiteralAt[p] == First) {
                Emit(Source.Load[p]);  // checks range and reserved values itself
                Push();
                Facts = Clean;
                return true;
            }
        long double v = 0.0L;
        if (!ConvertLiteral(Source.Text.data() + First, Source.Text.data() + Last + 1, v))
            return Fail(TOpCode::Syntax);
        if (!(std::fabs(v) < MaxNumberMagnitude)) return Fail(TOpCode::Undefined);
        Emit(TOpCode::Const, static_cast<double>(v));  // never -0, never negative
        Push();
        Facts = Clean;
        return true;
    }
    if (Depth >= MaxNestingDepth) return Fail(TOpCode::Syntax);
    TFacts Inner;
    if (!Level(Last + 1, First, Depth + 1, Inner)) return false;
    PendingCheck = PendingCheck || Inner.MayBeReserved;  // the same value if both
    Facts = Inner;
    if (TokenCode != tkBracket) {
        EmitOperation(FunctionOp(TokenCode));
        Facts = FactsAfter(FunctionOp(TokenCode), Inner);
    }
    return true;
}

void TCompiler::Combine(uint16_t PendingOp, bool FirstOperand, TFacts& Facts)
{
    if (FirstOperand) {
        // 0 + v is v except that -0 becomes +0; 0 - v is exact and never -0.
        if (PendingOp == opSubtract) {
            EmitOperation(TOpCode::Negate);
            Facts = {false, true};
        } else if (Facts.MayBeNegativeZero) {
            EmitOperation(TOpCode::Start);
            Facts.MayBeNegativeZero = false;
        }
        return;
    }
    static constexpr TOpCode Binary[] = {TOpCode::Add, TOpCode::Add, TOpCode::Subtract,
                                         TOpCode::Multiply, TOpCode::Divide};
    EmitOperation(Binary[PendingOp], true);
    --Stack;
    Facts = TFacts{};
}

bool TCompiler::Level(int32_t End, int32_t Pos, int32_t Depth, TFacts& Facts)
{
    const char* Text = Source.Text.c_str();
    uint16_t PendingOp = opAdd;
    bool FirstOperand = true;
    for (;;) {
        int32_t First = 0, Last = 0, Next = -1;
        const uint16_t Token = ScanToken(Text, End, Pos, First, Last, Next);
        if (Token == tkEnd) return PendingOp == opNone || Fail(TOpCode::Syntax);
        if (Token == tkNumber || (Token >= tkBracket && Token <= tkSqrt)) {
            if (PendingOp == opNone) return Fail(TOpCode::Syntax);
            TFacts Value;
            if (!Operand(Token, First, Last, Depth, Value)) return false;
            Combine(PendingOp, FirstOperand, Value);
            Facts = Value;
            FirstOperand = false;
            PendingOp = opNone;
        } else if (Token >= tkPlus && Token <= tkDivide) {
            if (PendingOp != opNone && (PendingOp != opAdd || Token != tkMinus))
                return Fail(TOpCode::Syntax);
            PendingOp = static_cast<uint16_t>(Token - 16);
        } else {
            return Fail(TOpCode::Syntax);
        }
        Pos = Next;
    }
}

void CompileInto(const char* Text, TCompiledExpression& Program)
{
    Program.Text = Text;
    TPlaceholderText Source;
    InsertPlaceholders(Program.Text, Source);
    TCompiler Compiler{Source, Program.Code};
    TFacts Facts;
    const int32_t Length = static_cast<int32_t>(std::min<size_t>(Source.Text.size(), INT32_MAX));
    if (Compiler.Level(Length, 0, 0, Facts)) Compiler.Emit(TOpCode::Return);
    Program.StackSize = Compiler.MaxStack;
    for (TInstruction& Step : Program.Code)
        Step.Dispatch = static_cast<uint8_t>(static_cast<unsigned>(Step.Op) * 4 +
                                             static_cast<unsigned>(Step.Source));
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
