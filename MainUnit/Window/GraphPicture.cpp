#include "MainUnit/Window/Internal/GraphPicture.h"

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureLayout.h"
#include "MainUnit/Window/ControlTable.h"
#include "MainUnit/Window/Internal/BoxAxesPaint.h"
#include "MainUnit/Window/Internal/ColourBarPaint.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "Platform/Application.h"
#include "Platform/Canvas.h"
#include "Platform/Picture.h"
#include "Proc3D/Proc3D.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <cmath>
#include <optional>

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

void MakeOpaque(const TPixelArray& Graph)
{
    Platform::MakeOpaque(Graph.Pixels, qsizetype(Graph.Width) * Graph.Height);
}

QString LatinText(const std::string& Text)
{
    return QString::fromLatin1(Text.data(), qsizetype(Text.size()));
}

}  // namespace

QColor ForegroundQColor(const TPictureOptions& Options)
{
    const uint32_t C = ForegroundColor(Options);
    return {int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF)};
}

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

namespace {

// The sketch, the key, the legend and its texts, drawn into the painter's
// current coordinates (those of the group) where the group places them.
void DrawLowerParts(QPainter& Painter, const TGraphPictureParts& Parts)
{
    const TGroupPlaces& Places = GroupPlaces();
    const std::pair<const QImage*, QRect> Images[] = {{Parts.Outline, Places.Outline},
                                                      {Parts.Axises, Places.Axises},
                                                      {Parts.Legend, Places.Legend}};
    for (const auto& [Image, Place] : Images)
        if (Image) Painter.drawImage(Place.topLeft(), *Image, QRect(QPoint(0, 0), Place.size()));
    Painter.setFont(LegendLabelFont());
    Painter.setPen(Parts.LegendTextColor);
    for (std::size_t I = 0; I < Places.Labels.size(); ++I)
        Painter.drawText(Places.Labels[I], Qt::AlignLeft | Qt::AlignTop, Parts.LegendTexts[I]);
}

}  // namespace

QImage ComposeBelowGraph(const TGraphPictureParts& Parts)
{
    const TGroupPlaces& Places = GroupPlaces();
    const int Top = Places.Graph.bottom() + 1;
    QImage Picture(Places.Picture.width(), Places.Picture.bottom() + 1 - Top, QImage::Format_RGB32);
    Picture.fill(GapColor);
    QPainter Painter(&Picture);
    Painter.translate(-Places.Picture.left(), -Top);
    DrawLowerParts(Painter, Parts);
    Painter.end();
    return Picture;
}

QImage ComposeGraphPicture(const TGraphPictureParts& Parts, const TFramedPicture& Framed,
                           const TPictureOptions& Options)
{
    const TFrameLayout& F = Framed.Frame;
    QImage Picture(QSize(F.Width, F.Height), QImage::Format_RGB32);
    if (Picture.isNull()) return Picture;
    Picture.fill(GapColor);
    QPainter Painter(&Picture);
    if (Parts.Graph)
        Painter.drawImage(QPoint(F.Graph.Left, F.Graph.Top), *Parts.Graph,
                          QRect(0, 0, F.Graph.Width, F.Graph.Height));
    if (F.Panel.Width > 0) {
        // The group's places below the graph, moved to the panel's place
        // and shrunk when it has less room than their own size.
        const TGroupPlaces& Places = GroupPlaces();
        Painter.save();
        Painter.setRenderHint(QPainter::SmoothPixmapTransform, F.PanelScale < 1);
        Painter.translate(F.Panel.Left, F.Panel.Top);
        Painter.scale(double(F.PanelScale), double(F.PanelScale));
        Painter.translate(-Places.Picture.left(), -(Places.Graph.bottom() + 1));
        DrawLowerParts(Painter, Parts);
        Painter.restore();
    }
    if (F.Bar.Width > 0) PaintColourBar(Painter, Framed.Bar, F.Bar, F.BarScale, Options);
    Painter.end();
    return Picture;
}

bool PaintGraphAndSketch(const TPictureRequest& Request, const TPicturePlan& Plan,
                         const TPixelArray& Graph, TDepthBuffer& DepthBuffer,
                         Platform::TCanvas& Sketch, TPaintScratch* Scratch)
{
    const TPictureOptions& Options = Request.Options;
    const std::optional<TAxesFont> Axes =
        Options.Ticks && Request.Results ? std::make_optional<TAxesFont>(Graph.Width, Graph.Height)
                                         : std::nullopt;
    // Lines and text blend with what lies under them, which must be opaque.
    QImage Over(reinterpret_cast<uchar*>(Graph.Pixels), Graph.Width, Graph.Height,
                QImage::Format_RGBX8888);
    TAxesStyle Style = Axes ? Axes->Style() : TAxesStyle{};
    // The box's edges behind the graph go under its points, the others over them.
    if (Axes)
        Style.BeforePoints = [&](const TAxesDrawing& Layout) {
            MakeOpaque(Graph);
            Axes->DrawBehind(Over, Layout, Options);
        };
    const TPaintedPicture Painted = PaintPicture(Request, Plan, Graph, DepthBuffer, Style, Scratch);
    if (Request.Results == nullptr) return false;
    if (Axes) {
        MakeOpaque(Graph);
        Axes->Draw(Over, Painted.Axes, Options);
    }
    // The sketch scales the graph's pixels down to its own, whatever the
    // graph's size: the same sketch as the window's for the same view.
    DrawOutlineSketch(Sketch, Sketch.Width(), Sketch.Height(), Graph.Width, Graph.Height,
                      SketchedBox(*Request.Results, Request, Plan), Plan.ViewPlane,
                      Request.Outline3D, Options.LightBackground);
    return Painted.Painted;
}

QImage RenderGraphPicture(const TPictureRequest& Request, const TPicturePlan& Plan,
                          const TLegendTexts& Legend, const TFramedPicture& Framed)
{
    std::array<QString, LegendLabelCount> LegendTexts;
    const auto Texts = LegendTextsInOrder(Legend);
    for (std::size_t I = 0; I < Texts.size(); ++I)
        LegendTexts[I] = LatinText(*Texts[I]);
    return RenderGraphPicture(Request, Plan, LegendTexts, Framed);
}

QImage RenderGraphPicture(const TPictureRequest& Request, const TPicturePlan& Plan,
                          const std::array<QString, LegendLabelCount>& LegendTexts,
                          const TFramedPicture& Framed)
{
    TDepthBuffer DepthBuffer;
    if (!PrepareDepthBuffer(Request, DepthBuffer)) return {};
    QImage Graph = BlackImage(QSize(Request.Width, Request.Height));
    if (Graph.isNull()) return {};
    QImage Outline = BlackImage(GroupPlaces().Outline.size());
    Platform::TCanvas OutlineCanvas(Outline, {});
    const TPixelArray Pixels{reinterpret_cast<uint32_t*>(Graph.bits()), Graph.width(),
                             Graph.height()};
    PaintGraphAndSketch(Request, Plan, Pixels, DepthBuffer, OutlineCanvas);
    MakeOpaque(Pixels);  // the opaque top byte that the image format wants

    QImage Axises = BlackImage(GroupPlaces().Axises.size());
    Platform::TCanvas AxisesCanvas(Axises, {});
    DrawAxisesImage(AxisesCanvas, Request.Options.LightBackground);
    QImage LegendImage = BlackImage(GroupPlaces().Legend.size());
    Platform::TCanvas LegendCanvas(LegendImage, {});
    DrawLegendImage(LegendCanvas, Request.Options.LightBackground);

    TGraphPictureParts Parts{&Graph,       &Outline,    &Axises,
                             &LegendImage, LegendTexts, ForegroundQColor(Request.Options)};
    return ComposeGraphPicture(Parts, Framed, Request.Options);
}

bool EncodePng(const QImage& Picture, QByteArray& Png)
{
    QBuffer Buffer(&Png);
    if (!Buffer.open(QIODevice::WriteOnly)) return false;
    // Three bytes a pixel, as the file holds them: the writer then copies
    // rows instead of stripping the unused fourth byte from every pixel (a
    // third of the encoding time of a large picture, the same file).
    const QImage Rgb = Picture.convertToFormat(QImage::Format_RGB888);
    if (Rgb.isNull()) return false;
    QImageWriter Writer(&Buffer, "PNG");
    // Pictures larger than four of the window's are deflated at the fastest
    // level: about a sixth larger, a quarter faster to write. Quality 80 is
    // the writer's way of asking for zlib's level 1.
    if (qint64(Picture.width()) * Picture.height() > 4LL * PictureWidth * PictureHeight)
        Writer.setQuality(80);
    return Writer.write(Rgb);
}

}  // namespace MainUnit
