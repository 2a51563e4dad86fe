// The buttons and fields that turn, move and zoom the camera. Each changes at
// most one field and then, as a rule, repaints; the repaint checks the values.
#include "MainForm.h"

#include <QLineEdit>

namespace MainUnit {

namespace {

constexpr char EnterKey = '\r';

}  // namespace

void TMainForm::ApplyStep(QLineEdit* Edit, const TStep& Step)
{
    switch (Step.Action) {
    case TStepAction::WriteAndRepaint:
        SetFieldText(Edit, Step.NewText);
        RepaintGraph();
        break;
    case TStepAction::RepaintOnly:
        RepaintGraph();
        break;
    case TStepAction::Nothing:
        break;
    }
}

void TMainForm::HorAngleIncButtonClick()
{
    ApplyStep(HorAngleEdit, HorAngleStep(FieldText(HorAngleEdit), true));
}
void TMainForm::HorAngleDecButtonClick()
{
    ApplyStep(HorAngleEdit, HorAngleStep(FieldText(HorAngleEdit), false));
}
void TMainForm::VerAngleIncButtonClick()
{
    ApplyStep(VerAngleEdit, VerAngleStep(FieldText(VerAngleEdit), true));
}
void TMainForm::VerAngleDecButtonClick()
{
    ApplyStep(VerAngleEdit, VerAngleStep(FieldText(VerAngleEdit), false));
}
void TMainForm::ZoomIncButtonClick() { ApplyStep(ZoomEdit, ZoomStep(FieldText(ZoomEdit), true)); }
void TMainForm::ZoomDecButtonClick() { ApplyStep(ZoomEdit, ZoomStep(FieldText(ZoomEdit), false)); }

void TMainForm::DistanceIncButtonClick()
{
    ApplyStep(DistanceEdit, DistanceStep(FieldText(DistanceEdit), true, ViewRadius()));
}

void TMainForm::DistanceDecButtonClick()
{
    ApplyStep(DistanceEdit, DistanceStep(FieldText(DistanceEdit), false, ViewRadius()));
}

void TMainForm::MinDistanceButtonClick()
{
    SetFieldText(DistanceEdit, MinDistanceText(ViewRadius()));
    RepaintGraph();
}

void TMainForm::ViewEditExit(QLineEdit* Edit)
{
    // Only the user's typing sets the flag; leaving an unchanged field does
    // not repaint.
    if (!Edit->isModified()) return;
    Edit->setModified(false);
    RepaintGraph();
}

void TMainForm::ViewEditKeyPress(char Key)
{
    // The key goes on to the edit afterwards, and the modified flag stays:
    // leaving the field after Enter repaints once more.
    if (Key == EnterKey) RepaintGraph();
}

void TMainForm::HorAngleEditExit() { ViewEditExit(HorAngleEdit); }
void TMainForm::VerAngleEditExit() { ViewEditExit(VerAngleEdit); }
void TMainForm::DistanceEditExit() { ViewEditExit(DistanceEdit); }
void TMainForm::ZoomEditExit() { ViewEditExit(ZoomEdit); }
void TMainForm::HorAngleEditKeyPress(char Key) { ViewEditKeyPress(Key); }
void TMainForm::VerAngleEditKeyPress(char Key) { ViewEditKeyPress(Key); }
void TMainForm::DistanceEditKeyPress(char Key) { ViewEditKeyPress(Key); }
void TMainForm::ZoomEditKeyPress(char Key) { ViewEditKeyPress(Key); }

}  // namespace MainUnit
