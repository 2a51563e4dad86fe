// The graph picture painted the slow way, point by point from the rules of
// the repaint, to compare the window's picture with.
#pragma once

#include "MainUnit/ResultSet.h"
#include "Proc3D/Proc3D.h"
#include "SolveExp/SolveExp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

inline long double ReferenceDistance(const Proc3D::TPoint3D& A, const Proc3D::TPoint3D& B)
{
    const long double DX = (long double)A.X - B.X, DY = (long double)A.Y - B.Y,
                      DZ = (long double)A.Z - B.Z;
    return std::sqrt(DX * DX + DY * DY + DZ * DZ);
}

// Row-major 0x00BBGGRR pixels of a Width x Height picture.
inline std::vector<uint32_t> ReferenceGraph(const MainUnit::TResultSet& R,
                                            const Proc3D::TViewPlane& View, int Width, int Height,
                                            bool ShowUndefined, bool UseDepth)
{
    std::vector<uint32_t> Pixels(size_t(Width) * Height, 0);
    std::vector<float> Depth(size_t(Width) * Height, 0.0f);
    const long double Span = (long double)R.YIntervalTo - R.YIntervalFrom;
    const long double Scale = Span > 0 ? (1535 - 60) / Span : 0;
    long double Near = 0, Far = 0;
    bool First = true;
    for (double X : {R.XIntervalFrom, R.XIntervalTo})
        for (double Y : {R.YIntervalFrom, R.YIntervalTo})
            for (double Z : {R.ZIntervalFrom, R.ZIntervalTo}) {
                const long double D = ReferenceDistance(View.Camera, {X, Y, Z});
                Near = First ? D : std::min(Near, D);
                Far = First ? D : std::max(Far, D);
                First = false;
            }
    const long double A = Far > Near ? 205 / (Far - Near) : 0;
    const long double B = Far > Near ? Near * 205 / (Far - Near) : 0;
    for (int32_t I = 0; I < R.PointCount; ++I) {
        Proc3D::TPoint3D P = R.Points[size_t(I)];
        uint32_t Color = 0xFFFFFF;
        if (P.Y == SolveExp::UndefinedValue) {
            if (!ShowUndefined) continue;
            P.Y = 0;
        } else {
            if (P.Y > R.YIntervalTo || P.Y < R.YIntervalFrom) continue;
            Color = Proc3D::HeightColor(uint32_t(((long double)P.Y - R.YIntervalFrom) * Scale));
        }
        int32_t X = 0, Y = 0;
        if (!Proc3D::ProjectPoint(View, P, X, Y) || X < 0 || Y < 0 || X >= Width || Y >= Height)
            continue;
        if (UseDepth) {
            const long double D = ReferenceDistance(View.Camera, P);
            float& Entry = Depth[size_t(X) * Height + Y];
            if (Entry != 0 && D >= Entry) continue;
            Entry = D > 3.4e38L ? 3.4e38f : float(D);
            const long double F = std::clamp(A * D - B, 0.0L, 255.0L);
            Color = Proc3D::ShadeColor(Color, uint8_t(F));
        }
        Pixels[size_t(Y) * Width + X] = Color;
    }
    return Pixels;
}
