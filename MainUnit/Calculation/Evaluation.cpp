// The fast evaluation loop: the expression compiled once, each distinct X
// and Z rounded once, the points split over two cores.
#include "MainUnit/Calculation/Evaluation.h"

#include "MainUnit/Calculation/Internal/EvaluationRules.h"
#include "MainUnit/Internal/TwoCores.h"
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

namespace MainUnit {

namespace {

// True when the text path can write every parameter letter of Expression:
// at most ten of them (the capacity decides, as for every point).
bool LettersFit(const char* Expression)
{
    char Work[WorkBufferSize];
    const size_t Length = std::strlen(Expression);
    std::memcpy(Work, Expression, Length + 1);
    return SolveExp::SubstituteParameters(
        Work, SolveExp::SubstitutionCapacity(static_cast<int32_t>(Length)), 1.0, 1.0);
}

// The rounded Z of the first period of entries; empty when there is no
// period or no memory for it (each Z is then rounded at its point).
std::vector<SolveExp::TParamValue> RoundedPeriod(const TResultSet& Results, int32_t ZPeriod)
{
    std::vector<SolveExp::TParamValue> Zs;
    if (ZPeriod <= 0 || ZPeriod > Results.PointCount) return Zs;
    try {
        Zs.resize(static_cast<size_t>(ZPeriod));
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const std::length_error&) {
        return {};
    }
    for (size_t J = 0; J < Zs.size(); ++J)
        Zs[J] = SolveExp::RoundParameter(Results.Points[J].Z);
    return Zs;
}

struct TStretch {
    const SolveExp::TCompiledExpression* Program;
    const std::vector<SolveExp::TParamValue>* Zs;
};

// Points are evaluated in batches of this many; the scratch for one batch is
// all the memory a stretch takes, whatever its length.
constexpr size_t PointsPerBatch = 1024;

struct TPointBatch {
    SolveExp::TParamValue X[PointsPerBatch];
    SolveExp::TParamValue Z[PointsPerBatch];
    double Y[PointsPerBatch];
};

// The rounded parameters of entries First .. First + Count - 1 into X and Z.
// Each X is rounded when it differs from the X before it (a grid column
// shares one); each Z is taken from the period when its bits are those the
// period was rounded from.
void RoundParameters(const TResultSet& Results, const TStretch& S, size_t First, size_t Count,
                     SolveExp::TParamValue* X, SolveExp::TParamValue* Z,
                     SolveExp::TParamValue& LastX, bool& HaveX)
{
    const size_t Period = S.Zs->size();
    size_t J = Period > 0 ? First % Period : 0;
    for (size_t K = 0; K < Count; ++K) {
        const Proc3D::TPoint3D& P = Results.Points[First + K];
        if (!HaveX || !SameBits(P.X, LastX.Raw)) {
            LastX = SolveExp::RoundParameter(P.X);
            HaveX = true;
        }
        X[K] = LastX;
        Z[K] = Period > 0 && SameBits(P.Z, (*S.Zs)[J].Raw) ? (*S.Zs)[J]
                                                           : SolveExp::RoundParameter(P.Z);
        if (Period > 0 && ++J == Period) J = 0;
    }
}

// Entries First .. Last - 1, in index order: a batch at a time, or one point
// at a time when there is no memory for a batch.
TYRange EvaluateStretch(TResultSet& Results, const TStretch& S, size_t First, size_t Last) noexcept
{
    TYRange Range;
    const std::unique_ptr<TPointBatch> Batch(new (std::nothrow) TPointBatch);
    SolveExp::TParamValue OneX, OneZ, LastX;
    double OneY = 0;
    bool HaveX = false;
    for (size_t Start = First; Start < Last;) {
        const size_t Count = Batch ? std::min(PointsPerBatch, Last - Start) : 1;
        SolveExp::TParamValue* X = Batch ? Batch->X : &OneX;
        SolveExp::TParamValue* Z = Batch ? Batch->Z : &OneZ;
        double* Y = Batch ? Batch->Y : &OneY;
        RoundParameters(Results, S, Start, Count, X, Z, LastX, HaveX);
        SolveExp::EvaluateMany(*S.Program, X, Z, Y, Count);
        for (size_t K = 0; K < Count; ++K) {
            Proc3D::TPoint3D& P = Results.Points[Start + K];
            P.Y = StoredY(Y[K]);
            TakeIntoRange(Range, P.Y);
        }
        Start += Count;
    }
    return Range;
}

}  // namespace

bool EvaluatePoints(TResultSet& Results, const char* Expression, TYRange& Range, int32_t ZPeriod,
                    TCores Cores)
{
    Range = TYRange{};
    if (!EvaluationArgumentsValid(Results, Expression)) return false;
    if (!LettersFit(Expression)) return EvaluatePointsByText(Results, Expression, Range);
    SolveExp::TCompiledExpression Program;
    try {
        Program = SolveExp::Compile(Expression);
    } catch (...) {
        return EvaluatePointsByText(Results, Expression, Range);  // no memory for the program
    }
    const std::vector<SolveExp::TParamValue> Zs = RoundedPeriod(Results, ZPeriod);
    const TStretch Stretch{&Program, &Zs};
    TYRange Parts[2];
    const auto Work = [&](size_t First, size_t Last, int Part) noexcept {
        Parts[Part] = EvaluateStretch(Results, Stretch, First, Last);
    };
    const size_t Count = static_cast<size_t>(Results.PointCount);
    RunInTwoHalves(Count, SplitOverTwoCores(Count, Cores), Work);
    Range = Parts[0];
    MergeLaterRange(Range, Parts[1]);
    return true;
}

}  // namespace MainUnit
