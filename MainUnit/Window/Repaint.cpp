// The graph repaint: check the view settings, place the camera, paint every
// point into the graph picture, then draw the axes sketch.
#include "MainForm.h"
#include "MainUnit/DepthBuffer.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Messages.h"
#include "MainUnit/NumberText.h"
#include "Proc3D/Proc3D.h"

#include <QCheckBox>
#include <QLineEdit>

namespace MainUnit {

using Platform::TMessageKind;

void TMainForm::RepaintGraph()
{
    if (Results.Points.empty()) {
        ShowMessage(TMessageKind::mkWarning, MsgNoResults);
        return;
    }
    TViewSettings View;
    const std::string Refusal =
        CheckViewSettings(FieldText(HorAngleEdit), FieldText(VerAngleEdit), FieldText(DistanceEdit),
                          FieldText(ZoomEdit), Results.BoundingRadius, View);
    if (!Refusal.empty()) {
        ShowMessage(TMessageKind::mkWarning, Refusal);
        return;
    }
    const int32_t Width = GraphImage->ImageWidth();
    const int32_t Height = GraphImage->ImageHeight();
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane ViewPlane{};
    if (!Proc3D::CalcViewPlane(Camera, Width, Height, View.VerAngle, View.HorAngle, View.Zoom,
                               View.Distance, ViewPlane)) {
        ShowMessage(TMessageKind::mkWarning, MsgViewPlane);
        return;
    }

    // Read once: the repaint draws with the states of this moment.
    const bool ShowUndefined = UndefResultsCheckBox->isChecked();
    const bool UseDepthBuffer = ZBufferCheckBox->isChecked();
    TDepthBuffer DepthBuffer;  // released on every way out
    if (UseDepthBuffer && !CreateDepthBuffer(Width, Height, DepthBuffer)) {
        ShowMessage(TMessageKind::mkError, MsgZBuffer);
        return;
    }

    SetFieldText(CameraXEdit, FormatReal(Camera.X));
    SetFieldText(CameraYEdit, FormatReal(Camera.Y));
    SetFieldText(CameraZEdit, FormatReal(Camera.Z));

    DisableControls();
    SetStatus(StatusRepainting);
    RedrawNow();

    const MainUnit::TPicture Picture{GraphImage->Pixels(), Width, Height};
    FillPicture(Picture, 0);
    PaintGraph(Results, ViewPlane, Picture, ShowUndefined, UseDepthBuffer ? &DepthBuffer : nullptr);
    GraphImage->PixelsWritten();
    DrawOutline(ViewPlane);

    EnableControls();
    SetStatus({});
    RedrawNow();
}

void TMainForm::UndefResultsCheckBoxClick() { RepaintGraph(); }

void TMainForm::ZBufferCheckBoxClick() { RepaintGraph(); }

void TMainForm::Outline3DCheckBoxClick() { RepaintGraph(); }

}  // namespace MainUnit
