#include "Platform/Picture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace Platform {

TPicture::TPicture(QWidget* Parent, int Left, int Top, int Width, int Height)
    : QWidget(Parent), ImageValue(Width, Height, QImage::Format_RGBX8888),
      CanvasValue(ImageValue, [this] { update(); })
{
    ImageValue.fill(Qt::black);
    setGeometry(Left, Top, Width, Height);
    setFixedSize(Width, Height);
    // The image covers the widget: nothing behind it needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

uint32_t* TPicture::Pixels()
{
    // A 32-bit format has no padding at the row ends.
    return reinterpret_cast<uint32_t*>(ImageValue.bits());
}

void TPicture::PixelsWritten()
{
    // Writers put 0 into the top byte; the format wants 0xFF there, and some
    // targets would otherwise take it for transparency.
    uint32_t* Pixel = Pixels();
    const qsizetype Count = qsizetype(ImageValue.width()) * ImageValue.height();
    for (qsizetype I = 0; I < Count; ++I)
        Pixel[I] |= 0xFF000000u;
    ++GenerationValue;
    update();
}

void TPicture::paintEvent(QPaintEvent* Event)
{
    // At a scale factor above 1 each image pixel covers several screen
    // pixels; it is repeated, never blended with its neighbours.
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Painter.drawImage(Event->rect(), ImageValue, Event->rect());
}

namespace {

// Calls Handler with the position of a left-button event; false when the
// event is not the left button's or nobody listens.
bool LeftButton(QMouseEvent* Event, const std::function<void(int, int)>& Handler,
                bool HeldDuringMove = false)
{
    const bool Left = HeldDuringMove ? (Event->buttons() & Qt::LeftButton) != 0
                                     : Event->button() == Qt::LeftButton;
    if (!Left || !Handler) return false;
    const QPoint Position = Event->position().toPoint();
    Handler(Position.x(), Position.y());
    return true;
}

// One notch of an ordinary wheel, in eighths of a degree.
constexpr double NotchDelta = 120.0;

}  // namespace

void TPicture::mousePressEvent(QMouseEvent* Event)
{
    if (!LeftButton(Event, OnMouseDown)) QWidget::mousePressEvent(Event);
}

void TPicture::mouseMoveEvent(QMouseEvent* Event)
{
    if (!LeftButton(Event, OnMouseMove, true)) QWidget::mouseMoveEvent(Event);
}

void TPicture::mouseReleaseEvent(QMouseEvent* Event)
{
    if (!LeftButton(Event, OnMouseUp)) QWidget::mouseReleaseEvent(Event);
}

void TPicture::mouseDoubleClickEvent(QMouseEvent* Event)
{
    if (!LeftButton(Event, OnDoubleClick)) QWidget::mouseDoubleClickEvent(Event);
}

void TPicture::wheelEvent(QWheelEvent* Event)
{
    const int Delta = Event->angleDelta().y();
    if (Delta == 0 || !OnWheel) {
        QWidget::wheelEvent(Event);
        return;
    }
    OnWheel(Delta / NotchDelta, (Event->modifiers() & Qt::ControlModifier) != 0);
    Event->accept();
}

}  // namespace Platform
