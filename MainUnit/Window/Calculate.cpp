// "Calculate results": check the function settings, reserve the result set,
// evaluate every point while the window is busy, correct the camera
// distance, then show the new graph and legend.
#include "MainForm.h"
#include "MainUnit/BoxMapping.h"
#include "MainUnit/Calculation.h"
#include "MainUnit/FramePoints.h"
#include "MainUnit/FunctionSettings.h"
#include "MainUnit/Messages.h"
#include "MainUnit/NumberText.h"
#include "MainUnit/PointStorage.h"
#include "MainUnit/Sampling.h"
#include "MainUnit/Statistics.h"
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

namespace {

// The request for checked settings, with the random seed taken from the
// clock at this moment.
TCalculationRequest MakeRequest(const TFunctionSettings& Settings, bool SquareOrder)
{
    const Platform::TUtcTime Now = Platform::CurrentUtcTime();
    return MakeCalculationRequest(
        Settings, SquareOrder,
        RandomSeedFromClock(Now.Hour, Now.Minute, Now.Second, Now.Millisecond));
}

}  // namespace

void TMainForm::CorrectDistanceField()
{
    // A distance that is no number, not beyond the new radius or a thousand
    // radii away or more becomes 1.5 radii.
    double Distance = 0;
    const bool DistanceValid = ReadReal(FieldText(DistanceEdit), Distance);
    const TDistanceCorrection Correction =
        CorrectCameraDistance(ViewRadius(), DistanceValid, Distance);
    if (Correction.Replace) SetFieldText(DistanceEdit, FormatReal(Correction.Distance));
}

namespace {

// A calculation that ends after the old set was replaced leaves no set. The
// old graph is still on screen while the box is open.
void DropResults(TMainForm& Form, TMessageKind Kind, const char* Text)
{
    Form.ShowMessage(Kind, Text);
    ReleasePoints(Form.Results);
    Form.ClearImages();
    Form.UpdateLegend(nullptr);
}

// Refuses a set too large to be shown while the old set is intact, then
// reserves the storage of the new one; false once the refusal is reported.
bool ReserveResults(TMainForm& Form, const TFunctionSettings& Settings, const TGridPlan& Plan)
{
    if (Plan.Ok && !IntervalsShowable(Settings)) {
        Form.ShowMessage(TMessageKind::mkWarning, MsgResultsTooLarge);
        return false;
    }
    if (!(Plan.Ok && GridFitsMemory(Plan, Platform::AvailableMemoryBytes()) &&
          ReservePoints(Form.Results, Plan))) {
        DropResults(Form, TMessageKind::mkError, MsgCannotAllocate);
        return false;
    }
    return true;
}

}  // namespace

void TMainForm::ReportStorageFailure()
{
    DropResults(*this, TMessageKind::mkError, MsgCannotAllocate);
}

void TMainForm::CalculateResultsButtonClick() { Calculate(true); }

void TMainForm::CalculateWithoutAnnouncement() { Calculate(false); }

void TMainForm::Calculate(bool Announce)
{
    const std::string Texts[] = {FieldText(PointsToShowEdit), FieldText(XIntervalFromEdit),
                                 FieldText(XIntervalToEdit),  FieldText(YIntervalFromEdit),
                                 FieldText(YIntervalToEdit),  FieldText(ZIntervalFromEdit),
                                 FieldText(ZIntervalToEdit),  FieldText(FunctionExpressionEdit)};
    TFunctionSettings Settings;
    const std::string Refusal = CheckFunctionSettings(
        {Texts[0], Texts[1], Texts[2], Texts[3], Texts[4], Texts[5], Texts[6], Texts[7]}, Settings);
    if (!Refusal.empty()) {
        ShowMessage(TMessageKind::mkWarning, Refusal);
        if (Refusal == MsgSyntaxError) ShowSyntaxRefusalStatus();
        return;
    }

    // Widths that overflow and grids beyond 32 bits or beyond memory all
    // end here, before anything of the old set is replaced but its storage.
    const TGridPlan Plan =
        PlanGrid(Settings.PointCount, Settings.XIntervalFrom, Settings.XIntervalTo,
                 Settings.ZIntervalFrom, Settings.ZIntervalTo);
    if (!ReserveResults(*this, Settings, Plan)) return;

    bool Calculated = false;
    bool Showable = false;
    {
        const TBusyState Busy(*this, StatusCalculating);
        TCalculationRequest Request = MakeRequest(Settings, SquareRadioButton->isChecked());
        if (FixedRandomSeed) Request.RandomSeed = *FixedRandomSeed;
        Calculated = CalculateResults(Results, Request, Plan);
        // Results far beyond the intervals can still make the radius too large.
        Showable = Calculated && IsShowableRadius(Results.BoundingRadius);
        if (Showable) CorrectDistanceField();
    }
    if (!Calculated) {
        ReportStorageFailure();
        return;
    }
    if (!Showable) {
        DropResults(*this, TMessageKind::mkWarning, MsgResultsTooLarge);
        return;
    }

    ResultExpression = Settings.Expression.data();
    if (Announce) ShowMessage(TMessageKind::mkInformation, MsgCalculated);
    if (PictureOptions.FitAfterCalculation) FitZoomField();
    RepaintGraph();
    UpdateLegend(Settings.Expression.data());
    // Heights out of all proportion to the width: the box is suggested
    // until the next action writes the status line.
    if (!PictureOptions.Box && StatusLabel->text().isEmpty()) SetStatus(BoxSuggestion(Results));
}

void TMainForm::FitZoomField()
{
    TViewSettings View;
    if (!CheckViewSettings(FieldText(HorAngleEdit), FieldText(VerAngleEdit),
                           FieldText(DistanceEdit), FieldText(ZoomEdit), ViewRadius(), View)
             .empty())
        return;
    const TViewTexts Texts = FitTexts(View);
    if (!Texts.Zoom.empty()) SetFieldText(ZoomEdit, Texts.Zoom);
}

}  // namespace MainUnit
