#include "MainUnit/Window/Internal/GraphPicture.h"

#include "MainUnit/DepthBuffer.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/Window/ControlTable.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "Platform/Application.h"
#include "Platform/Canvas.h"
#include "Proc3D/Proc3D.h"

#include <QBuffer>
#include <QPainter>

namespace MainUnit {

namespace {

// Where the control table puts a control in the group.
QRect PlaceOf(const char* Name)
{
    const TControlRow* Row = FindControlRow(Name);
    return Row ? QRect(Row->Left, Row->Top, Row->Width, Row->Height) : QRect();
}

// The places of the group's pictures and labels; the picture reaches from
// the graph's top left corner over all of them.
struct TGroupPlaces {
    QRect Graph = PlaceOf("GraphImage");
    QRect Outline = PlaceOf("OutLineImage");
    QRect Axises = PlaceOf("AxisesImage");
    QRect Legend = PlaceOf("LegendImage");
    std::array<QRect, LegendLabelCount> Labels{};
    QRect Picture;

    TGroupPlaces()
    {
        std::size_t Count = 0;
        for (const TControlRow& Row : MainFormControls())
            if (Row.Kind == TControlKind::LegendLabel && Count < Labels.size())
                Labels[Count++] = QRect(Row.Left, Row.Top, Row.Width, Row.Height);
        Picture = Graph.united(Outline).united(Axises).united(Legend);
    }
};

const TGroupPlaces& GroupPlaces()
{
    static const TGroupPlaces Places;
    return Places;
}

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
    const TGroupPlaces& Places = GroupPlaces();
    QImage Picture(Places.Picture.size(), QImage::Format_RGB32);
    Picture.fill(GapColor);
    QPainter Painter(&Picture);
    Painter.translate(-Places.Picture.topLeft());
    const std::pair<const QImage*, QRect> Images[] = {{Parts.Graph, Places.Graph},
                                                      {Parts.Outline, Places.Outline},
                                                      {Parts.Axises, Places.Axises},
                                                      {Parts.Legend, Places.Legend}};
    for (const auto& [Image, Place] : Images)
        if (Image) Painter.drawImage(Place.topLeft(), *Image, QRect(QPoint(0, 0), Place.size()));
    Painter.setFont(LegendLabelFont());
    Painter.setPen(Qt::white);
    for (std::size_t I = 0; I < Places.Labels.size(); ++I)
        Painter.drawText(Places.Labels[I], Qt::AlignLeft | Qt::AlignTop, Parts.LegendTexts[I]);
    Painter.end();
    return Picture;
}

void PaintGraphAndSketch(const TPictureRequest& Request, const TPixelArray& Graph,
                         TDepthBuffer& DepthBuffer, Platform::TCanvas& Sketch)
{
    FillPicture(Graph, 0);
    if (Request.Results == nullptr) return;
    PaintGraph(*Request.Results, Request.ViewPlane, Graph, Request.ShowUndefined,
               Request.UseDepthBuffer ? &DepthBuffer : nullptr);
    DrawOutlineSketch(Sketch, Sketch.Width(), Sketch.Height(), Graph.Width, Graph.Height,
                      *Request.Results, Request.ViewPlane, Request.Outline3D);
}

QImage RenderGraphPicture(const TPictureRequest& Request, const TLegendTexts& Legend)
{
    TDepthBuffer DepthBuffer;
    if (!PrepareDepthBuffer(Request, DepthBuffer)) return {};
    QImage Graph = BlackImage(QSize(Request.Width, Request.Height));
    QImage Outline = BlackImage(GroupPlaces().Outline.size());
    Platform::TCanvas OutlineCanvas(Outline, {});
    auto* const Pixels = reinterpret_cast<uint32_t*>(Graph.bits());
    PaintGraphAndSketch(Request, {Pixels, Graph.width(), Graph.height()}, DepthBuffer,
                        OutlineCanvas);
    // The opaque top byte that the image format wants.
    for (qsizetype I = 0, Count = qsizetype(Graph.width()) * Graph.height(); I < Count; ++I)
        Pixels[I] |= 0xFF000000u;

    QImage Axises = BlackImage(GroupPlaces().Axises.size());
    Platform::TCanvas AxisesCanvas(Axises, {});
    DrawAxisesImage(AxisesCanvas);
    QImage LegendImage = BlackImage(GroupPlaces().Legend.size());
    Platform::TCanvas LegendCanvas(LegendImage, {});
    DrawLegendImage(LegendCanvas);

    TGraphPictureParts Parts{&Graph, &Outline, &Axises, &LegendImage, {}};
    const auto Texts = LegendTextsInOrder(Legend);
    for (std::size_t I = 0; I < Texts.size(); ++I)
        Parts.LegendTexts[I] = LatinText(*Texts[I]);
    return ComposeGraphPicture(Parts);
}

bool EncodePng(const QImage& Picture, QByteArray& Png)
{
    QBuffer Buffer(&Png);
    return Buffer.open(QIODevice::WriteOnly) && Picture.save(&Buffer, "PNG");
}

}  // namespace MainUnit
