// The buttons and fields that turn, move and zoom the camera. Each changes at
// most one field and then, as a rule, repaints; the repaint checks the values.
#include "MainForm.h"

#include <QLineEdit>

namespace MainUnit {

namespace {

constexpr char EnterKey = '\r';

void ApplyStep(TMainForm& Form, QLineEdit* Edit, const TStep& Step)
{
    switch (Step.Action) {
    case TStepAction::WriteAndRepaint:
        SetFieldText(Edit, Step.NewText);
        Form.RepaintGraph();
        break;
    case TStepAction::RepaintOnly:
        Form.RepaintGraph();
        break;
    case TStepAction::Nothing:
        break;
    }
}

// A step of a field whose step needs only its text.
void StepField(TMainForm& Form, QLineEdit* Edit, TStep (*Step)(std::string_view, bool),
               bool Increase)
{
    ApplyStep(Form, Edit, Step(FieldText(Edit), Increase));
}

void ViewEditExit(TMainForm& Form, QLineEdit* Edit)
{
    // Only the user's typing sets the flag; leaving an unchanged field does
    // not repaint.
    if (!Edit->isModified()) return;
    Edit->setModified(false);
    Form.RepaintGraph();
}

void ViewEditKeyPress(TMainForm& Form, char Key)
{
    // The key goes on to the edit afterwards, and the modified flag stays:
    // leaving the field after Enter repaints once more.
    if (Key == EnterKey) Form.RepaintGraph();
}

}  // namespace

void TMainForm::HorAngleIncButtonClick() { StepField(*this, HorAngleEdit, HorAngleStep, true); }
void TMainForm::HorAngleDecButtonClick() { StepField(*this, HorAngleEdit, HorAngleStep, false); }
void TMainForm::VerAngleIncButtonClick() { StepField(*this, VerAngleEdit, VerAngleStep, true); }
void TMainForm::VerAngleDecButtonClick() { StepField(*this, VerAngleEdit, VerAngleStep, false); }
void TMainForm::ZoomIncButtonClick() { StepField(*this, ZoomEdit, ZoomStep, true); }
void TMainForm::ZoomDecButtonClick() { StepField(*this, ZoomEdit, ZoomStep, false); }

void TMainForm::DistanceIncButtonClick()
{
    ApplyStep(*this, DistanceEdit, DistanceStep(FieldText(DistanceEdit), true, ViewRadius()));
}

void TMainForm::DistanceDecButtonClick()
{
    ApplyStep(*this, DistanceEdit, DistanceStep(FieldText(DistanceEdit), false, ViewRadius()));
}

void TMainForm::MinDistanceButtonClick()
{
    SetFieldText(DistanceEdit, MinDistanceText(ViewRadius()));
    RepaintGraph();
}

void TMainForm::HorAngleEditExit() { ViewEditExit(*this, HorAngleEdit); }
void TMainForm::VerAngleEditExit() { ViewEditExit(*this, VerAngleEdit); }
void TMainForm::DistanceEditExit() { ViewEditExit(*this, DistanceEdit); }
void TMainForm::ZoomEditExit() { ViewEditExit(*this, ZoomEdit); }
void TMainForm::HorAngleEditKeyPress(char Key) { ViewEditKeyPress(*this, Key); }
void TMainForm::VerAngleEditKeyPress(char Key) { ViewEditKeyPress(*this, Key); }
void TMainForm::DistanceEditKeyPress(char Key) { ViewEditKeyPress(*this, Key); }
void TMainForm::ZoomEditKeyPress(char Key) { ViewEditKeyPress(*this, Key); }

}  // namespace MainUnit
