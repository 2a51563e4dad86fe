#include "CommandLine.h"

#include "MainForm.h"
#include "MainUnit/Calculation/Sampling.h"
#include "MainUnit/CommandLine/ExplainCommand.h"
#include "MainUnit/Files/PointsCsv.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Text/ArgumentText.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "Platform/Clock.h"
#include "Platform/Memory.h"

#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace MainUnit {

namespace {

constexpr int ExitRefused = 2;
constexpr int ExitUnwritable = 1;

// Every option with its value name (none for a switch) and its one line of help.
struct TOptionSpec {
    const char* Name;
    const char* ValueName;
    const char* Description;
};

constexpr TOptionSpec OptionSpecs[] = {
    {"function", "EXPR", "the function Y = F(X, Z)"},
    {"x", "FROM:TO", "X interval (default -10.0:10.0)"},
    {"y", "FROM:TO", "Y interval shown (default: every result)"},
    {"z", "FROM:TO", "Z interval (default -10.0:10.0)"},
    {"points", "N", "number of points to show (default 5000)"},
    {"order", "square|random", "order of the points (default square)"},
    {"seed", "N", "seed of the random order (default: the clock)"},
    {"hor-angle", "A", "horizontal angle in radians (default 0)"},
    {"ver-angle", "A", "vertical angle in radians (default 0)"},
    {"distance", "D", "camera distance (default: as the calculation sets it)"},
    {"zoom", "Z", "zoom (default 100)"},
    {"zbuffer", nullptr, "use the Z-buffer"},
    {"hide-undefined", nullptr, "do not show undefined results"},
    {"outline", nullptr, "3D outline axises"},
    {"fit", nullptr, "zoom so that the drawn points fill the picture"},
    {"box", nullptr, "scale the axes to a box (a cube round the origin)"},
    {"ticks", nullptr, "draw the box's edges with values and axis names"},
    {"background", "black|white", "background of the picture (default black)"},
    {"size", "WxH", "size of the picture written, 64x64 to 7680x4320 (default: the graph 505x404)"},
    {"legend", "panel|bar|none",
     "beside the graph: sketch and legend below, colour bar at its right, or none (default panel)"},
    {"output", "FILE", "write FILE (.png picture or .csv points), no window"},
    {"usual-priority", nullptr,
     "read --function by the usual rules (* and / before + and -) and add the brackets"},
    {"pick", "PX,PY", "print the point drawn at pixel PX,PY (repeatable)"},
    {"explain", "EXPR", "print how EXPR is read (and by the usual rules, if otherwise) and exit"},
    {"help", nullptr, "show this help"},
    {"version", nullptr, "show the version"}};

void PrintError(const std::string& Text) { std::fprintf(stderr, "%s\n", Text.c_str()); }

std::string Latin(const QString& Text) { return Text.toLatin1().toStdString(); }

// The bytes of an argument as the program was given them.
std::string Bytes(const QString& Argument) { return EncodeArgument(Argument.toStdU16String()); }

void AddOptions(QCommandLineParser& Parser)
{
    for (const TOptionSpec& Spec : OptionSpecs) {
        QCommandLineOption Option(QString::fromLatin1(Spec.Name),
                                  QString::fromLatin1(Spec.Description));
        if (Spec.ValueName) Option.setValueName(QString::fromLatin1(Spec.ValueName));
        Parser.addOption(Option);
    }
}

// Every option on one line, long form first (the parser's own text would
// show the one-letter options as "-x").
std::string HelpText()
{
    std::string Text = "Usage: tessel [options]\n"
                       "Draws Y = F(X, Z) as a cloud of points seen in perspective.\n\n"
                       "Options:\n";
    std::vector<std::string> Heads;
    std::size_t Widest = 0;
    for (const TOptionSpec& Spec : OptionSpecs) {
        Heads.push_back(std::string("  --") + Spec.Name +
                        (Spec.ValueName ? std::string(" <") + Spec.ValueName + ">" : ""));
        Widest = std::max(Widest, Heads.back().size());
    }
    for (std::size_t I = 0; I < Heads.size(); ++I)
        Text += Heads[I] + std::string(Widest + 2 - Heads[I].size(), ' ') +
                OptionSpecs[I].Description + "\n";
    return Text;
}

// The offscreen platform warns when the session has no runtime folder, which
// a job that only writes its file does not need; other messages pass.
QtMessageHandler PassedMessageHandler = nullptr;

void FilterMessages(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Type == QtWarningMsg &&
        Message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (PassedMessageHandler) PassedMessageHandler(Type, Context, Message);
}

// The size of the picture and what it carries beside the graph.
TRefusal ReadFrameValues(const QCommandLineParser& Parser, TCommandLineSettings& S)
{
    if (Parser.isSet(QStringLiteral("size"))) {
        const TRefusal Refusal =
            ReadSizeOption(Latin(Parser.value(QStringLiteral("size"))), S.Width, S.Height);
        if (Refusal != TRefusal::None) return Refusal;
        S.SizeAsked = true;
    }
    if (!Parser.isSet(QStringLiteral("legend"))) return TRefusal::None;
    return ReadLegendOption(Latin(Parser.value(QStringLiteral("legend"))), S.Options.Legend);
}

// The texts of the value options, each read by the rules of its field.
TRefusal ReadValues(const QCommandLineParser& Parser, TCommandLine& Line)
{
    TCommandLineSettings& S = Line.Settings;
    const std::pair<const char*, std::string*> Texts[] = {
        {"function", &S.Function},  {"points", &S.Points},     {"hor-angle", &S.HorAngle},
        {"ver-angle", &S.VerAngle}, {"distance", &S.Distance}, {"zoom", &S.Zoom}};
    for (const auto& [Name, Text] : Texts)
        if (Parser.isSet(QString::fromLatin1(Name)))
            *Text = Latin(Parser.value(QString::fromLatin1(Name)));
    Line.FunctionGiven = Parser.isSet(QStringLiteral("function"));

    const std::tuple<const char*, bool, std::string*, std::string*> Intervals[] = {
        {"x", false, &S.XFrom, &S.XTo},
        {"y", true, &S.YFrom, &S.YTo},
        {"z", false, &S.ZFrom, &S.ZTo}};
    for (const auto& [Name, IsY, From, To] : Intervals) {
        if (!Parser.isSet(QString::fromLatin1(Name))) continue;
        const TRefusal Refusal =
            ReadIntervalOption(Latin(Parser.value(QString::fromLatin1(Name))), IsY, *From, *To);
        if (Refusal != TRefusal::None) return Refusal;
    }
    if (Parser.isSet(QStringLiteral("order"))) {
        const TRefusal Refusal =
            ReadOrderOption(Latin(Parser.value(QStringLiteral("order"))), S.SquareOrder);
        if (Refusal != TRefusal::None) return Refusal;
    }
    if (const TRefusal Refusal = ReadFrameValues(Parser, S); Refusal != TRefusal::None)
        return Refusal;
    if (Parser.isSet(QStringLiteral("background"))) {
        const TRefusal Refusal = ReadBackgroundOption(
            Latin(Parser.value(QStringLiteral("background"))), S.Options.LightBackground);
        if (Refusal != TRefusal::None) return Refusal;
    }
    for (const QString& Pick : Parser.values(QStringLiteral("pick"))) {
        TCommandLineSettings::TPick Pixel;
        const TRefusal Refusal = ReadPickOption(Latin(Pick), Pixel.X, Pixel.Y);
        if (Refusal != TRefusal::None) return Refusal;
        S.Picks.push_back(Pixel);
    }
    if (Parser.isSet(QStringLiteral("seed"))) {
        S.SeedGiven = true;
        const TRefusal Refusal =
            ReadSeedOption(Latin(Parser.value(QStringLiteral("seed"))), S.Seed);
        if (Refusal != TRefusal::None) return Refusal;
    }
    return TRefusal::None;
}

void ReadSwitches(const QCommandLineParser& Parser, TCommandLine& Line)
{
    TCommandLineSettings& S = Line.Settings;
    S.ZBuffer = Parser.isSet(QStringLiteral("zbuffer"));
    S.ShowUndefined = !Parser.isSet(QStringLiteral("hide-undefined"));
    S.Outline3D = Parser.isSet(QStringLiteral("outline"));
    S.Fit = Parser.isSet(QStringLiteral("fit"));
    S.UsualPriority = Parser.isSet(QStringLiteral("usual-priority"));
    S.Options.Box = Parser.isSet(QStringLiteral("box"));
    S.Options.Ticks = Parser.isSet(QStringLiteral("ticks"));
}

TRefusal ReadOutput(const QCommandLineParser& Parser, TCommandLine& Line)
{
    if (!Parser.isSet(QStringLiteral("output"))) return TRefusal::None;
    Line.Output = Parser.value(QStringLiteral("output"));
    const QString Suffix = QFileInfo(Line.Output).suffix().toLower();
    if (Suffix != QLatin1String("png") && Suffix != QLatin1String("csv"))
        return TRefusal::OutputOption;
    Line.Settings.Output =
        Suffix == QLatin1String("png") ? TJobOutput::Picture : TJobOutput::Points;
    return TRefusal::None;
}

// With --usual-priority the function is replaced by the text that means
// here what the usual rules make of it; -1 to go on, or the exit status.
int ApplyUsualPriority(TCommandLine& Line)
{
    TCommandLineSettings& S = Line.Settings;
    if (!S.UsualPriority || !Line.FunctionGiven) return -1;
    const TUsualRewrite Rewrite = RewriteForUsualPriority(S.Function);
    if (Rewrite.Text.empty()) {
        PrintError(Rewrite.ConsoleRefusal);
        return ExitRefused;
    }
    S.Function = Rewrite.Text;
    return -1;
}

bool IsPng(const QString& Path)
{
    return QFileInfo(Path).suffix().toLower() == QLatin1String("png");
}

int WriteOutput(const QString& Output, const TFileContent& Content)
{
    std::string Reason;
    if (WriteFileAtomically(Bytes(Output), Content, Reason)) return 0;
    PrintError(CannotWriteMessage(Bytes(Output), Reason));
    return ExitUnwritable;
}

int WritePicture(const char* ProgramPath, const TCommandLine& Line,
                 const TCommandLineResult& Result)
{
    // Pictures and text need a GUI application, but no display: the offscreen
    // platform draws into memory, so no X server or DISPLAY is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PassedMessageHandler = qInstallMessageHandler(FilterMessages);
    int Argc = 1;
    char* Argv[] = {const_cast<char*>(ProgramPath), nullptr};
    const QGuiApplication App(Argc, Argv);
    const TCommandLineSettings& S = Line.Settings;
    const QImage Picture = RenderGraphPicture(
        PictureRequestOf(S, Result), Result.Plan,
        MakeLegendTexts(Result.Expression.c_str(), Result.Results, S.SquareOrder), Result.Frame);
    QByteArray Png;
    if (Picture.isNull() || !EncodePng(Picture, Png)) {
        PrintError(CannotWriteMessage(Bytes(Line.Output), "the picture cannot be made"));
        return ExitUnwritable;
    }
    return WriteOutput(Line.Output, [&Png](const TChunkWriter& Write) {
        return Write(Png.constData(), static_cast<std::size_t>(Png.size()));
    });
}

}  // namespace

int ParseCommandLine(const QStringList& Arguments, TCommandLine& Line)
{
    QCommandLineParser Parser;
    AddOptions(Parser);
    if (!Parser.parse(Arguments)) {
        PrintError(Parser.errorText().toStdString());
        return ExitRefused;
    }
    if (Parser.isSet(QStringLiteral("help"))) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    if (Parser.isSet(QStringLiteral("version"))) {
        std::printf("%s\n", ApplicationTitle);
        return 0;
    }
    if (Parser.isSet(QStringLiteral("explain")))
        return ExplainCommand(Latin(Parser.value(QStringLiteral("explain"))), std::cout, std::cerr);
    if (!Parser.positionalArguments().isEmpty()) {
        PrintError("Unexpected argument '" + Bytes(Parser.positionalArguments().constFirst()) +
                   "'.");
        return ExitRefused;
    }
    TRefusal Refusal = ReadValues(Parser, Line);
    if (Refusal == TRefusal::None) Refusal = ReadOutput(Parser, Line);
    if (Refusal != TRefusal::None) {
        PrintError(RefusalMessage(Refusal));
        return ExitRefused;
    }
    ReadSwitches(Parser, Line);
    return ApplyUsualPriority(Line);
}

int RunOutputJob(const char* ProgramPath, const TCommandLine& Line)
{
    const Platform::TUtcTime Now = Platform::CurrentUtcTime();
    const uint32_t ClockSeed =
        RandomSeedFromClock(Now.Hour, Now.Minute, Now.Second, Now.Millisecond);
    TCommandLineResult Result;
    const TRefusal Refusal =
        CalculateForCommandLine(Line.Settings, ClockSeed, Platform::AvailableMemoryBytes(), Result);
    if (Refusal != TRefusal::None) {
        PrintError(RefusalMessage(Refusal, ViewRadius(Result.Results, Line.Settings.Options.Box)));
        return ExitRefused;
    }
    // The picks are answered before anything is written, so that one
    // outside the picture leaves no file behind.
    TPicksAnswer Picks;
    if (!Line.Settings.Picks.empty()) {
        Picks = PicksText(Line.Settings, Result);
        if (Picks.Refusal.Refusal != TRefusal::None) {
            PrintError(RefusalMessage(Picks.Refusal.Refusal, Picks.Refusal.Figures));
            return Picks.Refusal.Refusal == TRefusal::PickOutside ? ExitRefused : ExitUnwritable;
        }
    }
    if (Line.Output.isEmpty()) {
        std::fputs(Picks.Text.c_str(), stdout);
        return 0;
    }
    const int Status = IsPng(Line.Output)
                           ? WritePicture(ProgramPath, Line, Result)
                           : WriteOutput(Line.Output, [&Result](const TChunkWriter& Write) {
                                 return WritePointsCsv(Result.Results, Write);
                             });
    if (Status != 0) return Status;
    if (Line.Settings.UsualPriority) std::printf("function: %s\n", Line.Settings.Function.c_str());
    std::fputs((FiguresText(Result) + Picks.Text).c_str(), stdout);
    return Status;
}

void ApplyCommandLine(TMainForm& Form, const TCommandLine& Line)
{
    const TCommandLineSettings& S = Line.Settings;
    const std::pair<QLineEdit*, const std::string*> Fields[] = {
        {Form.FunctionExpressionEdit, &S.Function},
        {Form.XIntervalFromEdit, &S.XFrom},
        {Form.XIntervalToEdit, &S.XTo},
        {Form.YIntervalFromEdit, &S.YFrom},
        {Form.YIntervalToEdit, &S.YTo},
        {Form.ZIntervalFromEdit, &S.ZFrom},
        {Form.ZIntervalToEdit, &S.ZTo},
        {Form.PointsToShowEdit, &S.Points},
        {Form.HorAngleEdit, &S.HorAngle},
        {Form.VerAngleEdit, &S.VerAngle},
        {Form.DistanceEdit, &S.Distance},
        {Form.ZoomEdit, &S.Zoom}};
    for (const auto& [Edit, Text] : Fields)
        Edit->setText(QString::fromLatin1(Text->data(), qsizetype(Text->size())));
    (S.SquareOrder ? Form.SquareRadioButton : Form.RandomRadioButton)->setChecked(true);
    Form.UndefResultsCheckBox->setChecked(S.ShowUndefined);
    Form.ZBufferCheckBox->setChecked(S.ZBuffer);
    Form.Outline3DCheckBox->setChecked(S.Outline3D);
    Form.SetPictureOptions(S.Options);
    if (S.SeedGiven) Form.FixedRandomSeed = S.Seed;
    if (!Line.FunctionGiven) return;
    Form.CalculateWithoutAnnouncement();
    if (S.Fit && !Form.Results.Points.empty()) Form.GraphImageDoubleClick(0, 0);
}

}  // namespace MainUnit
