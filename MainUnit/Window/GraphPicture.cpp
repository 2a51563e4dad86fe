#include "MainUnit/Window/Internal/GraphPicture.h"

#include "MainUnit/DepthBuffer.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "Platform/Application.h"
#include "Platform/Canvas.h"
#include "Proc3D/Proc3D.h"

#include <QBuffer>
#include <QPainter>

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
    QImage Picture(PictureSize, QImage::Format_RGB32);
    Picture.fill(GapColor);
    QPainter Painter(&Picture);
    Painter.translate(-PictureOrigin);
    const std::pair<const QImage*, QRect> Images[] = {{Parts.Graph, GraphPlace},
                                                      {Parts.Outline, OutlinePlace},
                                                      {Parts.Axises, AxisesPlace},
                                                      {Parts.Legend, LegendPlace}};
    for (const auto& [Image, Place] : Images)
        if (Image) Painter.drawImage(Place.topLeft(), *Image, QRect(QPoint(0, 0), Place.size()));
    Painter.setFont(LegendLabelFont());
    Painter.setPen(Qt::white);
    for (int I = 0; I < LegendLabelCount; ++I)
        Painter.drawText(LabelPlaces[I], Qt::AlignLeft | Qt::AlignTop, Parts.LegendTexts[I]);
    Painter.end();
    return Picture;
}

QImage RenderGraphPicture(const TResultSet& Results, const Proc3D::TViewPlane& ViewPlane,
                          bool ShowUndefined, bool UseDepthBuffer, bool Outline3D,
                          const TLegendTexts& Legend)
{
    QImage Graph = BlackImage(GraphPlace.size());
    TDepthBuffer DepthBuffer;
    if (UseDepthBuffer && !CreateDepthBuffer(Graph.width(), Graph.height(), DepthBuffer)) return {};
    // The repaint's own steps: black, the points, then the opaque top byte
    // that the image format wants.
    auto* const Pixels = reinterpret_cast<uint32_t*>(Graph.bits());
    const TPixelArray Target{Pixels, Graph.width(), Graph.height()};
    FillPicture(Target, 0);
    PaintGraph(Results, ViewPlane, Target, ShowUndefined, UseDepthBuffer ? &DepthBuffer : nullptr);
    for (qsizetype I = 0, Count = qsizetype(Graph.width()) * Graph.height(); I < Count; ++I)
        Pixels[I] |= 0xFF000000u;

    QImage Outline = BlackImage(OutlinePlace.size());
    Platform::TCanvas OutlineCanvas(Outline, {});
    DrawOutlineSketch(OutlineCanvas, Outline.width(), Outline.height(), Graph.width(),
                      Graph.height(), Results, ViewPlane, Outline3D);
    QImage Axises = BlackImage(AxisesPlace.size());
    Platform::TCanvas AxisesCanvas(Axises, {});
    DrawAxisesImage(AxisesCanvas);
    QImage LegendImage = BlackImage(LegendPlace.size());
    Platform::TCanvas LegendCanvas(LegendImage, {});
    DrawLegendImage(LegendCanvas);

    TGraphPictureParts Parts{&Graph, &Outline, &Axises, &LegendImage, {}};
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
