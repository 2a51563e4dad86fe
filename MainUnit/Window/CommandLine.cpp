#include "CommandLine.h"

#include "MainForm.h"
#include "MainUnit/Calculation/Sampling.h"
#include "MainUnit/CommandLine/ExplainCommand.h"
#include "MainUnit/Files/PointsCsv.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Text/ArgumentText.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Text/StartTexts.h"
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
#include <optional>
#include <sstream>
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
    std::string Description;
};

std::string Pixels(int32_t Width, int32_t Height)
{
    return std::to_string(Width) + "x" + std::to_string(Height);
}

std::vector<TOptionSpec> OptionSpecs()
{
    const std::string Interval =
        std::string(StartText::IntervalFrom) + ":" + StartText::IntervalTo + ")";
    const std::string BoxHeights = FormatReal(SmallestBoxHeight) + " to " +
                                   FormatReal(LargestBoxHeight) + " (default " +
                                   FormatReal(DefaultBoxHeight) + ")";
    const std::string Pans = Pixels(GraphWidth, GraphHeight) + ", up to " +
                             std::to_string(LargestPanX) + "," + std::to_string(LargestPanY) +
                             " either way (default 0,0)";
    return {{"function", "EXPR", "the function Y = F(X, Z)"},
            {"x", "FROM:TO", "X interval (default " + Interval},
            {"y", "FROM:TO", "Y interval shown (default: every result)"},
            {"z", "FROM:TO", "Z interval (default " + Interval},
            {"points", "N",
             std::string("number of points to show (default ") + StartText::PointsToShow + ")"},
            {"order", "square|random", "order of the points (default square)"},
            {"seed", "N", "seed of the random order (default: the clock)"},
            {"hor-angle", "A",
             std::string("horizontal angle in radians (default ") + StartText::Angle + ")"},
            {"ver-angle", "A",
             std::string("vertical angle in radians (default ") + StartText::Angle + ")"},
            {"distance", "D", "camera distance (default: as the calculation sets it)"},
            {"zoom", "Z", std::string("zoom (default ") + StartText::Zoom + ")"},
            {"zbuffer", nullptr, "use the Z-buffer"},
            {"hide-undefined", nullptr, "do not show undefined results"},
            {"outline", nullptr, "3D outline axises"},
            {"fit", nullptr, "zoom so that the drawn points fill the picture"},
            {"box", nullptr, "scale the axes to a box (a cube round the origin)"},
            {"ticks", nullptr, "draw the box's edges with values and axis names"},
            {"surface", nullptr, "draw the graph as a filled surface, hidden parts hidden"},
            {"light", nullptr, "shade the surface by a light beside the camera"},
            {"background", "black|white", "background of the picture (default black)"},
            {"size", "WxH",
             "size of the picture written, " + Pixels(SmallestPictureWidth, SmallestPictureHeight) +
                 " to " + Pixels(LargestPictureWidth, LargestPictureHeight) +
                 " (default: the graph " + Pixels(GraphWidth, GraphHeight) + ")"},
            {"legend", "panel|bar|none",
             "beside the graph: sketch and legend below, colour bar at its right, or none "
             "(default panel)"},
            {"box-height", "R", "heights of the box per its width, " + BoxHeights},
            {"pan", "DX,DY", "move the picture DX right, DY down, in pixels of " + Pans},
            {"output", "FILE", "write FILE (.png picture or .csv points), no window"},
            {"usual-priority", nullptr,
             "read --function by the usual rules (* and / before + and -) and add the brackets"},
            {"pick", "PX,PY", "print the point drawn at pixel PX,PY (repeatable)"},
            {"explain", "EXPR",
             "print how EXPR is read (and by the usual rules, if otherwise) and exit"},
            {"help", nullptr, "show this help"},
            {"version", nullptr, "show the version"}};
}

void PrintError(const std::string& Text) { std::fprintf(stderr, "%s\n", Text.c_str()); }

// The text of an option value as the fields hold it, one byte a character;
// a byte that is not UTF-8 comes back as itself, so that a refusal can name
// its code.
std::string Latin(const QString& Text)
{
    std::string Bytes;
    for (const QChar C : Text) {
        const char16_t Code = C.unicode();
        const bool Escaped = Code >= 0xDC80 && Code <= 0xDCFF;  // see DecodeArgument
        Bytes += Code < 0x100 ? static_cast<char>(Code)
                 : Escaped    ? static_cast<char>(Code - 0xDC00)
                              : '?';
    }
    return Bytes;
}

// Writes Text to standard output, every write checked: a full disk or a
// closed output is reported, not taken for success.
bool PrintOutput(const std::string& Text)
{
    std::string Reason;
    if (WriteToDescriptor(
            1, [&Text](const TChunkWriter& Write) { return Write(Text.data(), Text.size()); },
            Reason))
        return true;
    PrintError(CannotWriteStandardOutputMessage(Reason));
    return false;
}

// "--output -" (or "-.png", "-.csv"): the file goes to standard output.
bool IsStandardOutput(const QString& Output)
{
    return !Output.contains(QLatin1Char('/')) &&
           QFileInfo(Output).completeBaseName() == QLatin1String("-");
}

// The bytes of an argument as the program was given them.
std::string Bytes(const QString& Argument) { return EncodeArgument(Argument.toStdU16String()); }

void AddOptions(QCommandLineParser& Parser)
{
    for (const TOptionSpec& Spec : OptionSpecs()) {
        QCommandLineOption Option(QString::fromLatin1(Spec.Name),
                                  QString::fromStdString(Spec.Description));
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
    const std::vector<TOptionSpec> Specs = OptionSpecs();
    std::vector<std::string> Heads;
    std::size_t Widest = 0;
    for (const TOptionSpec& Spec : Specs) {
        Heads.push_back(std::string("  --") + Spec.Name +
                        (Spec.ValueName ? std::string(" <") + Spec.ValueName + ">" : ""));
        Widest = std::max(Widest, Heads.back().size());
    }
    for (std::size_t I = 0; I < Heads.size(); ++I)
        Text +=
            Heads[I] + std::string(Widest + 2 - Heads[I].size(), ' ') + Specs[I].Description + "\n";
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

// The picture's frame: the box's height and the move.
TRefusal ReadFrameValues(const QCommandLineParser& Parser, TCommandLine& Line)
{
    TPictureOptions& Options = Line.Settings.Options;
    TRefusal Refusal = TRefusal::None;
    if (Parser.isSet(QStringLiteral("box-height")))
        Refusal = ReadBoxHeightOption(Latin(Parser.value(QStringLiteral("box-height"))),
                                      Options.BoxHeight);
    if (Refusal == TRefusal::None && Parser.isSet(QStringLiteral("pan")))
        Refusal = ReadPanOption(Latin(Parser.value(QStringLiteral("pan"))), Options.Pan);
    return Refusal;
}

void ReadSwitches(const QCommandLineParser& Parser, TCommandLine& Line)
{
    TCommandLineSettings& S = Line.Settings;
    S.ZBuffer = Parser.isSet(QStringLiteral("zbuffer"));
    S.ShowUndefined = !Parser.isSet(QStringLiteral("hide-undefined"));
    S.Outline3D = Parser.isSet(QStringLiteral("outline"));
    S.Options.FitAfterCalculation = Parser.isSet(QStringLiteral("fit"));
    S.UsualPriority = Parser.isSet(QStringLiteral("usual-priority"));
    S.Options.Box = Parser.isSet(QStringLiteral("box"));
    S.Options.Ticks = Parser.isSet(QStringLiteral("ticks"));
    S.Options.Surface = Parser.isSet(QStringLiteral("surface"));
    S.Options.Light = Parser.isSet(QStringLiteral("light"));
}

TRefusal ReadOutput(const QCommandLineParser& Parser, TCommandLine& Line)
{
    if (!Parser.isSet(QStringLiteral("output"))) return TRefusal::None;
    Line.Output = Parser.value(QStringLiteral("output"));
    const QString Suffix = Line.Output == QLatin1String("-")
                               ? QStringLiteral("png")
                               : QFileInfo(Line.Output).suffix().toLower();
    if (Suffix != QLatin1String("png") && Suffix != QLatin1String("csv"))
        return TRefusal::OutputOption;
    Line.Settings.Output =
        Suffix == QLatin1String("png") ? TJobOutput::Picture : TJobOutput::Points;
    return TRefusal::None;
}

// With --usual-priority the function is replaced by the text that means
// here what the usual rules make of it; nothing to go on, or the exit status.
std::optional<int> ApplyUsualPriority(TCommandLine& Line)
{
    TCommandLineSettings& S = Line.Settings;
    if (!S.UsualPriority || !Line.FunctionGiven) return std::nullopt;
    const TUsualRewrite Rewrite = RewriteForUsualPriority(S.Function);
    if (Rewrite.Text.empty()) {
        PrintError(Rewrite.ConsoleRefusal);
        return ExitRefused;
    }
    S.Function = Rewrite.Text;
    return std::nullopt;
}

int WriteOutput(const QString& Output, const TFileContent& Content)
{
    std::string Reason;
    if (IsStandardOutput(Output)) {
        if (WriteToDescriptor(1, Content, Reason)) return 0;
        PrintError(CannotWriteStandardOutputMessage(Reason));
        return ExitUnwritable;
    }
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

std::optional<int> ParseCommandLine(const QStringList& Arguments, TCommandLine& Line)
{
    QCommandLineParser Parser;
    AddOptions(Parser);
    if (!Parser.parse(Arguments)) {
        PrintError(Parser.errorText().toStdString());
        return ExitRefused;
    }
    if (Parser.isSet(QStringLiteral("help"))) return PrintOutput(HelpText()) ? 0 : ExitUnwritable;
    if (Parser.isSet(QStringLiteral("version")))
        return PrintOutput(std::string(ApplicationTitle) + "\n") ? 0 : ExitUnwritable;
    if (Parser.isSet(QStringLiteral("explain"))) {
        std::ostringstream Reading;
        const int Status =
            ExplainCommand(Latin(Parser.value(QStringLiteral("explain"))), Reading, std::cerr);
        return PrintOutput(Reading.str()) ? Status : ExitUnwritable;
    }
    if (!Parser.positionalArguments().isEmpty()) {
        PrintError("Unexpected argument '" + Bytes(Parser.positionalArguments().constFirst()) +
                   "'.");
        return ExitRefused;
    }
    TRefusal Refusal = ReadValues(Parser, Line);
    if (Refusal == TRefusal::None) Refusal = ReadFrameValues(Parser, Line);
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
        PrintError(RefusalMessage(Refusal, ViewRadius(Result.Results, Line.Settings.Options.Box,
                                                      Line.Settings.Options.BoxHeight)));
        return ExitRefused;
    }
    // What the window's status line would say of this text and this grid.
    if (Line.FunctionGiven && !Line.Settings.UsualPriority) {
        const std::string Warning = CommandLinePriorityWarning(Line.Settings.Function);
        if (!Warning.empty()) PrintError(Warning);
    }
    if (!Result.GridNote.empty()) PrintError(Result.GridNote);
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
    if (Line.Output.isEmpty()) return PrintOutput(Picks.Text) ? 0 : ExitUnwritable;
    // Standard output that holds the file takes no figures: they go beside it.
    const bool FiguresBeside =
        IsStandardOutput(Line.Output) || IsWhereDescriptorWrites(Bytes(Line.Output), 1);
    const int Status = Line.Settings.Output == TJobOutput::Picture
                           ? WritePicture(ProgramPath, Line, Result)
                           : WriteOutput(Line.Output, [&Result](const TChunkWriter& Write) {
                                 return WritePointsCsv(Result.Results, Write);
                             });
    if (Status != 0) return Status;
    std::string Figures = FiguresText(Result) + Picks.Text;
    if (Line.Settings.UsualPriority)
        Figures = "function: " + Line.Settings.Function + "\n" + Figures;
    if (FiguresBeside) {
        std::fputs(Figures.c_str(), stderr);
        return 0;
    }
    return PrintOutput(Figures) ? 0 : ExitUnwritable;
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
    // With --fit, the fit after every calculation: the first is the one below.
    Form.SetPictureOptions(S.Options);
    if (S.SeedGiven) Form.FixedRandomSeed = S.Seed;
    if (Line.FunctionGiven) Form.Calculate(false);
}

}  // namespace MainUnit
