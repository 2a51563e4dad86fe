#include "Platform/Picture.h"

#include <QBackingStore>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <QWheelEvent>

#if defined(__GNUC__) && defined(__x86_64__)
#define TESSEL_WIDE_WINDOW_PIXELS
#include <immintrin.h>
#endif

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
    OpaqueOwed = false;
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
    // targets would otherwise take it for transparency. Showing the picture
    // needs no pass of its own for it: the copy to the window sets it.
    OpaqueOwed = true;
    ++GenerationValue;
    ShowChanges();
}

void TPicture::Settle() const
{
    if (!OpaqueOwed) return;
    OpaqueOwed = false;
    MakeOpaque(reinterpret_cast<uint32_t*>(ImageValue.bits()),
               qsizetype(ImageValue.width()) * ImageValue.height());
}

void TPicture::ShowChanges()
{
    ShownStale = true;
    update();
}

namespace {

// 0x00BBGGRR (whatever the top byte) as 0xFFRRGGBB: red and blue swapped.
uint32_t WindowPixel(uint32_t P)
{
    return 0xFF000000u | (P & 0xFF00u) | ((P & 0xFFu) << 16) | ((P >> 16) & 0xFFu);
}

}  // namespace

// Four at a time, which the compiler makes vector operations.
void ToWindowPixelsBaseline(const uint32_t* __restrict From, uint32_t* __restrict To,
                            qsizetype Count)
{
    qsizetype I = 0;
    for (; I + 4 <= Count; I += 4) {
        To[I] = WindowPixel(From[I]);
        To[I + 1] = WindowPixel(From[I + 1]);
        To[I + 2] = WindowPixel(From[I + 2]);
        To[I + 3] = WindowPixel(From[I + 3]);
    }
    for (; I < Count; ++I)
        To[I] = WindowPixel(From[I]);
}

namespace {

#ifdef TESSEL_WIDE_WINDOW_PIXELS
// Eight at a time: one byte shuffle swaps red and blue in every pixel, one
// OR sets the top bytes.
[[gnu::target("avx2")]] void ToWindowPixelsWide(const uint32_t* __restrict From,
                                                uint32_t* __restrict To, qsizetype Count)
{
    const __m256i Swap = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15, 2,
                                          1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    const __m256i Opaque = _mm256_set1_epi32(int(0xFF000000u));
    qsizetype I = 0;
    for (; I + 8 <= Count; I += 8) {
        const __m256i P = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(From + I));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(To + I),
                            _mm256_or_si256(_mm256_shuffle_epi8(P, Swap), Opaque));
    }
    for (; I < Count; ++I)
        To[I] = WindowPixel(From[I]);
}
#endif

}  // namespace

void ToWindowPixels(const uint32_t* __restrict From, uint32_t* __restrict To, qsizetype Count)
{
#ifdef TESSEL_WIDE_WINDOW_PIXELS
    if (__builtin_cpu_supports("avx2") != 0) {
        ToWindowPixelsWide(From, To, Count);
        return;
    }
#endif
    ToWindowPixelsBaseline(From, To, Count);
}

const QImage& TPicture::WindowImage()
{
    if (!ShownStale) return ShownValue;
    if (ShownValue.size() != ImageValue.size())
        ShownValue = QImage(ImageValue.size(), QImage::Format_RGB32);
    // Without the memory for it the picture is drawn as it is, converted
    // by the toolkit.
    if (ShownValue.isNull()) return Image();
    ShownValue.setDevicePixelRatio(ImageValue.devicePixelRatio());
    ToWindowPixels(reinterpret_cast<const uint32_t*>(ImageValue.constBits()),
                   reinterpret_cast<uint32_t*>(ShownValue.bits()),
                   qsizetype(ImageValue.width()) * ImageValue.height());
    ShownStale = false;
    return ShownValue;
}

bool TPicture::ShowInWindowImage(QPainter& Painter)
{
    // Only while the window's own image is being painted, as the toolkit
    // paints it, and never for a grab or a render into another device.
    QPaintEngine* const Engine = Painter.paintEngine();
    QBackingStore* const Store = window()->backingStore();
    if (Engine == nullptr || Store == nullptr || Engine->paintDevice() != Store->paintDevice() ||
        Engine->paintDevice()->devType() != QInternal::Image)
        return false;
    auto* const Target = static_cast<QImage*>(Engine->paintDevice());
    // Words 0xAARRGGBB, which an opaque pixel fills whatever the alpha
    // means; written in place, never into a copy.
    const QImage::Format Format = Target->format();
    if ((Format != QImage::Format_RGB32 && Format != QImage::Format_ARGB32 &&
         Format != QImage::Format_ARGB32_Premultiplied) ||
        !Target->isDetached())
        return false;
    // Each picture pixel one window pixel: a move and the picture's own
    // scale factor, in whole pixels.
    const QTransform Device = Painter.deviceTransform();
    const qreal Ratio = ImageValue.devicePixelRatio();
    const QPoint Offset(qRound(Device.dx()), qRound(Device.dy()));
    if (Device.type() > QTransform::TxScale || Device.m11() != Ratio || Device.m22() != Ratio ||
        Device.dx() != Offset.x() || Device.dy() != Offset.y())
        return false;
    // What the toolkit lets this widget paint now, in the window's pixels.
    QRegion Region = Engine->systemClip();
    if (Region.isEmpty()) return false;
    Region &= QRect(Offset, ImageValue.size()) & Target->rect();
    for (const QRect& Rect : Region)
        for (int Y = Rect.top(); Y <= Rect.bottom(); ++Y)
            ToWindowPixels(
                reinterpret_cast<const uint32_t*>(ImageValue.constScanLine(Y - Offset.y())) +
                    (Rect.left() - Offset.x()),
                reinterpret_cast<uint32_t*>(Target->scanLine(Y)) + Rect.left(), Rect.width());
    return true;
}

void TPicture::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    // Straight from the picture into the window's image: no copy between.
    if (ShowInWindowImage(Painter)) return;
    const QImage& Shown = WindowImage();
    // At a scale factor above 1 each image pixel covers several screen
    // pixels; it is repeated, never blended with its neighbours.
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
