// The checks "Calculate results" makes before it reserves any storage.
#include "MainUnit/FunctionSettings.h"

#include "MainUnit/Messages.h"

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
    std::string Message;  // empty: accepted
};

TEST(CheckFunctionSettingsTest, RefusesWithTheFirstFailingCheck)
{
    const RefusalCase Cases[] = {
        {"defaults", [](Fields&) {}, ""},
        {"10 points", [](Fields& F) { F.Points = "10"; }, MsgPointsToShow},
        {"11 points", [](Fields& F) { F.Points = "11"; }, ""},
        {"999999 points", [](Fields& F) { F.Points = "999999"; }, ""},
        {"1000000 points", [](Fields& F) { F.Points = "1000000"; }, MsgPointsToShow},
        {"5000.0 points", [](Fields& F) { F.Points = "5000.0"; }, MsgPointsToShow},
        {"empty points", [](Fields& F) { F.Points = ""; }, MsgPointsToShow},
        {"hex points", [](Fields& F) { F.Points = "$1388"; }, ""},
        // The points check comes before everything else.
        {"points before intervals",
         [](Fields& F) {
             F.Points = "7";
             F.XFrom = "a";
             F.Expression = "+";
         },
         MsgPointsToShow},
        {"x from text", [](Fields& F) { F.XFrom = "abc"; }, MsgXZInterval},
        {"z to empty", [](Fields& F) { F.ZTo = ""; }, MsgXZInterval},
        {"x beyond doubles", [](Fields& F) { F.XTo = "1e400"; }, MsgXZInterval},
        {"x and z before y",
         [](Fields& F) {
             F.ZFrom = "1,5";
             F.YFrom = "q";
         },
         MsgXZInterval},
        {"y from text", [](Fields& F) { F.YFrom = "q"; }, MsgYInterval},
        {"y to text, from empty", [](Fields& F) { F.YTo = "q"; }, MsgYInterval},
        {"y blanks only", [](Fields& F) { F.YFrom = "  "; }, MsgYInterval},
        {"y beyond doubles", [](Fields& F) { F.YTo = "-1e999"; }, MsgYInterval},
        {"y before expression",
         [](Fields& F) {
             F.YFrom = "q";
             F.Expression = "+";
         },
         MsgYInterval},
        {"255 characters", [](Fields& F) { F.Expression = "1" + std::string(254, ' '); }, ""},
        {"256 characters", [](Fields& F) { F.Expression = "1" + std::string(255, ' '); },
         MsgExpressionLength},
        {"ten letters", [](Fields& F) { F.Expression = "x+x+x+x+x+z+z+z+z+z"; }, ""},
        {"eleven letters", [](Fields& F) { F.Expression = "x+x+x+x+x+z+z+z+z+z+x"; },
         MsgParameterCount},
        {"exp keeps its x", [](Fields& F) { F.Expression = "exp(x)+EXP(x)+x+x+x+x+x+x+x+x"; }, ""},
        {"empty expression", [](Fields& F) { F.Expression = ""; }, MsgSyntaxError},
        {"blank expression", [](Fields& F) { F.Expression = "   "; }, MsgSyntaxError},
        {"trailing operator", [](Fields& F) { F.Expression = "x+"; }, MsgSyntaxError},
        {"undefined at the trial point", [](Fields& F) { F.Expression = "1/(x-1)"; }, ""},
        {"undefined everywhere", [](Fields& F) { F.Expression = "sqrt(-1)"; }, ""},
        // Malformed behind an undefined value: the trial alone would pass these.
        {"loge(x-1)+", [](Fields& F) { F.Expression = "loge(x-1)+"; }, MsgSyntaxError},
        {"sqrt(-1)+", [](Fields& F) { F.Expression = "sqrt(-1)+"; }, MsgSyntaxError},
        {"1/(x-1)*", [](Fields& F) { F.Expression = "1/(x-1)*"; }, MsgSyntaxError},
        {"zero byte", [](Fields& F) { F.Expression = std::string("1\0+", 3); }, MsgSyntaxError},
    };
    for (const RefusalCase& C : Cases) {
        Fields F;
        C.Change(F);
        TFunctionSettings Settings;
        Settings.PointCount = -1;
        EXPECT_EQ(CheckFunctionSettings(F.Texts(), Settings), C.Message) << C.Name;
        if (!C.Message.empty()) {
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
    ASSERT_EQ(CheckFunctionSettings(F.Texts(), S), "");
    EXPECT_EQ(S.PointCount, 5000);
    EXPECT_EQ(S.XIntervalFrom, -5);
    EXPECT_EQ(S.XIntervalTo, 5);
    EXPECT_EQ(S.YIntervalFrom, 7);
    EXPECT_EQ(S.YIntervalTo, 1.7e308);
    EXPECT_EQ(S.ZIntervalFrom, 3);
    EXPECT_EQ(S.ZIntervalTo, 3);
    EXPECT_STREQ(S.Expression.data(), "sin(x)*cos(z)");

    F.YFrom = "", F.YTo = "-2";
    ASSERT_EQ(CheckFunctionSettings(F.Texts(), S), "");
    EXPECT_EQ(S.YIntervalFrom, -1.7e308);
    EXPECT_EQ(S.YIntervalTo, -2);
}

}  // namespace
