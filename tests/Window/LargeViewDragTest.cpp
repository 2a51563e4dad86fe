// Gestures over the large view: each step paints the large picture at once;
// the main window's picture follows once the moves stop, painted once for a
// burst, and at rest it is the picture a repaint of the final view paints.
#include "MainUnit/Text/RefusalStatus.h"
#include "MainUnit/Window/LargeView.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QWheelEvent>

#include <functional>
#include <vector>

namespace {

class LargeViewDragTest : public WindowTest {
protected:
    MainUnit::TLargeView* View = nullptr;

    void OpenLargeView(bool DepthBuffer)
    {
        ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
        if (Form->ZBufferCheckBox->isChecked() != DepthBuffer) Form->ZBufferCheckBox->click();
        Form->View.OpenLargeView();
        View = Form->View.LargeView;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(View));
        ASSERT_TRUE(WaitUntil([this] { return View->Picture->Generation() > 0; }));
        QTest::qWait(20);  // the resizes of its first showing painted
    }

    static std::vector<uint32_t> PixelsOf(const Platform::TPicture* Picture)
    {
        const QImage& Image = Picture->Image();
        const auto* Bits = reinterpret_cast<const uint32_t*>(Image.constBits());
        return {Bits, Bits + qsizetype(Image.width()) * Image.height()};
    }

    // Both pictures as they are, then as a repaint of the fields paints them.
    void ExpectBothAsARepaintPaintsThem()
    {
        const std::vector<uint32_t> Main = PixelsOf(Form->GraphImage);
        const std::vector<uint32_t> Large = PixelsOf(View->Picture);
        Form->RepaintGraph();
        EXPECT_TRUE(Main == PixelsOf(Form->GraphImage));
        EXPECT_TRUE(Large == PixelsOf(View->Picture));
    }

    // The burst's gestures over the large view: Steps(Step) does Step(1),
    // Step(2), ... each one a move of the drag or a turn of the wheel.
    void Burst(const struct TBurst& B,
               const std::function<void(const std::function<void(int)>&)>& Steps);
};

struct TBurst {
    const char* Name;
    Qt::KeyboardModifiers Modifiers;
    bool WheelSteps;
    bool DepthBuffer;
};
const TBurst Bursts[] = {{"drag", Qt::NoModifier, false, false},
                         {"drag with depth buffer", Qt::NoModifier, false, true},
                         {"Shift+drag", Qt::ShiftModifier, false, false},
                         {"wheel", Qt::NoModifier, true, true}};

void LargeViewDragTest::Burst(const TBurst& B,
                              const std::function<void(const std::function<void(int)>&)>& Steps)
{
    QWidget* const Picture = View->Picture;
    if (B.WheelSteps) {
        Steps([Picture](int I) {
            const QPointF At(30, 30);
            QWheelEvent Event(At, Picture->mapToGlobal(At), QPoint(), QPoint(0, I % 2 ? 60 : 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(Picture, &Event);
        });
        return;
    }
    const QPoint From(200, 150);
    QTest::mousePress(Picture, Qt::LeftButton, B.Modifiers, From);
    QPoint To = From;
    Steps([&](int I) {
        To = From + QPoint(9 * I, 4 * I);
        QTest::mouseMove(Picture, To);
    });
    QTest::mouseRelease(Picture, Qt::LeftButton, B.Modifiers, To);
}

// Moves faster than the pictures are painted: each picture once, at rest.
TEST_F(LargeViewDragTest, ABurstPaintsEachPictureOnceAndTheMainOneAsARepaint)
{
    for (const TBurst& B : Bursts) {
        SCOPED_TRACE(B.Name);
        OpenLargeView(B.DepthBuffer);
        const uint64_t Main = Form->GraphImage->Generation();
        const uint64_t Large = View->Picture->Generation();
        Burst(B, [](const std::function<void(int)>& Step) {
            for (int I = 1; I <= 5; ++I)
                Step(I);
        });
        ASSERT_TRUE(WaitUntil([&] { return Form->GraphImage->Generation() > Main; }));
        QTest::qWait(20);
        EXPECT_EQ(View->Picture->Generation(), Large + 1);
        EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
        ExpectBothAsARepaintPaintsThem();
        EXPECT_TRUE(Form->StatusLabel->text().isEmpty());
    }
}

// Each step painted as it comes: the large picture every time, the main one
// only once the steps stop.
TEST_F(LargeViewDragTest, TheMainPictureWaitsWhileTheLargeOneFollowsEachStep)
{
    for (const TBurst& B : Bursts) {
        SCOPED_TRACE(B.Name);
        OpenLargeView(B.DepthBuffer);
        const uint64_t Main = Form->GraphImage->Generation();
        const uint64_t Large = View->Picture->Generation();
        Burst(B, [&](const std::function<void(int)>& Step) {
            for (int I = 1; I <= 4; ++I) {
                const uint64_t Before = View->Picture->Generation();
                Step(I);
                while (View->Picture->Generation() == Before)
                    QCoreApplication::processEvents();
            }
            EXPECT_EQ(View->Picture->Generation(), Large + 4);
            EXPECT_EQ(Form->GraphImage->Generation(), Main);
        });
        ASSERT_TRUE(WaitUntil([&] { return Form->GraphImage->Generation() > Main; }));
        ExpectBothAsARepaintPaintsThem();
    }
}

// The picture copied while the main one is owed is the one of the newest
// view, which the large view shows.
TEST_F(LargeViewDragTest, ACopyWhileTheMainPictureIsOwedCopiesTheNewestView)
{
    OpenLargeView(false);
    const uint64_t Main = Form->GraphImage->Generation();
    QTest::mousePress(View->Picture, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(View->Picture, QPoint(160, 90));
    const uint64_t Large = View->Picture->Generation();
    while (View->Picture->Generation() == Large)
        QCoreApplication::processEvents();
    QTest::mouseRelease(View->Picture, Qt::LeftButton, {}, QPoint(160, 90));
    QGuiApplication::clipboard()->clear();
    Form->Export.CopyPictureAction->trigger();
    EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
    Form->RepaintGraph();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Form->View.ViewPicture().convertToFormat(QImage::Format_RGB32));
}

// A refused step after a painted one: the main picture owed is painted
// first, and the refusal stays in the status line.
TEST_F(LargeViewDragTest, ARefusedStepLeavesTheRefusalAfterTheOwedPicture)
{
    OpenLargeView(false);
    const uint64_t Main = Form->GraphImage->Generation();
    QTest::mousePress(View->Picture, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(View->Picture, QPoint(140, 110));
    const uint64_t Large = View->Picture->Generation();
    while (View->Picture->Generation() == Large)
        QCoreApplication::processEvents();
    QTest::mouseRelease(View->Picture, Qt::LeftButton, {}, QPoint(140, 110));
    const QString Zoom = Form->ZoomEdit->text();
    Form->ZoomEdit->setText(QStringLiteral("0"));
    EXPECT_FALSE(Form->RepaintGraphQuietly(true));
    EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
    QTest::qWait(20);
    EXPECT_EQ(Form->GraphImage->Generation(), Main + 1);
    const MainUnit::TStatusText Refusal =
        MainUnit::RefusalStatus(MainUnit::TRefusal::Zoom, Form->ViewRadius());
    EXPECT_EQ(Form->StatusLabel->text().toStdString(), Refusal.Text);
    Form->ZoomEdit->setText(Zoom);
    ExpectBothAsARepaintPaintsThem();
}

}  // namespace
