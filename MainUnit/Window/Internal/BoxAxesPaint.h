// The box's edges, ticks, values and axis names drawn over a painted graph
// picture, in the window, the exported picture and the command line alike.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/BoxAxes.h"
#include "MainUnit/Picture/PictureOptions.h"

#include <QFont>
#include <QImage>

namespace Proc3D {
struct TViewPlane;
}

namespace MainUnit {

// The axes laid out once for Image (the graph picture the view plane was
// built for) when Options asks for them, then drawn in two steps round the
// points: the lines the graph may hide before them, the other lines and
// every label after. Sizes grow with the picture as its zoom does. The
// image must stay alive, and at its place, for the painter's life.
class TBoxAxesPainter {
public:
    TBoxAxesPainter(QImage& Image, const TResultSet& Results, const Proc3D::TViewPlane& View,
                    const TPictureOptions& Options);
    void PaintBehind();
    void PaintInFront();
    const TAxesDrawing& Layout() const { return Drawing; }

private:
    void PaintLines(bool Behind);
    QImage& Image;
    TPictureOptions Options;
    QFont Font;
    double Size = 1;
    TAxesDrawing Drawing;
};

// Both steps at once, over a graph already painted.
void PaintBoxAxes(QImage& Image, const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPictureOptions& Options);

}  // namespace MainUnit
