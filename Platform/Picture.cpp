#include "Platform/Picture.h"

#include <QPaintEvent>
#include <QPainter>

namespace Platform {

TPicture::TPicture(QWidget* Parent, int Left, int Top, int Width, int Height)
    : QWidget(Parent), Image(Width, Height, QImage::Format_RGBX8888),
      CanvasValue(Image, [this] { update(); })
{
    Image.fill(Qt::black);
    setGeometry(Left, Top, Width, Height);
    setFixedSize(Width, Height);
    // The image covers the widget: nothing behind it needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

uint32_t* TPicture::Pixels()
{
    // A 32-bit format has no padding at the row ends.
    return reinterpret_cast<uint32_t*>(Image.bits());
}

void TPicture::PixelsWritten()
{
    // Writers put 0 into the top byte; the format wants 0xFF there, and some
    // targets would otherwise take it for transparency.
    uint32_t* Pixel = Pixels();
    const qsizetype Count = qsizetype(Image.width()) * Image.height();
    for (qsizetype I = 0; I < Count; ++I)
        Pixel[I] |= 0xFF000000u;
    update();
}

void TPicture::paintEvent(QPaintEvent* Event)
{
    // At a scale factor above 1 each image pixel covers several screen
    // pixels; it is repeated, never blended with its neighbours.
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Painter.drawImage(Event->rect(), Image, Event->rect());
}

}  // namespace Platform
