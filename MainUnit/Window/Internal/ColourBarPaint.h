// The colour bar drawn as the core lays it out, in the written, saved and
// copied pictures and beside the large view's graph.
#pragma once

#include "MainUnit/Picture/ColourBar.h"
#include "MainUnit/Picture/PictureOptions.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace MainUnit {

// The face of the bar's values at Scale: that of the axes' values.
QFont ColourBarFont(long double Scale);

// Fills Place with the picture's background and draws Bar over it.
void PaintColourBar(QPainter& Painter, const TColourBar& Bar, const TFrameRect& Place,
                    long double Scale, const TPictureOptions& Options);

// The bar of Results' heights alone, Height pixels high, at Scale.
QImage ColourBarImage(int32_t Height, long double Scale, const TResultSet& Results,
                      bool ShowUndefined, const TPictureOptions& Options);

}  // namespace MainUnit
