#include "MainUnit/Picture/AxisTicks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace MainUnit {

namespace {

// A step m x 10^e with m 1, 2 or 5.
struct TStep {
    int Mantissa = 1;
    int Exponent = 0;
};

long double PowerOfTen(int Exponent) { return std::pow(10.0L, static_cast<long double>(Exponent)); }

// k x m x 10^e, with one rounding for a negative e: 10^-e is exact.
long double TickValue(long double K, const TStep& S)
{
    const long double Units = K * S.Mantissa;
    return S.Exponent >= 0 ? Units * PowerOfTen(S.Exponent) : Units / PowerOfTen(-S.Exponent);
}

// How far past an end of the axis a tick may lie, as a part of its span:
// results that stop just short of a round value (99.9999 for 100) still
// get their tick there, which no picture can tell from the end.
constexpr long double EndTolerance = 1e-3L;

// The first and last multiple k of the step inside [From, To], widened by
// the tolerance.
void TickRange(double From, double To, const TStep& S, long double& First, long double& Last)
{
    const long double Step = TickValue(1, S);
    const long double Slack = (static_cast<long double>(To) - From) * EndTolerance;
    const long double Low = From - Slack, High = To + Slack;
    First = std::ceil(Low / Step);
    Last = std::floor(High / Step);
    // The quotients are rounded: a multiple just outside may have slipped in.
    if (TickValue(First, S) < Low) First += 1;
    if (TickValue(Last, S) > High) Last -= 1;
}

long double TickCount(double From, double To, const TStep& S)
{
    long double First = 0, Last = 0;
    TickRange(From, To, S, First, Last);
    return Last - First + 1;
}

std::string Trimmed(std::string Text)
{
    const std::size_t Point = Text.find('.');
    if (Point == std::string::npos) return Text;
    const std::size_t End = Text.find_last_not_of('0');
    Text.erase(End == Point ? Point : End + 1);
    return Text;
}

std::string FixedText(double Value, int Decimals)
{
    char Buffer[400];
    const auto Result =
        std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::fixed, Decimals);
    std::string Text = Trimmed(std::string(Buffer, Result.ptr));
    return Text == "-0" ? "0" : Text;
}

// d.dddEx in the way the window writes numbers: E, a minus sign only for a
// negative exponent, no leading zeros.
std::string ScientificText(double Value, int Decimals)
{
    if (Value == 0) return "0";
    char Buffer[64];
    const auto Result = std::to_chars(Buffer, Buffer + sizeof Buffer, Value,
                                      std::chars_format::scientific, Decimals);
    const std::string Text(Buffer, Result.ptr);
    const std::size_t E = Text.find('e');
    const int Exponent = std::stoi(Text.substr(E + 1));
    return Trimmed(Text.substr(0, E)) + "E" + std::to_string(Exponent);
}

std::size_t LongestText(const std::vector<TTick>& Ticks)
{
    std::size_t Longest = 0;
    for (const TTick& T : Ticks)
        Longest = std::max(Longest, T.Text.size());
    return Longest;
}

// Fixed notation with the step's decimals, or scientific with the digits
// from the largest tick down to the step where that makes the longest label
// shorter by two characters or more (0.001 reads better than 1E-3).
void WriteTexts(std::vector<TTick>& Ticks, const TStep& S)
{
    const int Decimals = std::max(0, -S.Exponent);
    std::vector<TTick> Fixed = Ticks, Scientific = Ticks;
    double Largest = 0;
    for (const TTick& T : Ticks)
        Largest = std::max(Largest, std::fabs(T.Value));
    const int Top = Largest > 0 ? static_cast<int>(std::floor(std::log10(Largest))) : 0;
    const int Digits = std::clamp(Top - S.Exponent, 0, 17);
    for (std::size_t I = 0; I < Ticks.size(); ++I) {
        Fixed[I].Text =
            Decimals <= 340 ? FixedText(Ticks[I].Value, Decimals) : std::string(400, '0');
        Scientific[I].Text = ScientificText(Ticks[I].Value, Digits);
    }
    Ticks = LongestText(Scientific) + 2 <= LongestText(Fixed) ? Scientific : Fixed;
}

}  // namespace

std::vector<TTick> AxisTicks(double From, double To)
{
    const long double Span = static_cast<long double>(To) - From;
    if (!(Span > 0.0L) || !std::isfinite(Span) || !std::isfinite(From) || !std::isfinite(To))
        return {};
    const int Order = static_cast<int>(std::floor(std::log10(Span)));
    TStep Chosen;
    long double ChosenCount = -1;
    // From coarse to fine: the first step with 4 to 8 ticks wins; failing
    // that, the first with more than 8.
    TStep Finer;
    bool HaveFiner = false;
    for (int Exponent = Order + 1; Exponent >= Order - 2 && ChosenCount < 0; --Exponent) {
        for (const int Mantissa : {5, 2, 1}) {
            const TStep S{Mantissa, Exponent};
            const long double Count = TickCount(From, To, S);
            if (Count >= 4 && Count <= 8) {
                Chosen = S;
                ChosenCount = Count;
                break;
            }
            if (Count > 8 && !HaveFiner) {
                Finer = S;
                HaveFiner = true;
            }
        }
    }
    if (ChosenCount < 0) {
        if (!HaveFiner) return {};
        Chosen = Finer;
    }
    long double First = 0, Last = 0;
    TickRange(From, To, Chosen, First, Last);
    // Ticks so far from zero that neighbours share a double cannot be told apart.
    if (!(Last - First < 16) || std::fabs(First) > 1e17L || std::fabs(Last) > 1e17L) return {};
    std::vector<TTick> Ticks;
    const int Count = static_cast<int>(Last - First) + 1;
    Ticks.reserve(static_cast<std::size_t>(std::max(Count, 0)));
    for (int I = 0; I < Count; ++I)
        Ticks.push_back({static_cast<double>(TickValue(First + I, Chosen)), {}});
    for (std::size_t I = 1; I < Ticks.size(); ++I)
        if (!(Ticks[I].Value > Ticks[I - 1].Value)) return {};
    WriteTexts(Ticks, Chosen);
    return Ticks;
}

}  // namespace MainUnit
