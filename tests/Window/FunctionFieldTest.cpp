// The function settings fields beyond typing: the brackets for the usual
// priority (Ctrl+B and the context menu) as one undoable edit, and Enter.
#include "WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

TEST_F(WindowTest, CtrlBAddsTheBracketsAsOneUndoableEditOrSaysWhyNot)
{
    std::string Long = "1";
    for (int I = 0; I < 63; ++I)
        Long += "+1*1";
    const struct {
        std::string Typed, After, Status;
    } Cases[] = {
        {"x*x - z*z", "x*x-(z*z)", ""},
        {"exp(-(x*x+z*z)/10)", "exp(-(x*x+(z*z))/10)", ""},
        {"sinx*2+z", "sin(x)*2+z", ""},
        {"x*-z", "x*-z", "Column 3: minus needs brackets"},
        {Long, Long, "Brackets make it too long: 379"},
    };
    Platform::TEdit* Edit = Form->FunctionExpressionEdit;
    Edit->setFocus();
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Typed);
        Edit->clear();
        QTest::keyClicks(Edit, QString::fromLatin1(C.Typed));
        QTest::keyClick(Edit, Qt::Key_B, Qt::ControlModifier);
        EXPECT_EQ(Edit->text().toStdString(), C.After);
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), C.Status);
        if (C.After == C.Typed) continue;  // nothing to undo but the typing
        QTest::keyClick(Edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Edit->text().toStdString(), C.Typed);
    }
    // The same action is the last item of the field's context menu.
    const std::unique_ptr<QMenu> Menu(Form->FunctionActions.CreateFunctionMenu());
    ASSERT_FALSE(Menu->actions().isEmpty());
    EXPECT_EQ(Menu->actions().constLast(), Form->FunctionActions.UsualPriorityAction);
    EXPECT_EQ(Form->FunctionActions.UsualPriorityAction->text().toStdString(),
              "Add brackets for the usual priority");
}

TEST_F(WindowTest, EnterInAnyFunctionSettingsFieldCalculates)
{
    Form->FunctionExpressionEdit->setText(QStringLiteral("x+z"));
    Form->PointsToShowEdit->setText(QStringLiteral("100"));
    for (Platform::TEdit* Edit :
         {Form->FunctionExpressionEdit, Form->XIntervalFromEdit, Form->XIntervalToEdit,
          Form->YIntervalFromEdit, Form->YIntervalToEdit, Form->ZIntervalFromEdit,
          Form->ZIntervalToEdit, Form->PointsToShowEdit}) {
        SCOPED_TRACE(Edit->objectName().toStdString());
        Edit->setFocus();
        QTest::keyClick(Edit, Qt::Key_Return);
        const std::vector<TRecordedMessage> Calculated = {
            {Platform::TMessageKind::mkInformation, MainUnit::MsgCalculated}};
        EXPECT_EQ(TakeMessages(), Calculated);
    }
}

}  // namespace
