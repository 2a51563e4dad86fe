// Program start: the application and its title, the main window, the hidden
// help window, then the event loop until the main window closes.
#include "HelpUnit/HelpForm.h"
#include "MainUnit/Window/MainForm.h"
#include "Platform/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Platform::PrepareApplication();
    QApplication App(argc, argv);
    Platform::SetUpApplication(App, QString::fromUtf8(MainUnit::ApplicationTitle));

    // Created first, the main window is the one whose closing ends the program.
    MainUnit::TMainForm MainForm;
    HelpUnit::THelpForm HelpForm;
    MainForm.HelpForm = &HelpForm;

    MainForm.show();
    MainForm.activateWindow();
    return App.exec();
}
