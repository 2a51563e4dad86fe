#include "RandomUser.h"

#include "MainUnit/Calculation/FunctionSettings.h"
#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Calculation/Statistics.h"
#include "MainUnit/Text/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

using Platform::TMessageKind;

namespace {

const char* const Accelerators = "FXYZPAVDOQERMSUHCBGW";  // the last three belong to no control

QString Shortened(const QString& Text)
{
    return Text.size() > 40 ? Text.left(40) + QStringLiteral("...(") +
                                  QString::number(Text.size()) + QStringLiteral(" chars)")
                            : Text;
}

}  // namespace

TRandomUser::TRandomUser(TWindowDriver& Window, uint64_t Seed, uint64_t MemoryHeadroom)
    : W(Window), Texts(Seed), Headroom(MemoryHeadroom)
{
}

QLineEdit* TRandomUser::Edit(int Index) const
{
    auto& F = W.Form();
    QLineEdit* const Edits[] = {F.FunctionExpressionEdit, F.XIntervalFromEdit, F.XIntervalToEdit,
                                F.YIntervalFromEdit,      F.YIntervalToEdit,   F.ZIntervalFromEdit,
                                F.ZIntervalToEdit,        F.PointsToShowEdit,  F.HorAngleEdit,
                                F.VerAngleEdit,           F.DistanceEdit,      F.ZoomEdit};
    return Edits[Index];
}

QString TRandomUser::TextFor(int EditIndex)
{
    if (EditIndex == 0) return Texts.Expression();
    if (EditIndex == 7) return Texts.PointCount();
    if (EditIndex >= 8) return Texts.ViewValue(EditIndex - 8);
    return Texts.IntervalEnd(EditIndex == 3 || EditIndex == 4);
}

TRandomUser::TCalculationForecast TRandomUser::Forecast() const
{
    std::string Field[8];
    for (int I = 0; I < 8; ++I)
        Field[I] = MainUnit::FieldText(Edit(I));
    MainUnit::TFunctionSettings Settings;
    TCalculationForecast Result;
    Result.Refusal = MainUnit::RefusalMessage(MainUnit::CheckFunctionSettings(
        {Field[7], Field[1], Field[2], Field[3], Field[4], Field[5], Field[6], Field[0]},
        Settings));
    if (!Result.Refusal.empty()) return Result;
    const MainUnit::TGridPlan Plan =
        MainUnit::PlanGrid(Settings.PointCount, Settings.XIntervalFrom, Settings.XIntervalTo,
                           Settings.ZIntervalFrom, Settings.ZIntervalTo);
    MainUnit::TResultSet Box;  // the X and Z intervals alone
    Box.XIntervalFrom = Settings.XIntervalFrom;
    Box.XIntervalTo = Settings.XIntervalTo;
    Box.ZIntervalFrom = Settings.ZIntervalFrom;
    Box.ZIntervalTo = Settings.ZIntervalTo;
    if (Plan.WidthsFinite && !MainUnit::IsShowableRadius(MainUnit::CalcBoundingRadius(Box))) {
        Result.Refusal = MainUnit::RefusalMessage(MainUnit::TRefusal::ResultsTooLarge);
        return Result;
    }
    if (!Plan.WidthsFinite) {  // a width beyond the range of numbers
        Result.Refusal = MainUnit::RefusalMessage(MainUnit::TRefusal::IntervalWidth);
        return Result;
    }
    Result.Requested = Settings.PointCount;
    Result.Entries = uint64_t(Plan.Cols) * uint64_t(Plan.Rows);
    // Far beyond the limit of the run, or beyond 32 bits, the reservation
    // fails at once.
    Result.StorageFails =
        !Plan.Ok || (Headroom > 0 && Result.Entries * sizeof(Proc3D::TPoint3D) > 2 * Headroom);
    return Result;
}

void TRandomUser::KeepCalculationSmall()
{
    TCalculationForecast Next = Forecast();
    if (!Next.Refusal.empty() || Next.StorageFails || Next.Entries <= MaxCalculatedEntries) return;
    W.Type(Edit(7), QString::number(Texts.Between(11, 300)));
    Action += " [points shrunk]";
    Next = Forecast();
    if (Next.StorageFails || Next.Entries <= MaxCalculatedEntries) return;
    for (int I : {1, 5})
        W.Type(Edit(I), QStringLiteral("-10.0"));
    for (int I : {2, 6})
        W.Type(Edit(I), QStringLiteral("10.0"));
    Action += " [intervals reset]";
}

void TRandomUser::TypeIntoEdit()
{
    const int Index = static_cast<int>(Texts.Between(0, 11));
    const QString Text = TextFor(Index);
    Action =
        "type into edit " + std::to_string(Index) + ": '" + Shortened(Text).toStdString() + "'";
    // QTest types only printable ASCII as key strokes.
    const bool Typeable =
        std::all_of(Text.begin(), Text.end(), [](QChar C) { return C >= u' ' && C <= u'~'; });
    if (Typeable && Text.size() < 20 && Texts.Chance(0.05)) {
        // Real key strokes now and then: selection, deletion and typing.
        Edit(Index)->setFocus();
        QTest::keyClick(Edit(Index), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Edit(Index), Qt::Key_Delete);
        QTest::keyClicks(Edit(Index), Text);
        Action += " [keys]";
    } else {
        W.Type(Edit(Index), Text);
    }
}

// What a person does after a few refusals: puts sensible values into every
// function-settings field, so that the run also calculates often.
void TRandomUser::FixFunctionSettings()
{
    Action = "fix the function settings";
    W.Type(Edit(0), Texts.WellFormedExpression());
    W.Type(Edit(7), QString::number(Texts.Between(11, 300)));
    for (int I : {1, 2, 5, 6})
        W.Type(Edit(I), QString::number(Texts.Between(-20, 20)));
    for (int I : {3, 4})
        W.Type(Edit(I), Texts.Chance(0.8) ? QString() : QString::number(Texts.Between(-50, 50)));
}

void TRandomUser::Calculate(bool ByAccelerator)
{
    KeepCalculationSmall();
    Expected = Forecast();
    CalculationAction = true;
    auto& F = W.Form();
    Action += ByAccelerator ? " Alt+R" : " click Calculate";
    if (!ByAccelerator) {
        F.CalculateResultsButton->click();
        return;
    }
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &F, Qt::Key_R,
                    Qt::AltModifier);
    QElapsedTimer Timer;
    Timer.start();
    while (F.CalculateResultsButton->isDown() && Timer.elapsed() < 2000)
        QTest::qWait(5);
}

void TRandomUser::PressButton(QAbstractButton* Button, bool WithMouse)
{
    Action = (WithMouse ? "mouse click on '" : "click on '") + Button->text().toStdString() + "'";
    if (WithMouse)
        QTest::mouseClick(Button, Qt::LeftButton);
    else
        Button->click();
}

void TRandomUser::PressAccelerator()
{
    const char Letter = Accelerators[Texts.Between(0, 19)];
    if (Letter == 'R') return Calculate(true);
    Action = std::string("Alt+") + Letter;
    QWidget* Target = QApplication::focusWidget() ? QApplication::focusWidget() : &W.Form();
    QTest::keyClick(Target, static_cast<Qt::Key>(Qt::Key_A + (Letter - 'A')), Qt::AltModifier);
    // Buttons pressed by their accelerator are released, and clicked, a moment later.
    auto& F = W.Form();
    QAbstractButton* const Animated[] = {
        F.SquareRadioButton, F.RandomRadioButton, F.MinDistanceButton, F.UndefResultsCheckBox,
        F.ZBufferCheckBox,   F.HelpButton,        F.CloseButton};
    QElapsedTimer Timer;
    Timer.start();
    for (QAbstractButton* Button : Animated)
        while (Button->isDown() && Timer.elapsed() < 2000)
            QTest::qWait(5);
}

void TRandomUser::PressEnter()
{
    const int Index = static_cast<int>(Texts.Between(0, 11));
    Action = "Enter in edit " + std::to_string(Index);
    Edit(Index)->setFocus();
    if (Index < 8) {
        // Enter in a function settings field calculates, as the button does.
        // The focus leaving a view field may repaint first: its boxes are
        // checked apart from those of the calculation.
        W.ProcessEvents();
        FocusProblem = CheckMessages(W.TakeMessages());
        KeepCalculationSmall();
        Expected = Forecast();
        CalculationAction = true;
    }
    QTest::keyClick(Edit(Index), Qt::Key_Return);
}

// A drag in a few moves, a wheel turn (with or without Ctrl, whole notches
// or fractions) or a double-click, anywhere on the graph or beyond its edge.
void TRandomUser::MouseOnGraph()
{
    GestureAction = true;
    Platform::TPicture* Graph = W.Form().GraphImage;
    auto Somewhere = [this] {
        return QPoint(static_cast<int>(Texts.Between(-20, 525)),
                      static_cast<int>(Texts.Between(-20, 424)));
    };
    const int64_t Kind = Texts.Between(0, 2);
    if (Kind == 0) {
        const int64_t Moves = Texts.Between(1, 8);
        Action = "drag on the graph in " + std::to_string(Moves) + " moves";
        QTest::mousePress(Graph, Qt::LeftButton, {}, Somewhere());
        for (int64_t I = 0; I < Moves; ++I) {
            QTest::mouseMove(Graph, Somewhere());
            if (Texts.Chance(0.3)) W.ProcessEvents();
        }
        QTest::mouseRelease(Graph, Qt::LeftButton, {}, Somewhere());
    } else if (Kind == 1) {
        const int Delta = static_cast<int>(Texts.Between(-480, 480));
        const bool Control = Texts.Chance(0.4);
        Action = "wheel " + std::to_string(Delta) + (Control ? " with Ctrl" : "") + " on the graph";
        const QPointF At = Somewhere();
        QWheelEvent Wheel(At, Graph->mapToGlobal(At), QPoint(), QPoint(0, Delta), Qt::NoButton,
                          Control ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Graph, &Wheel);
    } else {
        Action = "double-click on the graph";
        QTest::mouseDClick(Graph, Qt::LeftButton, {}, Somewhere());
    }
}

std::string TRandomUser::Step()
{
    Action.clear();
    CalculationAction = false;
    GestureAction = false;
    auto& F = W.Form();
    QAbstractButton* const Buttons[] = {
        F.MinDistanceButton, F.HelpButton,        F.CloseButton,       F.HorAngleIncButton,
        F.HorAngleDecButton, F.VerAngleIncButton, F.VerAngleDecButton, F.DistanceIncButton,
        F.DistanceDecButton, F.ZoomIncButton,     F.ZoomDecButton};
    QAbstractButton* const Toggles[] = {F.UndefResultsCheckBox, F.ZBufferCheckBox,
                                        F.Outline3DCheckBox, F.SquareRadioButton,
                                        F.RandomRadioButton};
    // A view field typed into and still holding the focus is left by the
    // activation after a calculation's first box, and its repaint may answer
    // with a warning right after that box.
    bool TypedViewFocused = false;
    for (int I = 8; I < 12; ++I)
        TypedViewFocused |= F.focusWidget() == Edit(I) && Edit(I)->isModified();
    const int64_t Kind = Texts.Between(0, 99);
    if (Kind < 38)
        TypeIntoEdit();
    else if (Kind < 41)
        FixFunctionSettings();
    else if (Kind < 53)
        Calculate(false);
    else if (Kind < 73)
        PressButton(Buttons[Texts.Between(0, 10)], Texts.Chance(0.3));
    else if (Kind < 83)
        PressButton(Toggles[Texts.Between(0, 4)], Texts.Chance(0.3));
    else if (Kind < 86)
        PressAccelerator();
    else if (Kind < 93)
        PressEnter();
    else if (Kind < 97)
        MouseOnGraph();
    else {
        const int Index = static_cast<int>(Texts.Between(0, 11));
        Action = "mouse click into edit " + std::to_string(Index);
        QTest::mouseClick(Edit(Index), Qt::LeftButton);
    }
    W.ProcessEvents();
    ++Count.Actions;

    std::vector<TShownMessage> Shown = W.TakeMessages();
    if (CalculationAction && TypedViewFocused && Shown.size() >= 2 &&
        Shown[1].Kind == TMessageKind::mkWarning) {
        Shown.erase(Shown.begin() + 1);
        Action += " [typed view field left]";
    }
    std::string Problem =
        CalculationAction ? CheckCalculation(Expected, Shown) : CheckMessages(Shown);
    if (Problem.empty()) Problem = std::exchange(FocusProblem, {});
    if (Problem.empty() && GestureAction && !Shown.empty())
        Problem = "a message box during a gesture: '" + Shown[0].Text + "'";
    if (Problem.empty() && !F.isVisible()) {
        if (Action.find("Close") == std::string::npos && Action != "Alt+C")
            Problem = "the main window closed without Close";
        else if (!W.ShowAgain())
            Problem = "the main window could not be shown again";
    }
    if (Problem.empty()) Problem = W.CheckControlsEnabled();
    if (Problem.empty()) Problem = W.CheckPictureSizes();
    return Problem;
}

std::string TRandomUser::CheckMessages(const std::vector<TShownMessage>& Shown)
{
    if (Shown.size() > 2) return std::to_string(Shown.size()) + " message boxes for one action";
    for (const TShownMessage& M : Shown) {
        if (!IsKnownMessage(M.Kind, M.Text))
            return "a message box with an unknown text: '" + M.Text + "'";
        if (!M.ControlsEnabled)
            return "a message box shown while the controls were locked: '" + M.Text + "'";
        if (M.Kind == TMessageKind::mkWarning) ++Count.Refusals;
    }
    if (!CalculationAction && Shown.empty() && !W.Form().Results.Points.empty()) ++Count.Repaints;
    return {};
}

std::string TRandomUser::CheckCalculation(const TCalculationForecast& Forecasted,
                                          const std::vector<TShownMessage>& Shown)
{
    if (std::string Problem = CheckMessages(Shown); !Problem.empty()) return Problem;
    auto& F = W.Form();
    if (!Forecasted.Refusal.empty()) {
        if (Shown.size() != 1 || Shown[0].Kind != TMessageKind::mkWarning ||
            Shown[0].Text != Forecasted.Refusal)
            return "a refused calculation must show exactly its warning: '" + Forecasted.Refusal +
                   "'";
        return {};
    }
    if (Forecasted.StorageFails) {
        if (Shown.size() != 1 || Shown[0].Kind != TMessageKind::mkError ||
            Shown[0].Text != "Cannot allocate necessary memory.")
            return "a grid beyond memory must show exactly the storage error";
        if (!F.Results.Points.empty() || !W.LegendEmpty() || !W.AllBlack(F.GraphImage) ||
            !W.AllBlack(F.OutLineImage))
            return "after the storage error the set, the legend and the pictures must be empty";
        ++Count.MemoryFailures;
        return {};
    }
    if (Shown.size() == 1 &&
        Shown[0].Text == MainUnit::RefusalMessage(MainUnit::TRefusal::ResultsTooLarge)) {
        // Results far beyond the intervals: refused after the evaluation.
        if (!F.Results.Points.empty() || !W.LegendEmpty() || !W.AllBlack(F.GraphImage))
            return "after results too large to show the set, the legend and the graph must be "
                   "empty";
        return {};
    }
    if (Shown.empty() || Shown[0].Kind != TMessageKind::mkInformation)
        return "a successful calculation must show its information box first";
    if (Shown.size() == 2 && Shown[1].Kind != TMessageKind::mkWarning)
        return "after the information box only the repaint's warning may follow";
    if (std::string Problem = W.CheckResultSet(); !Problem.empty()) return Problem;
    const bool Square = F.SquareRadioButton->isChecked();
    if (F.Results.Points.size() != Forecasted.Entries ||
        uint64_t(F.Results.PointCount) !=
            (Square ? Forecasted.Entries : uint64_t(Forecasted.Requested)))
        return "the result set does not have the grid's entries and points";
    ++Count.Calculations;
    return {};
}
