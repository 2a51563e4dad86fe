// The lines and texts of the box's edges, ticks, values and axis names,
// drawn over a painted graph picture in the program's font, as the picture
// step lays them out; in the window, the exported picture and the command
// line alike.
#pragma once

#include "MainUnit/Picture/BoxAxes.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/PicturePaint.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

namespace MainUnit {

// The font, tick length and gap of the axes of a Width x Height picture:
// the window's picture at 1, larger pictures as their zoom grows.
class TAxesFont {
public:
    TAxesFont(int Width, int Height);
    // Measures with this font, which must outlive the style.
    TAxesStyle Style() const;
    // Draws the layout over Image in the colours of Options.
    void Draw(QImage& Image, const TAxesDrawing& Drawing, const TPictureOptions& Options) const;

private:
    double Size;
    QFont Font;
    QFontMetrics Metrics;
};

}  // namespace MainUnit
