// EvaluateMany and EvaluateRow: the compiled program run over a batch of
// points, one instruction for all of them before the next, so that the cost
// of stepping through the program is shared. Each point keeps its own first
// failure: once it has a result, later steps compute on for it but never
// change that result (no traps, so the values computed meanwhile are harmless).
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/BatchArithmetic.h"
#include "SolveExp/Internal/InstructionSet.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace SolveExp {
namespace {

constexpr int PointBatchSize = 64;
constexpr int BatchDepth = 16;  // deeper programs go point by point

struct TPointBatch {
    const TParamValue* X;
    const TParamValue* Z;
    double* Y;
    int Count;
    bool AnyDone;  // some point has its result already
    bool Done[PointBatchSize];

    void Fail(int i, double Result)
    {
        if (!Done[i]) {
            Done[i] = true;
            AnyDone = true;
            Y[i] = Result;
        }
    }
    // Inlined, like everything the interpreter calls per batch, so that its
    // vector test is compiled for the processor of the interpreter's copy.
    [[gnu::always_inline]] void CheckReserved(const double* Values)
    {
        const auto Reserved = [](auto v) {
            return (v == SyntaxErrorValue) | (v == UndefinedValue);
        };
        if (!Batch::AnyLane(Values, Count, Reserved))
            return;  // the usual case, found four values at a time
        for (int i = 0; i < Count; ++i)
            if (IsReserved(Values[i])) Fail(i, Values[i]);
    }
};

// The operand of every point from a parameter or a constant (no parameter of
// the batch stops).
[[gnu::always_inline]] inline void FetchAll(const TPointBatch& B, TSource Source, double Constant,
                                            double* Into)
{
    if (Source == TSource::Const) {
        std::fill_n(Into, B.Count, Constant);
        return;
    }
    const TParamValue* P = Source == TSource::X ? B.X : B.Z;
    for (int i = 0; i < B.Count; ++i)
        Into[i] = P[i].Value;
}

// Left[i] = Left[i] (Op) Right[i] for the whole batch: sums, differences and
// products first as plain double operations four points at a time, which
// stand when they are final at every point (the usual case by far);
// otherwise, and for quotients, point by point through the full operation.
template <TOpCode Op>
[[gnu::always_inline]] inline void BinaryAll(TPointBatch& B, double* Left, const double* Right)
{
    const int n = B.Count;
    if constexpr (Op != TOpCode::Divide) {
        using Batch::TKind;
        constexpr TKind Kind = Op == TOpCode::Add        ? TKind::Add
                               : Op == TOpCode::Subtract ? TKind::Subtract
                                                         : TKind::Multiply;
        if (Batch::TryPlain<Kind, PointBatchSize>(Left, Right, n)) return;
    }
    for (int i = 0; i < n; ++i)
        if (!BinaryOperation<Op>(Left[i], Right[i], Left[i])) B.Fail(i, UndefinedValue);
}

// Square roots of a whole batch, two at a time where the processor allows:
// the same correctly rounded result as one at a time, without the library's
// error-number handling in the way.
[[gnu::always_inline]] inline void SqrtAll(TPointBatch& B, double* Values)
{
    if (Batch::AnyLane(Values, B.Count, [](auto v) { return v < 0.0; }))
        for (int i = 0; i < B.Count; ++i)
            if (Values[i] < 0.0) B.Fail(i, UndefinedValue);  // sqrt(-0) is -0, no error
    int i = 0;
#if defined(__SSE2__)
    for (; i + 2 <= B.Count; i += 2)
        _mm_storeu_pd(Values + i, _mm_sqrt_pd(_mm_loadu_pd(Values + i)));
#endif
    for (; i < B.Count; ++i)
        if (Values[i] >= 0.0)  // a failed point keeps its value, and errno stays
            Values[i] = std::sqrt(Values[i]);
}

// Pushes a parameter for every point.
template <bool MayStop> void Load(TPointBatch& B, const TParamValue* P, double* Into)
{
    for (int i = 0; i < B.Count; ++i) {
        if (MayStop && P[i].Stops) B.Fail(i, P[i].Value);
        Into[i] = P[i].Value;
    }
}

// Gives every point still without a result the value Result.
void FinishAll(TPointBatch& B, double Result)
{
    for (int i = 0; i < B.Count; ++i)
        B.Fail(i, Result);
}

// The run of the program over one batch. MayStop: some parameter of the
// batch ends its point's evaluation. Every step returns true but the last.
template <bool MayStop> struct TBatchMachine {
    explicit TBatchMachine(TPointBatch& Batch) : B(Batch), n(Batch.Count) {}

    TPointBatch& B;
    const int n;  // points in the batch
    int Top = -1;
    double Stack[BatchDepth][PointBatchSize];

    // The operand of point i from a parameter or a constant.
    template <TSource Source> [[gnu::always_inline]] double Fetch(const TInstruction& Step, int i)
    {
        if constexpr (Source == TSource::Const) {
            return Step.Value;
        } else {
            const TParamValue& P = Source == TSource::X ? B.X[i] : B.Z[i];
            if (MayStop && P.Stops) B.Fail(i, P.Value);
            return P.Value;
        }
    }

    template <TSource Source> [[gnu::always_inline]] bool Push(const TInstruction& Step)
    {
        if constexpr (Source == TSource::Const)
            std::fill_n(Stack[++Top], n, Step.Value);
        else
            Load<MayStop>(B, Source == TSource::X ? B.X : B.Z, Stack[++Top]);
        return true;
    }

    [[gnu::always_inline]] bool Check()
    {
        B.CheckReserved(Stack[Top]);
        return true;
    }

    // Without a stopping parameter in the batch, the operands are gathered
    // into plain arrays first and BinaryAll does the operation; with one,
    // each point fetches its operands in text order so that the right
    // parameter stops it.
    template <TOpCode Op, TSource Source>
    [[gnu::always_inline]] void Binary(const TInstruction& Step)
    {
        const double* Right = nullptr;
        const TSource LeftFrom = Step.LeftSource;
        if constexpr (Source == TSource::Stack) {
            if (Step.CheckFirst) B.CheckReserved(Stack[Top]);
            Right = Stack[Top--];
        } else if (LeftFrom != TSource::Stack) {
            ++Top;
        }
        double* Left = Stack[Top];
        if constexpr (!MayStop) {
            double Operand[PointBatchSize];
            if constexpr (Source != TSource::Stack) {
                FetchAll(B, Source, Step.Value, Operand);
                Right = Operand;
            }
            if (LeftFrom != TSource::Stack) FetchAll(B, LeftFrom, 0.0, Left);
            BinaryAll<Op>(B, Left, Right);
            return;
        }
        for (int i = 0; i < n; ++i) {
            double r = 0.0;
            if constexpr (Source == TSource::Stack) {
                r = Right[i];
            } else {
                if (LeftFrom == TSource::X) Left[i] = Fetch<TSource::X>(Step, i);
                if (LeftFrom == TSource::Z) Left[i] = Fetch<TSource::Z>(Step, i);
                r = Fetch<Source>(Step, i);
            }
            if (!BinaryOperation<Op>(Left[i], r, Left[i])) B.Fail(i, UndefinedValue);
        }
    }

    // A function (or Start, Negate): applied to the top, or to a fetched
    // operand whose result is pushed.
    template <TOpCode Op, TSource Source>
    [[gnu::always_inline]] void Function(const TInstruction& Step)
    {
        if constexpr (Source == TSource::Stack) {
            if (Step.CheckFirst) B.CheckReserved(Stack[Top]);
        } else {
            ++Top;
        }
        double* Values = Stack[Top];
        if constexpr (Op == TOpCode::Sqrt && Source == TSource::Stack) {
            SqrtAll(B, Values);
        } else if constexpr (Op == TOpCode::Abs && Source == TSource::Stack) {
            Batch::AbsAll(Values, n);
        } else {
            for (int i = 0; i < n; ++i) {
                double Argument = 0.0;
                if constexpr (Source == TSource::Stack)
                    Argument = Values[i];
                else
                    Argument = Fetch<Source>(Step, i);
                if (!FunctionOperation<Op>(Argument, Values[i])) B.Fail(i, UndefinedValue);
            }
        }
    }

    template <TOpCode Op, TSource Source>
    [[gnu::always_inline]] bool Operate(const TInstruction& Step)
    {
        if constexpr (IsBinary(Op))
            Binary<Op, Source>(Step);
        else
            Function<Op, Source>(Step);
        return true;
    }

    [[gnu::always_inline]] bool Return()
    {
        if (!B.AnyDone)
            std::copy_n(Stack[Top], n, B.Y);
        else
            for (int i = 0; i < n; ++i)
                B.Fail(i, Stack[Top][i]);  // the value, where nothing failed before
        return false;
    }

    [[gnu::always_inline]] bool Finish(double Result)
    {
        FinishAll(B, Result);
        return false;
    }
};

// Inlined into both copies of the dispatcher below, so that each gets its
// own arithmetic.
template <bool MayStop>
[[gnu::always_inline]] inline void RunBatch(const TInstruction* Step, TPointBatch& B)
{
    TBatchMachine<MayStop> Machine(B);
    while (Execute(Machine, *Step))
        ++Step;
}

SOLVEEXP_WITH_FMA_COPY
void RunBatch(const TInstruction* Code, TPointBatch& B, bool MayStop)
{
    if (MayStop)
        RunBatch<true>(Code, B);
    else
        RunBatch<false>(Code, B);
}

}  // namespace

void EvaluateMany(const TCompiledExpression& Program, const TParamValue* X, const TParamValue* Z,
                  double* Y, size_t Count)
{
    if (Program.Code.empty() || Program.StackSize > BatchDepth) {  // rare: point by point
        for (size_t i = 0; i < Count; ++i)
            Y[i] = Evaluate(Program, X[i], Z[i]);
        return;
    }
    for (size_t First = 0; First < Count; First += PointBatchSize) {
        TPointBatch B{X + First, Z + First,
                      Y + First, static_cast<int>(std::min<size_t>(PointBatchSize, Count - First)),
                      false,     {}};
        // Without branches first: the common batch has no special parameter.
        bool Special = false;
        for (int i = 0; i < B.Count; ++i)
            Special |= B.X[i].Stops | B.Z[i].Stops | !B.X[i].Finite | !B.Z[i].Finite;
        if (Special)
            for (int i = 0; i < B.Count; ++i)
                if (!B.X[i].Finite || !B.Z[i].Finite)
                    B.Fail(i, EvaluateAsText(Program.Text, B.X[i].Raw, B.Z[i].Raw));
        RunBatch(Program.Code.data(), B, Special);
    }
}

void EvaluateRow(const TCompiledExpression& Program, const TParamValue* X, const TParamValue& Z,
                 double* Y, size_t Count)
{
    TParamValue Zs[PointBatchSize];
    std::fill_n(Zs, PointBatchSize, Z);
    for (size_t First = 0; First < Count; First += PointBatchSize)
        EvaluateMany(Program, X + First, Zs, Y + First,
                     std::min<size_t>(PointBatchSize, Count - First));
}

void EvaluateColumn(const TCompiledExpression& Program, const TParamValue& X, const TParamValue* Z,
                    double* Y, size_t Count)
{
    TParamValue Xs[PointBatchSize];
    std::fill_n(Xs, PointBatchSize, X);
    for (size_t First = 0; First < Count; First += PointBatchSize)
        EvaluateMany(Program, Xs, Z + First, Y + First,
                     std::min<size_t>(PointBatchSize, Count - First));
}

}  // namespace SolveExp
