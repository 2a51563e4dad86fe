// The box's edges, ticks, values and axis names drawn over a painted graph
// picture, in the window, the exported picture and the command line alike.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/PictureOptions.h"

#include <QImage>

namespace Proc3D {
struct TViewPlane;
}

namespace MainUnit {

// Draws over Image (the graph picture the view plane was built for) when
// Options asks for the axes; nothing otherwise. Sizes grow with the picture
// as its zoom does.
void PaintBoxAxes(QImage& Image, const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPictureOptions& Options);

}  // namespace MainUnit
