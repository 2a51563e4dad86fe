// The status line between busy times: the reading of the expression while
// the user types, the priority warning that outlasts the work, and where the
// expression went wrong after a syntax refusal, each reason in full.
#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Text/Messages.h"
#include "MainUnit/Text/RefusalStatus.h"
#include "WindowFixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
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
        {"x*x-z*z", "Priority differs: Ctrl+B adds brackets", true},
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
    const std::string Warned = "Priority differs: Ctrl+B adds brackets";
    Form->PointsToShowEdit->setText(QStringLiteral("100"));
    // The saddle's heights span ten times its width: without the warning the
    // box is suggested after the calculation, until the next repaint; the
    // warning wins over the suggestion.
    const std::string Suggested = "Heights 10x the width: try the box";
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

// Every other text the status line shows, at its own font and width, whole
// in the line (nothing cut) and whole in its tooltip: the priority warning
// for the longest expression, the box suggestion at the extreme ratios, the
// syntax-error number, a rewrite too long, every refusal of a gesture or a
// quiet repaint with the longest distance, the two busy texts and the note
// of a grid of far more points than asked.
TEST_F(WindowTest, EveryStatusTextFitsTheStatusLine)
{
    using namespace MainUnit;
    const auto Heights = [](double Y, double XZ) {
        TResultSet R;
        R.XIntervalFrom = R.ZIntervalFrom = -XZ;
        R.XIntervalTo = R.ZIntervalTo = XZ;
        R.YIntervalFrom = -Y;
        R.YIntervalTo = Y;
        return R;
    };
    std::string LongPriority = "x";
    while (LongPriority.size() < 250)
        LongPriority += "-z*z";
    std::string TooLong = "1";
    while (TooLong.size() < 253)
        TooLong += "+1*1";
    std::vector<TStatusText> Texts = {TypingStatus(LongPriority),
                                      BoxSuggestion(Heights(1e300, 1e-300)),
                                      BoxSuggestion(Heights(1e-300, 1e300)),
                                      BoxSuggestion(Heights(5, 1)),
                                      SyntaxRefusalStatus("0-5.3708672518493e-131"),
                                      RewriteForUsualPriority(TooLong).Status,
                                      {StatusCalculating, {}, false},
                                      {StatusRepainting, {}, false}};
    for (const TRefusal Refusal :
         {TRefusal::NoResults, TRefusal::ViewNumbers, TRefusal::HorAngle, TRefusal::VerAngle,
          TRefusal::Zoom, TRefusal::Distance, TRefusal::ViewPlane, TRefusal::ViewBeyondPrecision,
          TRefusal::ResultsBeyondPrecision, TRefusal::ZBuffer})
        Texts.push_back(RefusalStatus(Refusal, -1.23456789012346E+200));
    const QFontMetrics Metrics(Form->StatusLabel->font());
    const int Room = Form->StatusLabel->contentsRect().width();
    for (const TStatusText& Status : Texts) {
        SCOPED_TRACE(Status.Text);
        ASSERT_FALSE(Status.Text.empty());
        Form->Status.Set(Status);
        const QString Shown = QString::fromLatin1(Status.Text);
        EXPECT_EQ(Form->StatusLabel->text(), Shown);
        EXPECT_LE(Metrics.horizontalAdvance(Shown), Room);
        EXPECT_EQ(Form->StatusLabel->toolTip().toStdString(),
                  Status.Detail.empty() ? Status.Text : Status.Detail);
    }
    // A grid note: its counts in the line, the whole note in the tooltip;
    // the counts of the largest grid are cut rather than pass the line.
    const struct {
        int32_t Asked;
        int32_t Rows;
        bool Whole;  // the counts shown uncut
    } Grids[] = {{100, 317, true}, {INT32_MAX / 2, INT32_MAX, false}};
    Form->FunctionExpressionEdit->clear();
    for (const auto& Grid : Grids) {
        TGridPlan Thin;
        Thin.Cols = 1;
        Thin.Rows = Grid.Rows;
        const std::string Note = GridSizeNote(Grid.Asked, Thin, true);
        SCOPED_TRACE(Note);
        ASSERT_FALSE(Note.empty());
        Form->Status.GridNote = Note;
        Form->Status.ShowResting();
        const QString Shown = Form->StatusLabel->text();
        if (Grid.Whole) {
            EXPECT_TRUE(QString::fromLatin1(Note).startsWith(Shown + ":"));
        }
        EXPECT_LE(Metrics.horizontalAdvance(Shown), Room);
        EXPECT_EQ(Form->StatusLabel->toolTip().toStdString(), Note);
    }
    // A typed expression too long for the line is cut there, whole in the tooltip.
    const std::string Long = "Read as: " + std::string(60, 'x');
    Form->Status.Set(Long);
    EXPECT_LE(Metrics.horizontalAdvance(Form->StatusLabel->text()), Room);
    EXPECT_TRUE(Form->StatusLabel->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(Form->StatusLabel->toolTip().toStdString(), Long);
}

}  // namespace
