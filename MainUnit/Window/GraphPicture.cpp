#include "MainUnit/Window/Internal/GraphPicture.h"

#include "MainUnit/BoxMapping.h"
#include "MainUnit/DepthBuffer.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Window/Internal/BoxAxesPaint.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "Platform/Application.h"
#include "Platform/Canvas.h"
#include "Proc3D/Proc3D.h"

#include <QBuffer>
#include <QPainter>

#include <cmath>

namespace MainUnit {

namespace {

// Places in the group's coordinates, as the window lays them out; the
// picture starts at the graph's top left corner.
constexpr QPoint PictureOrigin(8, 20);
constexpr QSize PictureSize(505, 526);
constexpr QRect GraphPlace(8, 20, 505, 404);
constexpr QRect OutlinePlace(8, 426, 145, 103);
constexpr QRect AxisesPlace(8, 529, 145, 17);
constexpr QRect LegendPlace(156, 426, 357, 120);
constexpr QRect LabelPlaces[LegendLabelCount] = {
    {162, 430, 345, 17}, {162, 446, 169, 17}, {339, 446, 169, 17}, {162, 462, 345, 17},
    {192, 478, 140, 16}, {192, 494, 140, 16}, {192, 510, 140, 16}, {192, 526, 140, 16},
    {370, 478, 140, 16}, {370, 494, 140, 16}, {370, 510, 140, 16}, {370, 526, 140, 16}};
// The background of the group, which shows between the pictures.
constexpr QRgb GapColor = qRgb(236, 236, 236);

QImage BlackImage(QSize Size)
{
    QImage Image(Size, QImage::Format_RGBX8888);
    Image.fill(Qt::black);
    return Image;
}

// Under the graph, in the group's coordinates: the sketch, the key and the
// legend, from the graph's bottom edge to the bottom of the legend.
constexpr QRect LowerPlace(8, 424, 505, 122);

// The sketch, the key, the legend and its texts, drawn into the painter's
// current coordinates as the group places them.
void DrawLowerParts(QPainter& Painter, const TGraphPictureParts& Parts)
{
    const std::pair<const QImage*, QRect> Images[] = {
        {Parts.Outline, OutlinePlace}, {Parts.Axises, AxisesPlace}, {Parts.Legend, LegendPlace}};
    for (const auto& [Image, Place] : Images)
        if (Image) Painter.drawImage(Place.topLeft(), *Image, QRect(QPoint(0, 0), Place.size()));
    Painter.setFont(LegendLabelFont());
    Painter.setPen(Parts.LegendTextColor);
    for (int I = 0; I < LegendLabelCount; ++I)
        Painter.drawText(LabelPlaces[I], Qt::AlignLeft | Qt::AlignTop, Parts.LegendTexts[I]);
}

// A graph of its own size with the lower parts scaled to its width, the
// texts drawn at the scaled size rather than enlarged as pixels.
QImage ComposeSizedPicture(const TGraphPictureParts& Parts)
{
    const QImage& Graph = *Parts.Graph;
    const double Scale = double(Graph.width()) / LowerPlace.width();
    const int LowerHeight = int(std::lround(LowerPlace.height() * Scale));
    QImage Picture(QSize(Graph.width(), Graph.height() + LowerHeight), QImage::Format_RGB32);
    if (Picture.isNull()) return Picture;
    Picture.fill(GapColor);
    QPainter Painter(&Picture);
    Painter.drawImage(QPoint(0, 0), Graph);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter.translate(0, Graph.height());
    Painter.scale(Scale, Scale);
    Painter.translate(-LowerPlace.topLeft());
    DrawLowerParts(Painter, Parts);
    Painter.end();
    return Picture;
}

QString LatinText(const std::string& Text)
{
    return QString::fromLatin1(Text.data(), qsizetype(Text.size()));
}

}  // namespace

QFont LegendLabelFont()
{
    // The narrow cut of the program's face, slightly tightened: the longest
    // value a colour label can show ("Y = -8.88888888888888E-308", 136
    // pixels) fits its 140 pixels at the full height of the window's text.
    // Grey-scale smoothing and full hinting are asked for explicitly, so that
    // the picture does not depend on the display the program runs on.
    QFont Font(QStringLiteral("Liberation Sans Narrow"));
    Font.setStyleHint(QFont::SansSerif);
    Font.setPixelSize(Platform::FontPixelSize);
    Font.setBold(true);
    Font.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
    Font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    Font.setHintingPreference(QFont::PreferFullHinting);
    return Font;
}

QImage ComposeGraphPicture(const TGraphPictureParts& Parts)
{
    if (Parts.Graph && Parts.Graph->size() != GraphPlace.size()) return ComposeSizedPicture(Parts);
    QImage Picture(PictureSize, QImage::Format_RGB32);
    Picture.fill(GapColor);
    QPainter Painter(&Picture);
    Painter.translate(-PictureOrigin);
    if (Parts.Graph)
        Painter.drawImage(GraphPlace.topLeft(), *Parts.Graph,
                          QRect(QPoint(0, 0), GraphPlace.size()));
    DrawLowerParts(Painter, Parts);
    Painter.end();
    return Picture;
}

QImage RenderGraphPicture(const TResultSet& Results, const Proc3D::TViewPlane& ViewPlane,
                          bool ShowUndefined, bool UseDepthBuffer, bool Outline3D,
                          const TLegendTexts& Legend, const TPictureOptions& Options, int Width,
                          int Height)
{
    QImage Graph = BlackImage(QSize(Width, Height));
    if (Graph.isNull()) return {};
    TDepthBuffer DepthBuffer;
    if (UseDepthBuffer && !CreateDepthBuffer(Graph.width(), Graph.height(), DepthBuffer)) return {};
    // The repaint's own steps: black, the points, then the opaque top byte
    // that the image format wants.
    auto* const Pixels = reinterpret_cast<uint32_t*>(Graph.bits());
    const TPixelArray Target{Pixels, Graph.width(), Graph.height()};
    FillPicture(Target, BackgroundColor(Options));
    const TBoxMapping Box = Options.Box ? MakeBoxMapping(Results) : TBoxMapping{};
    PaintGraph(Results, ViewPlane, Target, ShowUndefined, UseDepthBuffer ? &DepthBuffer : nullptr,
               true, PointStyleFor(Options, Box));
    for (qsizetype I = 0, Count = qsizetype(Graph.width()) * Graph.height(); I < Count; ++I)
        Pixels[I] |= 0xFF000000u;
    // Over opaque pixels: text blends with what lies under it.
    PaintBoxAxes(Graph, Results, ViewPlane, Options);

    QImage Outline = BlackImage(OutlinePlace.size());
    Platform::TCanvas OutlineCanvas(Outline, {});
    // The sketch scales the graph's pixels down to its own, whatever the
    // graph's size: the same sketch as the window's for the same view.
    DrawOutlineSketch(OutlineCanvas, Outline.width(), Outline.height(), Graph.width(),
                      Graph.height(), SketchedBox(Results, Options.Box), ViewPlane, Outline3D,
                      Options.LightBackground);
    QImage Axises = BlackImage(AxisesPlace.size());
    Platform::TCanvas AxisesCanvas(Axises, {});
    DrawAxisesImage(AxisesCanvas, Options.LightBackground);
    QImage LegendImage = BlackImage(LegendPlace.size());
    Platform::TCanvas LegendCanvas(LegendImage, {});
    DrawLegendImage(LegendCanvas, Options.LightBackground);

    TGraphPictureParts Parts{&Graph, &Outline, &Axises, &LegendImage, {}, Qt::white};
    if (Options.LightBackground) Parts.LegendTextColor = QColor(0x20, 0x20, 0x20);
    const std::string* const Texts[LegendLabelCount] = {
        &Legend.FunctionExpression, &Legend.XInterval, &Legend.ZInterval, &Legend.Points,
        &Legend.RedWhite,           &Legend.Red,       &Legend.Yellow,    &Legend.Green,
        &Legend.LightBlue,          &Legend.Blue,      &Legend.Purple,    &Legend.Undefined};
    for (int I = 0; I < LegendLabelCount; ++I)
        Parts.LegendTexts[I] = LatinText(*Texts[I]);
    return ComposeGraphPicture(Parts);
}

bool EncodePng(const QImage& Picture, QByteArray& Png)
{
    QBuffer Buffer(&Png);
    return Buffer.open(QIODevice::WriteOnly) && Picture.save(&Buffer, "PNG");
}

}  // namespace MainUnit
