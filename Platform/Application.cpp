#include "Platform/Application.h"

#include "TesselVersion.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

// The icon's compiled resource; its initialiser has a global name.
static void InitIconResource() { Q_INIT_RESOURCE(tessel_icon); }

namespace Platform {

void PrepareApplication()
{
    // The layout is in logical pixels and follows the desktop's scale factor,
    // rounded to a whole one: the pictures are then enlarged by whole pixels,
    // sharp, and every control keeps its place at every scale.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // X11 desktops find the menu entry of a window by its instance name.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME")) qputenv("RESOURCE_NAME", TESSEL_APP_ID);
}

namespace {

const char* DisplayHint = nullptr;
QtMessageHandler HandlerBeforeGuard = nullptr;

void EndWithoutDisplay(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Type == QtFatalMsg && DisplayHint != nullptr) {
        std::fprintf(stderr, "%s\n", DisplayHint);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (HandlerBeforeGuard) HandlerBeforeGuard(Type, Context, Message);
}

}  // namespace

TDisplayGuard::TDisplayGuard(const char* Hint)
{
    DisplayHint = Hint;
    HandlerBeforeGuard = qInstallMessageHandler(EndWithoutDisplay);
}

TDisplayGuard::~TDisplayGuard()
{
    qInstallMessageHandler(HandlerBeforeGuard);
    DisplayHint = nullptr;
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
    // Wayland desktops find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSEL_APP_ID));
    InitIconResource();
    QIcon Icon;
    for (const int Size : {48, 128, 256})
        Icon.addFile(QStringLiteral(":/icons/%1/tessel.png").arg(Size), QSize(Size, Size));
    App.setWindowIcon(Icon);
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
