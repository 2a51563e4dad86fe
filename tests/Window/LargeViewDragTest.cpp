// Gestures over the large view: each step paints the large picture at once;
// the main window's picture follows once the moves stop, painted once for a
// burst, and at rest both are what a repaint of the final view paints.
#include "MainUnit/Window/LargeView.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QWheelEvent>

#include <functional>
#include <vector>

namespace {

struct TBurst {
    const char* Name;
    Qt::KeyboardModifiers Modifiers;
    bool Wheel;
    bool DepthBuffer;
};
const TBurst Bursts[] = {{"drag", Qt::NoModifier, false, false},
                         {"drag, depth buffer", Qt::NoModifier, false, true},
                         {"Shift+drag", Qt::ShiftModifier, false, false},
                         {"wheel", Qt::NoModifier, true, true}};

class LargeViewDragTest : public WindowTest {
protected:
    MainUnit::TLargeView* View = nullptr;
    uint64_t Main = 0, Large = 0;  // the pictures' generations before the burst
    QPoint At;                     // where the last gesture was

    void Open(bool DepthBuffer)
    {
        ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
        if (Form->ZBufferCheckBox->isChecked() != DepthBuffer) Form->ZBufferCheckBox->click();
        Form->View.OpenLargeView();
        View = Form->View.LargeView;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(View));
        QTest::qWait(30);  // the resizes of its first showing painted
        Main = Form->GraphImage->Generation();
        Large = View->Picture->Generation();
    }

    // Gesture I of a burst, a drag's move or a turn of the wheel; with
    // Painted, the events it causes handled until the large picture is
    // painted, and no further.
    void Step(const TBurst& B, int I, bool Painted)
    {
        const uint64_t Before = View->Picture->Generation();
        At = QPoint(200 + 9 * I, 150 + 4 * I);
        if (B.Wheel) {
            QWheelEvent Event(At, View->Picture->mapToGlobal(At), QPoint(), QPoint(0, 60 * I),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(View->Picture, &Event);
        } else if (I == 0) {
            QTest::mousePress(View->Picture, Qt::LeftButton, B.Modifiers, At);
        } else {
            QTest::mouseMove(View->Picture, At);
        }
        while (Painted && I > 0 && View->Picture->Generation() == Before)
            QCoreApplication::processEvents();
    }

    static std::vector<uint32_t> PixelsOf(const Platform::TPicture* Picture)
    {
        const auto* Bits = reinterpret_cast<const uint32_t*>(Picture->Image().constBits());
        return {Bits, Bits + qsizetype(Picture->ImageWidth()) * Picture->ImageHeight()};
    }

    // The screen shows every pixel of Picture, each over as many screen
    // pixels as the window's scale gives it.
    static void ExpectOnTheScreen(const Platform::TPicture* Picture)
    {
        QWidget* const Window = Picture->window();
        QCoreApplication::processEvents();
        const QImage Shown = Window->screen()
                                 ->grabWindow(Window->winId())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage& Image = Picture->Image();
        const qreal Ratio = Window->devicePixelRatio();
        // The offscreen platform grabs a scaled window at its size in
        // units, not in pixels: nothing to compare there.
        if (Shown.size() != Window->size() * Ratio) return;
        const qreal Each = Ratio / Image.devicePixelRatio();
        const QPoint Origin = Picture->mapTo(Window, QPoint(0, 0)) * Ratio;
        int Wrong = 0;
        for (int Y = 0; Y < Image.height(); ++Y)
            for (int X = 0; X < Image.width(); ++X) {
                const uint32_t P = reinterpret_cast<const uint32_t*>(Image.constScanLine(Y))[X];
                const QPoint At = Origin + QPointF(X * Each, Y * Each).toPoint();
                Wrong += Shown.pixel(At) !=
                         qRgb(int(P & 0xFF), int((P >> 8) & 0xFF), int((P >> 16) & 0xFF));
            }
        EXPECT_EQ(Wrong, 0);
    }

    void ExpectBothAsARepaintPaintsThem()
    {
        ExpectOnTheScreen(Form->GraphImage);
        ExpectOnTheScreen(View->Picture);
        const std::vector<uint32_t> MainShown = PixelsOf(Form->GraphImage);
        const std::vector<uint32_t> LargeShown = PixelsOf(View->Picture);
        Form->RepaintGraph();
        EXPECT_TRUE(MainShown == PixelsOf(Form->GraphImage));
        EXPECT_TRUE(LargeShown == PixelsOf(View->Picture));
    }
};

// Moves faster than anything is painted, or each painted in the large view
// before the next: the main picture waits for the end of the burst, then is
// painted once.
TEST_F(LargeViewDragTest, TheMainPictureFollowsABurstOnceTheLargeOneEachStepItIsGiven)
{
    for (const TBurst& B : Bursts) {
        for (const bool Stepwise : {false, true}) {
            SCOPED_TRACE(std::string(B.Name) + (Stepwise ? ", step by step" : ""));
            Open(B.DepthBuffer);
            for (int I = 0; I <= 4; ++I)
                Step(B, I, Stepwise);
            EXPECT_EQ(Form->GraphImage->Generation(), Main);
            ASSERT_TRUE(WaitUntil([&] { return Form->GraphImage->Generation() > Main; }));
            QTest::qWait(20);
            EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
            EXPECT_EQ(View->Picture->Generation(), Large + (Stepwise ? 4 : 1));
            ExpectBothAsARepaintPaintsThem();
            if (!B.Wheel) QTest::mouseRelease(View->Picture, Qt::LeftButton, B.Modifiers, At);
        }
    }
}

// A copy, or a step refused, while the main picture is owed: it is painted
// first (the refusal then stays in the status line).
TEST_F(LargeViewDragTest, ACopyOrARefusalPaintsTheOwedMainPictureFirst)
{
    const std::function<void()> Settles[] = {[this] { Form->Export.CopyPictureAction->trigger(); },
                                             [this] {
                                                 Form->ZoomEdit->setText(QStringLiteral("0"));
                                                 EXPECT_FALSE(Form->RepaintGraphQuietly(true));
                                             }};
    for (const auto& Settle : Settles) {
        Open(false);
        const QString Zoom = Form->ZoomEdit->text();
        Step(Bursts[0], 0, true);
        Step(Bursts[0], 1, true);
        QTest::mouseRelease(View->Picture, Qt::LeftButton, {}, At);
        Settle();
        EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
        const QString Status = Form->StatusLabel->text();
        QTest::qWait(20);
        EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
        EXPECT_EQ(Form->StatusLabel->text(), Status);
        Form->ZoomEdit->setText(Zoom);
        ExpectBothAsARepaintPaintsThem();
    }
}

}  // namespace
