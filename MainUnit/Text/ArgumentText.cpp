#include "MainUnit/Text/ArgumentText.h"

#include <cstdint>

namespace MainUnit {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The code point of the valid UTF-8 sequence at the start of Bytes and its
// length, or length 0 when it is not one (overlong forms, surrogates and
// code points beyond U+10FFFF are not valid).
std::size_t ReadSequence(std::string_view Bytes, char32_t& Code)
{
    const auto Lead = static_cast<uint8_t>(Bytes[0]);
    std::size_t Length = 0;
    if (Lead < 0x80) {
        Code = Lead;
        return 1;
    }
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Length = 2;
        Code = Lead & 0x1Fu;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Length = 3;
        Code = Lead & 0x0Fu;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Length = 4;
        Code = Lead & 0x07u;
    } else {
        return 0;
    }
    if (Bytes.size() < Length) return 0;
    for (std::size_t I = 1; I < Length; ++I) {
        const auto Next = static_cast<uint8_t>(Bytes[I]);
        if ((Next & 0xC0u) != 0x80u) return 0;
        Code = (Code << 6) | (Next & 0x3Fu);
    }
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (Code < Smallest[Length] || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) return 0;
    return Length;
}

void AppendUtf8(std::string& Out, char32_t Code)
{
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Out += static_cast<char>(0xC0 | (Code >> 6));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else if (Code < 0x10000) {
        Out += static_cast<char>(0xE0 | (Code >> 12));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (Code >> 18));
        Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

}  // namespace

std::u16string DecodeArgument(std::string_view Bytes)
{
    std::u16string Text;
    while (!Bytes.empty()) {
        char32_t Code = 0;
        std::size_t Length = ReadSequence(Bytes, Code);
        if (Length == 0) {
            Code = EscapeBase + static_cast<uint8_t>(Bytes[0]);
            Length = 1;
        }
        if (Code >= 0x10000) {
            Text += static_cast<char16_t>(0xD800 + ((Code - 0x10000) >> 10));
            Text += static_cast<char16_t>(0xDC00 + ((Code - 0x10000) & 0x3FF));
        } else {
            Text += static_cast<char16_t>(Code);
        }
        Bytes.remove_prefix(Length);
    }
    return Text;
}

std::string EncodeArgument(std::u16string_view Text)
{
    std::string Bytes;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const char16_t Unit = Text[I];
        const bool High = Unit >= 0xD800 && Unit <= 0xDBFF;
        if (High && I + 1 < Text.size() && Text[I + 1] >= 0xDC00 && Text[I + 1] <= 0xDFFF) {
            AppendUtf8(Bytes, 0x10000 + ((char32_t(Unit) - 0xD800) << 10) + (Text[I + 1] - 0xDC00));
            ++I;
        } else if (Unit >= EscapeBase + 0x80 && Unit <= EscapeBase + 0xFF) {
            Bytes += static_cast<char>(Unit - EscapeBase);
        } else if (Unit >= 0xD800 && Unit <= 0xDFFF) {
            Bytes += '?';
        } else {
            AppendUtf8(Bytes, Unit);
        }
    }
    return Bytes;
}

}  // namespace MainUnit
