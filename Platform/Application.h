// Start-up of the Qt application: scale factor, the program's font and
// style, its title, icon and desktop identity.
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace Platform {

// Pixel height of the text of every window; the layout is made for it.
constexpr int FontPixelSize = 13;

// Must run before the QApplication exists: follows the desktop's scale
// factor in whole steps, and names the program's windows for the desktop.
void PrepareApplication();

// While alive (around the making of the QApplication): a display that cannot
// be opened, which Qt would end with abort(), prints Hint on standard error
// and ends the program with exit status 1. Other messages pass as before.
class TDisplayGuard {
public:
    explicit TDisplayGuard(const char* Hint);
    ~TDisplayGuard();
    TDisplayGuard(const TDisplayGuard&) = delete;
    TDisplayGuard& operator=(const TDisplayGuard&) = delete;
};

// Fixes the look that the layout was made for, sets the application's title
// (the name the desktop shows for the program), its window icon and the
// desktop entry it belongs to.
void SetUpApplication(QApplication& App, const QString& Title);

// The program's font: a free sans-serif face of the given pixel height.
QFont ProgramFont(int PixelSize = FontPixelSize, bool Bold = false);

}  // namespace Platform
