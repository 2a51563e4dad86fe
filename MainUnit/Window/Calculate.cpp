// "Calculate results": read the function settings, let the calculation
// driver check them and reserve the result set, evaluate every point while
// the window is busy, then show the new graph and legend.
#include "MainForm.h"
#include "MainUnit/Calculation/CalculationDriver.h"
#include "MainUnit/Calculation/Sampling.h"
#include "MainUnit/Calculation/Statistics.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Text/Messages.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Window/Internal/BusyState.h"
#include "Platform/Clock.h"
#include "Platform/Memory.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace MainUnit {

using Platform::TMessageKind;

std::string FieldText(const QLineEdit* Edit) { return Edit->text().toLatin1().toStdString(); }

void SetFieldText(QLineEdit* Edit, const std::string& Text)
{
    Edit->setText(QString::fromStdString(Text));
    Edit->setCursorPosition(0);
}

void TMainForm::ReportCalculationRefusal(const TCalculationOutcome& Outcome)
{
    ShowRefusal(Outcome.Refusal);
    if (Outcome.Refusal == TRefusal::SyntaxError) Status.ShowSyntaxRefusal();
    // A calculation that ends after the old set was given up leaves no set.
    // The old graph is still on screen while the box is open.
    if (Outcome.SetReplaced) {
        Status.GridNote.clear();
        ReleasePoints(Results);
        ClearImages();
        UpdateLegend(nullptr);
    }
}

void TMainForm::CalculateResultsButtonClick() { Calculate(true); }

void TMainForm::Calculate(bool Announce)
{
    // The main picture a gesture owes shows the set it was asked of.
    View.PaintMainNow();
    const Platform::TUtcTime Now = Platform::CurrentUtcTime();
    TCalculationSettings Settings;
    Settings.Texts = {FieldText(PointsToShowEdit), FieldText(XIntervalFromEdit),
                      FieldText(XIntervalToEdit),  FieldText(YIntervalFromEdit),
                      FieldText(YIntervalToEdit),  FieldText(ZIntervalFromEdit),
                      FieldText(ZIntervalToEdit),  FieldText(FunctionExpressionEdit)};
    Settings.SquareOrder = SquareRadioButton->isChecked();
    Settings.RandomSeed = FixedRandomSeed.value_or(
        RandomSeedFromClock(Now.Hour, Now.Minute, Now.Second, Now.Millisecond));
    Settings.AvailableMemory = Platform::AvailableMemoryBytes();
    Settings.Box = PictureOptions.Box;
    Settings.BoxHeight = PictureOptions.BoxHeight;

    TCalculationPlan Plan;
    TCalculationOutcome Outcome = PrepareCalculation(Settings, Results, Plan);
    if (Outcome.Refusal == TRefusal::None) {
        const TBusyState Busy(*this, StatusCalculating);
        Outcome = RunCalculation(Plan, FieldText(DistanceEdit), Results);
        if (!Outcome.NewDistance.empty()) SetFieldText(DistanceEdit, Outcome.NewDistance);
        // The new set's, for the status line when the busy time ends.
        Status.GridNote = Outcome.GridNote;
    }
    if (Outcome.Refusal != TRefusal::None) {
        ReportCalculationRefusal(Outcome);
        return;
    }

    Export.Expression = Plan.Settings.Expression.data();
    if (Announce) ShowMessage(TMessageKind::mkInformation, MsgCalculated);
    if (PictureOptions.FitAfterCalculation) View.FitZoomField();
    RepaintGraph();
    UpdateLegend(Plan.Settings.Expression.data());
    // Heights out of all proportion to the width: the box is suggested
    // until the next action writes the status line.
    if (!PictureOptions.Box && StatusLabel->text().isEmpty()) Status.Set(BoxSuggestion(Results));
}

}  // namespace MainUnit
