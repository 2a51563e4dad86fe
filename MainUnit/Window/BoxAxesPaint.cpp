#include "MainUnit/Window/Internal/BoxAxesPaint.h"

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "Platform/Application.h"

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

double SizeOf(int Width, int Height)
{
    return std::min(double(Width) / GraphWidth, double(Height) / GraphHeight);
}

QFont AxesFont(double Size)
{
    QFont Font = Platform::ProgramFont(std::max(8, int(std::lround(12 * Size))));
    // As the legend's: the same picture whatever display the program runs on.
    Font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    Font.setHintingPreference(QFont::PreferFullHinting);
    return Font;
}

}  // namespace

TAxesFont::TAxesFont(int Width, int Height)
    : Size(SizeOf(Width, Height)), Font(AxesFont(Size)), Metrics(Font)
{
}

TAxesStyle TAxesFont::Style() const
{
    TAxesStyle Style;
    Style.Measure = [this](const std::string& Text) {
        const QString Shown = QString::fromLatin1(Text.data(), qsizetype(Text.size()));
        return TTextSize{Metrics.horizontalAdvance(Shown), Metrics.height()};
    };
    Style.TickLength = std::max(3, int(std::lround(5 * Size)));
    Style.Gap = std::max(2, int(std::lround(3 * Size)));
    return Style;
}

void TAxesFont::Draw(QImage& Image, const TAxesDrawing& Drawing,
                     const TPictureOptions& Options) const
{
    if (Image.isNull()) return;
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setPen(QPen(LineColor(Options), std::max(1.0, std::round(Size))));
    for (const TAxesLine& L : Drawing.Lines)
        Painter.drawLine(QPointF(L.X0 + 0.5, L.Y0 + 0.5), QPointF(L.X1 + 0.5, L.Y1 + 0.5));
    Painter.setPen(ForegroundQColor(Options));
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
