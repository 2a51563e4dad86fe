// The status line between busy times: the reading of the expression while
// the user types, and where it went wrong after a syntax refusal.
#include "WindowFixture.h"

#include <QLabel>

namespace {

TEST_F(WindowTest, StatusLineReadsTheExpressionAsItIsTyped)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"x*x-z*z", "Read as: (x*x-z)*z"},
        {"2 * x + 1", ""},
        {"2*-3", "Column 3: a negative number after an operator goes in brackets: 2*(-3)"},
        {"", ""},
    };
    Form->FunctionExpressionEdit->setFocus();
    for (const auto& [Typed, Status] : Cases) {
        SCOPED_TRACE(Typed);
        QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_Delete);
        QTest::keyClicks(Form->FunctionExpressionEdit, QString::fromLatin1(Typed));
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), Status);
    }
}

TEST_F(WindowTest, SyntaxRefusalLeavesTheBoxAsItWasAndTheColumnAfterIt)
{
    // An empty field says nothing while typing, so the column shows only
    // once the box has closed.
    std::string StatusWhileBoxOpen = "not shown";
    Form->MessageBoxFunction = [&](QWidget*, Platform::TMessageKind Kind, const std::string& Text) {
        Messages.push_back({Kind, Text});
        StatusWhileBoxOpen = Form->StatusLabel->text().toStdString();
    };
    Form->FunctionExpressionEdit->setText(QStringLiteral("x"));
    Form->FunctionExpressionEdit->clear();
    Form->CalculateResultsButton->click();
    EXPECT_EQ(TakeMessages(), Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::SyntaxError)));
    EXPECT_EQ(StatusWhileBoxOpen, "");
    EXPECT_EQ(Form->StatusLabel->text().toStdString(), "Column 1: the expression is empty");
}

}  // namespace
