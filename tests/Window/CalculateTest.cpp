// "Calculate results" through the window: every refusal in the order of the
// checks, the storage failure, and the default calculation with its graph,
// legend and camera.
#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Text/NumberText.h"
#include "PictureProbe.h"
#include "Platform/Memory.h"
#include "SolveExp/SolveExp.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using MainUnit::TMainForm;
using TField = Platform::TEdit* TMainForm::*;

struct TFieldText {
    TField Field;
    const char* Text;
};

struct TRefusalCase {
    const char* Name;
    std::vector<TFieldText> Fields;
    MainUnit::TRefusal Refusal;  // its message is the one box shown
};

using MainUnit::TRefusal::ExpressionLength, MainUnit::TRefusal::ParameterCount,
    MainUnit::TRefusal::PointsToShow, MainUnit::TRefusal::SyntaxError,
    MainUnit::TRefusal::XZInterval, MainUnit::TRefusal::YInterval;

const std::string Long256 = "1" + std::string(254, ' ') + "1";

const TRefusalCase Refusals[] = {
    {"ten points", {{&TMainForm::PointsToShowEdit, "10"}}, PointsToShow},
    {"a million points", {{&TMainForm::PointsToShowEdit, "1000000"}}, PointsToShow},
    {"points with a decimal point", {{&TMainForm::PointsToShowEdit, "5000.0"}}, PointsToShow},
    {"points empty", {{&TMainForm::PointsToShowEdit, ""}}, PointsToShow},
    {"points before intervals",
     {{&TMainForm::PointsToShowEdit, "7"}, {&TMainForm::XIntervalFromEdit, "a"}},
     PointsToShow},
    {"X From not a number", {{&TMainForm::XIntervalFromEdit, "abc"}}, XZInterval},
    {"Z To beyond the double range", {{&TMainForm::ZIntervalToEdit, "1e400"}}, XZInterval},
    {"comma is no separator", {{&TMainForm::XIntervalToEdit, "1,5"}}, XZInterval},
    {"X and Z before Y",
     {{&TMainForm::ZIntervalFromEdit, ""}, {&TMainForm::YIntervalFromEdit, "q"}},
     XZInterval},
    {"Y From of blanks", {{&TMainForm::YIntervalFromEdit, " "}}, YInterval},
    {"Y To not a number", {{&TMainForm::YIntervalToEdit, "x"}}, YInterval},
    {"Y From beyond the double range", {{&TMainForm::YIntervalFromEdit, "-1e400"}}, YInterval},
    {"Y before the expression",
     {{&TMainForm::YIntervalToEdit, "q"}, {&TMainForm::FunctionExpressionEdit, ""}},
     YInterval},
    {"256 characters", {{&TMainForm::FunctionExpressionEdit, Long256.c_str()}}, ExpressionLength},
    {"eleven parameters",
     {{&TMainForm::FunctionExpressionEdit, "x+x+x+x+x+x+x+x+x+x+z"}},
     ParameterCount},
    {"parameters before syntax",
     {{&TMainForm::FunctionExpressionEdit, "x+x+x+x+x+x+x+x+x+x+z+"}},
     ParameterCount},
    {"empty expression", {{&TMainForm::FunctionExpressionEdit, ""}}, SyntaxError},
    {"blanks only", {{&TMainForm::FunctionExpressionEdit, "   "}}, SyntaxError},
    {"open bracket", {{&TMainForm::FunctionExpressionEdit, "sin(x"}}, SyntaxError},
    // Undefined at the trial point before the malformed end is reached.
    {"loge(x-1)+", {{&TMainForm::FunctionExpressionEdit, "loge(x-1)+"}}, SyntaxError},
    {"sqrt(-1)+", {{&TMainForm::FunctionExpressionEdit, "sqrt(-1)+"}}, SyntaxError},
    {"1/(x-1)*", {{&TMainForm::FunctionExpressionEdit, "1/(x-1)*"}}, SyntaxError},
};

struct TSnapshot {
    size_t Entries;
    int32_t PointCount;
    double BoundingRadius, XFrom, YFrom, YTo;
    QString Legend, Distance;
    bool operator==(const TSnapshot&) const = default;
};

TSnapshot Snapshot(const TMainForm& Form)
{
    const MainUnit::TResultSet& R = Form.Results;
    return {R.Points.size(), R.PointCount,  R.BoundingRadius,         R.XIntervalFrom,
            R.YIntervalFrom, R.YIntervalTo, Form.PointsLabel->text(), Form.DistanceEdit->text()};
}

void ResetFields(TMainForm& Form)
{
    const TFieldText Defaults[] = {
        {&TMainForm::PointsToShowEdit, "5000"}, {&TMainForm::XIntervalFromEdit, "-10.0"},
        {&TMainForm::XIntervalToEdit, "10.0"},  {&TMainForm::YIntervalFromEdit, ""},
        {&TMainForm::YIntervalToEdit, ""},      {&TMainForm::ZIntervalFromEdit, "-10.0"},
        {&TMainForm::ZIntervalToEdit, "10.0"}};
    for (const TFieldText& F : Defaults)
        (Form.*F.Field)->setText(QString::fromLatin1(F.Text));
}

using MainUnit::GraphHeight;
using MainUnit::GraphWidth;

// The graph as the reference painter paints it for the current view
// settings, on a black picture.
std::vector<uint32_t> ExpectedGraph(TMainForm& Form)
{
    double H = 0, V = 0, D = 0, Z = 0;
    MainUnit::ReadReal(MainUnit::FieldText(Form.HorAngleEdit), H);
    MainUnit::ReadReal(MainUnit::FieldText(Form.VerAngleEdit), V);
    MainUnit::ReadReal(MainUnit::FieldText(Form.DistanceEdit), D);
    MainUnit::ReadReal(MainUnit::FieldText(Form.ZoomEdit), Z);
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane View{};
    EXPECT_TRUE(Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, V, H, Z, D, View));
    std::vector<uint32_t> Pixels(size_t(GraphWidth) * GraphHeight, 0);
    MainUnit::TDepthBuffer Depth;
    const bool UseDepth = Form.ZBufferCheckBox->isChecked();
    EXPECT_TRUE(!UseDepth || MainUnit::CreateDepthBuffer(GraphWidth, GraphHeight, Depth));
    EXPECT_TRUE(MainUnit::PaintGraphReference(
        Form.Results, View, {Pixels.data(), GraphWidth, GraphHeight},
        Form.UndefResultsCheckBox->isChecked(), UseDepth ? &Depth : nullptr));
    return Pixels;
}

int CountDifferences(Platform::TPicture* Picture, const std::vector<uint32_t>& Expected)
{
    int Differences = 0;
    for (int Y = 0; Y < GraphHeight; ++Y)
        for (int X = 0; X < GraphWidth; ++X)
            Differences += Picture->Canvas().Pixel(X, Y) != Expected[size_t(Y) * GraphWidth + X];
    return Differences;
}

// The status texts and the lock state each time the status line is painted.
struct TBusyRecorder : QObject {
    TMainForm* Form;
    std::vector<std::pair<QString, bool>> Seen;
    explicit TBusyRecorder(TMainForm* Watched) : Form(Watched)
    {
        Form->StatusLabel->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint &&
            (Seen.empty() || Seen.back().first != Form->StatusLabel->text()))
            Seen.emplace_back(Form->StatusLabel->text(), Form->CalculateResultsButton->isEnabled());
        return false;
    }
};

}  // namespace

TEST_F(WindowTest, EveryRefusalOfTheCalculationInTheOrderOfTheChecks)
{
    ASSERT_TRUE(Calculate("x"));
    const TSnapshot Before = Snapshot(*Form);
    for (const TRefusalCase& Case : Refusals) {
        SCOPED_TRACE(Case.Name);
        ResetFields(*Form);
        Form->FunctionExpressionEdit->setText(QStringLiteral("x"));
        for (const TFieldText& F : Case.Fields)
            (Form.get()->*F.Field)->setText(QString::fromLatin1(F.Text));
        FillPicture(Form->GraphImage, 0xFFFFFF);
        FillPicture(Form->OutLineImage, 0xFFFFFF);
        Form->CalculateResultsButton->click();
        EXPECT_EQ(TakeMessages(), Warning(MainUnit::RefusalMessage(Case.Refusal)));
        EXPECT_EQ(Snapshot(*Form), Before);
        EXPECT_TRUE(IsFilled(Form->GraphImage, 0));
        EXPECT_TRUE(IsFilled(Form->OutLineImage, 0));
        EXPECT_EQ(Form->focusWidget(), Form->FunctionExpressionEdit);
    }
    // The unchanged set comes back with the next view change.
    ResetFields(*Form);
    Form->Outline3DCheckBox->click();
    EXPECT_GT(CountPixels(Form->GraphImage, 0), 0);
    EXPECT_FALSE(IsFilled(Form->GraphImage, 0));
}

TEST_F(WindowTest, IntervalsWhoseWidthOverflowsAreRefusedForWhatTheyAre)
{
    const struct {
        const char* Name;
        std::vector<TFieldText> Fields;
    } Cases[] = {
        {"X width overflows",
         {{&TMainForm::XIntervalFromEdit, "-1e308"}, {&TMainForm::XIntervalToEdit, "1e308"}}},
        {"Z width overflows",
         {{&TMainForm::ZIntervalFromEdit, "1e308"}, {&TMainForm::ZIntervalToEdit, "-1e308"}}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        ResetFields(*Form);
        ASSERT_TRUE(Calculate("sin(x)"));
        const TSnapshot Before = Snapshot(*Form);
        for (const TFieldText& F : Case.Fields)
            (Form.get()->*F.Field)->setText(QString::fromLatin1(F.Text));
        Form->CalculateResultsButton->click();
        // Not the memory: the intervals, refused before the old set is touched.
        EXPECT_EQ(TakeMessages(),
                  Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::IntervalWidth)));
        EXPECT_EQ(Snapshot(*Form), Before);
        EXPECT_TRUE(Form->CalculateResultsButton->isEnabled());
    }
}

TEST_F(WindowTest, GridsBeyondWhatMemoryHoldsEmptyTheSetWithTheErrorBox)
{
    // 5000 points over X [0, 1] and Z [0, w] make one column of about
    // sqrt(5000 w) rows: w = 5.6e14 asks for 1.67e9 entries (40 GB), within
    // 32 bits; w = 1e16 for 7e9, beyond.
    const bool MemoryCaseSafe = Platform::AvailableMemoryBytes() / 2 < 40'000'000'000ull;
    const struct {
        const char* Name;
        const char* ZTo;
        bool Run;
    } Cases[] = {
        {"grid beyond 32 bits", "1e16", true},
        {"grid beyond free memory", "5.6e14", MemoryCaseSafe},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        if (!Case.Run) continue;
        ResetFields(*Form);
        ASSERT_TRUE(Calculate("sin(x)"));
        Form->XIntervalFromEdit->setText(QStringLiteral("0"));
        Form->XIntervalToEdit->setText(QStringLiteral("1"));
        Form->ZIntervalToEdit->setText(QString::fromLatin1(Case.ZTo));
        Form->CalculateResultsButton->click();
        EXPECT_EQ(TakeMessages(),
                  Error(MainUnit::RefusalMessage(MainUnit::TRefusal::CannotAllocate)));
        EXPECT_TRUE(Form->Results.Points.empty());
        EXPECT_TRUE(IsFilled(Form->GraphImage, 0));
        for (QLabel* Label : Form->GroupBox4->findChildren<QLabel*>())
            EXPECT_TRUE(Label->text().isEmpty());
        EXPECT_TRUE(Form->CalculateResultsButton->isEnabled());
        Form->ZBufferCheckBox->click();
        EXPECT_EQ(TakeMessages(), Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults)));
    }
}

TEST_F(WindowTest, AGridOfFarMorePointsThanAskedSaysSoOnTheStatusLine)
{
    const struct {
        const char* Points;
        const char* XTo;
        const char* ZTo;
        const char* Shown;   // the status line after the calculation
        const char* Status;  // its whole text, in the tooltip
    } Cases[] = {
        {"100", "1", "1000", "317 points for 100 asked",
         "317 points for 100 asked: X is far narrower than Z"},
        {"100", "1000", "1", "317 points for 100 asked",
         "317 points for 100 asked: Z is far narrower than X"},
        {"100", "1", "1", "", ""},    // a square grid of the points asked
        {"100", "1", "100", "", ""},  // one column of exactly the points asked
        {"100", "1", "400", "", ""},  // 200 points: not more than twice
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Status);
        ResetFields(*Form);
        Form->PointsToShowEdit->setText(QString::fromLatin1(Case.Points));
        Form->XIntervalFromEdit->setText(QStringLiteral("0"));
        Form->XIntervalToEdit->setText(QString::fromLatin1(Case.XTo));
        Form->ZIntervalFromEdit->setText(QStringLiteral("0"));
        Form->ZIntervalToEdit->setText(QString::fromLatin1(Case.ZTo));
        ASSERT_TRUE(Calculate("0"));
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), Case.Shown);
        EXPECT_EQ(Form->StatusLabel->toolTip().toStdString(), Case.Status);
        // It stays while the set is shown.
        Form->ZBufferCheckBox->click();
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), Case.Shown);
        EXPECT_EQ(Form->StatusLabel->toolTip().toStdString(), Case.Status);
    }
    // The random order takes the points asked, whatever the grid.
    Form->RandomRadioButton->setChecked(true);
    ASSERT_TRUE(Calculate("0"));
    EXPECT_EQ(Form->StatusLabel->text().toStdString(), "");
    Form->SquareRadioButton->setChecked(true);
}

TEST_F(WindowTest, ResultsTooLargeToShowAreRefusedAndNoFieldEverHoldsAnUnreadableNumber)
{
    const struct {
        const char* Name;
        std::vector<TFieldText> Fields;
        bool KeepsTheOldSet;  // the intervals alone tell, before anything is replaced
    } Cases[] = {
        {"X and Z near 1.5e308",
         {{&TMainForm::XIntervalFromEdit, "1.4e308"},
          {&TMainForm::XIntervalToEdit, "1.5e308"},
          {&TMainForm::ZIntervalFromEdit, "1.4e308"},
          {&TMainForm::ZIntervalToEdit, "1.5e308"}},
         true},
        {"F near 1.6e308", {{&TMainForm::FunctionExpressionEdit, "1.6e308"}}, false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        ResetFields(*Form);
        ASSERT_TRUE(Calculate("sin(x)"));
        const TSnapshot Before = Snapshot(*Form);
        for (const TFieldText& F : Case.Fields)
            (Form.get()->*F.Field)->setText(QString::fromLatin1(F.Text));
        Form->CalculateResultsButton->click();
        EXPECT_EQ(TakeMessages(),
                  Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::ResultsTooLarge)));
        if (Case.KeepsTheOldSet) {
            EXPECT_EQ(Snapshot(*Form), Before);
        } else {
            EXPECT_TRUE(Form->Results.Points.empty());
            EXPECT_TRUE(Form->PointsLabel->text().isEmpty());
        }
        // "Min->" and "+" never write a text that the repaint cannot read.
        Form->MinDistanceButton->click();
        Form->DistanceIncButton->click();
        double Distance = 0;
        EXPECT_TRUE(MainUnit::ReadReal(MainUnit::FieldText(Form->DistanceEdit), Distance))
            << Form->DistanceEdit->text().toStdString();
        if (Case.KeepsTheOldSet) {
            EXPECT_TRUE(TakeMessages().empty());
        } else {
            EXPECT_EQ(TakeMessages(),
                      (std::vector<TRecordedMessage>(
                          2, {Platform::TMessageKind::mkWarning,
                              MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults)})));
        }
    }
}

TEST_F(WindowTest, TheMemoryGuardCountsWhatTheSystemCanMakeAvailable)
{
    // The default grid of 5041 points with its evaluation and the repaint
    // that follows may use half of the memory the system reports as
    // available. Its points alone take 120984 bytes; the whole job is more
    // than twice that.
    const uint64_t Peak = MainUnit::JobPeakBytes({true, 71, 71}, MainUnit::TJobOutput::Window);
    EXPECT_GT(Peak, 2 * 120984u);
    const std::string Enough = std::to_string((2 * Peak + 1023) / 1024);
    const std::string TooLittle = std::to_string((2 * Peak + 1023) / 1024 - 1);
    static std::string Report;
    const struct {
        std::string Report;
        bool Accepted;
    } Cases[] = {
        {"MemTotal: 900000 kB\nMemFree: 100 kB\nMemAvailable: " + Enough + " kB\n",
         true},  // mostly cache
        {"MemTotal: 900000 kB\nMemFree: 800000 kB\nMemAvailable: " + TooLittle + " kB\n", false},
        {"MemTotal: 900000 kB\nMemFree: " + Enough + " kB\n", true},  // a report without the line
        {"MemTotal: 900000 kB\nMemFree: " + TooLittle + " kB\n", false},
    };
    const Platform::TMemoryReportReader Original = Platform::MemoryReportReader;
    Platform::MemoryReportReader = [] { return Report; };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Report);
        Report = Case.Report;
        if (Case.Accepted) {
            EXPECT_TRUE(Calculate("x"));
        } else {
            Form->CalculateResultsButton->click();
            EXPECT_EQ(TakeMessages(),
                      Error(MainUnit::RefusalMessage(MainUnit::TRefusal::CannotAllocate)));
        }
    }
    Platform::MemoryReportReader = Original;
}

TEST_F(WindowTest, AcceptedEdgesOfTheFunctionSettings)
{
    const std::string Blanks = std::string(253, ' ') + "x";  // 254 characters
    const struct {
        const char* Points;
        const char* XFrom;
        const char* XTo;
        const char* Expression;
        size_t Entries;
        double XIntervalFrom;
    } Cases[] = {
        // Intervals of very unequal widths (Z is -10 to 10): one column or
        // row of far more points than asked, the cells as wide as high.
        {"100", "0", "0.01", "x", 448, 0},
        {"99", "0.1", "1e6", "x", 2225, 0.1},
        {"5000", "0", "1e-6", "x", 316228, 0},
        {"11", "-10.0", "10.0", "x", 16, -10},
        {"$10", "-10.0", "10.0", "x", 16, -10},     // hexadecimal 16
        {"100", "10", "-10", "1/(x-1)", 100, -10},  // reversed ends, undefined at the trial point
        {"100", "-10", "10", "x+x+x+x+x+x+x+x+x+z", 100, -10},
        {"100", "-10", "10", Blanks.c_str(), 100, -10},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Expression);
        Form->PointsToShowEdit->setText(QString::fromLatin1(Case.Points));
        Form->XIntervalFromEdit->setText(QString::fromLatin1(Case.XFrom));
        Form->XIntervalToEdit->setText(QString::fromLatin1(Case.XTo));
        EXPECT_TRUE(Calculate(Case.Expression));
        EXPECT_EQ(Form->Results.Points.size(), Case.Entries);
        EXPECT_EQ(Form->Results.XIntervalFrom, Case.XIntervalFrom);
        for (const Proc3D::TPoint3D& P : Form->Results.Points)
            EXPECT_NE(P.Y, SolveExp::SyntaxErrorValue);
    }
}

TEST_F(WindowTest, DefaultCalculationOfSinXCosZ)
{
    TBusyRecorder Busy(Form.get());
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    const MainUnit::TResultSet& R = Form->Results;
    EXPECT_EQ(R.Points.size(), 5041u);
    EXPECT_EQ(R.PointCount, 5041);
    EXPECT_EQ(R.XIntervalFrom, -10.0);
    EXPECT_EQ(R.ZIntervalTo, 10.0);
    EXPECT_GT(R.YIntervalFrom, -1.0);
    EXPECT_LT(R.YIntervalTo, 1.0);
    EXPECT_GT(R.YIntervalTo, 0.99);
    // Distance 0 is not above the radius: replaced by 1.5 x radius; the camera
    // stands on the Z axis at that distance.
    EXPECT_EQ(Form->DistanceEdit->text().toStdString(),
              MainUnit::FormatReal(1.5 * R.BoundingRadius));
    EXPECT_EQ(Form->CameraXEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(Form->CameraYEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(Form->CameraZEdit->text(), Form->DistanceEdit->text());
    EXPECT_EQ(Form->FunctionExpressionLabel->text(), QStringLiteral("Y = sin(x)*cos(z)"));
    EXPECT_EQ(Form->XIntervalLabel->text(), QStringLiteral("X = <-10 ;10>"));
    EXPECT_EQ(Form->ZIntervalLabel->text(), QStringLiteral("Z = <-10 ;10>"));
    EXPECT_EQ(Form->PointsLabel->text(),
              QStringLiteral("5041 points (square ordered) really showed"));
    EXPECT_EQ(Form->UndefinedLabel->text(), QStringLiteral("Y is undefined"));
    EXPECT_EQ(Form->PurpleLabel->text().toStdString(),
              "Y = " + MainUnit::FormatReal(R.YIntervalFrom));

    // Busy while calculating and while repainting, idle in between and after.
    const std::vector<std::pair<QString, bool>> ExpectedBusy = {
        {QStringLiteral("Calculating results, please wait..."), false},
        {QString(), true},
        {QStringLiteral("Repainting graph, please wait..."), false},
        {QString(), true}};
    EXPECT_EQ(Busy.Seen, ExpectedBusy);

    EXPECT_GT(CountPixels(Form->GraphImage, 0), 0);
    EXPECT_LT(CountPixels(Form->GraphImage, 0), GraphWidth * GraphHeight - 1000);
    EXPECT_EQ(CountDifferences(Form->GraphImage, ExpectedGraph(*Form)), 0);
    Form->ZBufferCheckBox->click();
    EXPECT_EQ(CountDifferences(Form->GraphImage, ExpectedGraph(*Form)), 0);
    Form->VerAngleEdit->setText(QStringLiteral("0.5"));
    Form->HorAngleEdit->setText(QStringLiteral("0.7"));
    Form->UndefResultsCheckBox->click();
    EXPECT_EQ(CountDifferences(Form->GraphImage, ExpectedGraph(*Form)), 0);
}

TEST_F(WindowTest, AltRCalculatesInRandomOrder)
{
    Form->RandomRadioButton->click();
    Form->FunctionExpressionEdit->setText(QStringLiteral("x*z"));
    Form->ZoomEdit->setFocus();
    QTest::keyClick(Form->ZoomEdit, Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return !Messages.empty(); }));
    EXPECT_EQ(TakeMessages(), (std::vector<TRecordedMessage>{{Platform::TMessageKind::mkInformation,
                                                              MainUnit::MsgCalculated}}));
    EXPECT_EQ(Form->Results.PointCount, 5000);
    EXPECT_EQ(Form->Results.Points.size(), 5041u);
    for (int I = 0; I < 5000; ++I) {
        const Proc3D::TPoint3D& P = Form->Results.Points[size_t(I)];
        ASSERT_TRUE(P.X >= -10 && P.X < 10 && P.Z >= -10 && P.Z < 10) << I;
    }
    EXPECT_EQ(Form->PointsLabel->text(),
              QStringLiteral("5000 points (random ordered) really showed"));
    EXPECT_EQ(CountDifferences(Form->GraphImage, ExpectedGraph(*Form)), 0);
}
