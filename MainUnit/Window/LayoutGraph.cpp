// The graph group with its pictures and legend labels, the status group, the
// Help and Close buttons, and the tab order of the whole window.
#include "MainForm.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "Platform/Application.h"
#include "Platform/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace MainUnit {

using namespace Platform;

namespace {

// A legend text: white bold on the black legend picture, which shows through.
QLabel* MakeLegendLabel(QWidget* Parent, int Left, int Top, int Width, int Height)
{
    QLabel* Label = MakeFixedLabel(Parent, Left, Top, Width, Height, QString());
    // Slightly tightened, so that a value of 15 significant digits fits the
    // 140 pixels of a colour label in this bold face.
    QFont Font = ProgramFont(FontPixelSize, true);
    Font.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
    Label->setFont(Font);
    QPalette Palette = Label->palette();
    for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        Palette.setColor(Group, QPalette::WindowText, Qt::white);
    Label->setPalette(Palette);
    Label->setAutoFillBackground(false);
    return Label;
}

}  // namespace

void TMainForm::CreateGraphWindow()
{
    QGroupBox* Box = GroupBox4 =
        MakeGroupBox(this, 264, 8, 521, 553, QStringLiteral(" Graph window "));
    GraphImage = new TPicture(Box, 8, 20, GraphWidth, GraphHeight);
    OutLineImage = new TPicture(Box, 8, 426, 145, 103);
    AxisesImage = new TPicture(Box, 8, 529, 145, 17);
    AxisesImage->setEnabled(false);
    DrawAxisesImage(AxisesImage->Canvas());
    LegendImage = new TPicture(Box, 156, 426, 357, 120);
    DrawLegendImage(LegendImage->Canvas());
    // Created after LegendImage, so they lie on top of it.
    CreateLegendLabels();
}

void TMainForm::CreateLegendLabels()
{
    QWidget* Box = GroupBox4;
    FunctionExpressionLabel = MakeLegendLabel(Box, 162, 430, 345, 17);
    XIntervalLabel = MakeLegendLabel(Box, 162, 446, 169, 17);
    ZIntervalLabel = MakeLegendLabel(Box, 339, 446, 169, 17);
    PointsLabel = MakeLegendLabel(Box, 162, 462, 345, 17);
    RedWhiteLabel = MakeLegendLabel(Box, 192, 478, 140, 16);
    RedLabel = MakeLegendLabel(Box, 192, 494, 140, 16);
    YellowLabel = MakeLegendLabel(Box, 192, 510, 140, 16);
    GreenLabel = MakeLegendLabel(Box, 192, 526, 140, 16);
    LightBlueLabel = MakeLegendLabel(Box, 370, 478, 140, 16);
    BlueLabel = MakeLegendLabel(Box, 370, 494, 140, 16);
    PurpleLabel = MakeLegendLabel(Box, 370, 510, 140, 16);
    UndefinedLabel = MakeLegendLabel(Box, 370, 526, 140, 16);
}

void TMainForm::CreateStatusAndButtons()
{
    GroupBox1 = MakeGroupBox(this, 8, 480, 249, 45, QStringLiteral(" Status "));
    StatusLabel = MakeFixedLabel(GroupBox1, 8, 18, 233, 25, QString());
    StatusLabel->setFont(ProgramFont(FontPixelSize, true));
    HelpButton = MakeButton(this, 8, 531, 121, 30, QStringLiteral("&Help"));
    CloseButton = MakeButton(this, 136, 531, 121, 30, QStringLiteral("&Close"));
}

void TMainForm::SetTabOrder()
{
    // The groups in their order (function settings, view settings, Help,
    // Close); inside each, the controls in their own order.
    QWidget* const Order[] = {FunctionExpressionEdit,
                              XIntervalFromEdit,
                              XIntervalToEdit,
                              YIntervalFromEdit,
                              YIntervalToEdit,
                              ZIntervalFromEdit,
                              ZIntervalToEdit,
                              PointsToShowEdit,
                              SquareRadioButton,
                              RandomRadioButton,
                              CalculateResultsButton,
                              HorAngleEdit,
                              HorAngleIncButton,
                              HorAngleDecButton,
                              VerAngleEdit,
                              VerAngleIncButton,
                              VerAngleDecButton,
                              DistanceEdit,
                              DistanceIncButton,
                              DistanceDecButton,
                              ZoomEdit,
                              ZoomIncButton,
                              ZoomDecButton,
                              MinDistanceButton,
                              UndefResultsCheckBox,
                              ZBufferCheckBox,
                              Outline3DCheckBox,
                              CameraYEdit,
                              CameraXEdit,
                              CameraZEdit,
                              HelpButton,
                              CloseButton};
    for (std::size_t I = 1; I < std::size(Order); ++I)
        QWidget::setTabOrder(Order[I - 1], Order[I]);
}

}  // namespace MainUnit
