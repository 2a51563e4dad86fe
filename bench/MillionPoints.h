// The benchmarks' result set: a 1000 x 1000 grid of sin(x) * cos(z) over
// [-10, 10]^2, made once.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"

#include <cmath>

inline const MainUnit::TResultSet& MillionPoints()
{
    static const MainUnit::TResultSet Results = [] {
        MainUnit::TResultSet R;
        R.XIntervalFrom = R.ZIntervalFrom = -10;
        R.XIntervalTo = R.ZIntervalTo = 10;
        R.YIntervalFrom = -1;
        R.YIntervalTo = 1;
        R.Points.resize(1000000);
        for (int I = 0; I < 1000; ++I) {
            for (int J = 0; J < 1000; ++J) {
                const double X = -10 + I * (20.0 / 999), Z = -10 + J * (20.0 / 999);
                R.Points[I * 1000 + J] = {X, std::sin(X) * std::cos(Z), Z};
            }
        }
        R.PointCount = 1000000;
        R.BoundingRadius = std::sqrt(201.0);
        return R;
    }();
    return Results;
}
