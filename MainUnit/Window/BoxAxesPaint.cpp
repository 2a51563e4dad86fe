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

void PaintBoxAxes(QImage& Image, const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPictureOptions& Options)
{
    if (!Options.Ticks || Image.isNull()) return;
    // The window's picture at 1; larger pictures as their zoom grows.
    const double Size =
        std::min(double(Image.width()) / GraphWidth, double(Image.height()) / GraphHeight);
    const int FontSize = std::max(8, int(std::lround(12 * Size)));
    QFont Font = Platform::ProgramFont(FontSize);
    // As the legend's: the same picture whatever display the program runs on.
    Font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    Font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics Metrics(Font);
    const TMeasureText Measure = [&Metrics](const std::string& Text) {
        const QString Shown = QString::fromLatin1(Text.data(), qsizetype(Text.size()));
        return TTextSize{Metrics.horizontalAdvance(Shown), Metrics.height()};
    };
    const int Tick = std::max(3, int(std::lround(5 * Size)));
    const int Gap = std::max(2, int(std::lround(3 * Size)));
    const TAxesDrawing Drawing = LayOutBoxAxes(View, AxesBox(Results, Options.Box), Image.width(),
                                               Image.height(), Measure, Tick, Gap);

    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setPen(QPen(LineColor(Options), std::max(1.0, std::round(Size))));
    for (const TAxesLine& L : Drawing.Lines)
        Painter.drawLine(QPointF(L.X0 + 0.5, L.Y0 + 0.5), QPointF(L.X1 + 0.5, L.Y1 + 0.5));
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

}  // namespace MainUnit
