// Rules shared by both evaluation loops: what a result means for the stored
// Y and for the range of defined values.
#pragma once

#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/ResultSet.h"
#include "SolveExp/SolveExp.h"

#include <cstdint>
#include <cstring>

namespace MainUnit {

using SolveExp::SameBits;

// The caller has refused malformed texts, so SyntaxErrorValue can only be a
// true value that happens to have the reserved bit pattern. Stored as it is,
// every reader would take it for a syntax error that cannot exist here and it
// would pose as a tiny defined Y; the point has no value that can be told
// apart, so it is stored as undefined.
inline double StoredY(double Result)
{
    return SameBits(Result, SolveExp::SyntaxErrorValue) ? SolveExp::UndefinedValue : Result;
}

// Ymin and Ymax over the defined Y seen so far, in index order.
inline void TakeIntoRange(TYRange& Range, double Y)
{
    if (SameBits(Y, SolveExp::UndefinedValue)) return;
    if (!Range.AnyDefined) {
        Range = {Y, Y, true};
    } else if (Y > Range.Ymax) {
        Range.Ymax = Y;
    } else if (Y < Range.Ymin) {
        Range.Ymin = Y;
    }
}

// The range of a later stretch of points added to that of an earlier one: the
// same result as one pass over both, the earlier value winning among equals.
inline void MergeLaterRange(TYRange& Earlier, const TYRange& Later)
{
    if (!Later.AnyDefined) return;
    if (!Earlier.AnyDefined) {
        Earlier = Later;
        return;
    }
    if (Later.Ymax > Earlier.Ymax) Earlier.Ymax = Later.Ymax;
    if (Later.Ymin < Earlier.Ymin) Earlier.Ymin = Later.Ymin;
}

// The checks both loops make before evaluating anything.
inline bool EvaluationArgumentsValid(const TResultSet& Results, const char* Expression)
{
    return Expression != nullptr &&
           std::strlen(Expression) <= static_cast<size_t>(MaxExpressionLength) &&
           Results.PointCount >= 0 &&
           static_cast<size_t>(Results.PointCount) <= Results.Points.size();
}

}  // namespace MainUnit
