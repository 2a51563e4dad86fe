// The mouse on the graph picture: drag to turn the camera, wheel to zoom,
// Ctrl+wheel to move the camera, double-click to fit the graph. A gesture
// writes the view fields as the step buttons do and repaints through the
// same path, but never opens a message box: a refusal goes to the status line.
#include "MainForm.h"
#include "MainUnit/Picture/ViewGesture.h"
#include "MainUnit/Text/RefusalStatus.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace MainUnit {

void TMainForm::ConnectMouse()
{
    // A zero-time timer fires once the events already waiting are handled.
    GestureRepaint = new QTimer(this);
    GestureRepaint->setSingleShot(true);
    GestureRepaint->setInterval(0);
    connect(GestureRepaint, &QTimer::timeout, this, [this] { RepaintGraphQuietly(); });
    GraphImage->setCursor(Qt::OpenHandCursor);
    GraphImage->OnMouseDown = [this](int X, int Y) { GraphImageMouseDown(X, Y); };
    GraphImage->OnMouseMove = [this](int X, int Y) { GraphImageMouseMove(X, Y); };
    GraphImage->OnMouseUp = [this](int X, int Y) { GraphImageMouseUp(X, Y); };
    GraphImage->OnDoubleClick = [this](int X, int Y) { GraphImageDoubleClick(X, Y); };
    GraphImage->OnWheel = [this](double Notches, bool Control) {
        GraphImageWheel(Notches, Control);
    };
}

bool TMainForm::ReadViewForGesture(TViewSettings& View)
{
    // The repaint's own checks and words, shown without a box; the fields
    // stay as they are.
    TRefusal Refusal = TRefusal::NoResults;
    if (!Results.Points.empty()) {
        Refusal =
            CheckViewSettings(FieldText(HorAngleEdit), FieldText(VerAngleEdit),
                              FieldText(DistanceEdit), FieldText(ZoomEdit), ViewRadius(), View);
        if (Refusal == TRefusal::None) return true;
    }
    SetStatus(RefusalStatus(Refusal, ViewRadius()));
    return false;
}

void TMainForm::ApplyGesture(const TViewTexts& Texts)
{
    bool Changed = false;
    const std::pair<QLineEdit*, const std::string*> Writes[] = {{HorAngleEdit, &Texts.HorAngle},
                                                                {VerAngleEdit, &Texts.VerAngle},
                                                                {DistanceEdit, &Texts.Distance},
                                                                {ZoomEdit, &Texts.Zoom}};
    for (const auto& [Edit, Text] : Writes) {
        if (Text->empty() || FieldText(Edit) == *Text) continue;
        SetFieldText(Edit, *Text);
        Changed = true;
    }
    if (Changed) RepaintGestureLater();
}

void TMainForm::RepaintGestureLater()
{
    if (!GestureRepaint->isActive()) GestureRepaint->start();
}

void TMainForm::GraphImageMouseDown(int X, int Y)
{
    Dragging = true;
    DragX = X;
    DragY = Y;
    GraphImage->setCursor(Qt::ClosedHandCursor);
}

void TMainForm::GraphImageMouseMove(int X, int Y)
{
    if (!Dragging || (X == DragX && Y == DragY)) return;
    const int DX = X - DragX, DY = Y - DragY;
    // A refused move is dropped rather than saved up for later.
    DragX = X;
    DragY = Y;
    DragGesture(DX, DY, GraphImage->ImageWidth());
}

void TMainForm::DragGesture(int DX, int DY, int32_t Width)
{
    TViewSettings View;
    if (!ReadViewForGesture(View)) return;
    ApplyGesture(DragView(View, DX, DY, Width));
}

void TMainForm::GraphImageMouseUp(int X, int Y)
{
    GraphImageMouseMove(X, Y);
    Dragging = false;
    GraphImage->setCursor(Qt::OpenHandCursor);
}

void TMainForm::GraphImageDoubleClick(int /*X*/, int /*Y*/)
{
    TViewSettings View;
    if (!ReadViewForGesture(View)) return;
    ApplyGesture(FitTexts(View));
}

void TMainForm::GraphImageWheel(double Notches, bool Control)
{
    TViewSettings View;
    if (!ReadViewForGesture(View)) return;
    ApplyGesture(Control ? WheelDistance(View, Notches, ViewRadius()) : WheelZoom(View, Notches));
}

}  // namespace MainUnit
