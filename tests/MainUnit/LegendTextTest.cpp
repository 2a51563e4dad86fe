// The legend's texts after a calculation.
#include "MainUnit/Text/LegendText.h"

#include "MainUnit/Text/NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using MainUnit::TLegendTexts;
using MainUnit::TResultSet;

// The legend of a result set, for the expression and order the tests use.
struct TLegendInput : TResultSet {
    const char* Expression = "sin(x)*cos(z)";
    bool SquareOrder = true;
};

TLegendTexts MakeLegendTexts(const TLegendInput& In)
{
    return MainUnit::MakeLegendTexts(In.Expression, In, In.SquareOrder);
}

TLegendInput DefaultSquare()
{
    TLegendInput In;
    In.XIntervalFrom = -10, In.XIntervalTo = 10;
    In.ZIntervalFrom = -10, In.ZIntervalTo = 10;
    In.YIntervalFrom = -10, In.YIntervalTo = 10;
    In.PointCount = 5041;
    return In;
}

TEST(LegendTextTest, DescribesTheCalculation)
{
    const TLegendTexts T = MakeLegendTexts(DefaultSquare());
    const std::pair<const std::string*, const char*> Expected[] = {
        {&T.FunctionExpression, "Y = sin(x)*cos(z)"},
        {&T.XInterval, "X = <-10 ;10>"},
        {&T.ZInterval, "Z = <-10 ;10>"},
        {&T.Points, "5041 points (square ordered) really showed"},
        {&T.Purple, "Y = -10"},
        {&T.Blue, "Y = -6.52881355932203"},
        {&T.LightBlue, "Y = -3.05762711864407"},
        {&T.Green, "Y = 0.413559322033898"},
        {&T.Yellow, "Y = 3.88474576271186"},
        {&T.Red, "Y = 7.35593220338983"},
        {&T.RedWhite, "Y = 10"},
        {&T.Undefined, "Y is undefined"}};
    for (const auto& [Text, Wanted] : Expected)
        EXPECT_EQ(*Text, Wanted);
}

TEST(LegendTextTest, RandomOrderConstantAndReversedRanges)
{
    TLegendInput In = DefaultSquare();
    In.SquareOrder = false;
    In.PointCount = 5000;
    In.XIntervalFrom = 0.5, In.XIntervalTo = 1.5e20;
    EXPECT_EQ(MakeLegendTexts(In).Points, "5000 points (random ordered) really showed");
    EXPECT_EQ(MakeLegendTexts(In).XInterval, "X = <0.5 ;1.5E20>");

    In.YIntervalFrom = In.YIntervalTo = 3;  // a constant function
    TLegendTexts Constant = MakeLegendTexts(In);
    for (const std::string* Label :
         {&Constant.RedWhite, &Constant.Red, &Constant.Yellow, &Constant.Green, &Constant.LightBlue,
          &Constant.Blue, &Constant.Purple})
        EXPECT_EQ(*Label, "Y = 3");

    In.YIntervalFrom = 2, In.YIntervalTo = 0;  // a Y interval beside every result
    TLegendTexts Reversed = MakeLegendTexts(In);
    EXPECT_EQ(Reversed.Purple, "Y = 2");
    // The top label is the upper end up to the rounding of the step.
    double Top = 1;
    ASSERT_TRUE(MainUnit::ReadReal(Reversed.RedWhite.substr(4), Top)) << Reversed.RedWhite;
    EXPECT_NEAR(Top, 0.0, 1e-15);
}

TEST(LegendTextTest, NoExpressionEmptiesEveryLabel)
{
    TLegendInput In = DefaultSquare();
    In.Expression = nullptr;
    TLegendTexts T = MakeLegendTexts(In);
    for (const std::string* Label :
         {&T.FunctionExpression, &T.XInterval, &T.ZInterval, &T.Points, &T.RedWhite, &T.Red,
          &T.Yellow, &T.Green, &T.LightBlue, &T.Blue, &T.Purple, &T.Undefined})
        EXPECT_TRUE(Label->empty());
}

}  // namespace
