#include "MainUnit/Text/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace MainUnit {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

std::size_t SkipBlanks(std::string_view Text)
{
    std::size_t I = 0;
    while (I < Text.size() && Text[I] == ' ')
        ++I;
    return I;
}

// The pieces of a real number as typed, before any conversion.
struct TRealParts {
    bool Negative = false;
    std::string Digits;        // mantissa digits without the point
    long long PointShift = 0;  // digits after the point
    long long Exponent = 0;    // saturated far beyond the double range
};

// Mantissa digits, with at most one point among them, from I on; true when
// there was at least a digit or a point.
bool SplitMantissa(std::string_view Text, std::size_t& I, TRealParts& Parts)
{
    bool SeenPoint = false, SeenMantissa = false;
    for (; I < Text.size(); ++I) {
        if (IsDigit(Text[I])) {
            Parts.Digits += Text[I];
            if (SeenPoint) ++Parts.PointShift;
        } else if (Text[I] == '.' && !SeenPoint) {
            SeenPoint = true;
        } else {
            break;
        }
        SeenMantissa = true;
    }
    return SeenMantissa;
}

// The exponent after the "E" or "e" at Text[I - 1]: an optional sign and at
// least one digit; false when no digit follows.
bool SplitExponent(std::string_view Text, std::size_t& I, TRealParts& Parts)
{
    bool NegativeExponent = false;
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) {
        NegativeExponent = Text[I] == '-';
        ++I;
    }
    const std::size_t First = I;
    for (; I < Text.size() && IsDigit(Text[I]); ++I)
        if (Parts.Exponent < 1000000000) Parts.Exponent = Parts.Exponent * 10 + (Text[I] - '0');
    if (NegativeExponent) Parts.Exponent = -Parts.Exponent;
    return I != First;
}

bool SplitReal(std::string_view Text, TRealParts& Parts)
{
    std::size_t I = SkipBlanks(Text);
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) {
        Parts.Negative = Text[I] == '-';
        ++I;
    }
    const bool SeenMantissa = SplitMantissa(Text, I, Parts);
    bool SeenExponent = false;
    if (I < Text.size() && (Text[I] == 'e' || Text[I] == 'E')) {
        ++I;
        if (!SplitExponent(Text, I, Parts)) return false;
        SeenExponent = true;
    }
    // Nothing may follow, and a sign alone (or nothing at all) is no number.
    return I == Text.size() && (SeenMantissa || SeenExponent);
}

}  // namespace

bool ReadReal(std::string_view Text, double& Value)
{
    TRealParts Parts;
    if (!SplitReal(Text, Parts)) return false;
    std::size_t FirstNonZero = Parts.Digits.find_first_not_of('0');
    if (FirstNonZero == std::string::npos) {
        Value = Parts.Negative ? -0.0 : 0.0;
        return true;
    }
    std::string Normal = Parts.Digits.substr(FirstNonZero);
    // Value = 0.Normal × 10^Magnitude; exponents are saturated so this cannot wrap.
    long long Exponent = Parts.Exponent - Parts.PointShift;
    long long Magnitude = static_cast<long long>(Normal.size()) + Exponent;
    Normal += 'e';
    Normal += std::to_string(Exponent);
    double Result = 0.0;
    auto [End, Error] = std::from_chars(Normal.data(), Normal.data() + Normal.size(), Result);
    if (Error == std::errc::result_out_of_range) {
        if (Magnitude > 0) return false;  // beyond the largest double
        Result = 0.0;                     // too small for a double: underflows to 0
    } else if (Error != std::errc() || End != Normal.data() + Normal.size()) {
        return false;
    }
    Value = Parts.Negative ? -Result : Result;
    return true;
}

bool ReadInteger(std::string_view Text, int32_t& Value)
{
    std::size_t I = SkipBlanks(Text);
    bool Negative = false;
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) {
        Negative = Text[I] == '-';
        ++I;
    }
    int Base = 10;
    if (I < Text.size() && (Text[I] == '$' || Text[I] == 'x' || Text[I] == 'X')) {
        Base = 16;
        ++I;
    } else if (I + 1 < Text.size() && Text[I] == '0' &&
               (Text[I + 1] == 'x' || Text[I + 1] == 'X')) {
        Base = 16;
        I += 2;
    }
    if (I == Text.size()) return false;
    // from_chars accepts no sign here (checked above) and stops at the first
    // character that is not a digit of the base; the whole rest must be digits.
    uint64_t Magnitude = 0;
    auto [End, Error] =
        std::from_chars(Text.data() + I, Text.data() + Text.size(), Magnitude, Base);
    if (Error != std::errc() || End != Text.data() + Text.size()) return false;
    const uint64_t Limit = Negative ? 2147483648ULL : 2147483647ULL;
    if (Magnitude > Limit) return false;
    Value = static_cast<int32_t>(Negative ? -static_cast<int64_t>(Magnitude)
                                          : static_cast<int64_t>(Magnitude));
    return true;
}

std::string FormatReal(long double Value)
{
    if (std::isnan(Value)) return "NAN";
    if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
    if (Value == 0.0) return "0";  // -0 too
    // The general format of 15 significant digits chooses the notation on the
    // rounded value and drops trailing zeros and a bare point already; only
    // its exponent is written differently: "1.5e+20" becomes "1.5E20", "1e-05"
    // becomes "1E-5".
    char Buffer[64];
    const auto [End, Error] =
        std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::general, 15);
    if (Error != std::errc()) return "0";
    const std::string_view Text(Buffer, static_cast<std::size_t>(End - Buffer));
    const std::size_t EPos = Text.find('e');
    if (EPos == std::string_view::npos) return std::string(Text);
    std::string Out(Text.substr(0, EPos));
    Out += 'E';
    if (Text[EPos + 1] == '-') Out += '-';
    std::string_view Exponent = Text.substr(EPos + 2);  // the sign is always written
    while (Exponent.size() > 1 && Exponent.front() == '0')
        Exponent.remove_prefix(1);
    Out += Exponent;
    // The very top of the double range rounds up, at 15 digits, past the
    // largest double; written so, it would never read back. Such values are
    // written rounded down instead.
    if ((Out == "1.79769313486232E308" || Out == "-1.79769313486232E308") &&
        std::fabs(Value) <= static_cast<long double>(std::numeric_limits<double>::max()))
        Out[Out.find('E') - 1] = '1';
    return Out;
}

}  // namespace MainUnit
