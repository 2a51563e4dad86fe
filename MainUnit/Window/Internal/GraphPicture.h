// The picture that "Save picture as" writes and "Copy picture" copies, and
// that the command line writes: what the " Graph window " group shows, from
// the graph at its top left corner down to the bottom of the legend, with
// the axes sketch, its colour key and the legend placed as in the window.
#pragma once

#include "MainUnit/Picture/ColourBar.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Text/LegendText.h"
#include "Platform/Canvas.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <array>

namespace MainUnit {

// The pictures and legend texts of the group, each shown where the control
// table places it; the texts in the order of LegendTextsInOrder.
struct TGraphPictureParts {
    const QImage* Graph = nullptr;
    const QImage* Outline = nullptr;
    const QImage* Axises = nullptr;
    const QImage* Legend = nullptr;
    std::array<QString, LegendLabelCount> LegendTexts;
    QColor LegendTextColor = Qt::white;
};

// The graph and its axes sketch, for the window's repaint, the large view,
// the exported picture and the command line alike: the picture step paints
// Graph (of the request's size: the top byte of each pixel left 0, or set
// where the axes with values are drawn over it), then the axes' lines and
// texts and the sketch of the same view over the whole Sketch canvas. With
// no result set, Graph is only filled with the background. DepthBuffer comes
// from PrepareDepthBuffer; Scratch, when given, is the repainting window's
// memory for the point loop. False when no point could be painted.
bool PaintGraphAndSketch(const TPictureRequest& Request, const TPicturePlan& Plan,
                         const TPixelArray& Graph, TDepthBuffer& DepthBuffer,
                         Platform::TCanvas& Sketch, TPaintScratch* Scratch = nullptr);

// The colour of texts and lines over the picture's background.
QColor ForegroundQColor(const TPictureOptions& Options);

// The face of the legend labels, in the window and in the picture.
QFont LegendLabelFont();

// The group's pictures and texts as one opaque picture laid out by Framed:
// the graph, and the sketch, key and legend below it as the window has
// them, or the colour bar at its right, or the graph alone.
QImage ComposeGraphPicture(const TGraphPictureParts& Parts, const TFramedPicture& Framed,
                           const TPictureOptions& Options);
// The part of that picture below the graph, at the window's size.
QImage ComposeBelowGraph(const TGraphPictureParts& Parts);

// The same picture made without a window: the graph painted as the repaint
// paints it (at the request's size, with its choices), the sketch drawn as
// the repaint draws it, the fixed pictures, and the legend texts of the
// calculation, laid out by Framed (whose graph is the request's size). Null
// when the depth buffer or the picture cannot be had.
QImage RenderGraphPicture(const TPictureRequest& Request, const TPicturePlan& Plan,
                          const TLegendTexts& Legend, const TFramedPicture& Framed);
// The same with the legend texts as the window's labels show them, in the
// order of LegendTextsInOrder.
QImage RenderGraphPicture(const TPictureRequest& Request, const TPicturePlan& Plan,
                          const std::array<QString, LegendLabelCount>& LegendTexts,
                          const TFramedPicture& Framed);

// The picture as PNG file content; false when it cannot be encoded.
bool EncodePng(const QImage& Picture, QByteArray& Png);

}  // namespace MainUnit
