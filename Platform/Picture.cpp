#include "Platform/Picture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <QWheelEvent>

namespace Platform {

TPicture::TPicture(QWidget* Parent, int Left, int Top, int Width, int Height)
    : QWidget(Parent), ImageValue(Width, Height, QImage::Format_RGBX8888),
      CanvasValue(ImageValue, [this] { ShowChanges(); })
{
    ImageValue.fill(Qt::black);
    setGeometry(Left, Top, Width, Height);
    setFixedSize(Width, Height);
    // The image covers the widget: nothing behind it needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TPicture::TPicture(QWidget* Parent)
    : QWidget(Parent), ImageValue(1, 1, QImage::Format_RGBX8888),
      CanvasValue(ImageValue, [this] { ShowChanges(); }), FollowsSize(true)
{
    ImageValue.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TPicture::MatchSize()
{
    const qreal Ratio = devicePixelRatioF();
    const QSize Device(qMax(1, qRound(width() * Ratio)), qMax(1, qRound(height() * Ratio)));
    if (Device == ImageValue.size() && Ratio == ImageValue.devicePixelRatio()) return;
    ImageValue = QImage(Device, QImage::Format_RGBX8888);
    ImageValue.setDevicePixelRatio(Ratio);
    ImageValue.fill(Qt::black);
    ShowChanges();
    if (OnResize) OnResize();
}

void TPicture::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    if (FollowsSize) MatchSize();
}

void TPicture::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    // The screen, and with it the scale factor, is known once shown.
    if (FollowsSize) MatchSize();
}

void MakeOpaque(uint32_t* Pixels, qsizetype Count)
{
    // Four at a time, which the compiler makes one vector operation: over
    // a large picture a few times faster than one by one.
    constexpr uint32_t Opaque = 0xFF000000u;
    qsizetype I = 0;
    for (; I + 4 <= Count; I += 4) {
        Pixels[I] |= Opaque;
        Pixels[I + 1] |= Opaque;
        Pixels[I + 2] |= Opaque;
        Pixels[I + 3] |= Opaque;
    }
    for (; I < Count; ++I)
        Pixels[I] |= Opaque;
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
    MakeOpaque(Pixels(), qsizetype(ImageValue.width()) * ImageValue.height());
    ++GenerationValue;
    ShowChanges();
}

void TPicture::ShowChanges()
{
    ShownStale = true;
    update();
}

namespace {

// 0x00BBGGRR pixels (whatever their top byte) as the window's 0xFFRRGGBB;
// four at a time, which the compiler makes vector operations.
void ToWindowPixels(const uint32_t* __restrict From, uint32_t* __restrict To, qsizetype Count)
{
    const auto Convert = [](uint32_t P) {
        return 0xFF000000u | (P & 0xFF00u) | ((P & 0xFFu) << 16) | ((P >> 16) & 0xFFu);
    };
    qsizetype I = 0;
    for (; I + 4 <= Count; I += 4) {
        To[I] = Convert(From[I]);
        To[I + 1] = Convert(From[I + 1]);
        To[I + 2] = Convert(From[I + 2]);
        To[I + 3] = Convert(From[I + 3]);
    }
    for (; I < Count; ++I)
        To[I] = Convert(From[I]);
}

}  // namespace

const QImage& TPicture::WindowImage()
{
    if (!ShownStale) return ShownValue;
    if (ShownValue.size() != ImageValue.size())
        ShownValue = QImage(ImageValue.size(), QImage::Format_RGB32);
    // Without the memory for it the picture is drawn as it is, converted
    // by the toolkit.
    if (ShownValue.isNull()) return ImageValue;
    ShownValue.setDevicePixelRatio(ImageValue.devicePixelRatio());
    ToWindowPixels(reinterpret_cast<const uint32_t*>(ImageValue.constBits()),
                   reinterpret_cast<uint32_t*>(ShownValue.bits()),
                   qsizetype(ImageValue.width()) * ImageValue.height());
    ShownStale = false;
    return ShownValue;
}

void TPicture::paintEvent(QPaintEvent* Event)
{
    const QImage& Shown = WindowImage();
    // At a scale factor above 1 each image pixel covers several screen
    // pixels; it is repeated, never blended with its neighbours.
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (FollowsSize) {
        // Drawn at the device pixels it was made for.
        Painter.drawImage(QPoint(0, 0), Shown);
        return;
    }
    Painter.drawImage(Event->rect(), Shown, Event->rect());
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

void TPicture::FollowPointer(const std::function<void(int X, int Y)>& Hover,
                             const std::function<void()>& Leave)
{
    OnHover = Hover;
    OnLeave = Leave;
    setMouseTracking(true);
}

void TPicture::mouseMoveEvent(QMouseEvent* Event)
{
    if (LeftButton(Event, OnMouseMove, true)) return;
    if (Event->buttons() == Qt::NoButton && OnHover) {
        const QPoint Position = Event->position().toPoint();
        OnHover(Position.x(), Position.y());
        return;
    }
    QWidget::mouseMoveEvent(Event);
}

void TPicture::leaveEvent(QEvent* Event)
{
    if (OnLeave) OnLeave();
    QWidget::leaveEvent(Event);
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
