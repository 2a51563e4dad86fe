// The graph repaint: check the view settings, place the camera, paint every
// point into the graph picture and draw the axes sketch, through the same
// step as the exported picture and the command line.
#include "MainForm.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Picture/ViewPrecision.h"
#include "MainUnit/Text/Messages.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Text/Refusal.h"
#include "MainUnit/Text/RefusalStatus.h"
#include "MainUnit/Window/Internal/BusyState.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "MainUnit/Window/LargeView.h"
#include "Proc3D/Proc3D.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <utility>

namespace MainUnit {

using Platform::TMessageKind;

// What a repaint has found and made ready once its checks have passed;
// the main graph's depth buffer is made ready with it.
struct TRepaintPlan {
    TPictureRequest Request;
    TPicturePlan Picture;
    // The graph cannot be drawn, but the sketch can, through Picture.ViewPlane.
    bool SketchOnly = false;
};

namespace {

// The sketch needs only the angles: it is drawn even when the graph cannot be.
void DrawSketchAlone(TMainForm& Form, const TRepaintPlan& Plan)
{
    if (!Plan.SketchOnly) return;
    Platform::TCanvas& Sketch = Form.OutLineImage->Canvas();
    DrawOutlineSketch(Sketch, Sketch.Width(), Sketch.Height(), Plan.Request.Width,
                      Plan.Request.Height, Form.Results, Plan.Picture.ViewPlane,
                      Plan.Request.Outline3D);
}

}  // namespace

TRefusal TMainForm::PlanRepaint(TRepaintPlan& Plan)
{
    if (Results.Points.empty()) return TRefusal::NoResults;
    TPictureRequest& Request = Plan.Request;
    const TRefusal Refusal = View.CheckFields(Request.View);
    if (Refusal != TRefusal::None) return Refusal;
    Request.Results = &Results;
    Request.Width = GraphImage->ImageWidth();
    Request.Height = GraphImage->ImageHeight();
    // The box's height and the picture's move shape the plan.
    Request.Options = PictureOptions;
    if (PlanPicture(Request, Plan.Picture) != TRefusal::None) return TRefusal::ViewPlane;
    // A plane through which nothing projects would give a black picture
    // without a word.
    if (!Proc3D::CanProject(Plan.Picture.ViewPlane)) {
        Request.Outline3D = Outline3DCheckBox->isChecked();
        Plan.SketchOnly = SketchViewPlane(Results, Request.View, Request.Width, Request.Height,
                                          Plan.Picture.ViewPlane);
        return CannotDrawRefusal(Results, Request.View, Request.Width, Request.Height);
    }

    // Read once: the repaint draws with the states of this moment.
    Request.ShowUndefined = UndefResultsCheckBox->isChecked();
    Request.UseDepthBuffer = ZBufferCheckBox->isChecked();
    Request.Outline3D = Outline3DCheckBox->isChecked();
    if (!View.Graph.KeepDepthBuffer(Request)) return TRefusal::ZBuffer;
    return TRefusal::None;
}

void TMainForm::ShowCamera(const TRepaintPlan& Plan)
{
    // The fields show the beginning of a long number, the tooltip all of it.
    const std::pair<QLineEdit*, double> Coordinates[] = {{CameraXEdit, Plan.Picture.Camera.X},
                                                         {CameraYEdit, Plan.Picture.Camera.Y},
                                                         {CameraZEdit, Plan.Picture.Camera.Z}};
    for (const auto& [Field, Value] : Coordinates) {
        SetFieldText(Field, FormatReal(Value));
        Field->setToolTip(Field->text());
    }
}

void TMainForm::PaintMainPicture(const TRepaintPlan& Plan)
{
    View.DropMainLater();
    TPointRecord& Record = View.Graph.Record;
    Record.Reset(Plan.Request.Width, Plan.Request.Height);
    PaintGraphAndSketch(
        Plan.Request, Plan.Picture,
        {GraphImage->Pixels(), Plan.Request.Width, Plan.Request.Height, Record.Data()},
        View.Graph.Depth, OutLineImage->Canvas(), &View.Graph.Scratch);
    GraphImage->PixelsWritten();
    View.Graph.Shown = {true, Plan.Request};
    // The point under the pointer may have moved away.
    View.Graph.HideReading();
}

void TMainForm::PaintPlanned(TRepaintPlan& Plan, bool Locked)
{
    ShowCamera(Plan);
    // The quiet repaints of a gesture leave the window unlocked.
    std::optional<TBusyState> Busy;
    if (Locked) Busy.emplace(*this, StatusRepainting);
    PaintMainPicture(Plan);
    if (View.LargeView) View.LargeView->Follow(Plan.Request);
    if (!Locked) Status.ShowResting();
}

void TMainForm::RepaintMainPicture(const TPictureRequest& Request)
{
    TRepaintPlan Plan;
    Plan.Request = Request;
    // Admitted a moment ago; the result set may have gone since.
    if (Results.Points.empty() || PlanPicture(Request, Plan.Picture) != TRefusal::None ||
        !View.Graph.KeepDepthBuffer(Request))
        return;
    ShowCamera(Plan);
    PaintMainPicture(Plan);
    Status.ShowResting();
}

void TMainForm::RepaintGraph()
{
    TRepaintPlan Plan;
    const TRefusal Refusal = PlanRepaint(Plan);
    if (Refusal != TRefusal::None) {
        // The main picture a gesture owes comes before the refusal, as it did
        // before the step that is refused.
        View.PaintMainNow();
        RepaintRefusalShown = true;
        ShowRefusal(Refusal);
        RepaintRefusalShown = false;
        DrawSketchAlone(*this, Plan);
        return;
    }
    PaintPlanned(Plan, true);
}

bool TMainForm::RepaintGraphQuietly(bool LargeViewFirst)
{
    TRepaintPlan Plan;
    const TRefusal Refusal = PlanRepaint(Plan);
    if (Refusal != TRefusal::None) {
        View.PaintMainNow();
        Status.Set(RefusalStatus(Refusal, ViewRadius()));
        DrawSketchAlone(*this, Plan);
        return false;
    }
    if (LargeViewFirst && View.LargeView && View.LargeView->isVisible()) {
        View.LargeView->Follow(Plan.Request);
        View.PaintMainLater(Plan.Request);
        return true;
    }
    PaintPlanned(Plan, false);
    return true;
}

void TMainForm::ShowRefusal(TRefusal Refusal)
{
    ShowMessage(IsMemoryRefusal(Refusal) ? TMessageKind::mkError : TMessageKind::mkWarning,
                RefusalMessage(Refusal, ViewRadius()));
}

void TMainForm::UndefResultsCheckBoxClick() { RepaintGraph(); }

void TMainForm::ZBufferCheckBoxClick() { RepaintGraph(); }

void TMainForm::Outline3DCheckBoxClick() { RepaintGraph(); }

}  // namespace MainUnit
