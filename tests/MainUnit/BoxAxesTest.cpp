// The axes' layout: values of different axes never crowd one another,
// whichever corner they share.
#include "MainUnit/Picture/BoxAxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace MainUnit;

TEST(BoxAxes, ValuesOfDifferentAxesKeepATextHeightApart)
{
    // The box of the "10 10", the ripple's and one with unequal
    // sides, scaled and not, from views all round, above and below.
    TResultSet Boxes[3];
    const double Limits[3][6] = {
        {-10, 10, 0, 1, -10, 10}, {-10, 10, -1, 1, -10, 10}, {0, 4, -100, 100, -2, 10}};
    for (int I = 0; I < 3; ++I) {
        TResultSet& R = Boxes[I];
        R.XIntervalFrom = Limits[I][0], R.XIntervalTo = Limits[I][1];
        R.YIntervalFrom = Limits[I][2], R.YIntervalTo = Limits[I][3];
        R.ZIntervalFrom = Limits[I][4], R.ZIntervalTo = Limits[I][5];
    }
    const TMeasureText Measure = [](const std::string& Text) {
        return TTextSize{7 * static_cast<int32_t>(Text.size()), 14};
    };
    int Pairs = 0;
    for (const TResultSet& R : Boxes) {
        for (const bool Scaled : {true, false}) {
            const TBoxMapping Edges = AxesBox(MakeBoxMapping(R), Scaled);
            for (double Hor = -3.0; Hor < 3.2; Hor += 0.35) {
                for (const double Ver : {-0.6, 0.25, 0.5, 0.9}) {
                    Proc3D::TPoint3D Camera{};
                    Proc3D::TViewPlane View{};
                    ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, 505, 404, Ver, Hor, 120, 300, View));
                    const TAxesDrawing D = LayOutBoxAxes(View, Edges, 505, 404, Measure, 5, 3);
                    for (size_t I = 0; I < D.Labels.size(); ++I) {
                        for (size_t J = I + 1; J < D.Labels.size(); ++J) {
                            const TAxesLabel &A = D.Labels[I], &B = D.Labels[J];
                            // Clear space between them, along whichever way they are apart.
                            const int Apart =
                                std::max({B.Left - (A.Left + A.Width), A.Left - (B.Left + B.Width),
                                          B.Top - (A.Top + A.Height), A.Top - (B.Top + B.Height)});
                            EXPECT_GE(Apart, A.Axis == B.Axis ? 2 : 14)
                                << A.Text << " and " << B.Text << " at " << Hor << ", " << Ver;
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
