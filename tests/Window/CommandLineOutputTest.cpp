// What the command line writes to standard output and standard error: every
// write checked, the file itself on standard output, the notes the window's
// status line would show, and the refusals that come before any work.
#include "MainUnit/Text/Refusal.h"
#include "ProgramRun.h"
#include "tests/Support/SanitizerBuild.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using TestSupport::RunProgram;
using TestSupport::TProgramRun;

using MainUnit::RefusalMessage;
using MainUnit::TRefusal;

// Script run by /bin/sh in Folder, with "$T" the program, without a display.
TProgramRun RunScript(const QString& Folder, const std::string& Script)
{
    return RunProgram(QStringLiteral("/bin/sh"), {"-c", QString::fromStdString(Script)},
                      {{QStringLiteral("T"), QStringLiteral(TESSEL_PROGRAM)}}, Folder);
}

const std::string Full = "Cannot write to standard output: No space left on device.\n";
const std::string CannotDraw = RefusalMessage(TRefusal::ResultsTooLarge);

TEST(CommandLineOutputTest, EveryRefusalAndFailureHasItsStatusAndItsText)
{
    const std::string Long(300, 'x');
    const struct {
        const char* Name;
        std::string Script;
        int Status;
        std::string Err;  // the start of standard error
    } Cases[] = {
        {"picks to a full disk", "$T --function x --pick 1,1 > /dev/full", 1, Full},
        {"reading to a full disk", "$T --explain x > /dev/full", 1, Full},
        {"figures to a full disk", "$T --function x --output a.csv > /dev/full", 1, Full},
        {"figures to a closed output", "$T --function x --output a.csv >&-", 1,
         "Cannot write to standard output: Bad file descriptor.\n"},
        {"the version to a full disk", "$T --version > /dev/full", 1, Full},
        {"picks on a graph that cannot be drawn", "$T --function '1e18*x' --pick 252,202", 2,
         "The graph cannot be drawn"},
        {"a reading longer than the field", "$T --explain " + Long, 2,
         RefusalMessage(TRefusal::ExpressionLength) + "\n"},
        {"a byte that is not UTF-8", "$T --explain \"$(printf 'x\\351')\"", 2,
         "column 2: code 233 not allowed"},
        {"the usual priority warned of, the file written",
         "$T --function 'x*x - z*z' --points 100 --output s.png > /dev/null", 0,
         "Read as (x*x-z)*z, not x*x-(z*z): --usual-priority adds brackets"},
        {"a grid of far more points than asked",
         "$T --function x --points 100 --x 0:1 --z 0:1000 --output a.csv > /dev/null", 0,
         "317 points for 100 asked: X is far narrower than Z\n"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QTemporaryDir Folder;
        const TProgramRun Run = RunScript(Folder.path(), Case.Script);
        EXPECT_EQ(Run.Status, Case.Status);
        EXPECT_EQ(Run.Err.substr(0, Case.Err.size()), Case.Err) << Run.Err;
        if (Case.Status == 2) {
            EXPECT_EQ(Run.Out, "");
        }
    }
}

TEST(CommandLineOutputTest, PicksAreRefusedWhereThePictureIsRefused)
{
    QTemporaryDir Folder;
    const TProgramRun Picture = RunScript(Folder.path(), "$T --function '1e18*x' --output g.png");
    const TProgramRun Picks = RunScript(Folder.path(), "$T --function '1e18*x' --pick 252,202");
    EXPECT_EQ(Picture.Status, 2);
    EXPECT_EQ(Picks.Status, Picture.Status);
    EXPECT_EQ(Picks.Err, Picture.Err);
}

TEST(CommandLineOutputTest, TheFileOnStandardOutputTakesTheFiguresToStandardError)
{
    const struct {
        const char* Name;
        std::string Script;
        const char* Start;  // of the file on standard output
    } Cases[] = {
        {"picture", "$T --function x --output -", "\x89PNG"},
        {"points", "$T --function x --output -.csv", "x,y,z\r\n"},
        {"link to /dev/stdout",
         "ln -s /dev/stdout so.png && $T --function x --output so.png >> log && cat log",
         "start\n\x89PNG"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QTemporaryDir Folder;
        QFile Log(Folder.filePath(QStringLiteral("log")));
        ASSERT_TRUE(Log.open(QIODevice::WriteOnly));
        Log.write("start\n");
        Log.close();
        const TProgramRun Run = RunScript(Folder.path(), Case.Script);
        EXPECT_EQ(Run.Status, 0) << Run.Err;
        EXPECT_EQ(Run.Out.substr(0, std::strlen(Case.Start)), Case.Start);
        EXPECT_EQ(Run.Out.find("points: 5041"), std::string::npos);
        EXPECT_EQ(Run.Err.substr(0, 13), "points: 5041\n");
        // A link stays the link it was.
        if (Case.Script.find("so.png") != std::string::npos) {
            EXPECT_TRUE(QFileInfo(Folder.filePath(QStringLiteral("so.png"))).isSymLink());
        }
    }
}

TEST(CommandLineOutputTest, UnderAnAddressSpaceLimitThePictureSizeAskedIsCounted)
{
    if (ShadowSanitizerBuild)
        GTEST_SKIP() << "the sanitizer's shadow memory needs the address space";
    const struct {
        const char* Size;
        int Status;
    } Cases[] = {
        {"7680x4320", 2},  // about a gigabyte at its peak: refused before any work
        {"505x404", 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Size);
        QTemporaryDir Folder;
        const TProgramRun Run = RunScript(
            Folder.path(), std::string("ulimit -v 600000; $T --function x --points 999999 "
                                       "--zbuffer --output g.png --size ") +
                               Case.Size);
        EXPECT_EQ(Run.Status, Case.Status) << Run.Err;
        if (Case.Status == 2) {
            EXPECT_EQ(Run.Err, RefusalMessage(TRefusal::CannotAllocate) + "\n");
            EXPECT_FALSE(QFile::exists(Folder.filePath(QStringLiteral("g.png"))));
        }
    }
}

}  // namespace
