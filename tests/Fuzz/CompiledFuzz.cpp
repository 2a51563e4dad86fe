// Fuzz target: the compiled evaluation against the text path.
//
// For a blank-free expression of at most 255 characters and any X and Z,
// the compiled program must give exactly the bits of the driver's text
// path (copy, substitute with room for ten letters, evaluate), whenever
// that path can substitute at all, in the one-point and in the batch
// interpreter; and its result is always finite.
#include "FuzzCheck.h"
#include "MainUnit/Calculation/ExpressionLimits.h"
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/SolveExp.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

using FuzzCheck::Require;
using SolveExp::SameBits;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    FuzzCheck::TInput Input{Data, Size};
    const double X = Input.Take<double>();
    const double Z = Input.Take<double>();
    std::string Text;
    for (char C : FuzzCheck::UpToZero(Input.Rest()))
        if (C != ' ') Text += C;
    constexpr auto Longest = static_cast<std::size_t>(MainUnit::MaxExpressionLength);
    if (Text.size() > Longest) Text.resize(Longest);

    const SolveExp::TCompiledExpression Program = SolveExp::Compile(Text.c_str());
    const double Fast = SolveExp::Evaluate(Program, X, Z);
    Require(std::isfinite(Fast), "a compiled result that is not finite", Text);
    const double Rounded =
        SolveExp::Evaluate(Program, SolveExp::RoundParameter(X), SolveExp::RoundParameter(Z));
    Require(SameBits(Fast, Rounded), "rounding the parameters once changes the compiled result",
            Text);

    // The batch interpreter on the same numbers in several lanes and
    // combinations must agree with the one-point interpreter lane by lane.
    constexpr int Lanes = 6;
    const double Xs[Lanes] = {X, Z, X, Z, -X, X}, Zs[Lanes] = {Z, X, X, Z, Z, -Z};
    SolveExp::TParamValue RoundedX[Lanes], RoundedZ[Lanes];
    for (int i = 0; i < Lanes; ++i)
        RoundedX[i] = SolveExp::RoundParameter(Xs[i]),
        RoundedZ[i] = SolveExp::RoundParameter(Zs[i]);
    double Many[Lanes];
    SolveExp::EvaluateMany(Program, RoundedX, RoundedZ, Many, Lanes);
    for (int i = 0; i < Lanes; ++i)
        Require(SameBits(Many[i], SolveExp::Evaluate(Program, RoundedX[i], RoundedZ[i])),
                "the batch and the one-point interpreter differ", Text);

    char Work[MainUnit::WorkBufferSize] = {};
    std::memcpy(Work, Text.data(), Text.size());
    const int32_t Capacity = SolveExp::SubstitutionCapacity(static_cast<int32_t>(Text.size()));
    if (!SolveExp::SubstituteParameters(Work, Capacity, X, Z))
        return 0;  // the driver refuses this text
    const double Slow = SolveExp::EvaluateExpression(Work);
    Require(SameBits(Fast, Slow), "the compiled and the text evaluation differ", Text);
    return 0;
}
