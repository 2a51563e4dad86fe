#include "MainUnit/Window/LargeView.h"

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Window/ControlTable.h"
#include "MainUnit/Window/Internal/ColourBarPaint.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "Proc3D/Proc3D.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QtMath>

namespace MainUnit {

namespace {

// The size of the main window's axes sketch, which this one copies.
QSize SketchSize()
{
    const TControlRow* Row = FindControlRow("OutLineImage");
    return Row ? QSize(Row->Width, Row->Height) : QSize(1, 1);
}

QColor Colour(uint32_t Bgr)
{
    return {int(Bgr & 0xFF), int((Bgr >> 8) & 0xFF), int((Bgr >> 16) & 0xFF)};
}

}  // namespace

TLargeView::TLargeView(QWidget& Owner, TLargeViewHost& ViewHost, const QList<QAction*>& Shortcuts)
    : QWidget(&Owner, Qt::Window), Host(ViewHost), Sketch(SketchSize(), QImage::Format_RGBX8888),
      SketchCanvas(Sketch, {})
{
    setWindowTitle(QString::fromLatin1(LargeViewCaption));
    Picture = new Platform::TPicture(this);
    Legend = new QLabel(this);
    Bar = new QLabel(this);
    Bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Bar->hide();
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
    Graph = std::make_unique<TGraphView>(*Picture, Host);
    // The save, copy and export shortcuts of the main window work here too.
    addActions(Shortcuts);
}

TLargeView::~TLargeView() = default;

void TLargeView::Follow(const TPictureRequest& Request)
{
    Graph->Shown = {true, Request};
    if (isVisible()) Paint();
}

void TLargeView::Clear()
{
    Graph->Shown.Painted = false;
    if (isVisible()) Paint();
}

// The main window's request made this window's: its size, and the plan
// for it. False when there is nothing to paint.
bool TLargeView::PlanPaint(TPictureRequest& Request, TPicturePlan& Plan)
{
    const TShownView& S = Graph->Shown;
    if (!S.Painted || S.Request.Results == nullptr || S.Request.Results->Points.empty())
        return false;
    Request = S.Request;
    Request.Width = Picture->ImageWidth();
    Request.Height = Picture->ImageHeight();
    if (PlanPicture(Request, Plan) != TRefusal::None || !Proc3D::CanProject(Plan.ViewPlane))
        return false;
    return Graph->KeepDepthBuffer(Request);
}

void TLargeView::Paint()
{
    ResizeRepaint->stop();
    TPictureRequest Request;
    TPicturePlan Plan;
    if (!PlanPaint(Request, Plan)) {
        // Blank in the background of the choices, without a sketch.
        Request.Results = nullptr;
        Request.Options = Host.Options();
        Sketch.fill(Colour(BackgroundColor(Request.Options)));
    }
    Request.Width = Picture->ImageWidth();
    Request.Height = Picture->ImageHeight();
    // Painted without the record when memory lacks: nothing to pick.
    Graph->Record.Reset(Request.Width, Request.Height);
    if (Request.Results == nullptr) Graph->Record.Clear();
    PaintGraphAndSketch(Request, Plan,
                        {Picture->Pixels(), Request.Width, Request.Height, Graph->Record.Data()},
                        Graph->Depth, SketchCanvas, &Graph->Scratch);
    Picture->PixelsWritten();
    UpdateLegend();
    Graph->HideReading();
}

void TLargeView::UpdateLegend()
{
    const TShownView& S = Graph->Shown;
    const TLegendChoice Choice = Host.Options().Legend;
    const bool HaveResults =
        S.Painted && S.Request.Results != nullptr && !S.Request.Results->Points.empty();
    Legend->setVisible(Choice == TLegendChoice::Panel);
    Bar->setVisible(Choice == TLegendChoice::Bar && HaveResults);
    if (Legend->isVisible()) {
        // The main window's sketch key and legend, with this view's sketch.
        Legend->setPixmap(QPixmap::fromImage(Host.PictureBelowGraph(Sketch)));
    }
    if (Bar->isVisible()) {
        // At the picture's device pixels, its measures those of the
        // window's picture on this screen.
        const qreal Ratio = Picture->devicePixelRatioF();
        QImage Image = ColourBarImage(Picture->ImageHeight(), Ratio, *S.Request.Results,
                                      S.Request.ShowUndefined, Host.Options());
        Image.setDevicePixelRatio(Ratio);
        Bar->setFixedWidth(qCeil(Image.width() / Ratio));
        Bar->setPixmap(QPixmap::fromImage(Image));
    }
}

void TLargeView::ToggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        return;
    }
    NormalGeometry = geometry();
    showFullScreen();
}

void TLargeView::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_F11) {
        ToggleFullScreen();
        return;
    }
    if (Event->key() == Qt::Key_Escape && isFullScreen()) {
        ToggleFullScreen();
        return;
    }
    QWidget::keyPressEvent(Event);
}

void TLargeView::closeEvent(QCloseEvent* Event)
{
    QWidget::closeEvent(Event);
    // Its memory goes back while the view is closed.
    Graph->Scratch.Release();
    Graph->Depth = {};
    // Opened again, it is the window it was before it went full screen:
    // full screen, a window whose normal size the screen gave it would be
    // left larger than the screen by Escape.
    if (isFullScreen()) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setGeometry(NormalGeometry);
    }
    // Back to the main window, which keeps this one for the next F11.
    if (QWidget* Owner = parentWidget()) Owner->activateWindow();
}

void TLargeView::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    Paint();
}

}  // namespace MainUnit
