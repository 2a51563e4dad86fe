// The window tests run on Qt's offscreen platform, with the program's own
// application set-up.
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
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
