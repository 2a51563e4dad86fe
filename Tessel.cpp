// Program start: the application and its title, the main window, the hidden
// help window, then the event loop until the main window closes; or, with
// "--explain EXPR", only the reading of an expression on the console.
#include "HelpUnit/HelpForm.h"
#include "MainUnit/ExplainCommand.h"
#include "MainUnit/Window/MainForm.h"
#include "Platform/Application.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // "--explain EXPR" answers on the console and opens no window.
    const int Explained = MainUnit::ExplainFromArguments(argc, argv, std::cout, std::cerr);
    if (Explained >= 0) return Explained;

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
