#include "MainUnit/Evaluation.h"

#include <bit>
#include <cstring>

#include "SolveExp/SolveExp.h"

namespace MainUnit {

static_assert(WorkBufferSize == MaxBlankFreeLength + 10 * SolveExp::ParamTextGrowth + 1);

namespace {

bool IsUndefined(double Y) {
  return std::bit_cast<uint64_t>(Y) == std::bit_cast<uint64_t>(SolveExp::UndefinedValue);
}

// One point through the text path: copy, substitute, evaluate.
double EvaluateAt(const char* Expression, size_t Length, int32_t Capacity, double X, double Z) {
  char Work[WorkBufferSize];
  std::memcpy(Work, Expression, Length + 1);
  if (!SolveExp::SubstituteParameters(Work, Capacity, X, Z)) return SolveExp::UndefinedValue;
  const double Y = SolveExp::EvaluateExpression(Work);
  // The caller has refused malformed texts, so SyntaxErrorValue can only be
  // a true value that happens to have the reserved bit pattern. Stored as it
  // is, every reader would take it for a syntax error that cannot exist here
  // and it would pose as a tiny defined Y; the point has no value that can
  // be told apart, so it is stored as undefined.
  if (std::bit_cast<uint64_t>(Y) == std::bit_cast<uint64_t>(SolveExp::SyntaxErrorValue)) {
    return SolveExp::UndefinedValue;
  }
  return Y;
}

}  // namespace

bool EvaluatePoints(TResultSet& Results, const char* Expression, TYRange& Range) {
  Range = TYRange{};
  const size_t Length = std::strlen(Expression);
  if (Length > static_cast<size_t>(MaxBlankFreeLength) || Results.PointCount < 0 ||
      static_cast<size_t>(Results.PointCount) > Results.Points.size()) {
    return false;
  }
  const int32_t Capacity = static_cast<int32_t>(Length) + 10 * SolveExp::ParamTextGrowth + 1;
  for (int32_t I = 0; I < Results.PointCount; ++I) {
    Proc3D::TPoint3D& P = Results.Points[static_cast<size_t>(I)];
    P.Y = EvaluateAt(Expression, Length, Capacity, P.X, P.Z);
    if (IsUndefined(P.Y)) continue;
    if (!Range.AnyDefined) {
      Range = {P.Y, P.Y, true};
    } else if (P.Y > Range.Ymax) {
      Range.Ymax = P.Y;
    } else if (P.Y < Range.Ymin) {
      Range.Ymin = P.Y;
    }
  }
  return true;
}

}  // namespace MainUnit
