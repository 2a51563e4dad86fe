#include "Platform/Canvas.h"

#include <QPainter>
#include <QPen>

#include <utility>

namespace Platform {

QColor ColorOf(uint32_t Color)
{
    return QColor(int(Color & 0xFFu), int((Color >> 8) & 0xFFu), int((Color >> 16) & 0xFFu));
}

TCanvas::TCanvas(QImage& Target, std::function<void()> OnChange)
    : Image(Target), Changed(std::move(OnChange))
{
}

void TCanvas::FillRect(int Left, int Top, int Right, int Bottom)
{
    if (Right <= Left || Bottom <= Top) return;
    QPainter Painter(&Image);
    Painter.fillRect(QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)),
                     ColorOf(BrushColorValue));
    Painter.end();
    if (Changed) Changed();
}

void TCanvas::SetPixel(int X, int Y, uint32_t Color)
{
    if (X < 0 || Y < 0 || X >= Image.width() || Y >= Image.height()) return;
    // Image is Format_RGBX8888: on a little-endian machine its bytes R, G, B, X
    // read as 0xXXBBGGRR; the X byte is kept at 0xFF as the format wants.
    reinterpret_cast<uint32_t*>(Image.scanLine(Y))[X] = (Color & 0xFFFFFFu) | 0xFF000000u;
    if (Changed) Changed();
}

uint32_t TCanvas::Pixel(int X, int Y) const
{
    if (X < 0 || Y < 0 || X >= Image.width() || Y >= Image.height()) return 0;
    return reinterpret_cast<const uint32_t*>(Image.constScanLine(Y))[X] & 0xFFFFFFu;
}

void TCanvas::MoveTo(int X, int Y) { PenPosValue = QPoint(X, Y); }

void TCanvas::LineTo(int X, int Y)
{
    QPainter Painter(&Image);
    Painter.setPen(
        QPen(ColorOf(PenColorValue), PenWidthValue, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Painter.drawLine(PenPosValue, QPoint(X, Y));
    Painter.end();
    PenPosValue = QPoint(X, Y);
    if (Changed) Changed();
}

void TCanvas::Polygon(std::span<const QPoint> Points)
{
    if (Points.empty()) return;
    QPainter Painter(&Image);
    Painter.setPen(
        QPen(ColorOf(PenColorValue), PenWidthValue, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Painter.setBrush(ColorOf(BrushColorValue));
    Painter.drawPolygon(Points.data(), int(Points.size()));
    Painter.end();
    if (Changed) Changed();
}

}  // namespace Platform
