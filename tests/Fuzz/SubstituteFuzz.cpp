// Fuzz target: SubstituteParameters with random capacities and values,
// followed by the evaluation of what it wrote.
//
// The buffer is a heap block of exactly Capacity bytes, so a write past it
// is reported. For finite values the text written must be exactly the one
// the substitution rule gives (decided here independently, with the C
// library's correctly rounded formatting), including where it stops for
// lack of room; a substituted value must then evaluate to itself.
#include "FuzzCheck.h"
#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace SolveExp;
using FuzzCheck::Require;

// The value as '(d.ddddddddddddd E±eee)' without the blank.
std::string Bracketed(double V)
{
    char Text[64];
    std::snprintf(Text, sizeof Text, "%.13E", V);  // C locale: "." is the point
    std::string S(Text);
    std::size_t E = S.find('E');
    std::string Digits = S.substr(E + 2);
    while (Digits.size() < static_cast<std::size_t>(ParamExponentDigits))
        Digits.insert(0, "0");
    return "(" + S.substr(0, E + 2) + Digits + ")";
}

bool IsXAt(const std::string& T, std::size_t I)
{
    return (T[I] == 'X' || T[I] == 'x') &&
           !(I + 1 < T.size() && (T[I + 1] == 'p' || T[I + 1] == 'P'));
}
bool IsZAt(const std::string& T, std::size_t I) { return T[I] == 'Z' || T[I] == 'z'; }

// The text after the substitution, and its result, by the rule: letters left
// to right, each only while length + ParamTextGrowth + 1 <= Capacity.
bool ExpectedText(const std::string& Text, int32_t Capacity, double X, double Z, std::string& Out)
{
    Out = Text;
    if (Capacity <= 0) return false;
    for (std::size_t I = 0; I < Out.size(); ++I) {
        bool IsX = IsXAt(Out, I);
        if (!IsX && !IsZAt(Out, I)) continue;
        if (static_cast<int64_t>(Out.size()) + ParamTextGrowth + 1 > Capacity) return false;
        std::string Number = Bracketed(IsX ? X : Z);
        Out.replace(I, 1, Number);
        I += Number.size() - 1;
    }
    return true;
}

// A substituted value reads back as itself rounded to 14 digits, or is
// undefined at and beyond the largest literal, 1.7E308.
void CheckValueReadsBack(double V)
{
    std::string Text = "x";
    FuzzCheck::TExactBuffer Buffer(Text, Text.size() + 1 + ParamTextGrowth);
    Require(SubstituteParameters(Buffer.Data, static_cast<int32_t>(Buffer.Bytes), V, 0.0),
            "a single letter did not fit its room", Text);
    double Result = EvaluateExpression(Buffer.Data);
    std::string Written = Bracketed(V);
    double Rounded = std::strtod(Written.c_str() + 1, nullptr);
    if (std::fabs(Rounded) > 1.7000001e308) {
        Require(std::memcmp(&Result, &UndefinedValue, 8) == 0,
                "a value beyond 1.7E308 must be undefined", Written);
    } else if (std::fabs(Rounded) < 1.6999999e308) {
        Require(std::fabs(Result - Rounded) <= 1e-15 * std::fabs(Rounded) + 1e-323,
                "a substituted value does not evaluate to itself", Written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    FuzzCheck::TInput Input{Data, Size};
    auto Mode = Input.Take<uint8_t>();
    auto Room = Input.Take<uint16_t>();
    double X = Input.Take<double>();
    double Z = Input.Take<double>();
    if (X == 0.0) X = 0.0;  // the sign of a zero is not fixed by the format
    if (Z == 0.0) Z = 0.0;
    std::string Text = FuzzCheck::UpToZero(Input.Rest());
    const int32_t Length = static_cast<int32_t>(Text.size());
    int32_t Capacity = Mode % 8 == 0 ? -static_cast<int32_t>(Room % 64)
                                     : Length + 1 + Room % (Mode % 8 == 1 ? 4096 : 300);

    // A refused capacity gets a buffer of the text's size, which must stay as it was.
    FuzzCheck::TExactBuffer Buffer(Text, Capacity > 0 ? static_cast<std::size_t>(Capacity) : 0);
    bool Done = SubstituteParameters(Buffer.Data, Capacity, X, Z);
    std::string Written(Buffer.Data);
    if (std::isfinite(X) && std::isfinite(Z)) {
        std::string Expected;
        bool ExpectedDone = ExpectedText(Text, Capacity, X, Z, Expected);
        Require(Done == ExpectedDone, "the result flag is not the rule's", Text);
        Require(Written == Expected, "the written text is not the rule's", Text);
    } else {
        Require(Capacity > 0 || (!Done && Written == Text), "a refused capacity changed the text",
                Text);
    }
    Require(static_cast<int64_t>(Written.size()) < std::max<int64_t>(Capacity, Length + 1),
            "text beyond capacity", Text);
    if (Done) {
        double Result = EvaluateExpression(Buffer.Data);
        Require(std::isfinite(Result), "a substituted text evaluated to a non-finite value",
                Written);
    }
    if (std::isfinite(X)) CheckValueReadsBack(X);
    return 0;
}
