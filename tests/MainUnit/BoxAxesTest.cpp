// The axes' layout: values of different axes never crowd one another,
// whichever corner they share.
#include "MainUnit/Picture/BoxAxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace MainUnit;

TResultSet Box(double X0, double X1, double Y0, double Y1, double Z0, double Z1)
{
    TResultSet R;
    R.XIntervalFrom = X0, R.XIntervalTo = X1, R.YIntervalFrom = Y0, R.YIntervalTo = Y1;
    R.ZIntervalFrom = Z0, R.ZIntervalTo = Z1;
    return R;
}

// Pixels of clear space between two labels, along whichever way they are
// apart (negative when they overlap).
int Apart(const TAxesLabel& A, const TAxesLabel& B)
{
    const int Across = std::max(B.Left - (A.Left + A.Width), A.Left - (B.Left + B.Width));
    const int Along = std::max(B.Top - (A.Top + A.Height), A.Top - (B.Top + B.Height));
    return std::max(Across, Along);
}

TEST(BoxAxes, ValuesOfDifferentAxesKeepATextHeightApart)
{
    // The box of the "10 10", the ripple's and one with unequal
    // sides, from views all round, near and far, above and below.
    const TResultSet Boxes[] = {Box(-10, 10, 0, 1, -10, 10), Box(-10, 10, -1, 1, -10, 10),
                                Box(0, 4, -100, 100, -2, 10)};
    const TMeasureText Measure = [](const std::string& Text) {
        return TTextSize{7 * static_cast<int32_t>(Text.size()), 14};
    };
    int Pairs = 0;
    for (const TResultSet& R : Boxes) {
        for (const bool Scaled : {true, false}) {
            const TBoxMapping Edges = AxesBox(R, Scaled);
            const double Radius =
                Scaled ? Edges.Radius : std::hypot(20.0, 100.0) + std::hypot(10.0, 10.0);
            for (double Hor = -3.0; Hor < 3.2; Hor += 0.35) {
                for (const double Ver : {-0.6, 0.25, 0.5, 0.9}) {
                    Proc3D::TPoint3D Camera{};
                    Proc3D::TViewPlane View{};
                    ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, 505, 404, Ver, Hor, 300 / 2.5,
                                                      2.5 * Radius, View));
                    const TAxesDrawing D = LayOutBoxAxes(View, Edges, 505, 404, Measure, 5, 3);
                    for (size_t I = 0; I < D.Labels.size(); ++I) {
                        for (size_t J = I + 1; J < D.Labels.size(); ++J) {
                            const TAxesLabel &A = D.Labels[I], &B = D.Labels[J];
                            const int Need = A.Axis == B.Axis ? 2 : 14;
                            EXPECT_GE(Apart(A, B), Need) << "'" << A.Text << "' and '" << B.Text
                                                         << "' at " << Hor << ", " << Ver;
                            Pairs += A.Axis != B.Axis;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(Pairs, 1000);
}

}  // namespace
