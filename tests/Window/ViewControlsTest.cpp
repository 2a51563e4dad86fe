// The view controls through the window: the step buttons with and without
// limits, "Min->", and the four edits' exit and Enter handlers.
#include "WindowFixture.h"

#include <QPushButton>

namespace {

using MainUnit::TMainForm;

enum TOutcome { Repainted, Nothing, Refused };

struct TStepCase {
    Platform::TEdit* TMainForm::*Edit;
    const char* Before;
    QPushButton* TMainForm::*Button;
    const char* After;
    TOutcome Outcome;
    std::string Message;  // of a refused repaint
};

const std::string DistanceAbove10 = MainUnit::RefusalMessage(MainUnit::TRefusal::Distance, 10);

const TStepCase StepCases[] = {
    {&TMainForm::HorAngleEdit, "0", &TMainForm::HorAngleIncButton, "0.1", Repainted, ""},
    {&TMainForm::HorAngleEdit, "0", &TMainForm::HorAngleDecButton, "-0.1", Repainted, ""},
    {&TMainForm::HorAngleEdit, "999.95", &TMainForm::HorAngleIncButton, "1000.05", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::HorAngle)},
    {&TMainForm::VerAngleEdit, "1.4", &TMainForm::VerAngleIncButton, "1.5", Repainted, ""},
    {&TMainForm::VerAngleEdit, "1.5", &TMainForm::VerAngleIncButton, "1.5", Nothing, ""},
    {&TMainForm::VerAngleEdit, "2", &TMainForm::VerAngleIncButton, "2", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::VerAngle)},
    {&TMainForm::VerAngleEdit, "-1.5", &TMainForm::VerAngleDecButton, "-1.5", Nothing, ""},
    {&TMainForm::VerAngleEdit, "-1.6", &TMainForm::VerAngleDecButton, "-1.6", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::VerAngle)},
    {&TMainForm::VerAngleEdit, "-3", &TMainForm::VerAngleIncButton, "-2.9", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::VerAngle)},
    {&TMainForm::VerAngleEdit, "x", &TMainForm::VerAngleIncButton, "x", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {&TMainForm::DistanceEdit, "12", &TMainForm::DistanceDecButton, "10.8", Repainted, ""},
    {&TMainForm::DistanceEdit, "11", &TMainForm::DistanceDecButton, "11", Nothing, ""},
    {&TMainForm::DistanceEdit, "10", &TMainForm::DistanceDecButton, "10", Refused, DistanceAbove10},
    {&TMainForm::DistanceEdit, "12", &TMainForm::DistanceIncButton, "13.2", Repainted, ""},
    {&TMainForm::DistanceEdit, "abc", &TMainForm::DistanceIncButton, "abc", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {&TMainForm::DistanceEdit, "1e400", &TMainForm::DistanceIncButton, "1e400", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
    {&TMainForm::DistanceEdit, "50", &TMainForm::MinDistanceButton, "10.01", Repainted, ""},
    {&TMainForm::ZoomEdit, "100", &TMainForm::ZoomIncButton, "110", Repainted, ""},
    {&TMainForm::ZoomEdit, "100", &TMainForm::ZoomDecButton, "90", Repainted, ""},
    {&TMainForm::ZoomEdit, "-100", &TMainForm::ZoomIncButton, "-110", Refused,
     MainUnit::RefusalMessage(MainUnit::TRefusal::Zoom)},
};

}  // namespace

class ViewControlsTest : public WindowTest {
protected:
    // A result set whose bounding radius is exactly 10: X from -10 to 10,
    // Z and Y at 0.
    void SetUp() override
    {
        WindowTest::SetUp();
        Form->ZIntervalFromEdit->setText(QStringLiteral("0"));
        Form->ZIntervalToEdit->setText(QStringLiteral("0"));
        Form->PointsToShowEdit->setText(QStringLiteral("20"));
        ASSERT_TRUE(Calculate("0"));
        ASSERT_EQ(Form->Results.BoundingRadius, 10.0);
    }

    void SetView(const char* Hor, const char* Ver, const char* Distance, const char* Zoom)
    {
        Form->HorAngleEdit->setText(QString::fromLatin1(Hor));
        Form->VerAngleEdit->setText(QString::fromLatin1(Ver));
        Form->DistanceEdit->setText(QString::fromLatin1(Distance));
        Form->ZoomEdit->setText(QString::fromLatin1(Zoom));
        Form->CameraXEdit->clear();
    }

    // A successful repaint writes the camera; a refused one shows its box.
    TOutcome Outcome(std::string& Message)
    {
        const std::vector<TRecordedMessage> Shown = TakeMessages();
        if (!Shown.empty()) {
            Message = Shown.size() == 1 ? Shown[0].Text : "several boxes";
            return Refused;
        }
        return Form->CameraXEdit->text().isEmpty() ? Nothing : Repainted;
    }
};

TEST_F(ViewControlsTest, StepButtonsAndMinChangeTheirFieldAndRepaint)
{
    for (const TStepCase& Case : StepCases) {
        SetView("0", "0.3", "30", "100");
        Platform::TEdit* Edit = Form.get()->*Case.Edit;
        Edit->setText(QString::fromLatin1(Case.Before));
        SCOPED_TRACE(Case.Before);
        (Form.get()->*Case.Button)->click();
        EXPECT_EQ(Edit->text().toStdString(), Case.After);
        std::string Message;
        EXPECT_EQ(Outcome(Message), Case.Outcome);
        EXPECT_EQ(Message, Case.Message);
    }
}

TEST_F(ViewControlsTest, MinWritesJustAboveTheRadiusWithoutReadingTheField)
{
    Form->XIntervalFromEdit->setText(QStringLiteral("-1000"));
    Form->XIntervalToEdit->setText(QStringLiteral("1000"));
    ASSERT_TRUE(Calculate("0"));
    SetView("0", "0", "garbage", "100");
    Form->MinDistanceButton->click();
    EXPECT_EQ(Form->DistanceEdit->text(), QStringLiteral("1001"));
    std::string Message;
    EXPECT_EQ(Outcome(Message), Repainted);
}

TEST_F(WindowTest, MinBeforeAnyCalculationWritesZeroAndFindsNoResults)
{
    Form->MinDistanceButton->click();
    EXPECT_EQ(Form->DistanceEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(TakeMessages(), Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults)));
}

TEST_F(ViewControlsTest, LeavingATypedFieldRepaintsOnceAndEnterRepaints)
{
    SetView("0", "0.3", "30", "100");
    Form->ZoomEdit->setFocus();
    QTest::keyClicks(Form->ZoomEdit, QStringLiteral("0"));  // 1000
    std::string Message;
    EXPECT_EQ(Outcome(Message), Nothing);
    QTest::keyClick(Form->ZoomEdit, Qt::Key_Tab);
    EXPECT_EQ(Outcome(Message), Repainted);
    EXPECT_FALSE(Form->ZoomEdit->isModified());
    EXPECT_NE(QApplication::focusWidget(), Form->ZoomEdit);

    // Entering and leaving again without typing does not repaint.
    Form->ZoomEdit->setFocus();
    Form->CameraXEdit->clear();
    Form->HorAngleEdit->setFocus();
    EXPECT_EQ(Outcome(Message), Nothing);

    // Enter repaints and leaves the focus and the typed text in the field.
    Form->VerAngleEdit->setFocus();
    QTest::keyClick(Form->VerAngleEdit, Qt::Key_Backspace);
    QTest::keyClicks(Form->VerAngleEdit, QStringLiteral("5"));
    Form->CameraXEdit->clear();
    QTest::keyClick(Form->VerAngleEdit, Qt::Key_Return);
    EXPECT_EQ(Outcome(Message), Repainted);
    EXPECT_EQ(Form->VerAngleEdit->text(), QStringLiteral("0.5"));
    EXPECT_EQ(QApplication::focusWidget(), Form->VerAngleEdit);
    // The flag stays after Enter: leaving repaints once more.
    Form->CameraXEdit->clear();
    QTest::keyClick(Form->VerAngleEdit, Qt::Key_Tab);
    EXPECT_EQ(Outcome(Message), Repainted);

    // Enter on a wrong text: the repaint's message, then the focus goes to
    // the expression field with the activation.
    Form->DistanceEdit->setFocus();
    Form->CameraXEdit->clear();
    QTest::keyClicks(Form->DistanceEdit, QStringLiteral("x"));
    QTest::keyClick(Form->DistanceEdit, Qt::Key_Return);
    EXPECT_EQ(Outcome(Message), Refused);
    EXPECT_EQ(Message, MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers));
    EXPECT_EQ(Form->focusWidget(), Form->FunctionExpressionEdit);
    // The activation moving the focus is no exit of the field: no second box.
    EXPECT_EQ(Outcome(Message), Nothing);
    // The box answered the typed text: the field counts as unchanged, so
    // entering and leaving it without typing repaints nothing.
    EXPECT_FALSE(Form->DistanceEdit->isModified());
    QTest::mouseClick(Form->DistanceEdit, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), Form->DistanceEdit);
    QTest::mouseClick(Form->XIntervalFromEdit, Qt::LeftButton);
    EXPECT_EQ(Outcome(Message), Nothing);
}

TEST_F(ViewControlsTest, OnlyARefusedRepaintAnswersTheTypedFieldItLeaves)
{
    // A repaint's refusal has read the typed text: leaving the field with the
    // activation after its box does not repeat it. Any other box leaves the
    // field as an exit, which repaints from the typed text.
    const std::vector<TRecordedMessage> Refusal =
        Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers));
    std::vector<TRecordedMessage> AfterCalculation = {
        {Platform::TMessageKind::mkInformation, MainUnit::MsgCalculated}};
    AfterCalculation.insert(AfterCalculation.end(), 2, Refusal[0]);
    const struct {
        Qt::Key Key;  // with Alt, from the typed field
        std::vector<TRecordedMessage> Boxes;
    } Cases[] = {{Qt::Key_Return, Refusal}, {Qt::Key_M, Refusal}, {Qt::Key_R, AfterCalculation}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(char(Case.Key));
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Form->ZoomEdit->setFocus();
        QTest::keyClick(Form->ZoomEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Form->ZoomEdit, QStringLiteral("abc"));
        QTest::keyClick(Form->ZoomEdit, Case.Key,
                        Case.Key == Qt::Key_Return ? Qt::NoModifier : Qt::AltModifier);
        ASSERT_TRUE(WaitUntil([&] { return !Messages.empty(); }));
        EXPECT_EQ(TakeMessages(), Case.Boxes);
        EXPECT_FALSE(Form->ZoomEdit->isModified());
    }
}
