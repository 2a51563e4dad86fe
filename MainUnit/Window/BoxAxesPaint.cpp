#include "MainUnit/Window/Internal/BoxAxesPaint.h"

#include "MainUnit/Picture/BoxAxes.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "Platform/Application.h"
#include "Proc3D/Proc3D.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

// Lines a little quieter than the text over the same background.
QColor LineColor(const TPictureOptions& Options)
{
    return Options.LightBackground ? QColor(96, 96, 96) : QColor(176, 176, 176);
}

QColor TextColor(const TPictureOptions& Options)
{
    const uint32_t C = ForegroundColor(Options);
    return QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF));
}

}  // namespace

TBoxAxesPainter::TBoxAxesPainter(QImage& Target, const TResultSet& Results,
                                 const Proc3D::TViewPlane& View, const TPictureOptions& Chosen)
    : Image(Target), Options(Chosen)
{
    if (!Options.Ticks || Image.isNull()) return;
    const TAxesSizes Sizes = AxesSizes(Image.width(), Image.height());
    Size = Sizes.Scale;
    Font = Platform::ProgramFont(Sizes.FontPixels);
    // As the legend's: the same picture whatever display the program runs on.
    Font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    Font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics Metrics(Font);
    const TMeasureText Measure = [&Metrics](const std::string& Text) {
        const QString Shown = QString::fromLatin1(Text.data(), qsizetype(Text.size()));
        return TTextSize{Metrics.horizontalAdvance(Shown), Metrics.height()};
    };
    Drawing = LayOutBoxAxes(View, AxesBox(Results, Options.Box, Options.BoxHeight), Image.width(),
                            Image.height(), Measure, Sizes.TickLength, Sizes.Gap);
}

void TBoxAxesPainter::PaintLines(bool Behind)
{
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setPen(QPen(LineColor(Options), std::max(1.0, std::round(Size))));
    for (const TAxesLine& L : Drawing.Lines)
        if (L.Behind == Behind)
            Painter.drawLine(QPointF(L.X0 + 0.5, L.Y0 + 0.5), QPointF(L.X1 + 0.5, L.Y1 + 0.5));
}

void TBoxAxesPainter::PaintBehind()
{
    if (Options.Ticks && !Image.isNull()) PaintLines(true);
}

void TBoxAxesPainter::PaintInFront()
{
    if (!Options.Ticks || Image.isNull()) return;
    PaintLines(false);
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setPen(TextColor(Options));
    for (const TAxesLabel& Label : Drawing.Labels) {
        QFont LabelFont = Font;
        LabelFont.setBold(Label.Name);
        Painter.setFont(LabelFont);
        Painter.drawText(QRect(Label.Left, Label.Top, Label.Width, Label.Height),
                         Qt::AlignCenter | Qt::TextDontClip,
                         QString::fromLatin1(Label.Text.data(), qsizetype(Label.Text.size())));
    }
}

void PaintBoxAxes(QImage& Image, const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPictureOptions& Options)
{
    TBoxAxesPainter Painter(Image, Results, View, Options);
    Painter.PaintBehind();
    Painter.PaintInFront();
}

}  // namespace MainUnit
