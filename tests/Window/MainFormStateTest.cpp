// Start-up and state of the main window: the input lock, activation after
// modal windows, the help window, accelerators and Close.
#include "ModalHelper.h"
#include "PictureProbe.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Platform::TMessageKind;

// Records the order in which widgets change their Enabled state.
class TEnabledRecorder : public QObject {
public:
    std::vector<QObject*> Order;
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::EnabledChange) Order.push_back(Watched);
        return false;
    }
};

}  // namespace

TEST_F(WindowTest, TheLockWalksThe29ControlsInOrderAndNothingElse)
{
    auto Locked = Form->LockedControls();
    const std::vector<QObject*> Expected = {Form->CalculateResultsButton,
                                            Form->MinDistanceButton,
                                            Form->HelpButton,
                                            Form->CloseButton,
                                            Form->HorAngleIncButton,
                                            Form->HorAngleDecButton,
                                            Form->VerAngleIncButton,
                                            Form->VerAngleDecButton,
                                            Form->DistanceIncButton,
                                            Form->DistanceDecButton,
                                            Form->ZoomIncButton,
                                            Form->ZoomDecButton,
                                            Form->UndefResultsCheckBox,
                                            Form->ZBufferCheckBox,
                                            Form->Outline3DCheckBox,
                                            Form->SquareRadioButton,
                                            Form->RandomRadioButton,
                                            Form->FunctionExpressionEdit,
                                            Form->XIntervalFromEdit,
                                            Form->XIntervalToEdit,
                                            Form->YIntervalFromEdit,
                                            Form->YIntervalToEdit,
                                            Form->ZIntervalFromEdit,
                                            Form->ZIntervalToEdit,
                                            Form->PointsToShowEdit,
                                            Form->HorAngleEdit,
                                            Form->VerAngleEdit,
                                            Form->DistanceEdit,
                                            Form->ZoomEdit};
    ASSERT_EQ(std::vector<QObject*>(Locked.begin(), Locked.end()), Expected);

    TEnabledRecorder Recorder;
    const QList<QWidget*> All = Form->findChildren<QWidget*>();
    for (QWidget* Widget : All)
        Widget->installEventFilter(&Recorder);

    for (bool Enabled : {false, true}) {
        SCOPED_TRACE(Enabled);
        Recorder.Order.clear();
        if (Enabled)
            Form->EnableControls();
        else
            Form->DisableControls();
        // Only the 29 change; children of a disabled widget would be
        // reported too, and there are none among the locked controls.
        EXPECT_EQ(Recorder.Order, Expected);
        for (QWidget* Widget : All) {
            const bool IsLocked =
                std::find(Expected.begin(), Expected.end(), Widget) != Expected.end();
            const bool ShouldBeEnabled = IsLocked ? Enabled : Widget != Form->AxisesImage;
            EXPECT_EQ(Widget->isEnabled(), ShouldBeEnabled) << Widget->metaObject()->className();
        }
    }
}

TEST_F(WindowTest, ClosingAMessageBoxBlanksBothPicturesAndFocusesTheExpression)
{
    const uint32_t LegendPixel = Form->LegendImage->Canvas().Pixel(8, 54);
    for (TMessageKind Kind :
         {TMessageKind::mkWarning, TMessageKind::mkError, TMessageKind::mkInformation}) {
        FillPicture(Form->GraphImage, 0x123456);
        FillPicture(Form->OutLineImage, 0xFFFFFF);
        Form->ZoomEdit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), Form->ZoomEdit);

        Form->ShowMessage(Kind, "a message");

        EXPECT_EQ(TakeMessages(), (std::vector<TRecordedMessage>{{Kind, "a message"}}));
        EXPECT_TRUE(IsFilled(Form->GraphImage, 0));
        EXPECT_TRUE(IsFilled(Form->OutLineImage, 0));
        EXPECT_EQ(Form->focusWidget(), Form->FunctionExpressionEdit);
        EXPECT_TRUE(
            WaitUntil([&] { return QApplication::focusWidget() == Form->FunctionExpressionEdit; }));
        // The fixed pictures are not touched.
        EXPECT_EQ(Form->LegendImage->Canvas().Pixel(8, 54), LegendPixel);
    }
}

TEST_F(WindowTest, TheRealMessageBoxIsModalWithCaptionIconAndOneOk)
{
    const struct {
        TMessageKind Kind;
        const char* Caption;
        QMessageBox::Icon Icon;
    } Cases[] = {{TMessageKind::mkWarning, "Warning", QMessageBox::Warning},
                 {TMessageKind::mkError, "Error", QMessageBox::Critical},
                 {TMessageKind::mkInformation, "Information", QMessageBox::Information}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Caption);
        bool Seen = false;
        auto Timer = OnNextModal([&](QWidget* Modal) {
            auto* Box = qobject_cast<QMessageBox*>(Modal);
            ASSERT_NE(Box, nullptr);
            Seen = true;
            EXPECT_EQ(Box->windowTitle().toStdString(), Case.Caption);
            EXPECT_EQ(Box->icon(), Case.Icon);
            EXPECT_EQ(Box->text(), QStringLiteral("Cannot allocate necessary memory."));
            EXPECT_EQ(Box->buttons().size(), 1);
            EXPECT_NE(Box->button(QMessageBox::Ok), nullptr);
            EXPECT_EQ(Box->windowModality(), Qt::ApplicationModal);
            QTest::keyClick(Box, Qt::Key_Return);
        });
        Platform::ShowMessageBox(Form.get(), Case.Kind, "Cannot allocate necessary memory.");
        EXPECT_TRUE(Seen);
    }
}

TEST_F(WindowTest, HelpIsModalOnTopWithFocusOnOkAndEnterClosesIt)
{
    FillPicture(Form->GraphImage, 0xFFFFFF);
    FillPicture(Form->OutLineImage, 0xFFFFFF);
    Form->PointsToShowEdit->setFocus();
    bool Seen = false;
    auto Timer = OnNextModal([&](QWidget* Modal) {
        Seen = true;
        EXPECT_EQ(Modal, Help.get());
        EXPECT_TRUE(Help->isModal());
        EXPECT_TRUE(Help->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(Help->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(Help->windowTitle(), QStringLiteral("Help"));
        EXPECT_EQ(Help->size(), QSize(570, 423));
        EXPECT_EQ(Help->pos(), QPoint(188, 86));
        EXPECT_EQ(QApplication::focusWidget(), Help->OKButton);
        // The main window keeps its pictures while the help is open.
        EXPECT_TRUE(IsFilled(Form->GraphImage, 0xFFFFFF));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(Form.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return Seen && !Help->isVisible(); }));
    EXPECT_TRUE(IsFilled(Form->GraphImage, 0));
    EXPECT_TRUE(IsFilled(Form->OutLineImage, 0));
    EXPECT_TRUE(
        WaitUntil([&] { return QApplication::focusWidget() == Form->FunctionExpressionEdit; }));
}

TEST_F(WindowTest, AViewFieldTypedBeforeHelpIsLeftWhenHelpCloses)
{
    // Closing the help window moves the focus out of the typed field, which
    // repaints from its text at once.
    const struct {
        const char* Typed;
        std::vector<TRecordedMessage> Boxes;
        bool Repainted;
    } Cases[] = {{"abc", Warning(MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)), false},
                 {"50", {}, true}};
    QTest::keyClicks(Form->FunctionExpressionEdit, QStringLiteral("x*z"));
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return !Messages.empty(); }));
    ASSERT_EQ(TakeMessages(), std::vector<TRecordedMessage>(
                                  {{TMessageKind::mkInformation, MainUnit::MsgCalculated}}));
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Typed);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_O, Qt::AltModifier);
        ASSERT_EQ(QApplication::focusWidget(), Form->ZoomEdit);
        QTest::keyClick(Form->ZoomEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Form->ZoomEdit, QString::fromLatin1(Case.Typed));
        Form->CameraXEdit->clear();
        bool Closed = false;
        auto Timer = OnNextModal([&](QWidget* Modal) {
            EXPECT_EQ(Modal, Help.get());
            EXPECT_TRUE(Messages.empty());  // nothing repaints while help is open
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            Closed = true;
        });
        QTest::keyClick(Form->ZoomEdit, Qt::Key_H, Qt::AltModifier);
        ASSERT_TRUE(WaitUntil([&] { return Closed && !Help->isVisible(); }));
        EXPECT_EQ(TakeMessages(), Case.Boxes);
        EXPECT_EQ(!Form->CameraXEdit->text().isEmpty(), Case.Repainted);
        EXPECT_FALSE(Form->ZoomEdit->isModified());
        EXPECT_TRUE(
            WaitUntil([&] { return QApplication::focusWidget() == Form->FunctionExpressionEdit; }));
    }
}

TEST_F(WindowTest, AMinimisedHelpWindowComesBackAtOnce)
{
    bool Restored = false;
    auto Timer = OnNextModal([&](QWidget* Modal) {
        Modal->setWindowState(Qt::WindowMinimized);  // as a window manager may do
        Restored = WaitUntil([&] { return Modal->isVisible() && !Modal->isMinimized(); });
        Help->OKButton->click();
    });
    Form->HelpButton->click();
    EXPECT_TRUE(Restored);
    EXPECT_FALSE(Help->isVisible());
}

TEST_F(WindowTest, HelpWindowShowsTheProgramTheContactAndTheCzechText)
{
    EXPECT_EQ(Help->Label1->text(), QStringLiteral("Tessel version 1.00"));
    EXPECT_TRUE(Help->Label2->text().contains(QStringLiteral("Tessel version 1.00")));
    for (QLabel* Label : {Help->Label1, Help->Label2}) {
        EXPECT_EQ(Label->font().pixelSize(), 17);
        EXPECT_LE(Label->fontMetrics().horizontalAdvance(Label->text()), Label->width());
    }
    EXPECT_EQ(Help->HelpMemo->geometry(), QRect(8, 64, 553, 297));
    EXPECT_TRUE(Help->HelpMemo->isReadOnly());
    EXPECT_EQ(Help->OKButton->geometry(), QRect(408, 376, 129, 33));
    EXPECT_EQ(Help->OKButton->text(), QStringLiteral("&OK"));

    const QStringList Lines = Help->HelpMemo->toPlainText().split(QLatin1Char('\n'));
    EXPECT_GE(Lines.size(), 60);
    const int Room =
        Help->HelpMemo->viewport()->width() - 2 * int(Help->HelpMemo->document()->documentMargin());
    for (const QString& Line : Lines)
        EXPECT_LE(Help->HelpMemo->fontMetrics().horizontalAdvance(Line), Room)
            << Line.toStdString();
    // The three sections, in order, and every control's paragraph in order.
    const char* const Order[] = {"--- ÚVOD:",
                                 "Tessel",
                                 "--- POPIS OVLÁDACÍCH PRVKŮ:",
                                 "- 'Y = F(X, Z) = '",
                                 "- 'X Interval: From'",
                                 "- 'Y Interval: From'",
                                 "- 'Number of points to show'",
                                 "- 'Square order' a 'Random order'",
                                 "- 'Calculate results'",
                                 "- 'Horizontal angle' a 'Vertical angle'",
                                 "- 'Distance' a 'Min->'",
                                 "- 'Zoom'",
                                 "- 'Camera'",
                                 "- 'Show undefined results'",
                                 "- 'Use Z-Buffer'",
                                 "- '3D outline axises'",
                                 "--- ZÁVĚR:"};
    const QString Text = Help->HelpMemo->toPlainText();
    qsizetype From = 0;
    for (const char* Piece : Order) {
        const qsizetype At = Text.indexOf(QString::fromUtf8(Piece), From);
        EXPECT_GE(At, From) << Piece;
        From = At < 0 ? From : At;
    }
    for (const char* Heading : {"--- ÚVOD:", "--- POPIS OVLÁDACÍCH PRVKŮ:", "--- ZÁVĚR:"})
        EXPECT_TRUE(Lines.contains(QString::fromUtf8(Heading))) << Heading;
}

TEST_F(WindowTest, AcceleratorsMoveTheFocusToTheirFields)
{
    const struct {
        Qt::Key Key;
        QWidget* Target;
    } Cases[] = {{Qt::Key_F, Form->FunctionExpressionEdit},
                 {Qt::Key_X, Form->XIntervalFromEdit},
                 {Qt::Key_Y, Form->YIntervalFromEdit},
                 {Qt::Key_Z, Form->ZIntervalFromEdit},
                 {Qt::Key_P, Form->PointsToShowEdit},
                 {Qt::Key_A, Form->HorAngleEdit},
                 {Qt::Key_V, Form->VerAngleEdit},
                 {Qt::Key_D, Form->DistanceEdit},
                 {Qt::Key_O, Form->ZoomEdit}};
    for (const auto& Case : Cases) {
        Form->CameraXEdit->setFocus();
        QTest::keyClick(Form->CameraXEdit, Case.Key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), Case.Target) << char(Case.Key);
    }
}

TEST_F(WindowTest, AcceleratorsSelectTheOrder)
{
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return Form->RandomRadioButton->isChecked(); }));
    EXPECT_FALSE(Form->SquareRadioButton->isChecked());
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return Form->SquareRadioButton->isChecked(); }));
    EXPECT_FALSE(Form->RandomRadioButton->isChecked());
}

TEST_F(WindowTest, AltCClosesTheWindow)
{
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return !Form->isVisible(); }));
}

TEST_F(WindowTest, FormCreateEmptiesTheResultSet)
{
    Form->Results.Points.resize(16);
    Form->Results.PointCount = 16;
    Form->Results.BoundingRadius = 3;
    Form->Results.XIntervalTo = 1;
    Form->FormCreate();
    EXPECT_TRUE(Form->Results.Points.empty());
    EXPECT_EQ(Form->Results.Points.capacity(), 0u);
    EXPECT_EQ(Form->Results.BoundingRadius, 0.0);
    EXPECT_EQ(Form->Results.PointCount, 0);
    EXPECT_EQ(Form->Results.XIntervalTo, 0.0);
}

TEST_F(WindowTest, AcceleratorsToggleTheCheckBoxesAndPressMin)
{
    // Without results every repaint they ask for reports that.
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return !Messages.empty(); }));
    EXPECT_FALSE(Form->UndefResultsCheckBox->isChecked());
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_U, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return Messages.size() == 2; }));
    EXPECT_TRUE(Form->ZBufferCheckBox->isChecked());
    Form->DistanceEdit->setText(QStringLiteral("55"));
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_M, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return Messages.size() == 3; }));
    EXPECT_EQ(Form->DistanceEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(TakeMessages(), std::vector<TRecordedMessage>(
                                  3, {TMessageKind::mkWarning,
                                      MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults)}));
}
