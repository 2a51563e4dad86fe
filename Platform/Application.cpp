#include "Platform/Application.h"

#include <QApplication>
#include <QStyleFactory>

namespace Platform {

void PrepareApplication()
{
    // The window is laid out in device pixels; dpi rescaling would move every
    // control off its place.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
}

void SetUpApplication(QApplication& App, const QString& Title)
{
    // Fusion looks the same on every desktop, so captions fit the same way
    // everywhere.
    if (QStyle* Style = QStyleFactory::create(QStringLiteral("Fusion"))) App.setStyle(Style);
    App.setFont(ProgramFont());
    // The application name, not the display name: the display name would be
    // appended to every window caption.
    App.setApplicationName(Title);
}

QFont ProgramFont(int PixelSize, bool Bold)
{
    // Liberation Sans has the metrics of the sans-serif faces the layout was
    // designed with; fontconfig substitutes another sans face if it is absent.
    QFont Font(QStringLiteral("Liberation Sans"));
    Font.setStyleHint(QFont::SansSerif);
    Font.setPixelSize(PixelSize);
    Font.setBold(Bold);
    return Font;
}

}  // namespace Platform
