// The picture that "Save picture as" writes and "Copy picture" copies, and
// that the command line writes: what the " Graph window " group shows, from
// the graph at its top left corner down to the bottom of the legend, with
// the axes sketch, its colour key and the legend placed as in the window.
#pragma once

#include "MainUnit/LegendText.h"
#include "MainUnit/PictureOptions.h"
#include "MainUnit/ResultSet.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <array>

namespace Proc3D {
struct TViewPlane;
}

namespace MainUnit {

inline constexpr int LegendLabelCount = 12;

// The pictures and legend texts of the group. The texts are in the order
// FunctionExpression, XInterval, ZInterval, Points, RedWhite, Red, Yellow,
// Green, LightBlue, Blue, Purple, Undefined.
struct TGraphPictureParts {
    const QImage* Graph = nullptr;    // 505 x 404, or any size for a picture of its own
    const QImage* Outline = nullptr;  // 145 x 103
    const QImage* Axises = nullptr;   // 145 x 17
    const QImage* Legend = nullptr;   // 357 x 120
    std::array<QString, LegendLabelCount> LegendTexts;
    QColor LegendTextColor = Qt::white;
};

// The face of the legend labels, in the window and in the picture.
QFont LegendLabelFont();

// The group's pictures and texts as one opaque picture. A graph of another
// size than the window's has the sketch, the key and the legend below it as
// the window has them, scaled to its width.
QImage ComposeGraphPicture(const TGraphPictureParts& Parts);

// The same picture made without a window: the graph painted as the repaint
// paints it (at the size the view plane was built for, Width x Height), the
// sketch drawn as the repaint draws it, the fixed pictures, and the legend
// texts of the calculation, all in the choices of Options. Null when the
// depth buffer or the picture cannot be had.
QImage RenderGraphPicture(const TResultSet& Results, const Proc3D::TViewPlane& ViewPlane,
                          bool ShowUndefined, bool UseDepthBuffer, bool Outline3D,
                          const TLegendTexts& Legend, const TPictureOptions& Options = {},
                          int Width = 505, int Height = 404);

// The picture as PNG file content; false when it cannot be encoded.
bool EncodePng(const QImage& Picture, QByteArray& Png);

}  // namespace MainUnit
