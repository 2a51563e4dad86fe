// The program run as a script or a shell runs it, with no display: its exit
// status and what it wrote to standard output and standard error.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

struct TProgramRun {
    int Status = -1;  // -1: it did not end by itself within a minute
    std::string Out;
    std::string Err;
};

// Program with Arguments in Folder (empty: this process's folder), with the
// extra environment variables Set, without DISPLAY, WAYLAND_DISPLAY or a
// chosen Qt platform.
inline TProgramRun RunProgram(const QString& Program, const QStringList& Arguments,
                              const std::vector<std::pair<QString, QString>>& Set = {},
                              const QString& Folder = {})
{
    QProcess Process;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    for (const char* Name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        Environment.remove(QString::fromLatin1(Name));
    for (const auto& [Name, Value] : Set)
        Environment.insert(Name, Value);
    Process.setProcessEnvironment(Environment);
    if (!Folder.isEmpty()) Process.setWorkingDirectory(Folder);
    Process.start(Program, Arguments);
    TProgramRun Run;
    if (!Process.waitForFinished(60000) || Process.exitStatus() != QProcess::NormalExit) return Run;
    Run.Status = Process.exitCode();
    Run.Out = Process.readAllStandardOutput().toStdString();
    Run.Err = Process.readAllStandardError().toStdString();
    return Run;
}

// Tessel with Arguments.
inline TProgramRun RunTessel(const QStringList& Arguments)
{
    return RunProgram(QStringLiteral(TESSEL_PROGRAM), Arguments);
}

}  // namespace TestSupport
