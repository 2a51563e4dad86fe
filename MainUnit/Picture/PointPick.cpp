#include "MainUnit/Picture/PointPick.h"

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/Internal/PointPlace.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace MainUnit {

namespace {

struct TRecord {
    const int32_t* Indexes;
    int32_t Width;
    int32_t Height;
};

int32_t RecordedAt(const TRecord& Record, int32_t X, int32_t Y)
{
    return Record.Indexes[static_cast<size_t>(Y) * static_cast<size_t>(Record.Width) +
                          static_cast<size_t>(X)];
}

bool Inside(const TRecord& Record, int32_t X, int32_t Y)
{
    return X >= 0 && Y >= 0 && X < Record.Width && Y < Record.Height;
}

std::string Shortest(double Value)
{
    std::array<char, 32> Text{};
    const auto Result = std::to_chars(Text.data(), Text.data() + Text.size(), Value);
    return {Text.data(), Result.ptr};
}

std::string YText(double Y) { return IsUndefinedY(Y) ? std::string("undefined") : Shortest(Y); }

std::string Decimal(int32_t Value) { return std::to_string(Value); }

}  // namespace

int32_t PickPoint(const int32_t* Indexes, int32_t Width, int32_t Height, int32_t X, int32_t Y)
{
    const TRecord Record{Indexes, Width, Height};
    if (Indexes == nullptr || !Inside(Record, X, Y)) return NoPoint;
    if (const int32_t Here = RecordedAt(Record, X, Y); Here != NoPoint) return Here;
    int32_t Best = NoPoint;
    int32_t BestSquare = PickReach * PickReach + 1;
    for (int32_t DY = -PickReach; DY <= PickReach; ++DY) {
        for (int32_t DX = -PickReach; DX <= PickReach; ++DX) {
            const int32_t Square = DX * DX + DY * DY;
            if (Square >= BestSquare || !Inside(Record, X + DX, Y + DY)) continue;
            const int32_t Index = RecordedAt(Record, X + DX, Y + DY);
            if (Index == NoPoint) continue;
            Best = Index;
            BestSquare = Square;
        }
    }
    return Best;
}

std::string PointReading(const Proc3D::TPoint3D& Point)
{
    return "x = " + Shortest(Point.X) + ", y = " + YText(Point.Y) + ", z = " + Shortest(Point.Z);
}

std::string PickLine(int32_t X, int32_t Y, const TResultSet& Results, int32_t Index)
{
    std::string Line = "pick " + Decimal(X) + "," + Decimal(Y) + ": ";
    if (Index < 0 || static_cast<size_t>(Index) >= Results.Points.size()) return Line + "none";
    const Proc3D::TPoint3D& P = Results.Points[static_cast<size_t>(Index)];
    return Line + "x=" + Shortest(P.X) + " y=" + YText(P.Y) + " z=" + Shortest(P.Z);
}

TRefusal ReadPickOption(std::string_view Value, int32_t& X, int32_t& Y)
{
    constexpr TRefusal Refusal = TRefusal::PickOption;
    const size_t Comma = Value.find(',');
    if (Comma == std::string_view::npos) return Refusal;
    const std::string_view Parts[2] = {Value.substr(0, Comma), Value.substr(Comma + 1)};
    int32_t Read[2] = {0, 0};
    for (int I = 0; I < 2; ++I) {
        const char* End = Parts[I].data() + Parts[I].size();
        const auto [Stop, Error] = std::from_chars(Parts[I].data(), End, Read[I]);
        if (Parts[I].empty() || Error != std::errc() || Stop != End) return Refusal;
    }
    X = Read[0];
    Y = Read[1];
    return TRefusal::None;
}

TPickRefusal CheckPickInside(int32_t X, int32_t Y, int32_t Width, int32_t Height)
{
    if (X >= 0 && Y >= 0 && X < Width && Y < Height) return {};
    using L = long double;
    return {TRefusal::PickOutside, {L(X), L(Y), L(Width), L(Height)}};
}

}  // namespace MainUnit
