// Program start: the command line first; with --output the file is written
// without a window, with --pick the points under pixels printed, with
// --explain the reading of an expression printed.
// Otherwise the application and its title, the main window with the command
// line's settings, the hidden help window, then the event loop until the
// main window closes.
#include "HelpUnit/HelpForm.h"
#include "MainUnit/Text/ArgumentText.h"
#include "MainUnit/Text/Messages.h"
#include "MainUnit/Window/CommandLine.h"
#include "MainUnit/Window/MainForm.h"
#include "Platform/Application.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    // Every byte of an argument is kept, valid UTF-8 or not, so that a file
    // is written under the very name given.
    QStringList Arguments;
    for (int I = 0; I < argc; ++I)
        Arguments << QString::fromStdU16String(MainUnit::DecodeArgument(argv[I]));
    MainUnit::TCommandLine Line;
    if (const std::optional<int> Status = MainUnit::ParseCommandLine(Arguments, Line))
        return *Status;
    if (!Line.Output.isEmpty() || !Line.Settings.Picks.empty())
        return MainUnit::RunOutputJob(argv[0], Line);

    Platform::PrepareApplication();
    // The arguments are the program's own, read above: none of them is
    // handed to Qt, which would otherwise take an option value such as
    // "-reverse" for one of its own options.
    int QtArgc = 1;
    std::optional<Platform::TDisplayGuard> Guard(std::in_place, MainUnit::MsgNoDisplay);
    QApplication App(QtArgc, argv);
    Guard.reset();
    Platform::SetUpApplication(App, QString::fromUtf8(MainUnit::ApplicationTitle));

    // Created first, the main window is the one whose closing ends the program.
    MainUnit::TMainForm MainForm;
    HelpUnit::THelpForm HelpForm;
    MainForm.HelpForm = &HelpForm;

    MainForm.show();
    MainForm.activateWindow();
    MainUnit::ApplyCommandLine(MainForm, Line);
    return App.exec();
}
