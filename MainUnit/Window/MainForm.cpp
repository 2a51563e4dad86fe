// Start-up and state of the main window: creation, activation, blanking the
// pictures, locking the inputs while busy, Help and Close.
#include "MainForm.h"

#include "HelpUnit/HelpForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace MainUnit {

TMainForm::TMainForm() : TForm(MainFormWidth, MainFormHeight)
{
    setWindowTitle(QString::fromUtf8(MainFormCaption));
    CreateFunctionSettings();
    CreateViewSettings();
    CreateStatusAndButtons();
    CreateGraphWindow();
    SetTabOrder();
    ConnectEvents();
    OnActivate = [this] { FormActivate(); };
    FormCreate();
}

void TMainForm::ConnectEvents()
{
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
}

void TMainForm::FormCreate()
{
    // Numbers are read and written by locale-independent routines with "." as
    // the separator, so no process-wide setting is needed for them.
    ReleasePoints(Results);
    Results = TResultSet{};
}

void TMainForm::FormActivate()
{
    FunctionExpressionEdit->setFocus(Qt::ActiveWindowFocusReason);
    ClearImages();
}

void TMainForm::ClearImages()
{
    for (Platform::TPicture* Picture : {GraphImage, OutLineImage}) {
        Platform::TCanvas& Canvas = Picture->Canvas();
        Canvas.SetBrushColor(0);
        Canvas.FillRect(0, 0, Picture->ImageWidth(), Picture->ImageHeight());
    }
}

std::array<QWidget*, LockedControlCount> TMainForm::LockedControls() const
{
    return {CalculateResultsButton, MinDistanceButton, HelpButton, CloseButton,
            HorAngleIncButton, HorAngleDecButton, VerAngleIncButton, VerAngleDecButton,
            DistanceIncButton, DistanceDecButton, ZoomIncButton, ZoomDecButton,
            UndefResultsCheckBox, ZBufferCheckBox, Outline3DCheckBox,
            SquareRadioButton, RandomRadioButton,
            FunctionExpressionEdit, XIntervalFromEdit, XIntervalToEdit, YIntervalFromEdit,
            YIntervalToEdit, ZIntervalFromEdit, ZIntervalToEdit, PointsToShowEdit,
            HorAngleEdit, VerAngleEdit, DistanceEdit, ZoomEdit};
}

void TMainForm::SetControlsEnabled(bool Enabled)
{
    for (QWidget* Control : LockedControls())
        Control->setEnabled(Enabled);
}

void TMainForm::DisableControls()
{
    SetControlsEnabled(false);
}

void TMainForm::EnableControls()
{
    SetControlsEnabled(true);
}

void TMainForm::CloseButtonClick()
{
    close();
}

void TMainForm::HelpButtonClick()
{
    if (HelpForm)
        RunModal([this] { HelpForm->ShowModal(); });
}

}  // namespace MainUnit
