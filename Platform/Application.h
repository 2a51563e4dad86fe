// Start-up of the Qt application: device-pixel layout, the program's font
// and style, and its title.
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace Platform {

// Pixel height of the text of every window; the layout is made for it.
constexpr int FontPixelSize = 13;

// Must run before the QApplication exists: keeps the layout at device
// pixels, whatever the screen's dpi or scale factor.
void PrepareApplication();

// Fixes the look that the layout was made for and sets the application's
// title (the name the desktop shows for the program).
void SetUpApplication(QApplication& App, const QString& Title);

// The program's font: a free sans-serif face of the given pixel height.
QFont ProgramFont(int PixelSize = FontPixelSize, bool Bold = false);

}  // namespace Platform
