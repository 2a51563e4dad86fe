#include "MainUnit/Window/Internal/ColourBarPaint.h"

#include "MainUnit/Picture/GraphPaint.h"
#include "Platform/Application.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

QColor ColourOf(uint32_t C)
{
    return QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF));
}

QString Latin(const std::string& Text)
{
    return QString::fromLatin1(Text.data(), qsizetype(Text.size()));
}

}  // namespace

QFont ColourBarFont(long double Scale)
{
    QFont Font = Platform::ProgramFont(std::max(6, int(std::lround(12 * Scale))));
    // As the legend's: the same picture whatever display the program runs on.
    Font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    Font.setHintingPreference(QFont::PreferFullHinting);
    return Font;
}

void PaintColourBar(QPainter& Painter, const TColourBar& Bar, const TFrameRect& Place,
                    long double Scale, const TPictureOptions& Options)
{
    Painter.save();
    Painter.fillRect(QRect(Place.Left, Place.Top, Place.Width, Place.Height),
                     ColourOf(BackgroundColor(Options)));
    const TFrameRect& R = Bar.Ramp;
    for (std::size_t I = 0; I < Bar.Colours.size(); ++I)
        Painter.fillRect(QRect(R.Left, R.Top + int(I), R.Width, 1), ColourOf(Bar.Colours[I]));
    const QColor Text = ColourOf(ForegroundColor(Options));
    Painter.setFont(ColourBarFont(Scale));
    const auto Label = [&](int32_t Row, const std::string& Shown) {
        Painter.setPen(Text);
        Painter.drawText(QRect(Bar.TextLeft, Row - Bar.TextRow / 2, Bar.TextRoom, Bar.TextRow),
                         Qt::AlignLeft | Qt::AlignVCenter, Latin(Shown));
    };
    for (const TBarLabel& Tick : Bar.Labels) {
        Painter.fillRect(QRect(R.Left + R.Width, Tick.Row, Bar.TickLength, 1), Text);
        Label(Tick.Row, Tick.Text);
    }
    const TFrameRect& U = Bar.Undefined;
    if (U.Width > 0) {
        Painter.fillRect(QRect(U.Left, U.Top, U.Width, U.Height), ColourOf(Bar.UndefinedColour));
        Label(U.Top + U.Height / 2, UndefinedBarText);
    }
    Painter.restore();
}

QImage ColourBarImage(int32_t Height, long double Scale, const TResultSet& Results,
                      bool ShowUndefined, const TPictureOptions& Options)
{
    const TFrameRect Place{0, 0, ColourBarWidthOf(Scale, Results, ShowUndefined), Height};
    QImage Image(QSize(Place.Width, Place.Height), QImage::Format_RGB32);
    if (Image.isNull()) return Image;
    QPainter Painter(&Image);
    PaintColourBar(Painter, ColourBarOf(Place, Scale, Results, ShowUndefined, Options), Place,
                   Scale, Options);
    return Image;
}

}  // namespace MainUnit
