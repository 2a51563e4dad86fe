// The robustness tests drive the real window on Qt's offscreen platform,
// with the program's own application set-up.
#include "MainUnit/Window/MainForm.h"
#include "Platform/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Platform::PrepareApplication();
    QApplication App(argc, argv);
    Platform::SetUpApplication(App, QString::fromUtf8(MainUnit::ApplicationTitle));
    // "Close" hides the main window in the middle of a run; the run goes on.
    App.setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
