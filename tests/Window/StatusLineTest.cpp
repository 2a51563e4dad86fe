// The status line between busy times: the reading of the expression while
// the user types, the priority warning that outlasts the work, and where the
// expression went wrong after a syntax refusal, each reason in full.
#include "MainUnit/Text/ExpressionStatus.h"
#include "WindowFixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

namespace {

QRgb StatusColour(const MainUnit::TMainForm& Form)
{
    return Form.StatusLabel->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
}

TEST_F(WindowTest, StatusLineReadsTheExpressionAsItIsTyped)
{
    const struct {
        const char* Typed;
        const char* Status;
        bool Warning;
    } Cases[] = {
        {"x*x-z*z", "Read as (x*x-z)*z, not x*x-(z*z): Ctrl+B adds brackets", true},
        {"(x*x)-(z*z)", "Read as: x*x-(z*z)", false},
        {"2 * x + 1", "", false},
        {"2*-3", "Column 3: minus needs brackets", false},
        {"", "", false},
    };
    Form->FunctionExpressionEdit->setFocus();
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Typed);
        QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_Delete);
        QTest::keyClicks(Form->FunctionExpressionEdit, QString::fromLatin1(C.Typed));
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), C.Status);
        EXPECT_EQ(StatusColour(*Form) == MainUnit::StatusWarningColor, C.Warning);
    }
}

TEST_F(WindowTest, PriorityWarningStaysAfterTheCalculationAndTheRepaints)
{
    const std::string Warned = "Read as (x*x-z)*z, not x*x-(z*z): Ctrl+B adds brackets";
    Form->PointsToShowEdit->setText(QStringLiteral("100"));
    // The saddle's heights span ten times its width: without the warning the
    // box is suggested after the calculation, until the next repaint; the
    // warning wins over the suggestion.
    const std::string Suggested = "Heights span 10x the width: right-click, Scale axes to a box";
    const struct {
        const char* Typed;
        std::string AfterCalculation, AfterRepaints;
    } Cases[] = {{"x*x-z*z", Warned, Warned}, {"(x*x)-(z*z)", Suggested, ""}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Typed);
        ASSERT_TRUE(Calculate(C.Typed));
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), C.AfterCalculation);
        Form->HorAngleIncButton->click();  // a repaint with its busy text
        Form->View.Graph.Wheel(1, false);  // a quiet one
        QTest::qWait(50);
        EXPECT_EQ(Form->StatusLabel->text().toStdString(), C.AfterRepaints);
        EXPECT_EQ(StatusColour(*Form) == MainUnit::StatusWarningColor, !C.AfterRepaints.empty());
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
    EXPECT_EQ(Form->StatusLabel->text().toStdString(), "Column 1: the text is empty");
}

// Every reason the reading gives, after a three-digit column, at the
// status line's own font and width; the hint goes to the tooltip.
TEST_F(WindowTest, EveryColumnMessageFitsTheStatusLine)
{
    const std::string Deep = std::string(1001, '(') + "1" + std::string(1001, ')');
    const std::string Typed[] = {"(1))",  "(1",    Deep,    "x+x+x+x+x+x+x+x+x+x+z",
                                 "2*-3",  "+1",    "*1",    "1**2",
                                 "()",    "(1+)",  "(1+",   "   ",
                                 "1+",    "x^2",   "1,5",   "[1]",
                                 "1%2",   "1\xC8", "pi",    "tan(x)",
                                 "e",     "y",     "frob",  "1e5000",
                                 "1e2.5", "1.2.3", "1e5e",  "2x",
                                 "SQRT2", "LOGE2", "ACOS2", "Wx"};
    const QFontMetrics Metrics(Form->StatusLabel->font());
    const int Room = Form->StatusLabel->contentsRect().width();
    for (const std::string& Text : Typed) {
        const std::string Padded = std::string(100, ' ') + Text;
        // The text the status line shows after a syntax refusal; while
        // typing the same, but for blanks alone, which show nothing.
        const MainUnit::TStatusText Status = MainUnit::SyntaxRefusalStatus(Padded);
        const QString Shown = QString::fromLatin1(Status.Text);
        SCOPED_TRACE(Status.Text);
        EXPECT_TRUE(Shown.startsWith(QLatin1String("Column 1")));
        EXPECT_LE(Metrics.horizontalAdvance(Shown), Room);
        Form->FunctionExpressionEdit->setText(QString::fromLatin1(Padded));
        if (Text.find_first_not_of(' ') == std::string::npos) continue;
        EXPECT_EQ(Form->StatusLabel->text(), Shown);
        EXPECT_TRUE(Form->StatusLabel->toolTip().startsWith(Shown));
    }
}

}  // namespace
