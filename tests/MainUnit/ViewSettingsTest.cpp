// The repaint's checks of the four view fields and the step buttons.
#include "MainUnit/Picture/ViewSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace MainUnit;

struct CheckCase {
    const char *Hor, *Ver, *Distance, *Zoom;
    double Radius;
    TRefusal Refusal;  // None: accepted
};

TEST(CheckViewSettingsTest, RefusesInTheRepaintsOrder)
{
    const CheckCase Cases[] = {
        {"0", "0", "15", "100", 10, TRefusal::None},
        {"999.99", "1.5707963267948966", "15", "0.001", 10, TRefusal::None},
        {"-999.99", "-1.5707963267948966", "10.000001", "100", 10, TRefusal::None},
        {"abc", "0", "15", "100", 10, TRefusal::ViewNumbers},
        // One unreadable text wins over another value out of range.
        {"5000", "0", "15", "1,5", 10, TRefusal::ViewNumbers},
        {"0", "0", "1e400", "100", 10, TRefusal::ViewNumbers},
        {"0", "0", "15", "", 10, TRefusal::ViewNumbers},
        {"1000", "0", "15", "100", 10, TRefusal::HorAngle},
        {"-1000", "0", "15", "100", 10, TRefusal::HorAngle},
        {"0", "1.5708", "15", "100", 10, TRefusal::VerAngle},
        {"0", "-1.5708", "15", "100", 10, TRefusal::VerAngle},
        {"0", "2", "15", "0", 10, TRefusal::VerAngle},
        {"0", "0", "15", "0", 10, TRefusal::Zoom},
        {"0", "0", "15", "-5", 10, TRefusal::Zoom},
        {"0", "0", "10", "100", 10, TRefusal::Distance},
        {"0", "0", "-20", "100", 10, TRefusal::Distance},
        {"0", "0", "17.320508075688772", "100", std::sqrt(300.0), TRefusal::Distance},
    };
    for (const CheckCase& C : Cases) {
        TViewSettings Settings;
        Settings.Zoom = -7;
        EXPECT_EQ(CheckViewSettings(C.Hor, C.Ver, C.Distance, C.Zoom, C.Radius, Settings),
                  C.Refusal)
            << C.Hor << ' ' << C.Ver << ' ' << C.Distance << ' ' << C.Zoom;
        if (C.Refusal == TRefusal::None) {
            double Zoom = 0;
            std::sscanf(C.Zoom, "%lf", &Zoom);
            EXPECT_EQ(Settings.Zoom, Zoom);
        } else {
            EXPECT_EQ(Settings.Zoom, -7) << "settings written on refusal";
        }
    }
}

struct StepCase {
    const char* Name;
    TStep (*Step)(std::string_view, bool, double);
    const char* Text;
    bool Increase;
    double Radius;
    TStepAction Action;
    const char* NewText;
};

TStep Hor(std::string_view T, bool Up, double) { return HorAngleStep(T, Up); }
TStep Ver(std::string_view T, bool Up, double) { return VerAngleStep(T, Up); }
TStep Dist(std::string_view T, bool Up, double R) { return DistanceStep(T, Up, R); }
TStep Zoom(std::string_view T, bool Up, double) { return ZoomStep(T, Up); }

TEST(ViewStepTest, StepsAndLimits)
{
    using A = TStepAction;
    const StepCase Cases[] = {
        {"hor +", Hor, "0", true, 0, A::WriteAndRepaint, "0.1"},
        {"hor -", Hor, "0", false, 0, A::WriteAndRepaint, "-0.1"},
        {"hor past 1000", Hor, "999.95", true, 0, A::WriteAndRepaint, "1000.05"},
        {"hor not a number", Hor, "abc", true, 0, A::RepaintOnly, ""},
        {"ver 1.4 +", Ver, "1.4", true, 0, A::WriteAndRepaint, "1.5"},
        {"ver 1.5 + would cross", Ver, "1.5", true, 0, A::Nothing, ""},
        {"ver 2 + already beyond", Ver, "2", true, 0, A::RepaintOnly, ""},
        {"ver -1.5 - would cross", Ver, "-1.5", false, 0, A::Nothing, ""},
        {"ver -1.6 - already beyond", Ver, "-1.6", false, 0, A::RepaintOnly, ""},
        {"ver -3 + opposite limit not looked at", Ver, "-3", true, 0, A::WriteAndRepaint, "-2.9"},
        {"ver empty", Ver, "", false, 0, A::RepaintOnly, ""},
        // 1.4707963267949 + 0.1 lies below pi/2 but its 15-digit text does not.
        {"ver text rounds onto the limit", Ver, "1.4707963267949", true, 0, A::Nothing, ""},
        {"dist 12 -", Dist, "12", false, 10, A::WriteAndRepaint, "10.8"},
        {"dist 11 - would cross", Dist, "11", false, 10, A::Nothing, ""},
        {"dist 10 - at the limit", Dist, "10", false, 10, A::RepaintOnly, ""},
        {"dist +", Dist, "10", true, 10, A::WriteAndRepaint, "11"},
        {"dist text", Dist, "abc", true, 10, A::RepaintOnly, ""},
        {"zoom +", Zoom, "100", true, 0, A::WriteAndRepaint, "110"},
        {"zoom -", Zoom, "100", false, 0, A::WriteAndRepaint, "90"},
        {"zoom keeps its sign", Zoom, "-5", true, 0, A::WriteAndRepaint, "-5.5"},
        // 1.87E308 would not read back: the text stays.
        {"dist + past the largest number", Dist, "1.7E308", true, 1, A::RepaintOnly, ""},
        {"zoom + past the largest number", Zoom, "1.7E308", true, 0, A::RepaintOnly, ""},
    };
    for (const StepCase& C : Cases) {
        TStep Step = C.Step(C.Text, C.Increase, C.Radius);
        EXPECT_EQ(Step.Action, C.Action) << C.Name;
        EXPECT_EQ(Step.NewText, C.NewText) << C.Name;
    }
}

TEST(ViewStepTest, MinDistanceIsJustAboveTheRadius)
{
    EXPECT_EQ(MinDistanceText(1000), "1001");
    EXPECT_EQ(MinDistanceText(0), "0");
    TViewSettings Settings;
    const double Radius = std::sqrt(300.0);
    EXPECT_EQ(CheckViewSettings("0", "0", MinDistanceText(Radius), "100", Radius, Settings),
              TRefusal::None);
}

}  // namespace
