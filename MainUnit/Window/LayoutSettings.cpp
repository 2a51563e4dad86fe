// The two settings groups of the main window, control by control, at their
// pixel bounds (relative to the enclosing group box or panel).
#include "MainForm.h"
#include "Platform/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace MainUnit {

using namespace Platform;

void TMainForm::CreateFunctionSettings()
{
    QGroupBox* Box = GroupBox2 =
        MakeGroupBox(this, 8, 8, 249, 212, QStringLiteral(" Function settings "));
    FunctionExpressionEdit = MakeEdit(Box, 85, 21, 156, 24, QString());
    Label15 = MakeLabel(Box, 8, 24, QStringLiteral("Y = &F(X, Z) ="), FunctionExpressionEdit);
    XIntervalFromEdit = MakeEdit(Box, 106, 46, 57, 24, QStringLiteral("-10.0"));
    Label2 = MakeLabel(Box, 8, 49, QStringLiteral("&X Interval:  From"), XIntervalFromEdit);
    Label4 = MakeLabel(Box, 170, 49, QStringLiteral("to"));
    XIntervalToEdit = MakeEdit(Box, 184, 46, 57, 24, QStringLiteral("10.0"));
    YIntervalFromEdit = MakeEdit(Box, 106, 71, 57, 24, QString());
    Label3 = MakeLabel(Box, 8, 74, QStringLiteral("&Y Interval:  From"), YIntervalFromEdit);
    Label6 = MakeLabel(Box, 170, 74, QStringLiteral("to"));
    YIntervalToEdit = MakeEdit(Box, 184, 71, 57, 24, QString());
    ZIntervalFromEdit = MakeEdit(Box, 106, 96, 57, 24, QStringLiteral("-10.0"));
    Label5 = MakeLabel(Box, 8, 99, QStringLiteral("&Z Interval:  From"), ZIntervalFromEdit);
    Label7 = MakeLabel(Box, 170, 99, QStringLiteral("to"));
    ZIntervalToEdit = MakeEdit(Box, 184, 96, 57, 24, QStringLiteral("10.0"));
    PointsToShowEdit = MakeEdit(Box, 184, 121, 57, 24, QStringLiteral("5000"));
    Label8 = MakeLabel(Box, 8, 124, QStringLiteral("Number of &points to show:"), PointsToShowEdit);
    Panel1 = MakePanel(Box, 8, 148, 233, 29);
    SquareRadioButton =
        MakeRadioButton(Panel1, 8, 6, 113, 17, QStringLiteral("S&quare order"), true);
    RandomRadioButton =
        MakeRadioButton(Panel1, 114, 6, 113, 17, QStringLiteral("Random ord&er"), false);
    CalculateResultsButton = MakeButton(Box, 8, 180, 233, 26, QStringLiteral("Calculate &results"));
}

void TMainForm::CreateViewSettings()
{
    QGroupBox* Box = GroupBox3 =
        MakeGroupBox(this, 8, 223, 249, 254, QStringLiteral(" Graph-View settings "));
    HorAngleEdit = MakeEdit(Box, 112, 20, 65, 24, QStringLiteral("0"));
    Label13 = MakeLabel(Box, 8, 24, QStringLiteral("Horizont&al angle:"), HorAngleEdit);
    HorAngleIncButton = MakeButton(Box, 184, 24, 25, 17, QStringLiteral("+"));
    HorAngleDecButton = MakeButton(Box, 216, 24, 25, 17, QStringLiteral("-"));
    VerAngleEdit = MakeEdit(Box, 112, 45, 65, 24, QStringLiteral("0"));
    Label14 =
        MakeFixedLabel(Box, 8, 50, 100, 16, QStringLiteral("&Vertical angle:"), VerAngleEdit, true);
    VerAngleIncButton = MakeButton(Box, 184, 49, 25, 17, QStringLiteral("+"));
    VerAngleDecButton = MakeButton(Box, 216, 49, 25, 17, QStringLiteral("-"));
    MinDistanceButton = MakeButton(Box, 8, 70, 41, 26, QStringLiteral("&Min->"));
    MinDistanceButton->setToolTip(QStringLiteral(" Sets 'Distance' to minimal possible value "));
    DistanceEdit = MakeEdit(Box, 112, 70, 65, 24, QStringLiteral("0"));
    // The right-aligned labels end where "Vertical angle:" ends, at x 108.
    Label19 =
        MakeFixedLabel(Box, 52, 74, 108 - 52, 16, QStringLiteral("&Distance:"), DistanceEdit, true);
    DistanceIncButton = MakeButton(Box, 184, 74, 25, 17, QStringLiteral("+"));
    DistanceDecButton = MakeButton(Box, 216, 74, 25, 17, QStringLiteral("-"));
    ZoomEdit = MakeEdit(Box, 112, 95, 65, 24, QStringLiteral("100"));
    Label20 = MakeFixedLabel(Box, 70, 99, 108 - 70, 16, QStringLiteral("Z&oom:"), ZoomEdit, true);
    ZoomIncButton = MakeButton(Box, 184, 99, 25, 17, QStringLiteral("+"));
    ZoomDecButton = MakeButton(Box, 216, 99, 25, 17, QStringLiteral("-"));
    CreateCameraPanel();
    UndefResultsCheckBox =
        MakeCheckBox(Box, 16, 188, 169, 17, QStringLiteral("&Show undefined results"), true);
    ZBufferCheckBox = MakeCheckBox(Box, 16, 208, 97, 17, QStringLiteral("&Use Z-Buffer"), false);
    Outline3DCheckBox =
        MakeCheckBox(Box, 16, 228, 137, 17, QStringLiteral("3D outline axises"), false);
}

void TMainForm::CreateCameraPanel()
{
    Panel3 = MakePanel(GroupBox3, 8, 123, 233, 60);
    Label21 = MakeLabel(Panel3, 8, 8, QStringLiteral("Camera:"));
    Label24 = MakeLabel(Panel3, 8, 33, QStringLiteral("Y ="));
    CameraYEdit = MakeReadOnlyEdit(Panel3, 32, 30, 81, 24);
    Label22 = MakeLabel(Panel3, 120, 8, QStringLiteral("X ="));
    CameraXEdit = MakeReadOnlyEdit(Panel3, 144, 5, 81, 24);
    Label23 = MakeLabel(Panel3, 120, 33, QStringLiteral("Z ="));
    CameraZEdit = MakeReadOnlyEdit(Panel3, 144, 30, 81, 24);
}

}  // namespace MainUnit
