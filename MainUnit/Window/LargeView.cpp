#include "MainUnit/Window/LargeView.h"

#include "MainForm.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Window/Internal/ColourBarPaint.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "MainUnit/Window/Internal/PointLabel.h"
#include "Proc3D/Proc3D.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QtMath>

#include <new>

namespace MainUnit {

TLargeView::TLargeView(TMainForm& Owner)
    : QWidget(&Owner, Qt::Window), Form(Owner),
      Sketch(Owner.OutLineImage->Image().size(), QImage::Format_RGBX8888), SketchCanvas(Sketch, {})
{
    setWindowTitle(QString::fromLatin1(LargeViewCaption));
    Picture = new Platform::TPicture(this);
    Legend = new QLabel(this);
    Bar = new QLabel(this);
    Bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Bar->hide();
    Reading = new TPointLabel(Picture);
    auto* const Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(2);
    auto* const Top = new QHBoxLayout;
    Top->setSpacing(0);
    Top->addWidget(Picture, 1);
    Top->addWidget(Bar);
    Layout->addLayout(Top, 1);
    auto* const Bottom = new QHBoxLayout;
    Bottom->setContentsMargins(4, 0, 4, 2);
    Bottom->addWidget(Legend);
    Bottom->addStretch(1);
    Layout->addLayout(Bottom);
    resize(2 * GraphWidth, 2 * GraphHeight + 130);
    // A burst of resizes is painted once, at its last size.
    ResizeRepaint = new QTimer(this);
    ResizeRepaint->setSingleShot(true);
    ResizeRepaint->setInterval(0);
    connect(ResizeRepaint, &QTimer::timeout, this, [this] { Paint(); });
    Picture->OnResize = [this] {
        if (!ResizeRepaint->isActive()) ResizeRepaint->start();
    };
    ConnectMouse();
    // The save, copy and export shortcuts of the main window work here too.
    addActions(Form.GraphMenuActions());
}

void TLargeView::ConnectMouse()
{
    Picture->setCursor(Qt::OpenHandCursor);
    Picture->OnMouseDown = [this](int X, int Y) {
        Dragging = true;
        DragX = X;
        DragY = Y;
        Picture->setCursor(Qt::ClosedHandCursor);
    };
    Picture->OnMouseMove = [this](int X, int Y) {
        if (!Dragging || (X == DragX && Y == DragY)) return;
        const int DX = X - DragX, DY = Y - DragY;
        DragX = X;
        DragY = Y;
        // Turned by the width that the hand moves over, as on the main graph.
        Form.DragGesture(DX, DY, Picture->width());
    };
    Picture->OnMouseUp = [this](int X, int Y) {
        Picture->OnMouseMove(X, Y);
        Dragging = false;
        Picture->setCursor(Qt::OpenHandCursor);
    };
    // The fit is the main picture's, which this one frames the same way.
    Picture->OnDoubleClick = [this](int X, int Y) { Form.GraphImageDoubleClick(X, Y); };
    Picture->OnWheel = [this](double Notches, bool Control) {
        Form.GraphImageWheel(Notches, Control);
    };
    Picture->FollowPointer([this](int X, int Y) { ShowReading(X, Y); },
                           [this] { Reading->hide(); });
    Picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& Position) { Form.ShowGraphMenu(Picture, Position); });
}

void TLargeView::Follow(const TPictureRequest& Request)
{
    StateValue = {true, Request};
    if (isVisible()) Paint();
}

void TLargeView::Clear()
{
    StateValue.Painted = false;
    if (isVisible()) Paint();
}

// The main window's request made this window's: its size, and the plan
// for it. False when there is nothing to paint.
bool TLargeView::PlanPaint(TPictureRequest& Request, TPicturePlan& Plan)
{
    const TLargeViewState& S = StateValue;
    if (!S.Painted || S.Request.Results == nullptr || S.Request.Results->Points.empty())
        return false;
    Request = S.Request;
    Request.Width = Picture->ImageWidth();
    Request.Height = Picture->ImageHeight();
    if (PlanPicture(Request, Plan) != TRefusal::None || !Proc3D::CanProject(Plan.ViewPlane))
        return false;
    if (Request.UseDepthBuffer && (Depth.Width != Request.Width || Depth.Height != Request.Height))
        return PrepareDepthBuffer(Request, Depth);
    return true;
}

void TLargeView::Paint()
{
    ResizeRepaint->stop();
    TPictureRequest Request;
    TPicturePlan Plan;
    if (!PlanPaint(Request, Plan)) Request.Results = nullptr;  // black, no sketch
    Request.Width = Picture->ImageWidth();
    Request.Height = Picture->ImageHeight();
    try {
        Points.assign(static_cast<size_t>(Request.Width) * static_cast<size_t>(Request.Height),
                      NoPoint);
    } catch (const std::bad_alloc&) {
        Points.clear();  // painted without the record: nothing to pick
    }
    if (Request.Results == nullptr) Sketch.fill(Qt::black);
    PaintGraphAndSketch(Request, Plan,
                        {Picture->Pixels(), Request.Width, Request.Height,
                         Points.empty() ? nullptr : Points.data()},
                        Depth, SketchCanvas);
    Picture->PixelsWritten();
    UpdateLegend(Request);
    Reading->hide();
}

void TLargeView::UpdateLegend(const TPictureRequest& Request)
{
    const TLegendChoice Choice = Form.PictureOptions.Legend;
    Legend->setVisible(Choice == TLegendChoice::Panel);
    Bar->setVisible(Choice == TLegendChoice::Bar && Request.Results != nullptr);
    if (Legend->isVisible()) {
        // The part of the main window's picture below the graph, with this
        // view's axes sketch: the sketch, its colour key and the legend.
        Legend->setPixmap(QPixmap::fromImage(Form.PictureBelowGraph(Sketch)));
    }
    if (Bar->isVisible()) {
        // At the picture's device pixels, its measures those of the
        // window's picture on this screen.
        const qreal Ratio = Picture->devicePixelRatioF();
        QImage Image = ColourBarImage(Request.Height, Ratio, *Request.Results,
                                      Request.ShowUndefined, Request.Options);
        Image.setDevicePixelRatio(Ratio);
        Bar->setFixedWidth(qCeil(Image.width() / Ratio));
        Bar->setPixmap(QPixmap::fromImage(Image));
    }
}

void TLargeView::ShowReading(int X, int Y)
{
    if (Points.empty() || Dragging) return;
    // The pointer is in the widget's units; the record in device pixels.
    const qreal Ratio = Picture->devicePixelRatioF();
    Reading->ShowReading({X, Y}, Form.ShowPointReading(Points.data(), Picture->ImageWidth(),
                                                       Picture->ImageHeight(),
                                                       static_cast<int32_t>(X * Ratio),
                                                       static_cast<int32_t>(Y * Ratio)));
}

void TLargeView::ToggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void TLargeView::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_F11) {
        ToggleFullScreen();
        return;
    }
    if (Event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(Event);
}

void TLargeView::closeEvent(QCloseEvent* Event)
{
    QWidget::closeEvent(Event);
    // Back to the main window, which keeps this one for the next F11.
    Form.activateWindow();
}

void TLargeView::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    Paint();
}

void TMainForm::OpenLargeView()
{
    if (!LargeView) LargeView = new TLargeView(*this);
    LargeView->show();
    LargeView->raise();
    LargeView->activateWindow();
    // The view as the fields hold it; a refusal shows in the status line.
    if (!Results.Points.empty()) RepaintGraphQuietly();
}

}  // namespace MainUnit
