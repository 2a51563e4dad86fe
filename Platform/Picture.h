// A fixed-size true-colour picture shown in a window: an off-screen image
// that the widget's paint event only copies to the screen.
#pragma once

#include "Platform/Canvas.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class QPainter;

namespace Platform {

// Sets the top byte of Count pixels, which the writers leave 0, to 0xFF as
// the image formats want it.
void MakeOpaque(uint32_t* Pixels, qsizetype Count);

// Count pixels laid out 0x00BBGGRR (whatever their top byte) written to To
// as the window's opaque 0xFFRRGGBB.
void ToWindowPixels(const uint32_t* __restrict From, uint32_t* __restrict To, qsizetype Count);
// The same without vector instructions beyond the baseline, which
// ToWindowPixels runs on processors without AVX2.
void ToWindowPixelsBaseline(const uint32_t* __restrict From, uint32_t* __restrict To,
                            qsizetype Count);

class TPicture : public QWidget {
public:
    // A black picture of Width x Height pixels at (Left, Top) of Parent.
    TPicture(QWidget* Parent, int Left, int Top, int Width, int Height);
    // A picture as large as the widget, which a layout sizes, at the screen's
    // device pixels: at a scale factor of 2 twice as many pixels each way.
    // Every change of size makes it black again and calls OnResize.
    explicit TPicture(QWidget* Parent);
    std::function<void()> OnResize;

    int ImageWidth() const { return ImageValue.width(); }
    int ImageHeight() const { return ImageValue.height(); }
    // The picture as it is shown.
    const QImage& Image() const
    {
        Settle();
        return ImageValue;
    }
    TCanvas& Canvas()
    {
        Settle();
        return CanvasValue;
    }
    const TCanvas& Canvas() const { return CanvasValue; }

    // The whole pixel buffer, row by row without gaps: pixel (x, y) is at
    // y * ImageWidth() + x, laid out 0x00BBGGRR; the top bytes are not the
    // picture's. Call PixelsWritten after writing through it.
    uint32_t* Pixels();
    // Shows the written pixels. They are made valid for the image format
    // (opaque) only when the image is next read or drawn on: a window shown
    // on the screen copies them without it.
    void PixelsWritten();
    // How many times the pixels have been written.
    uint64_t Generation() const { return GenerationValue; }

    // The left mouse button on the picture, at picture coordinates: pressed,
    // moved while held, released, and double-clicked (instead of a press).
    std::function<void(int X, int Y)> OnMouseDown;
    std::function<void(int X, int Y)> OnMouseMove;
    std::function<void(int X, int Y)> OnMouseUp;
    std::function<void(int X, int Y)> OnDoubleClick;
    // The wheel turned by Notches (forward positive; fractions from fine
    // wheels), Control telling whether Ctrl was held.
    std::function<void(double Notches, bool Control)> OnWheel;
    // The pointer moved over the picture with no button held, and left it.
    // Setting OnHover makes the picture follow the pointer.
    std::function<void(int X, int Y)> OnHover;
    std::function<void()> OnLeave;
    void FollowPointer(const std::function<void(int X, int Y)>& Hover,
                       const std::function<void()>& Leave);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    // Settle makes the written pixels opaque when Image() is read, which
    // leaves the picture as it is.
    mutable QImage ImageValue;
    mutable bool OpaqueOwed = false;
    void Settle() const;
    TCanvas CanvasValue;
    // What the paint event draws when it cannot write into the window's own
    // image (a grab, a scaled picture): the picture in the window's pixel
    // format; made again when the picture changed since.
    QImage ShownValue;
    bool ShownStale = true;
    void ShowChanges();
    const QImage& WindowImage();
    bool ShowInWindowImage(QPainter& Painter);
    uint64_t GenerationValue = 0;
    bool FollowsSize = false;
    void MatchSize();
};

}  // namespace Platform
