// The checks "Calculate results" makes before it reserves any storage.
#include "MainUnit/Calculation/FunctionSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace MainUnit;

struct Fields {
    std::string Points = "5000";
    std::string XFrom = "-10.0", XTo = "10.0";
    std::string YFrom, YTo;
    std::string ZFrom = "-10.0", ZTo = "10.0";
    std::string Expression = "sin(x)*cos(z)";

    TFunctionSettingsTexts Texts() const
    {
        return {Points, XFrom, XTo, YFrom, YTo, ZFrom, ZTo, Expression};
    }
};

struct RefusalCase {
    const char* Name;
    void (*Change)(Fields&);
    TRefusal Refusal;  // None: accepted
};

TEST(CheckFunctionSettingsTest, RefusesWithTheFirstFailingCheck)
{
    const RefusalCase Cases[] = {
        {"defaults", [](Fields&) {}, TRefusal::None},
        {"10 points", [](Fields& F) { F.Points = "10"; }, TRefusal::PointsToShow},
        {"11 points", [](Fields& F) { F.Points = "11"; }, TRefusal::None},
        {"999999 points", [](Fields& F) { F.Points = "999999"; }, TRefusal::None},
        {"1000000 points", [](Fields& F) { F.Points = "1000000"; }, TRefusal::PointsToShow},
        {"5000.0 points", [](Fields& F) { F.Points = "5000.0"; }, TRefusal::PointsToShow},
        {"empty points", [](Fields& F) { F.Points = ""; }, TRefusal::PointsToShow},
        {"hex points", [](Fields& F) { F.Points = "$1388"; }, TRefusal::None},
        // The points check comes before everything else.
        {"points before intervals",
         [](Fields& F) {
             F.Points = "7";
             F.XFrom = "a";
             F.Expression = "+";
         },
         TRefusal::PointsToShow},
        {"x from text", [](Fields& F) { F.XFrom = "abc"; }, TRefusal::XZInterval},
        {"z to empty", [](Fields& F) { F.ZTo = ""; }, TRefusal::XZInterval},
        {"x beyond doubles", [](Fields& F) { F.XTo = "1e400"; }, TRefusal::XZInterval},
        {"x and z before y",
         [](Fields& F) {
             F.ZFrom = "1,5";
             F.YFrom = "q";
         },
         TRefusal::XZInterval},
        {"y from text", [](Fields& F) { F.YFrom = "q"; }, TRefusal::YInterval},
        {"y to text, from empty", [](Fields& F) { F.YTo = "q"; }, TRefusal::YInterval},
        {"y blanks only", [](Fields& F) { F.YFrom = "  "; }, TRefusal::YInterval},
        {"y beyond doubles", [](Fields& F) { F.YTo = "-1e999"; }, TRefusal::YInterval},
        {"y before expression",
         [](Fields& F) {
             F.YFrom = "q";
             F.Expression = "+";
         },
         TRefusal::YInterval},
        {"255 characters", [](Fields& F) { F.Expression = "1" + std::string(254, ' '); },
         TRefusal::None},
        {"256 characters", [](Fields& F) { F.Expression = "1" + std::string(255, ' '); },
         TRefusal::ExpressionLength},
        {"ten letters", [](Fields& F) { F.Expression = "x+x+x+x+x+z+z+z+z+z"; }, TRefusal::None},
        {"eleven letters", [](Fields& F) { F.Expression = "x+x+x+x+x+z+z+z+z+z+x"; },
         TRefusal::ParameterCount},
        {"exp keeps its x", [](Fields& F) { F.Expression = "exp(x)+EXP(x)+x+x+x+x+x+x+x+x"; },
         TRefusal::None},
        {"empty expression", [](Fields& F) { F.Expression = ""; }, TRefusal::SyntaxError},
        {"blank expression", [](Fields& F) { F.Expression = "   "; }, TRefusal::SyntaxError},
        {"trailing operator", [](Fields& F) { F.Expression = "x+"; }, TRefusal::SyntaxError},
        {"undefined at the trial point", [](Fields& F) { F.Expression = "1/(x-1)"; },
         TRefusal::None},
        {"undefined everywhere", [](Fields& F) { F.Expression = "sqrt(-1)"; }, TRefusal::None},
        // Malformed behind an undefined value: the trial alone would pass these.
        {"loge(x-1)+", [](Fields& F) { F.Expression = "loge(x-1)+"; }, TRefusal::SyntaxError},
        {"sqrt(-1)+", [](Fields& F) { F.Expression = "sqrt(-1)+"; }, TRefusal::SyntaxError},
        {"1/(x-1)*", [](Fields& F) { F.Expression = "1/(x-1)*"; }, TRefusal::SyntaxError},
        {"zero byte", [](Fields& F) { F.Expression = std::string("1\0+", 3); },
         TRefusal::SyntaxError},
    };
    for (const RefusalCase& C : Cases) {
        Fields F;
        C.Change(F);
        TFunctionSettings Settings;
        Settings.PointCount = -1;
        EXPECT_EQ(CheckFunctionSettings(F.Texts(), Settings), C.Refusal) << C.Name;
        if (C.Refusal != TRefusal::None) {
            EXPECT_EQ(Settings.PointCount, -1) << C.Name << ": written on refusal";
        }
    }
}

TEST(CheckFunctionSettingsTest, OrdersPairsOpensEmptyYEndsAndDropsBlanks)
{
    Fields F;
    F.XFrom = "5", F.XTo = "-5";
    F.YFrom = "7", F.YTo = "";
    F.ZFrom = "3", F.ZTo = "3";
    F.Expression = " sin( x ) * cos( z ) ";
    TFunctionSettings S;
    ASSERT_EQ(CheckFunctionSettings(F.Texts(), S), TRefusal::None);
    EXPECT_EQ(S.PointCount, 5000);
    EXPECT_EQ(S.XIntervalFrom, -5);
    EXPECT_EQ(S.XIntervalTo, 5);
    EXPECT_EQ(S.YIntervalFrom, 7);
    EXPECT_EQ(S.YIntervalTo, 1.7e308);
    EXPECT_EQ(S.ZIntervalFrom, 3);
    EXPECT_EQ(S.ZIntervalTo, 3);
    EXPECT_STREQ(S.Expression.data(), "sin(x)*cos(z)");

    F.YFrom = "", F.YTo = "-2";
    ASSERT_EQ(CheckFunctionSettings(F.Texts(), S), TRefusal::None);
    EXPECT_EQ(S.YIntervalFrom, -1.7e308);
    EXPECT_EQ(S.YIntervalTo, -2);
}

}  // namespace
