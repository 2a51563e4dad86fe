// The program run from the command line as a script runs it, with no
// display: every refusal with its text and exit status, a file that cannot
// be written, and the picture it writes against the picture the window shows
// for the same settings.
#include "MainUnit/Window/CommandLine.h"

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Text/Messages.h"
#include "ProgramRun.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using TestSupport::RunTessel;
using TestSupport::TProgramRun;

struct TRefusalCase {
    const char* Name;
    QStringList Arguments;
    int Status;
    std::string Message;  // the whole of standard error, without its line end
};

TEST(CommandLineTest, RefusesEachBadSettingWithItsTextAndStatusAndWritesNothing)
{
    using namespace MainUnit;
    using enum TRefusal;
    const auto Says = [](TRefusal Code) { return RefusalMessage(Code); };
    const QString F = QStringLiteral("--function");
    const QString Eleven = QStringLiteral("x+x+x+x+x+x+z+z+z+z+z");
    const QString Usual = QStringLiteral("--usual-priority");
    QString LongWithBrackets = QStringLiteral("1");
    for (int I = 0; I < 63; ++I)
        LongWithBrackets += QStringLiteral("+1*1");
    const std::string Size = "'--size' must be WIDTHxHEIGHT in pixels, from 64x64 to 7680x4320.";
    const std::string Background = "'--background' must be black or white.";
    const std::string Pan =
        "'--pan' must be two whole numbers DX,DY, DX from -252 to 252 and DY from -202 to 202.";
    const std::string Seed = "'--seed' must be an integer between 0 and 4294967295.";
    const std::string BoxHeight = "'--box-height' must be a number from 0.1 to 10.";
    const TRefusalCase Cases[] = {
        {"ten points", {F, "x", "--points", "10"}, 2, Says(PointsToShow)},
        {"a million points", {F, "x", "--points", "1000000"}, 2, Says(PointsToShow)},
        {"points before the function", {F, "+", "--points", "5000.0"}, 2, Says(PointsToShow)},
        {"x not a number", {F, "x", "--x", "a:1"}, 2, Says(XZInterval)},
        {"x without colon", {F, "x", "--x=5"}, 2, Says(XZInterval)},
        {"z end empty", {F, "x", "--z", "1:"}, 2, Says(XZInterval)},
        {"y not a number", {F, "x", "--y", "q:"}, 2, Says(YInterval)},
        {"y without colon", {F, "x", "--y", "5"}, 2, Says(YInterval)},
        {"no function", {}, 2, Says(SyntaxError)},
        {"syntax error", {F, "sin("}, 2, Says(SyntaxError)},
        {"long function", {F, QString(256, QLatin1Char('1'))}, 2, Says(ExpressionLength)},
        {"eleven parameters", {F, Eleven}, 2, Says(ParameterCount)},
        {"malformed under the usual rules",
         {F, "x*-z", Usual},
         2,
         "column 3: minus needs brackets; a negative number after an operator goes in "
         "brackets: 2*(-3)"},
        {"too long with the brackets",
         {F, LongWithBrackets, Usual},
         2,
         "With the brackets the expression would have 379 characters; at most 255 fit."},
        // One column of 2^31 - 1 rows: no memory holds it.
        {"thin X interval", {F, "x", "--x", "0:1e-300"}, 2, Says(CannotAllocate)},
        {"intervals too large to show",
         {F, "x", "--x", "1e308:1.5e308", "--z", "1e308:1.5e308"},
         2,
         Says(ResultsTooLarge)},
        {"values too large to show", {F, "1.6e308"}, 2, Says(ResultsTooLarge)},
        {"order", {F, "x", "--order", "diagonal"}, 2, "'--order' must be square or random."},
        {"seed negative", {F, "x", "--seed", "-1"}, 2, Seed},
        {"seed too large", {F, "x", "--seed", "4294967296"}, 2, Seed},
        {"angle not a number", {F, "x", "--zoom", "1,5"}, 2, Says(ViewNumbers)},
        {"horizontal angle", {F, "x", "--hor-angle", "-1000"}, 2, Says(HorAngle)},
        {"vertical angle", {F, "x", "--ver-angle=1.5708"}, 2, Says(VerAngle)},
        {"zoom", {F, "x", "--zoom", "0"}, 2, Says(Zoom)},
        {"function before view", {F, "x*", "--zoom", "0"}, 2, Says(SyntaxError)},
        {"unknown option", {F, "x", "--colour"}, 2, "Unknown option 'colour'."},
        {"missing value", {F, "x", "--x"}, 2, "Missing value after '--x'."},
        {"stray argument", {F, "x", "g.png"}, 2, "Unexpected argument 'g.png'."},
        {"output kind",
         {F, "x", "--output", "g.jpg"},
         2,
         "'--output' must name a .png or a .csv file."},
        {"unwritable picture",
         {F, "x", "--output", "/nonexistent/g.png"},
         1,
         "Cannot write the file '/nonexistent/g.png': No such file or directory."},
        {"unwritable points",
         {F, "x", "--output", "/nonexistent/g.csv"},
         1,
         "Cannot write the file '/nonexistent/g.csv': No such file or directory."},
        {"size too small", {F, "x", "--size", "63x64"}, 2, Size},
        {"size too large", {F, "x", "--size", "7680x4321"}, 2, Size},
        {"size malformed", {F, "x", "--size", "800*600"}, 2, Size},
        {"background", {F, "x", "--background", "grey"}, 2, Background},
        {"pan without comma", {F, "x", "--pan", "5"}, 2, Pan},
        {"pan beyond half the width", {F, "x", "--pan", "253,0"}, 2, Pan},
        {"pan beyond half the height", {F, "x", "--pan", "0,-203"}, 2, Pan},
        {"pan not whole", {F, "x", "--pan", "1.5,2"}, 2, Pan},
        {"box height too low", {F, "x", "--box", "--box-height", "0.09"}, 2, BoxHeight},
        {"box height too high", {F, "x", "--box-height", "10.5"}, 2, BoxHeight},
        {"box height not a number", {F, "x", "--box-height", "tall"}, 2, BoxHeight},
        {"pan and box height at their ends",
         {F, "x", "--pan", "-252,202", "--box", "--box-height", "10"},
         0,
         ""},
        {"legend", {F, "x", "--legend", "side"}, 2, "'--legend' must be panel, bar or none."},
        {"legend empty", {F, "x", "--legend="}, 2, "'--legend' must be panel, bar or none."},
        {"small bar", {F, "x", "--size", "64x64", "--legend", "bar", "--ticks"}, 0, ""},
        {"size and box", {F, "x", "--size", "64x4320", "--box", "--ticks"}, 0, ""},
        {"flat box with values", {F, "5", "--box", "--ticks", "--fit"}, 0, ""},
        {"degenerate intervals", {F, "x", "--x", "2:2", "--z", "3:3", "--box", "--ticks"}, 0, ""},
        // A distance that is a number is moved into range, as the calculation
        // moves it in the window; one that is not is refused as the repaint refuses it.
        {"distance corrected", {F, "x", "--distance", "-5"}, 0, ""},
        {"distance not a number", {F, "x", "--distance", "abc"}, 2, Says(ViewNumbers)},
        {"distance nan", {F, "x", "--distance", "nan"}, 2, Says(ViewNumbers)},
        {"distance beyond the range", {F, "x", "--distance", "1e309"}, 2, Says(ViewNumbers)},
        // Where the window warns instead of drawing, no picture is written.
        {"results beyond the view", {F, "1e18*x"}, 2, Says(ResultsBeyondPrecision)},
        {"intervals beyond the view",
         {F, "x", "--x", "-1e20:1e20", "--z", "-1e20:1e20", "--hor-angle", "0.7", "--ver-angle",
          "0.5"},
         2,
         Says(ViewBeyondPrecision)},
        {"zoom beyond the view", {F, "x", "--zoom", "1e-20"}, 2, Says(ViewBeyondPrecision)},
        {"X width overflows", {F, "x", "--x", "-1e308:1e308"}, 2, Says(IntervalWidth)},
        {"pick not two numbers",
         {F, "x", "--pick", "3"},
         2,
         "'--pick' must be two whole numbers PX,PY."},
        {"pick outside",
         {F, "x", "--pick", "1,1", "--pick", "505,0"},
         2,
         "'--pick' 505,0 lies outside the 505 x 404 picture."},
        {"pick above",
         {F, "x", "--pick", "0,-1"},
         2,
         "'--pick' 0,-1 lies outside the 505 x 404 picture."},
        {"negative interval joined", {F, "x", "--x=-10:10"}, 0, ""},
        {"negative interval apart", {F, "x", "--x", "-10:10", "--hor-angle", "-0.5"}, 0, ""},
    };
    QTemporaryDir Folder;
    ASSERT_TRUE(Folder.isValid());
    for (const TRefusalCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QStringList Arguments = Case.Arguments;
        if (!Arguments.join(' ').contains(QLatin1String("--output")))
            Arguments =
                QStringList{"--output", Folder.filePath(QStringLiteral("g.png"))} + Arguments;
        const TProgramRun Run = RunTessel(Arguments);
        EXPECT_EQ(Run.Status, Case.Status);
        EXPECT_EQ(Run.Err, Case.Message.empty() ? "" : Case.Message + "\n");
        EXPECT_EQ(Run.Out.empty(), Case.Status != 0);
        EXPECT_EQ(QDir(Folder.path())
                      .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                      .size(),
                  Case.Status == 0 ? 1 : 0);
        QFile::remove(Folder.filePath(QStringLiteral("g.png")));
    }
}

TEST(CommandLineTest, PrintsTheFiguresTheVersionAndTheReading)
{
    QTemporaryDir Folder;
    const TProgramRun Figures =
        RunTessel({"--function", "x+z", "--output", Folder.filePath("g.csv")});
    EXPECT_EQ(Figures.Status, 0);
    EXPECT_EQ(Figures.Out,
              "points: 5041\ny-from: -20\ny-to: 20\nbounding-radius: 24.4948974278318\n"
              "distance: 36.7423461417477\nzoom: 100\npan: 0,0\ncamera-x: 0\ncamera-y: 0\n"
              "camera-z: 36.7423461417477\n");
    // A thin interval gives one column of cells as wide as high: far more
    // points than asked, which standard error tells.
    const TProgramRun Thin = RunTessel({"--function", "x", "--points", "100", "--x", "0:0.01",
                                        "--output", Folder.filePath("t.csv")});
    EXPECT_EQ(Thin.Status, 0);
    EXPECT_EQ(Thin.Out.substr(0, 12), "points: 448\n");
    EXPECT_EQ(Thin.Err, "448 points for 100 asked: X is far narrower than Z\n");
    // Points whose graph cannot be drawn are written all the same.
    const TProgramRun Far =
        RunTessel({"--function", "1e18*x", "--output", Folder.filePath("f.csv")});
    EXPECT_EQ(Far.Status, 0) << Far.Err;
    const TProgramRun Version = RunTessel({"--version"});
    EXPECT_EQ(Version.Status, 0);
    EXPECT_EQ(Version.Out, "Tessel version 1.00\n");
    const TProgramRun Reading = RunTessel({"--explain", "x*x - z*z"});
    EXPECT_EQ(Reading.Status, 0);
    EXPECT_EQ(Reading.Out, "(x*x-z)*z\nusual priority: x*x-(z*z)\n");
    const TProgramRun Usual = RunTessel({"--function", "x*x - z*z", "--usual-priority", "--points",
                                         "100", "--output", Folder.filePath("u.csv")});
    EXPECT_EQ(Usual.Status, 0);
    EXPECT_EQ(Usual.Out.substr(0, 32), "function: x*x-(z*z)\npoints: 100\n");
}

// The program with Arguments as bytes, which QProcess would pass as UTF-8
// text; its exit status, or -1 when it did not exit.
int RunTesselWithBytes(std::vector<std::string> Arguments)
{
    Arguments.insert(Arguments.begin(), TESSEL_PROGRAM);
    std::vector<char*> Argv;
    for (std::string& Argument : Arguments)
        Argv.push_back(Argument.data());
    Argv.push_back(nullptr);
    std::vector<char*> Environment;
    for (char** Entry = environ; *Entry != nullptr; ++Entry)
        if (std::string_view(*Entry).substr(0, 8) != "DISPLAY=") Environment.push_back(*Entry);
    Environment.push_back(nullptr);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t Child = 0;
    const int Started =
        posix_spawn(&Child, TESSEL_PROGRAM, &Actions, nullptr, Argv.data(), Environment.data());
    posix_spawn_file_actions_destroy(&Actions);
    int Status = 0;
    if (Started != 0 || waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status)) return -1;
    return WEXITSTATUS(Status);
}

// The names in Folder as bytes.
std::vector<std::string> NamesIn(const QString& Folder)
{
    std::vector<std::string> Names;
    DIR* Listing = opendir(QFile::encodeName(Folder).constData());
    if (Listing == nullptr) return Names;
    while (const dirent* Entry = readdir(Listing))
        if (std::string_view(Entry->d_name) != "." && std::string_view(Entry->d_name) != "..")
            Names.emplace_back(Entry->d_name);
    closedir(Listing);
    return Names;
}

TEST(CommandLineTest, WritesTheFileUnderTheVeryBytesOfItsName)
{
    const char* const Names[] = {"lat\xe9.csv", "lat\xc3\xa9.csv", "g\xff\xfe.png",
                                 "\xed\xa0\x80.csv"};
    for (const char* Name : Names) {
        SCOPED_TRACE(Name);
        QTemporaryDir Folder;
        const std::string Path = QFile::encodeName(Folder.path()).toStdString() + "/" + Name;
        EXPECT_EQ(RunTesselWithBytes({"--function", "x", "--output", Path}), 0);
        EXPECT_EQ(NamesIn(Folder.path()), std::vector<std::string>{Name});
        unlink(Path.c_str());  // a name Qt cannot read, so QTemporaryDir cannot remove it
    }
}

TEST(CommandLineTest, AFileSizeLimitIsAFileThatCannotBeWritten)
{
    // Under "ulimit -f 4" (4 KiB) the points of a million-point CSV do not fit.
    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("g.csv"));
    QProcess Process;
    Process.start(QStringLiteral("/bin/sh"),
                  {"-c", "ulimit -f 4; exec \"$0\" \"$@\"", QStringLiteral(TESSEL_PROGRAM),
                   "--function", "x", "--points", "999999", "--output", Path});
    ASSERT_TRUE(Process.waitForFinished(60000));
    EXPECT_EQ(Process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Process.exitCode(), 1);
    EXPECT_EQ(Process.readAllStandardError().toStdString(),
              "Cannot write the file '" + Path.toStdString() + "': File too large.\n");
    EXPECT_TRUE(QDir(Folder.path())
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                    .isEmpty());
}

TEST(CommandLineTest, WithoutADisplayTheWindowSaysWhatWorksInstead)
{
    for (const QStringList& Arguments : {QStringList{}, QStringList{"--function", "x"}}) {
        const TProgramRun Run = RunTessel(Arguments);
        EXPECT_EQ(Run.Status, 1);
        EXPECT_NE(Run.Err.find(MainUnit::MsgNoDisplay), std::string::npos) << Run.Err;
    }
}

// Where two pictures differ, for the failure message.
std::string Difference(const QImage& A, const QImage& B)
{
    if (A.size() != B.size()) return "sizes differ";
    int Count = 0;
    QRect Box;
    for (int Y = 0; Y < A.height(); ++Y)
        for (int X = 0; X < A.width(); ++X)
            if (A.pixel(X, Y) != B.pixel(X, Y)) {
                ++Count;
                Box |= QRect(X, Y, 1, 1);
            }
    if (Count == 0) return "equal";
    return std::to_string(Count) + " pixels differ within " + std::to_string(Box.x()) + "," +
           std::to_string(Box.y()) + " " + std::to_string(Box.width()) + "x" +
           std::to_string(Box.height());
}

struct TPictureCase {
    const char* Name;
    QStringList Arguments;
};

class CommandLinePictureTest : public WindowTest {};

TEST_F(CommandLinePictureTest, IsThePictureTheWindowShowsForTheSameSettings)
{
    const QStringList Common = {"--hor-angle", "0.7", "--ver-angle", "0.5"};
    const TPictureCase Cases[] = {
        {"square", Common + QStringList{"--function", "sin(x)*cos(z)"}},
        {"square, Z-buffer", Common + QStringList{"--function", "sin(x)*cos(z)", "--zbuffer"}},
        {"random", Common + QStringList{"--function", "sin(x)*cos(z)", "--order", "random",
                                        "--seed", "4711", "--points", "20000"}},
        {"random, Z-buffer, undefined points, fit, outline",
         Common + QStringList{"--function", "sqrt(x)*z", "--order", "random", "--seed", "86399999",
                              "--zbuffer", "--fit", "--outline", "--y", "-20:"}},
        {"box, axes with values, light background, fit",
         Common + QStringList{"--function", "(x*x)-(z*z)", "--box", "--ticks", "--background",
                              "white", "--zbuffer", "--fit"}},
        {"box from below, undefined points",
         {"--function", "sqrt(x*z)", "--box", "--ticks", "--ver-angle", "-0.4", "--hor-angle",
          "2.5"}},
        {"moved, tall box", Common + QStringList{"--function", "sin(x)*cos(z)", "--pan", "40,-25",
                                                 "--box", "--box-height", "2", "--ticks"}},
        {"undefined points hidden, own distance",
         {"--function", "loge(x*z)", "--hide-undefined", "--distance", "40", "--ver-angle",
          "-0.3"}},
        {"colour bar, undefined points", {"--function", "sqrt(x*z)", "--legend", "bar"}},
        {"colour bar on white, box", Common + QStringList{"--function", "x*z", "--legend", "bar",
                                                          "--box", "--background", "white"}},
        {"graph alone", Common + QStringList{"--function", "x*z", "--legend", "none"}},
    };
    // Unset options are the window's start-up values.
    const MainUnit::TCommandLineSettings Unset;
    const std::pair<QLineEdit*, std::string> StartUp[] = {
        {Form->FunctionExpressionEdit, Unset.Function},
        {Form->XIntervalFromEdit, Unset.XFrom},
        {Form->XIntervalToEdit, Unset.XTo},
        {Form->YIntervalFromEdit, Unset.YFrom},
        {Form->YIntervalToEdit, Unset.YTo},
        {Form->ZIntervalFromEdit, Unset.ZFrom},
        {Form->ZIntervalToEdit, Unset.ZTo},
        {Form->PointsToShowEdit, Unset.Points},
        {Form->HorAngleEdit, Unset.HorAngle},
        {Form->VerAngleEdit, Unset.VerAngle},
        {Form->DistanceEdit, Unset.Distance},
        {Form->ZoomEdit, Unset.Zoom}};
    for (const auto& [Edit, Text] : StartUp)
        EXPECT_EQ(MainUnit::FieldText(Edit), Text);
    EXPECT_EQ(Form->SquareRadioButton->isChecked(), Unset.SquareOrder);
    EXPECT_EQ(Form->UndefResultsCheckBox->isChecked(), Unset.ShowUndefined);
    EXPECT_EQ(Form->ZBufferCheckBox->isChecked(), Unset.ZBuffer);
    EXPECT_EQ(Form->Outline3DCheckBox->isChecked(), Unset.Outline3D);

    QTemporaryDir Folder;
    for (const TPictureCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const QString Path = Folder.filePath(QStringLiteral("g.png"));
        const TProgramRun Run = RunTessel(Case.Arguments + QStringList{"--output", Path});
        ASSERT_EQ(Run.Status, 0) << Run.Err;
        const QImage Written(Path);
        ASSERT_FALSE(Written.isNull());

        MainUnit::TCommandLine Line;
        ASSERT_FALSE(MainUnit::ParseCommandLine(QStringList{"tessel"} + Case.Arguments, Line));
        MainUnit::ApplyCommandLine(*Form, Line);
        // --fit zooms as a double-click does, with a repaint on the next turn
        // of the event loop.
        QTest::qWait(20);
        const QImage Shown = Form->GraphPicture();
        EXPECT_EQ(Difference(Written.convertToFormat(QImage::Format_RGB32), Shown), "equal");
        // The picture holds what the group shows, where it shows it.
        if (Case.Arguments.contains(QStringLiteral("--legend"))) continue;
        const QImage Group =
            Form->GroupBox4->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(Difference(Group.copy(8, 20, Shown.width(), Shown.height()), Shown), "equal");
    }
}

// The point --pick prints is the one the window's pointer reading shows at
// that pixel of the same picture; with --output it follows the figures.
TEST_F(CommandLinePictureTest, PicksThePointsTheWindowShows)
{
    const QStringList Settings = {"--function", "sin(x)*cos(z)", "--hor-angle",
                                  "0.7",        "--ver-angle",   "0.5",
                                  "--zbuffer",  "--points",      "20000"};
    MainUnit::TCommandLine Line;
    ASSERT_FALSE(MainUnit::ParseCommandLine(QStringList{"tessel"} + Settings, Line));
    MainUnit::ApplyCommandLine(*Form, Line);
    const int32_t W = MainUnit::GraphWidth, H = MainUnit::GraphHeight;
    const QPoint Pixels[] = {{W / 2, H / 2}, {W / 2 + 17, H / 2 - 40}, {0, 0}, {W - 1, H - 1}};
    QStringList Picks;
    std::string Expected;
    for (const QPoint& P : Pixels) {
        Picks << "--pick" << QStringLiteral("%1,%2").arg(P.x()).arg(P.y());
        Expected += MainUnit::PickLine(P.x(), P.y(), Form->Results,
                                       MainUnit::PickPoint(Form->View.Graph.Record.Points.data(), W,
                                                           H, P.x(), P.y())) +
                    "\n";
    }
    EXPECT_NE(Expected.find(": x="), std::string::npos);
    EXPECT_NE(Expected.find(": none"), std::string::npos);
    const TProgramRun Alone = RunTessel(Settings + Picks);
    EXPECT_EQ(Alone.Status, 0) << Alone.Err;
    EXPECT_EQ(Alone.Out, Expected);
    QTemporaryDir Folder;
    const TProgramRun WithOutput =
        RunTessel(Settings + Picks + QStringList{"--output", Folder.filePath("g.csv")});
    EXPECT_EQ(WithOutput.Status, 0) << WithOutput.Err;
    ASSERT_GT(WithOutput.Out.size(), Expected.size());
    EXPECT_EQ(WithOutput.Out.substr(WithOutput.Out.size() - Expected.size()), Expected);
    EXPECT_EQ(WithOutput.Out.find("points: "), 0u);
}

}  // namespace

// The fit moves and zooms the picture so that what is drawn sits in its
// middle and fills it, and says by how much it moved it.
TEST(CommandLineFitTest, CentresAndFillsThePictureAndPrintsTheMove)
{
    const QStringList Cases[] = {{"--function", "sin(x)*cos(z)", "--distance", "14.2"},
                                 {"--function", "sin(sqrt(x*x+z*z))", "--box", "--ticks",
                                  "--zbuffer", "--background", "white", "--ver-angle", "0.5",
                                  "--hor-angle", "0.6", "--points", "100000"},
                                 {"--function", "exp(-((x*x)+(z*z))/10)", "--box", "--ticks",
                                  "--ver-angle", "0.9", "--hor-angle", "1.2", "--distance", "16.2"},
                                 {"--function", "(x*x)-(z*z)", "--ver-angle", "-0.4", "--hor-angle",
                                  "2.5", "--distance", "20000"},
                                 {"--function", "sin(x)*cos(z)", "--box", "--ticks", "--ver-angle",
                                  "0.5", "--hor-angle", "0.7", "--size", "1280x720"},
                                 {"--function", "x*z", "--ver-angle", "0.3", "--size", "300x900"}};
    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("g.png"));
    for (const QStringList& Case : Cases) {
        SCOPED_TRACE(Case.join(' ').toStdString());
        const TProgramRun Run = RunTessel(Case + QStringList{"--fit", "--output", Path});
        ASSERT_EQ(Run.Status, 0) << Run.Err;
        const size_t Line = Run.Out.find("\npan: ");
        ASSERT_NE(Line, std::string::npos);
        EXPECT_NE(Run.Out.substr(Line, 11), "\npan: 0,0\nc");
        const qsizetype Sized = Case.indexOf("--size");
        const QStringList Size = Sized < 0 ? QStringList{"505", "404"} : Case[Sized + 1].split('x');
        const int W = Size[0].toInt(), H = Size[1].toInt();
        const QImage Graph = QImage(Path).copy(0, 0, W, H);
        const QRgb Background = Case.contains("white") ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        int Left = W, Right = -1, Top = H, Bottom = -1;
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                if (Graph.pixel(X, Y) != Background)
                    Left = std::min(Left, X), Right = std::max(Right, X), Top = std::min(Top, Y),
                    Bottom = std::max(Bottom, Y);
        EXPECT_LE(std::abs(Left + Right - (W - 1)), 2 * 0.02 * W) << Left << ".." << Right;
        EXPECT_LE(std::abs(Top + Bottom - (H - 1)), 2 * 0.02 * H) << Top << ".." << Bottom;
        EXPECT_GE(std::max((Right - Left + 1.0) / W, (Bottom - Top + 1.0) / H), 0.9);
    }
    // A move asked for is printed as asked.
    const TProgramRun Moved = RunTessel({"--function", "x", "--pan", "-30,12", "--output", Path});
    EXPECT_NE(Moved.Out.find("\nzoom: 100\npan: -30,12\n"), std::string::npos) << Moved.Out;
}
