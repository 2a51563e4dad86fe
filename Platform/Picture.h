// A fixed-size true-colour picture shown in a window: an off-screen image
// that the widget's paint event only copies to the screen.
#pragma once

#include "Platform/Canvas.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace Platform {

class TPicture : public QWidget {
public:
    // A black picture of Width x Height pixels at (Left, Top) of Parent.
    TPicture(QWidget* Parent, int Left, int Top, int Width, int Height);

    int ImageWidth() const { return Image.width(); }
    int ImageHeight() const { return Image.height(); }
    TCanvas& Canvas() { return CanvasValue; }
    const TCanvas& Canvas() const { return CanvasValue; }

    // The whole pixel buffer, row by row without gaps: pixel (x, y) is at
    // y * ImageWidth() + x, laid out 0x00BBGGRR. Call PixelsWritten after
    // writing through it.
    uint32_t* Pixels();
    // Makes the written pixels valid for the image format and shows them.
    void PixelsWritten();

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QImage Image;
    TCanvas CanvasValue;
};

}  // namespace Platform
