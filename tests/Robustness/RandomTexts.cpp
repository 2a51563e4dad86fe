#include "RandomTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

const std::array<const char*, 22> LimitNumbers = {"1.7976931348623157e308",
                                                  "-1.7976931348623157E+308",
                                                  "1.7e308",
                                                  "-1e308",
                                                  "1e400",
                                                  "-1E999",
                                                  "4.9e-324",
                                                  "-4.9E-324",
                                                  "2.2250738585072014e-308",
                                                  "1e-400",
                                                  "9223372036854775807",
                                                  "-9223372036854775808",
                                                  "18446744073709551616",
                                                  "2147483647",
                                                  "-2147483648",
                                                  "2147483648",
                                                  "4294967295",
                                                  "0x7FFFFFFF",
                                                  "$80000000",
                                                  "-0",
                                                  "0",
                                                  "1e15"};

const std::array<const char*, 9> Functions = {"sin",  "cos",  "exp",  "loge", "fac",
                                              "asin", "acos", "sqrt", "abs"};

// Letters beyond ASCII: Latin-1 ones reach the expression unit as single
// bytes above 127, the others as '?'.
const std::array<const char*, 10> ForeignLetters = {"é", "ü", "ř",  "ž", "Ä",
                                                    "ß", "Ø", "中", "я", "😀"};

}  // namespace

QString TRandomTexts::SmallReal(double Low, double High)
{
    const double V = std::uniform_real_distribution<double>(Low, High)(Rng);
    // Whole, one decimal, short, scientific and round-trip forms.
    static constexpr const char* Formats[] = {"%.0f", "%.1f", "%.6g", "%.3e", "%.17g"};
    char Text[48];
    std::snprintf(Text, sizeof Text, Formats[Between(0, 4)], V);
    return QString::fromLatin1(Text);
}

QString TRandomTexts::NearLimits()
{
    return QString::fromLatin1(
        LimitNumbers[static_cast<size_t>(Between(0, LimitNumbers.size() - 1))]);
}

QString TRandomTexts::PointCount()
{
    const int64_t Kind = Between(0, 99);
    if (Kind < 75) return QString::number(Between(11, 300));
    if (Kind < 85) {
        static const char* const Edges[] = {"10",  "11",  "999999", "1000000", "0x20",
                                            "$1F", " 64", "50.0",   "-5",      "x"};
        return QString::fromLatin1(Edges[Between(0, 9)]);
    }
    if (Kind < 90) return NearLimits();
    return AnyText();
}

QString TRandomTexts::IntervalEnd(bool MayBeEmpty)
{
    const int64_t Kind = Between(0, 99);
    if (MayBeEmpty && Kind < 35) return QString();
    if (Kind < 75) return SmallReal(-20, 20);
    if (Kind < 85) return NearLimits();
    if (Kind < 90) return SmallReal(-1e-6, 1e-6);
    return AnyText();
}

QString TRandomTexts::ViewValue(int Which)
{
    const int64_t Kind = Between(0, 99);
    if (Kind < 80) {
        switch (Which) {
        case 0:
            return SmallReal(-7, 7);
        case 1:
            return SmallReal(-1.7, 1.7);
        case 2:
            return SmallReal(0, 120);
        default:
            return SmallReal(-5, 400);
        }
    }
    if (Kind < 90) return NearLimits();
    return AnyText();
}

QString TRandomTexts::Operand(int Depth, int& Letters)
{
    const int64_t Kind = Between(0, Depth < 3 ? 6 : 2);
    if (Kind == 0 && Letters < 12) {
        ++Letters;
        return QString::fromLatin1(Chance(0.5) ? (Chance(0.8) ? "x" : "X")
                                               : (Chance(0.8) ? "z" : "Z"));
    }
    if (Kind <= 2) return Chance(0.05) ? NearLimits() : SmallReal(0, 10);
    if (Kind == 3)
        return QStringLiteral("(") + WellFormed(Depth + 1, Letters) + QStringLiteral(")");
    const char* Name = Functions[static_cast<size_t>(Between(0, Functions.size() - 1))];
    QString Call = QString::fromLatin1(Name);
    if (Chance(0.2)) Call = Call.toUpper();
    return Call + QStringLiteral("(") + WellFormed(Depth + 1, Letters) + QStringLiteral(")");
}

QString TRandomTexts::WellFormed(int Depth, int& Letters)
{
    QString Text = Chance(0.15) ? QStringLiteral("-") : QString();
    Text += Operand(Depth, Letters);
    const int64_t More = Between(0, Depth == 0 ? 4 : 2);
    for (int64_t I = 0; I < More; ++I) {
        Text += QChar::fromLatin1("+-*/"[Between(0, 3)]);
        if (Chance(0.1)) Text += QLatin1Char(' ');
        Text += Operand(Depth, Letters);
    }
    return Text;
}

QString TRandomTexts::Mutated(QString Text)
{
    const int64_t Position = Between(0, Text.size());
    switch (Between(0, 2)) {
    case 0:
        if (!Text.isEmpty()) Text.remove(std::min<int64_t>(Position, Text.size() - 1), 1);
        break;
    case 1:
        Text.insert(Position, QChar::fromLatin1("()+-*/.eExz, 1"[Between(0, 13)]));
        break;
    default:
        Text.insert(Position,
                    QString::fromUtf8(ForeignLetters[Between(0, ForeignLetters.size() - 1)]));
    }
    return Text;
}

QString TRandomTexts::WellFormedExpression()
{
    int Letters = 0;
    QString Text;
    do {
        Letters = 0;
        Text = WellFormed(0, Letters);
    } while (Letters > 10 || Text.size() > 255);
    return Text;
}

QString TRandomTexts::Expression()
{
    int Letters = 0;
    const int64_t Kind = Between(0, 99);
    if (Kind < 65) return WellFormed(0, Letters);
    if (Kind < 85) return Mutated(WellFormed(0, Letters));
    if (Kind < 90)  // more than ten parameter letters
        return QStringLiteral("x+z+x+z+x+z+x+z+x+z+x");
    return AnyText();
}

QString TRandomTexts::AnyText()
{
    QString Text;
    switch (Between(0, 7)) {
    case 0:
        return QString();
    case 1:
        return QString(static_cast<int>(Between(1, 4)), QLatin1Char(' '));
    case 2:
        for (int64_t I = Between(1, 30); I > 0; --I)
            Text += QChar::fromLatin1(static_cast<char>(Between(32, 126)));
        return Text;
    case 3:
        for (int64_t I = Between(1, 25); I > 0; --I)
            Text += QChar::fromLatin1("0123456789+-.eE"[Between(0, 14)]);
        return Text;
    case 4:
        for (int64_t I = Between(1, 12); I > 0; --I)
            Text += QString::fromUtf8(ForeignLetters[Between(0, ForeignLetters.size() - 1)]);
        return Text;
    case 5: {  // very long: beyond the 255 characters of an expression
        const QChar Fill = QChar::fromLatin1("1x(+ "[Between(0, 4)]);
        return QString(static_cast<int>(Between(250, 3000)), Fill);
    }
    case 6:
        return NearLimits();
    default:
        for (int64_t I = Between(1, 20); I > 0; --I)
            Text += QChar(static_cast<char16_t>(Between(1, 0x2FFF)));
        return Text;
    }
}
