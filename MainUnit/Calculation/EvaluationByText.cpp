// The evaluation loop through the text path: for every point, copy the
// expression into the work buffer, write X and Z into it, evaluate.
#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/Internal/EvaluationRules.h"
#include "SolveExp/SolveExp.h"

#include <cstring>

namespace MainUnit {

bool EvaluatePointsByText(TResultSet& Results, const char* Expression, TYRange& Range)
{
    Range = TYRange{};
    if (!EvaluationArgumentsValid(Results, Expression)) return false;
    const size_t Length = std::strlen(Expression);
    const int32_t Capacity = SolveExp::SubstitutionCapacity(static_cast<int32_t>(Length));
    for (int32_t I = 0; I < Results.PointCount; ++I) {
        Proc3D::TPoint3D& P = Results.Points[static_cast<size_t>(I)];
        char Work[WorkBufferSize];
        std::memcpy(Work, Expression, Length + 1);
        // A failed substitution leaves a letter in the text, which evaluates as a
        // syntax error, so the point ends up undefined either way.
        SolveExp::SubstituteParameters(Work, Capacity, P.X, P.Z);
        P.Y = StoredY(SolveExp::EvaluateExpression(Work));
        TakeIntoRange(Range, P.Y);
    }
    return true;
}

}  // namespace MainUnit
