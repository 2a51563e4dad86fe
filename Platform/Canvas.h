// Drawing on a true-colour off-screen image with colours laid out 0x00BBGGRR
// (red in the low byte).
#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <span>

namespace Platform {

class TCanvas {
public:
    // Draws on Target, which must stay alive as long as the canvas; OnChange is
    // called after every drawing operation.
    TCanvas(QImage& Target, std::function<void()> OnChange);

    uint32_t PenColor() const { return PenColorValue; }
    void SetPenColor(uint32_t Color) { PenColorValue = Color & 0xFFFFFFu; }
    int PenWidth() const { return PenWidthValue; }
    void SetPenWidth(int Width) { PenWidthValue = Width < 1 ? 1 : Width; }
    uint32_t BrushColor() const { return BrushColorValue; }
    void SetBrushColor(uint32_t Color) { BrushColorValue = Color & 0xFFFFFFu; }
    QPoint PenPos() const { return PenPosValue; }
    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }

    // Fills the pixels Left <= x < Right, Top <= y < Bottom with the brush.
    void FillRect(int Left, int Top, int Right, int Bottom);
    void SetPixel(int X, int Y, uint32_t Color);
    // 0x00BBGGRR of one pixel; 0 outside the image.
    uint32_t Pixel(int X, int Y) const;
    void MoveTo(int X, int Y);
    // A line with the pen from the pen position to (X, Y), which becomes the
    // new pen position.
    void LineTo(int X, int Y);
    // A polygon filled with the brush and outlined with the pen.
    void Polygon(std::span<const QPoint> Points);

private:
    QImage& Image;
    std::function<void()> Changed;
    uint32_t PenColorValue = 0;
    int PenWidthValue = 1;
    uint32_t BrushColorValue = 0xFFFFFFu;
    QPoint PenPosValue;
};

// The Qt colour of a 0x00BBGGRR value.
QColor ColorOf(uint32_t Color);

}  // namespace Platform
