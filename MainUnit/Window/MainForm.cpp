// Start-up and state of the main window: creation, activation, blanking the
// pictures, locking the inputs while busy, Help and Close.
#include "MainForm.h"

#include "HelpUnit/HelpForm.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/LargeView.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace MainUnit {

TMainForm::TMainForm()
    : TForm(MainFormWidth, MainFormHeight), TMainFormControls(static_cast<QWidget&>(*this)),
      Status(*StatusLabel, *FunctionExpressionEdit),
      Export(*this, Results,
             [this] {
                 View.PaintMainNow();  // the view of the last gesture
                 return View.ViewPicture();
             }),
      Menu(*this, Export),
      FunctionActions(*this, Status, [this] { CalculateResultsButtonClick(); }), View(*this)
{
    setWindowTitle(QString::fromUtf8(MainFormCaption));
    DrawAxisesImage(AxisesImage->Canvas());
    DrawLegendImage(LegendImage->Canvas());
    ConnectEvents();
    OnActivate = [this] { FormActivate(); };
    FormCreate();
}

void TMainForm::ConnectEvents()
{
    const std::pair<QAbstractButton*, void (TMainForm::*)()> Clicks[] = {
        {CalculateResultsButton, &TMainForm::CalculateResultsButtonClick},
        {UndefResultsCheckBox, &TMainForm::UndefResultsCheckBoxClick},
        {ZBufferCheckBox, &TMainForm::ZBufferCheckBoxClick},
        {Outline3DCheckBox, &TMainForm::Outline3DCheckBoxClick},
        {HelpButton, &TMainForm::HelpButtonClick},
        {CloseButton, &TMainForm::CloseButtonClick},
        {HorAngleIncButton, &TMainForm::HorAngleIncButtonClick},
        {HorAngleDecButton, &TMainForm::HorAngleDecButtonClick},
        {VerAngleIncButton, &TMainForm::VerAngleIncButtonClick},
        {VerAngleDecButton, &TMainForm::VerAngleDecButtonClick},
        {DistanceIncButton, &TMainForm::DistanceIncButtonClick},
        {DistanceDecButton, &TMainForm::DistanceDecButtonClick},
        {ZoomIncButton, &TMainForm::ZoomIncButtonClick},
        {ZoomDecButton, &TMainForm::ZoomDecButtonClick},
        {MinDistanceButton, &TMainForm::MinDistanceButtonClick}};
    for (const auto& [Button, Handler] : Clicks)
        connect(Button, &QAbstractButton::clicked, this,
                [this, Handler = Handler] { (this->*Handler)(); });
    connect(FunctionExpressionEdit, &QLineEdit::textChanged, this, [this] { Status.ShowTyping(); });
    for (QAction* Choice : {Menu.BoxAction, Menu.TicksAction, Menu.LightBackgroundAction,
                            Menu.FitAfterCalculationAction, Menu.SurfaceAction, Menu.LightAction})
        connect(Choice, &QAction::triggered, this, [this] { ViewChoiceToggled(); });
    for (QAction* Choice : Menu.LegendActions)
        connect(Choice, &QAction::triggered, this, [this] { ViewChoiceToggled(); });
    connect(Menu.LargeViewAction, &QAction::triggered, this, [this] { View.OpenLargeView(); });
    HorAngleEdit->OnExit = [this] { HorAngleEditExit(); };
    VerAngleEdit->OnExit = [this] { VerAngleEditExit(); };
    DistanceEdit->OnExit = [this] { DistanceEditExit(); };
    ZoomEdit->OnExit = [this] { ZoomEditExit(); };
    HorAngleEdit->OnKeyPress = [this](char Key) { HorAngleEditKeyPress(Key); };
    VerAngleEdit->OnKeyPress = [this](char Key) { VerAngleEditKeyPress(Key); };
    DistanceEdit->OnKeyPress = [this](char Key) { DistanceEditKeyPress(Key); };
    ZoomEdit->OnKeyPress = [this](char Key) { ZoomEditKeyPress(Key); };
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
    // The view field the focus leaves now, if any.
    Platform::TEdit* Left = nullptr;
    for (Platform::TEdit* Field : {HorAngleEdit, VerAngleEdit, DistanceEdit, ZoomEdit})
        if (focusWidget() == Field) Left = Field;
    // The box just closed refused a repaint that had read the text typed in
    // that field: the field counts as answered, or leaving it below would
    // repeat the same refusal at once.
    if (Left && RepaintRefusalShown) Left->setModified(false);
    FunctionExpressionEdit->setFocus(Qt::ActiveWindowFocusReason);
    // The toolkit moves the focus only once the window is active again, and
    // then as an activation, which is no exit. The field is told here, as any
    // other move of the focus tells it: after the help window, for instance,
    // a typed field repaints now.
    if (Left && Left->OnExit) Left->OnExit();
    ClearImages();
}

void TMainForm::ClearImages()
{
    View.DropMainLater();
    const uint32_t Background = BackgroundColor(PictureOptions);
    View.Graph.Blank(Background);
    Platform::TCanvas& Sketch = OutLineImage->Canvas();
    Sketch.SetBrushColor(Background);
    Sketch.FillRect(0, 0, OutLineImage->ImageWidth(), OutLineImage->ImageHeight());
    if (View.LargeView) View.LargeView->Clear();
}

void TMainForm::SetControlsEnabled(bool Enabled)
{
    const auto Locked = LockedControls();
    // Qt hands the focus of a control being disabled to the next control
    // still enabled, in the end to a camera field, which would select its
    // text. While locked, the camera fields take no focus, so the focus is
    // simply dropped; it goes back where it was when the lock ends.
    if (!Enabled && std::find(Locked.begin(), Locked.end(), focusWidget()) != Locked.end())
        FocusBeforeLock = focusWidget();
    for (QLineEdit* Camera : {CameraXEdit, CameraYEdit, CameraZEdit})
        Camera->setFocusPolicy(Enabled ? Qt::StrongFocus : Qt::NoFocus);
    for (QWidget* Control : Locked)
        Control->setEnabled(Enabled);
    if (Enabled && FocusBeforeLock) {
        FocusBeforeLock->setFocus(Qt::OtherFocusReason);
        FocusBeforeLock = nullptr;
    }
}

void TMainForm::DisableControls() { SetControlsEnabled(false); }

void TMainForm::EnableControls() { SetControlsEnabled(true); }

void TMainForm::CloseButtonClick() { close(); }

void TMainForm::HelpButtonClick()
{
    if (HelpForm) RunModal([this] { HelpForm->ShowModal(); });
}

}  // namespace MainUnit
