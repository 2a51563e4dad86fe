// Fuzz target: the number reading and writing of the window's fields.
//
// The whole input is read as a real and as an integer; each answer is
// checked against the number syntax decided here independently, and every
// value read or taken raw from the input must be written so that it reads
// back to the same text.
#include "FuzzCheck.h"
#include "MainUnit/Text/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

using FuzzCheck::Require;

bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsHexDigit(char C) { return IsDigit(C) || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F'); }

std::size_t SkipBlanks(std::string_view Text)
{
    std::size_t I = 0;
    while (I < Text.size() && Text[I] == ' ')
        ++I;
    return I;
}

// The syntax of a real: blanks, sign, digits with one point, exponent with
// at least one digit, nothing after; something besides the sign is needed.
// Tells whether the mantissa has a digit at all.
bool IsRealText(std::string_view Text, bool& HasMantissaDigit)
{
    std::size_t I = SkipBlanks(Text);
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) ++I;
    std::size_t Start = I;
    bool Point = false;
    HasMantissaDigit = false;
    for (; I < Text.size(); ++I) {
        if (IsDigit(Text[I]))
            HasMantissaDigit = true;
        else if (Text[I] == '.' && !Point)
            Point = true;
        else
            break;
    }
    bool Something = I > Start;
    if (I < Text.size() && (Text[I] == 'e' || Text[I] == 'E')) {
        ++I;
        if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) ++I;
        std::size_t Digits = I;
        while (I < Text.size() && IsDigit(Text[I]))
            ++I;
        if (I == Digits) return false;
        Something = true;
    }
    return Something && I == Text.size();
}

void CheckReadReal(std::string_view Text)
{
    const double Untouched = 12345.678;
    double Value = Untouched;
    bool Read = MainUnit::ReadReal(Text, Value);
    bool HasMantissaDigit = false;
    if (!IsRealText(Text, HasMantissaDigit)) {
        Require(!Read, "ReadReal accepted a text outside the number syntax", Text);
        Require(Value == Untouched, "ReadReal changed the value of a refused text", Text);
        return;
    }
    std::string Trimmed(Text.substr(SkipBlanks(Text)));
    if (!HasMantissaDigit) {  // "." or an exponent alone: zero
        Require(Read && Value == 0.0, "a mantissa without digits must read as 0", Text);
        return;
    }
    errno = 0;
    double Expected = std::strtod(Trimmed.c_str(), nullptr);  // C locale: "." is the point
    if (std::isinf(Expected)) {
        Require(!Read, "a real beyond the double range was accepted", Text);
        Require(Value == Untouched, "ReadReal changed the value of a refused text", Text);
        return;
    }
    Require(Read, "ReadReal refused a valid real", Text);
    if (std::fabs(Expected) < std::numeric_limits<double>::min()) {
        // Too small for a normal double: 0 or a subnormal, with the right sign.
        Require(std::fabs(Value) < std::numeric_limits<double>::min(),
                "tiny real read as a normal number", Text);
        Require(Value == 0.0 || std::signbit(Value) == std::signbit(Expected),
                "tiny real read with the wrong sign", Text);
        return;
    }
    Require(Value == Expected, "ReadReal is not the nearest double", Text);
}

void CheckReadInteger(std::string_view Text)
{
    const int32_t Untouched = 424242;
    int32_t Value = Untouched;
    bool Read = MainUnit::ReadInteger(Text, Value);
    // Independent reading: blanks, sign, decimal or "$" / "x" / "0x" hexadecimal.
    std::string_view Rest = Text.substr(SkipBlanks(Text));
    const bool Negative = Rest.starts_with('-');
    if (Negative || Rest.starts_with('+')) Rest.remove_prefix(1);
    unsigned Base = 10;
    for (const std::string_view Prefix : {"0x", "0X", "$", "x", "X"})
        if (Rest.starts_with(Prefix)) {
            Base = 16;
            Rest.remove_prefix(Prefix.size());
            break;
        }
    bool Valid = !Rest.empty();
    uint64_t Magnitude = 0;
    for (const char C : Rest) {
        if (!Valid) break;
        if (Base == 10 ? !IsDigit(C) : !IsHexDigit(C)) Valid = false;
        unsigned Digit = IsDigit(C) ? unsigned(C - '0') : unsigned((C | 0x20) - 'a' + 10);
        if (Magnitude <= (uint64_t{1} << 40))
            Magnitude = Magnitude * Base + Digit;  // saturates far above 2^31
    }
    Valid = Valid && Magnitude <= (Negative ? 2147483648ULL : 2147483647ULL);
    Require(Read == Valid, "ReadInteger disagrees on whether the text is a 32-bit integer", Text);
    if (!Valid) {
        Require(Value == Untouched, "ReadInteger changed the value of a refused text", Text);
        return;
    }
    int64_t Expected =
        Negative ? -static_cast<int64_t>(Magnitude) : static_cast<int64_t>(Magnitude);
    Require(Value == Expected, "ReadInteger read the wrong value", Text);
}

// The written form: "0", or -?digits[.digits]E-?exponent with at most 15
// significant digits, no trailing zero after the point, fixed notation
// exactly for 0.0001 <= |v| < 1e15; and it reads back to itself.
void CheckFormat(double Value)
{
    if (!std::isfinite(Value)) return;
    std::string Text = MainUnit::FormatReal(Value);
    std::string_view View(Text);
    Require(!View.empty(), "FormatReal wrote nothing", View);
    if (Value == 0.0) {
        Require(View == "0" || View == "-0", "zero is written 0", View);
        return;
    }
    std::size_t EPos = View.find('E');
    std::string_view Mantissa = View.substr(0, EPos);
    if (!Mantissa.empty() && Mantissa[0] == '-') Mantissa.remove_prefix(1);
    std::size_t Point = Mantissa.find('.');
    Require(Point != 0 && Point + 1 != Mantissa.size(), "a bare or leading point", View);
    Require(Point == std::string_view::npos || Mantissa.back() != '0',
            "trailing zero after the point", View);
    std::string Digits;
    for (char C : Mantissa)
        if (C != '.') {
            Require(IsDigit(C), "a character that is no digit in the mantissa", View);
            Digits += C;
        }
    std::size_t Lead = Digits.find_first_not_of('0');
    Require(Lead != std::string::npos, "a non-zero value written as zero", View);
    std::size_t Trail = Digits.find_last_not_of('0');
    Require(Trail - Lead + 1 <= 15, "more than 15 significant digits", View);
    if (EPos != std::string_view::npos) {
        Require(Point == std::string_view::npos ? Mantissa.size() == 1 : Point == 1,
                "scientific notation needs one digit before the point", View);
        std::string_view Exponent = View.substr(EPos + 1);
        if (!Exponent.empty() && Exponent[0] == '-') Exponent.remove_prefix(1);
        Require(!Exponent.empty() && Exponent[0] != '0', "exponent with a leading zero or none",
                View);
        int E = std::atoi(std::string(View.substr(EPos + 1)).c_str());
        Require(E < -4 || E >= 15, "scientific notation inside the fixed range", View);
    } else {
        std::size_t IntegerDigits = Point == std::string_view::npos ? Mantissa.size() : Point;
        Require(IntegerDigits <= 15, "fixed notation at 1e15 or above", View);
        Require(Lead <= 4, "fixed notation below 0.0001", View);
    }
    double Back = 0.0;
    Require(MainUnit::ReadReal(View, Back), "a written number does not read back", View);
    // Half a unit of the 15th digit, plus the rounding of the read-back value
    // (the top of the range is written rounded down, well within it).
    Require(std::fabs(Back - Value) <= 5.12e-15 * std::fabs(Value) + 5e-324,
            "a written number is not the value rounded to 15 digits", View);
    Require(MainUnit::FormatReal(Back) == Text, "writing the read-back value changes the text",
            View);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    std::string Text(reinterpret_cast<const char*>(Data), Size);
    CheckReadReal(Text);
    CheckReadInteger(Text);
    double Value = 0.0;
    if (MainUnit::ReadReal(Text, Value)) CheckFormat(Value);
    FuzzCheck::TInput Input{Data, Size};
    CheckFormat(Input.Take<double>());
    return 0;
}
