#include "MainUnit/Window/ControlTable.h"

#include "MainUnit/Picture/PictureLayout.h"
#include "MainUnit/Text/StartTexts.h"
#include "MainUnit/Window/MainFormControls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

namespace MainUnit {

namespace {

template <auto Member> void BindTo(TMainFormControls& Form, QWidget* Widget)
{
    using TControl = std::remove_pointer_t<std::remove_reference_t<decltype(Form.*Member)>>;
    Form.*Member = dynamic_cast<TControl*>(Widget);  // a kind that does not fit leaves null
}

// clang-format off
#define CONTROL(Name) #Name, &BindTo<&TMainFormControls::Name>
// clang-format on

using enum TControlKind;

// A label's buddy is created before it, so that the label knows its
// accelerator when it sizes itself.
constexpr TControlRow Controls[] = {
    // " Function settings "
    {CONTROL(GroupBox2), GroupBox, 0, "", 8, 8, 249, 212, " Function settings ", "", "", 0},
    {CONTROL(FunctionExpressionEdit), Edit, 0, "GroupBox2", 85, 21, 156, 24, "", "", "", 1},
    {CONTROL(Label15), Label, 0, "GroupBox2", 8, 24, 0, 0,
     "Y = &F(X, Z) =", "FunctionExpressionEdit", "", 0},
    {CONTROL(XIntervalFromEdit), Edit, 0, "GroupBox2", 106, 46, 57, 24, StartText::IntervalFrom, "",
     "", 2},
    {CONTROL(Label2), Label, 0, "GroupBox2", 8, 49, 0, 0, "&X Interval:  From", "XIntervalFromEdit",
     "", 0},
    {CONTROL(Label4), Label, 0, "GroupBox2", 170, 49, 0, 0, "to", "", "", 0},
    {CONTROL(XIntervalToEdit), Edit, 0, "GroupBox2", 184, 46, 57, 24, StartText::IntervalTo, "", "",
     3},
    {CONTROL(YIntervalFromEdit), Edit, 0, "GroupBox2", 106, 71, 57, 24, "", "", "", 4},
    {CONTROL(Label3), Label, 0, "GroupBox2", 8, 74, 0, 0, "&Y Interval:  From", "YIntervalFromEdit",
     "", 0},
    {CONTROL(Label6), Label, 0, "GroupBox2", 170, 74, 0, 0, "to", "", "", 0},
    {CONTROL(YIntervalToEdit), Edit, 0, "GroupBox2", 184, 71, 57, 24, "", "", "", 5},
    {CONTROL(ZIntervalFromEdit), Edit, 0, "GroupBox2", 106, 96, 57, 24, StartText::IntervalFrom, "",
     "", 6},
    {CONTROL(Label5), Label, 0, "GroupBox2", 8, 99, 0, 0, "&Z Interval:  From", "ZIntervalFromEdit",
     "", 0},
    {CONTROL(Label7), Label, 0, "GroupBox2", 170, 99, 0, 0, "to", "", "", 0},
    {CONTROL(ZIntervalToEdit), Edit, 0, "GroupBox2", 184, 96, 57, 24, StartText::IntervalTo, "", "",
     7},
    {CONTROL(PointsToShowEdit), Edit, 0, "GroupBox2", 184, 121, 57, 24, StartText::PointsToShow, "",
     "", 8},
    {CONTROL(Label8), Label, 0, "GroupBox2", 8, 124, 0, 0,
     "Number of &points to show:", "PointsToShowEdit", "", 0},
    {CONTROL(Panel1), Panel, 0, "GroupBox2", 8, 148, 233, 29, "", "", "", 0},
    {CONTROL(SquareRadioButton), RadioButton, cfChecked, "Panel1", 8, 6, 113, 17, "S&quare order",
     "", "", 9},
    {CONTROL(RandomRadioButton), RadioButton, 0, "Panel1", 114, 6, 113, 17, "Random ord&er", "", "",
     10},
    {CONTROL(CalculateResultsButton), Button, 0, "GroupBox2", 8, 180, 233, 26, "Calculate &results",
     "", "", 11},

    // " Graph-View settings "; the right-aligned labels end where
    // "Vertical angle:" ends, at x 108.
    {CONTROL(GroupBox3), GroupBox, 0, "", 8, 223, 249, 254, " Graph-View settings ", "", "", 0},
    {CONTROL(HorAngleEdit), Edit, 0, "GroupBox3", 112, 20, 65, 24, StartText::Angle, "", "", 12},
    {CONTROL(Label13), Label, 0, "GroupBox3", 8, 24, 0, 0, "Horizont&al angle:", "HorAngleEdit", "",
     0},
    {CONTROL(HorAngleIncButton), Button, 0, "GroupBox3", 184, 24, 25, 17, "+", "", "", 13},
    {CONTROL(HorAngleDecButton), Button, 0, "GroupBox3", 216, 24, 25, 17, "-", "", "", 14},
    {CONTROL(VerAngleEdit), Edit, 0, "GroupBox3", 112, 45, 65, 24, StartText::Angle, "", "", 15},
    {CONTROL(Label14), FixedLabel, cfRightAligned, "GroupBox3", 8, 50, 100, 16,
     "&Vertical angle:", "VerAngleEdit", "", 0},
    {CONTROL(VerAngleIncButton), Button, 0, "GroupBox3", 184, 49, 25, 17, "+", "", "", 16},
    {CONTROL(VerAngleDecButton), Button, 0, "GroupBox3", 216, 49, 25, 17, "-", "", "", 17},
    {CONTROL(MinDistanceButton), Button, 0, "GroupBox3", 8, 70, 41, 26, "&Min->", "",
     " Sets 'Distance' to minimal possible value ", 24},
    {CONTROL(DistanceEdit), Edit, 0, "GroupBox3", 112, 70, 65, 24, StartText::Distance, "", "", 18},
    {CONTROL(Label19), FixedLabel, cfRightAligned, "GroupBox3", 52, 74, 108 - 52, 16,
     "&Distance:", "DistanceEdit", "", 0},
    {CONTROL(DistanceIncButton), Button, 0, "GroupBox3", 184, 74, 25, 17, "+", "", "", 19},
    {CONTROL(DistanceDecButton), Button, 0, "GroupBox3", 216, 74, 25, 17, "-", "", "", 20},
    {CONTROL(ZoomEdit), Edit, 0, "GroupBox3", 112, 95, 65, 24, StartText::Zoom, "", "", 21},
    {CONTROL(Label20), FixedLabel, cfRightAligned, "GroupBox3", 70, 99, 108 - 70, 16,
     "Z&oom:", "ZoomEdit", "", 0},
    {CONTROL(ZoomIncButton), Button, 0, "GroupBox3", 184, 99, 25, 17, "+", "", "", 22},
    {CONTROL(ZoomDecButton), Button, 0, "GroupBox3", 216, 99, 25, 17, "-", "", "", 23},
    {CONTROL(Panel3), Panel, 0, "GroupBox3", 8, 123, 233, 60, "", "", "", 0},
    {CONTROL(Label21), Label, 0, "Panel3", 8, 8, 0, 0, "Camera:", "", "", 0},
    {CONTROL(Label24), Label, 0, "Panel3", 8, 33, 0, 0, "Y =", "", "", 0},
    {CONTROL(CameraYEdit), ReadOnlyEdit, 0, "Panel3", 32, 30, 81, 24, "", "", "", 28},
    {CONTROL(Label22), Label, 0, "Panel3", 120, 8, 0, 0, "X =", "", "", 0},
    {CONTROL(CameraXEdit), ReadOnlyEdit, 0, "Panel3", 144, 5, 81, 24, "", "", "", 29},
    {CONTROL(Label23), Label, 0, "Panel3", 120, 33, 0, 0, "Z =", "", "", 0},
    {CONTROL(CameraZEdit), ReadOnlyEdit, 0, "Panel3", 144, 30, 81, 24, "", "", "", 30},
    {CONTROL(UndefResultsCheckBox), CheckBox, cfChecked, "GroupBox3", 16, 188, 169, 17,
     "&Show undefined results", "", "", 25},
    {CONTROL(ZBufferCheckBox), CheckBox, 0, "GroupBox3", 16, 208, 97, 17, "&Use Z-Buffer", "", "",
     26},
    {CONTROL(Outline3DCheckBox), CheckBox, 0, "GroupBox3", 16, 228, 137, 17, "3D outline axises",
     "", "", 27},

    // " Status ", Help and Close
    {CONTROL(GroupBox1), GroupBox, 0, "", 8, 480, 249, 45, " Status ", "", "", 0},
    {CONTROL(StatusLabel), FixedLabel, cfBold, "GroupBox1", 8, 18, 233, 25, "", "", "", 0},
    {CONTROL(HelpButton), Button, 0, "", 8, 531, 121, 30, "&Help", "", "", 31},
    {CONTROL(CloseButton), Button, 0, "", 136, 531, 121, 30, "&Close", "", "", 32},

    // " Graph window "; the legend labels come after the legend picture, so
    // that they lie on top of it.
    {CONTROL(GroupBox4), GroupBox, 0, "", 264, 8, 521, 553, " Graph window ", "", "", 0},
    {CONTROL(GraphImage), Picture, 0, "GroupBox4", GraphPlace.Left, GraphPlace.Top,
     GraphPlace.Width, GraphPlace.Height, "", "",
     "Drag to turn the graph, turn the wheel to zoom, hold Ctrl with the wheel to move the "
     "camera, double-click to fit the graph into the picture; right-click to save or copy the "
     "picture or export the points.",
     0},
    {CONTROL(OutLineImage), Picture, 0, "GroupBox4", OutlinePlace.Left, OutlinePlace.Top,
     OutlinePlace.Width, OutlinePlace.Height, "", "", "", 0},
    {CONTROL(AxisesImage), Picture, cfDisabled, "GroupBox4", AxisesPlace.Left, AxisesPlace.Top,
     AxisesPlace.Width, AxisesPlace.Height, "", "", "", 0},
    {CONTROL(LegendImage), Picture, 0, "GroupBox4", LegendPlace.Left, LegendPlace.Top,
     LegendPlace.Width, LegendPlace.Height, "", "", "", 0},
    {CONTROL(FunctionExpressionLabel), LegendLabel, 0, "GroupBox4", 162, 430, 345, 17, "", "", "",
     0},
    {CONTROL(XIntervalLabel), LegendLabel, 0, "GroupBox4", 162, 446, 169, 17, "", "", "", 0},
    {CONTROL(ZIntervalLabel), LegendLabel, 0, "GroupBox4", 339, 446, 169, 17, "", "", "", 0},
    {CONTROL(PointsLabel), LegendLabel, 0, "GroupBox4", 162, 462, 345, 17, "", "", "", 0},
    {CONTROL(RedWhiteLabel), LegendLabel, 0, "GroupBox4", 192, 478, 140, 16, "", "", "", 0},
    {CONTROL(RedLabel), LegendLabel, 0, "GroupBox4", 192, 494, 140, 16, "", "", "", 0},
    {CONTROL(YellowLabel), LegendLabel, 0, "GroupBox4", 192, 510, 140, 16, "", "", "", 0},
    {CONTROL(GreenLabel), LegendLabel, 0, "GroupBox4", 192, 526, 140, 16, "", "", "", 0},
    {CONTROL(LightBlueLabel), LegendLabel, 0, "GroupBox4", 370, 478, 140, 16, "", "", "", 0},
    {CONTROL(BlueLabel), LegendLabel, 0, "GroupBox4", 370, 494, 140, 16, "", "", "", 0},
    {CONTROL(PurpleLabel), LegendLabel, 0, "GroupBox4", 370, 510, 140, 16, "", "", "", 0},
    {CONTROL(UndefinedLabel), LegendLabel, 0, "GroupBox4", 370, 526, 140, 16, "", "", "", 0},
};

#undef CONTROL

}  // namespace

std::span<const TControlRow> MainFormControls() { return Controls; }

const TControlRow* FindControlRow(std::string_view Name)
{
    for (const TControlRow& Row : Controls)
        if (Name == Row.Name) return &Row;
    return nullptr;
}

bool TakesFocus(TControlKind Kind)
{
    switch (Kind) {
    case Edit:
    case ReadOnlyEdit:
    case Button:
    case CheckBox:
    case RadioButton:
        return true;
    default:
        return false;
    }
}

}  // namespace MainUnit
