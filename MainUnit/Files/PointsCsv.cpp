#include "MainUnit/Files/PointsCsv.h"

#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace MainUnit {

namespace {

constexpr std::size_t BufferSize = PointsCsvBufferBytes;
// The longest line: three shortest doubles (at most 24 characters each), two
// commas and CR LF.
constexpr std::size_t LongestLine = 3 * 24 + 2 + 2;

char* PutNumber(char* Out, char* End, double Value)
{
    // The shortest round-trip form; to_chars never consults the locale.
    return std::to_chars(Out, End, Value).ptr;
}

}  // namespace

bool WritePointsCsv(const TResultSet& Results, const TChunkWriter& Write)
{
    std::array<char, BufferSize> Buffer;
    char* const Begin = Buffer.data();
    char* const End = Begin + Buffer.size();
    constexpr char Header[] = "x,y,z\r\n";
    std::memcpy(Begin, Header, sizeof Header - 1);
    char* Out = Begin + (sizeof Header - 1);

    const std::size_t Count =
        Results.PointCount > 0
            ? std::min(static_cast<std::size_t>(Results.PointCount), Results.Points.size())
            : 0;
    for (std::size_t I = 0; I < Count; ++I) {
        if (static_cast<std::size_t>(End - Out) < LongestLine) {
            if (!Write(Begin, static_cast<std::size_t>(Out - Begin))) return false;
            Out = Begin;
        }
        const Proc3D::TPoint3D& Point = Results.Points[I];
        Out = PutNumber(Out, End, Point.X);
        *Out++ = ',';
        if (Point.Y != SolveExp::UndefinedValue) Out = PutNumber(Out, End, Point.Y);
        *Out++ = ',';
        Out = PutNumber(Out, End, Point.Z);
        *Out++ = '\r';
        *Out++ = '\n';
    }
    return Write(Begin, static_cast<std::size_t>(Out - Begin));
}

}  // namespace MainUnit
