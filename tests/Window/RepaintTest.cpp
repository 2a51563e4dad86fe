// The graph repaint through the window: its refusals in order, the camera
// fields, undefined points, and the legend of a calculation.
#include "PictureProbe.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include <charconv>

namespace {

struct TViewCase {
    const char* Hor;
    const char* Ver;
    const char* Distance;  // null: the exact bounding radius
    const char* Zoom;
    std::string Message;  // empty: the repaint draws
};

const std::string DistanceMessage =
    MainUnit::RefusalMessage(MainUnit::TRefusal::Distance, std::sqrt(300.0));

const TViewCase ViewCases[] = {
    {"abc", "0", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {"abc", "5", "30", "-1",
     MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},  // unreadable beats out of range
    {"0", "0", "1e400", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {"0", "0,5", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {"0", "0", "30", "", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {"1000", "0", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::HorAngle)},
    {"-1000", "9", "30", "0", MainUnit::RefusalMessage(MainUnit::TRefusal::HorAngle)},
    {"999.99", "0", "30", "100", ""},
    {"0", "1.5708", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::VerAngle)},
    {"0", "-1.5708", "30", "0", MainUnit::RefusalMessage(MainUnit::TRefusal::VerAngle)},
    {"0", "1.5707963267948966", "30", "100", ""},
    {"0", "0", "30", "0", MainUnit::RefusalMessage(MainUnit::TRefusal::Zoom)},
    {"0", "0", "1", "-5", MainUnit::RefusalMessage(MainUnit::TRefusal::Zoom)},
    {"0", "0", nullptr, "100", DistanceMessage},
    {"0", "0", "17.3205080756887", "100", DistanceMessage},  // just below the radius
    {"0", "0", "17.3205080756888", "100", ""},               // just above it
    // Camera and plane fall together; the plane's offset overflows.
    {"0", "0", "30", "1e-20", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewBeyondPrecision)},
    {"0.7", "0.5", "30", "1e200",
     MainUnit::RefusalMessage(MainUnit::TRefusal::ViewBeyondPrecision)},
};

}  // namespace

TEST_F(WindowTest, RepaintBeforeAnyCalculationHasNoResultsToShow)
{
    for (QAbstractButton* Box : {static_cast<QAbstractButton*>(Form->UndefResultsCheckBox),
                                 static_cast<QAbstractButton*>(Form->ZBufferCheckBox),
                                 static_cast<QAbstractButton*>(Form->Outline3DCheckBox)}) {
        Box->click();
        EXPECT_EQ(TakeMessages(), Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults)));
        EXPECT_TRUE(Form->CameraXEdit->text().isEmpty());
    }
}

TEST_F(WindowTest, EveryRefusalOfTheRepaintInTheOrderOfTheChecks)
{
    // F = x over the default square: Y from -10 to 10, radius sqrt(300).
    ASSERT_TRUE(Calculate("x"));
    ASSERT_EQ(Form->Results.BoundingRadius, std::sqrt(300.0));
    char Radius[32] = {};
    *std::to_chars(Radius, Radius + 31, Form->Results.BoundingRadius).ptr = 0;
    for (const TViewCase& Case : ViewCases) {
        SCOPED_TRACE(std::string(Case.Hor) + " " + Case.Ver + " " +
                     (Case.Distance ? Case.Distance : Radius) + " " + Case.Zoom);
        Form->HorAngleEdit->setText(QString::fromLatin1(Case.Hor));
        Form->VerAngleEdit->setText(QString::fromLatin1(Case.Ver));
        Form->DistanceEdit->setText(QString::fromLatin1(Case.Distance ? Case.Distance : Radius));
        Form->ZoomEdit->setText(QString::fromLatin1(Case.Zoom));
        for (QLineEdit* Camera : {Form->CameraXEdit, Form->CameraYEdit, Form->CameraZEdit})
            Camera->setText(QStringLiteral("old"));
        FillPicture(Form->GraphImage, 0x808080);
        Form->ZBufferCheckBox->click();
        if (Case.Message.empty()) {
            EXPECT_TRUE(TakeMessages().empty());
            EXPECT_NE(Form->CameraZEdit->text(), QStringLiteral("old"));
            EXPECT_EQ(CountPixels(Form->GraphImage, 0x808080), 0);
            EXPECT_FALSE(IsFilled(Form->GraphImage, 0));
        } else {
            EXPECT_EQ(TakeMessages(), Warning(Case.Message));
            EXPECT_EQ(Form->CameraXEdit->text(), QStringLiteral("old"));
            EXPECT_EQ(Form->CameraZEdit->text(), QStringLiteral("old"));
            EXPECT_TRUE(IsFilled(Form->GraphImage, 0));  // blanked when the box closed
        }
    }
}

TEST_F(WindowTest, AResultSetBeyondThePrecisionOfTheViewIsReportedNotLeftBlack)
{
    // The distance 1.5E19 leaves no room for a zoom of 100 in its rounding.
    Form->FunctionExpressionEdit->setText(QStringLiteral("1e18*x"));
    Form->CalculateResultsButton->click();
    EXPECT_EQ(TakeMessages(),
              (std::vector<TRecordedMessage>{
                  {Platform::TMessageKind::mkInformation, MainUnit::MsgCalculated},
                  {Platform::TMessageKind::mkWarning,
                   MainUnit::RefusalMessage(MainUnit::TRefusal::ViewBeyondPrecision)}}));
    EXPECT_EQ(Form->DistanceEdit->text(), QStringLiteral("1.5E19"));
}

TEST_F(WindowTest, UndefinedResultsAreWhiteAtHeightZeroOnlyWhenShown)
{
    // Undefined for every negative X: half of the grid.
    ASSERT_TRUE(Calculate("sqrt(x)"));
    Form->VerAngleEdit->setText(QStringLiteral("0.4"));
    ASSERT_TRUE(Form->UndefResultsCheckBox->isChecked());
    Form->Outline3DCheckBox->click();
    const int White = CountPixels(Form->GraphImage, 0xFFFFFF);
    EXPECT_GT(White, 100);
    Form->UndefResultsCheckBox->click();
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(CountPixels(Form->GraphImage, 0xFFFFFF), 0);
    EXPECT_GT(CountPixels(Form->GraphImage, 0xFF00FF), 0);  // the lowest Y, 0, is magenta
}

TEST_F(WindowTest, LegendOfACalculationAndItsColourValues)
{
    ASSERT_TRUE(Calculate("x"));
    const std::pair<QLabel*, const char*> Expected[] = {
        {Form->FunctionExpressionLabel, "Y = x"},
        {Form->XIntervalLabel, "X = <-10 ;10>"},
        {Form->ZIntervalLabel, "Z = <-10 ;10>"},
        {Form->PointsLabel, "5041 points (square ordered) really showed"},
        {Form->PurpleLabel, "Y = -10"},
        {Form->BlueLabel, "Y = -6.52881355932203"},
        {Form->LightBlueLabel, "Y = -3.05762711864407"},
        {Form->GreenLabel, "Y = 0.413559322033898"},
        {Form->YellowLabel, "Y = 3.88474576271186"},
        {Form->RedLabel, "Y = 7.35593220338983"},
        {Form->RedWhiteLabel, "Y = 10"},
        {Form->UndefinedLabel, "Y is undefined"}};
    for (const auto& [Label, Text] : Expected) {
        EXPECT_EQ(Label->text().toStdString(), Text);
        EXPECT_EQ(Label->toolTip().toStdString(), Text);  // in full where the label is short
    }
    for (QLineEdit* Camera : {Form->CameraXEdit, Form->CameraYEdit, Form->CameraZEdit}) {
        EXPECT_FALSE(Camera->text().isEmpty());
        EXPECT_EQ(Camera->toolTip(), Camera->text());
    }
    // The legend describes the last calculation, not the controls of now.
    Form->RandomRadioButton->click();
    Form->XIntervalFromEdit->setText(QStringLiteral("-5"));
    Form->HorAngleIncButton->click();
    EXPECT_EQ(Form->PointsLabel->text(),
              QStringLiteral("5041 points (square ordered) really showed"));
    EXPECT_EQ(Form->XIntervalLabel->text(), QStringLiteral("X = <-10 ;10>"));
    // Blanks are gone from the expression the legend shows.
    ASSERT_TRUE(Calculate(" sin ( x ) * 2 "));
    EXPECT_EQ(Form->FunctionExpressionLabel->text(), QStringLiteral("Y = sin(x)*2"));
    EXPECT_EQ(Form->PointsLabel->text(),
              QStringLiteral("5000 points (random ordered) really showed"));
}
