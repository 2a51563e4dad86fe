// The program's command line: reading it with QCommandLineParser, writing a
// picture or the points without a window (--output), or handing the settings
// to the window.
#pragma once

#include "MainUnit/CommandLine/CommandLineJob.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace MainUnit {

class TMainForm;

struct TCommandLine {
    TCommandLineSettings Settings;
    bool FunctionGiven = false;
    QString Output;  // empty: open the window
};

// Reads the arguments (the program name first). Returns nothing to go on,
// or the exit status when the program ends here: 0 after --help or
// --version, 2 after a refused option, with its text on standard error.
std::optional<int> ParseCommandLine(const QStringList& Arguments, TCommandLine& Line);

// Writes Line.Output without a window and without a display, and prints the
// figures of the calculation; answers every --pick after them (alone when
// there is no output file). Returns the exit status: 0 written, 2 a
// refused setting, 1 a file that cannot be written (nothing of it is left).
int RunOutputJob(const char* ProgramPath, const TCommandLine& Line);

// Fills the window's fields and check boxes from the command line; with a
// function, calculates once without the information box (fitting the zoom
// with --fit, which turns on the fit after every calculation). The window must have been shown.
void ApplyCommandLine(TMainForm& Form, const TCommandLine& Line);

}  // namespace MainUnit
