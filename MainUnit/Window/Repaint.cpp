// The graph repaint: check the view settings, place the camera, paint every
// point into the graph picture, then draw the axes sketch.
#include "MainForm.h"
#include "MainUnit/BoxMapping.h"
#include "MainUnit/DepthBuffer.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Messages.h"
#include "MainUnit/NumberText.h"
#include "MainUnit/Window/Internal/BoxAxesPaint.h"
#include "MainUnit/Window/Internal/BusyState.h"
#include "Proc3D/Proc3D.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <utility>

namespace MainUnit {

using Platform::TMessageKind;

// What a repaint has found and made ready once its checks have passed.
struct TRepaintPlan {
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane ViewPlane{};
    bool ShowUndefined = false;
    bool UseDepthBuffer = false;
    TDepthBuffer DepthBuffer;  // released on every way out
    TPictureOptions Options;
    TBoxMapping Box;
};

bool TMainForm::PlanRepaint(TRepaintPlan& Plan, TMessageKind& Kind, std::string& Refusal)
{
    Kind = TMessageKind::mkWarning;
    if (Results.Points.empty()) {
        Refusal = MsgNoResults;
        return false;
    }
    TViewSettings View;
    Refusal = CheckViewSettings(FieldText(HorAngleEdit), FieldText(VerAngleEdit),
                                FieldText(DistanceEdit), FieldText(ZoomEdit), ViewRadius(), View);
    if (!Refusal.empty()) return false;
    const int32_t Width = GraphImage->ImageWidth();
    const int32_t Height = GraphImage->ImageHeight();
    if (!Proc3D::CalcViewPlane(Plan.Camera, Width, Height, View.VerAngle, View.HorAngle, View.Zoom,
                               View.Distance, Plan.ViewPlane)) {
        Refusal = MsgViewPlane;
        return false;
    }
    // A plane through which nothing projects would give a black picture
    // without a word.
    if (!Proc3D::CanProject(Plan.ViewPlane)) {
        Refusal = MsgViewBeyondPrecision;
        return false;
    }

    // Read once: the repaint draws with the states of this moment.
    Plan.ShowUndefined = UndefResultsCheckBox->isChecked();
    Plan.UseDepthBuffer = ZBufferCheckBox->isChecked();
    Plan.Options = PictureOptions;
    if (Plan.Options.Box) Plan.Box = MakeBoxMapping(Results);
    if (Plan.UseDepthBuffer && !CreateDepthBuffer(Width, Height, Plan.DepthBuffer)) {
        Kind = TMessageKind::mkError;
        Refusal = MsgZBuffer;
        return false;
    }
    return true;
}

void TMainForm::PaintPlanned(TRepaintPlan& Plan, bool Locked)
{
    // The fields show the beginning of a long number, the tooltip all of it.
    const std::pair<QLineEdit*, double> Coordinates[] = {
        {CameraXEdit, Plan.Camera.X}, {CameraYEdit, Plan.Camera.Y}, {CameraZEdit, Plan.Camera.Z}};
    for (const auto& [Field, Value] : Coordinates) {
        SetFieldText(Field, FormatReal(Value));
        Field->setToolTip(Field->text());
    }

    // The quiet repaints of a gesture leave the window unlocked.
    std::optional<TBusyState> Busy;
    if (Locked) Busy.emplace(*this, StatusRepainting);

    const int32_t Width = GraphImage->ImageWidth();
    const int32_t Height = GraphImage->ImageHeight();
    const MainUnit::TPixelArray Picture{GraphImage->Pixels(), Width, Height};
    FillPicture(Picture, BackgroundColor(Plan.Options));
    PaintGraph(Results, Plan.ViewPlane, Picture, Plan.ShowUndefined,
               Plan.UseDepthBuffer ? &Plan.DepthBuffer : nullptr, true,
               PointStyleFor(Plan.Options, Plan.Box));
    GraphImage->PixelsWritten();
    // Over opaque pixels: text blends with what lies under it.
    if (Plan.Options.Ticks) {
        QImage Over(reinterpret_cast<uchar*>(Picture.Pixels), Width, Height,
                    QImage::Format_RGBX8888);
        PaintBoxAxes(Over, Results, Plan.ViewPlane, Plan.Options);
    }
    DrawOutline(Plan.ViewPlane);

    if (!Locked && !StatusLabel->text().isEmpty()) SetStatus({});
}

void TMainForm::RepaintGraph()
{
    TRepaintPlan Plan;
    TMessageKind Kind = TMessageKind::mkWarning;
    std::string Refusal;
    if (!PlanRepaint(Plan, Kind, Refusal)) {
        ShowMessage(Kind, Refusal);
        return;
    }
    PaintPlanned(Plan, true);
}

bool TMainForm::RepaintGraphQuietly()
{
    TRepaintPlan Plan;
    TMessageKind Kind = TMessageKind::mkWarning;
    std::string Refusal;
    if (!PlanRepaint(Plan, Kind, Refusal)) {
        SetStatus(Refusal);
        return false;
    }
    PaintPlanned(Plan, false);
    return true;
}

void TMainForm::UndefResultsCheckBoxClick() { RepaintGraph(); }

void TMainForm::ZBufferCheckBoxClick() { RepaintGraph(); }

void TMainForm::Outline3DCheckBoxClick() { RepaintGraph(); }

}  // namespace MainUnit
