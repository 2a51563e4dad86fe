// The mouse on the graph: drag, wheel, Ctrl+wheel and double-click, their
// refusals in the status line, and one repaint for a burst of moves.
#include "MainUnit/Text/NumberText.h"
#include "PictureProbe.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

namespace {

using Platform::TPicture;

std::vector<uint32_t> PixelsOf(TPicture* Picture)
{
    const uint32_t* First = Picture->Pixels();
    return {First, First + Picture->ImageWidth() * Picture->ImageHeight()};
}

void Wheel(TPicture* Picture, int AngleDelta, bool Control)
{
    const QPointF At(250, 200);
    QWheelEvent Event(At, Picture->mapToGlobal(At), QPoint(), QPoint(0, AngleDelta), Qt::NoButton,
                      Control ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Picture, &Event);
}

void Drag(TPicture* Picture, QPoint From, QPoint To)
{
    QTest::mousePress(Picture, Qt::LeftButton, {}, From);
    QTest::mouseMove(Picture, To);
    QTest::mouseRelease(Picture, Qt::LeftButton, {}, To);
}

}  // namespace

class MouseViewTest : public WindowTest {
protected:
    void SetView(const char* Hor, const char* Ver, const char* Distance, const char* Zoom)
    {
        Form->HorAngleEdit->setText(QString::fromLatin1(Hor));
        Form->VerAngleEdit->setText(QString::fromLatin1(Ver));
        Form->DistanceEdit->setText(QString::fromLatin1(Distance));
        Form->ZoomEdit->setText(QString::fromLatin1(Zoom));
    }

    std::vector<QString> ViewTexts() const
    {
        return {Form->HorAngleEdit->text(), Form->VerAngleEdit->text(), Form->DistanceEdit->text(),
                Form->ZoomEdit->text()};
    }

    // Lets the event loop turn, then checks that the picture of the gesture
    // is the very picture RepaintGraph paints for the fields as they stand.
    void ExpectRepaintedExactly(uint64_t Repaints)
    {
        const uint64_t Before = Form->GraphImage->Generation();
        QCoreApplication::processEvents();
        ASSERT_EQ(Form->GraphImage->Generation() - Before, Repaints);
        ExpectTheRepaintsPicture();
    }

    void ExpectTheRepaintsPicture()
    {
        const std::vector<uint32_t> Gesture = PixelsOf(Form->GraphImage);
        Form->RepaintGraph();
        EXPECT_TRUE(Gesture == PixelsOf(Form->GraphImage));
        EXPECT_TRUE(Form->StatusLabel->text().isEmpty());
    }
};

TEST_F(MouseViewTest, DragTurnsByPiPerPictureWidthWrapsAndStopsShortOfTheVerticalLimit)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    const struct {
        const char *Hor, *Ver;
        int DX, DY;
        const char *NewHor, *NewVer;
    } Cases[] = {
        {"0", "0", 101, 0, "-0.628318530717959", "0"},  // pi/5 for a fifth of 505 pixels
        {"0", "0", 0, 101, "0", "0.628318530717959"},
        {"0.5", "-0.2", -505, 0, "-2.64159265358979", "-0.2"},  // half a turn, wrapped
        {"3", "0", -101, 0, "-2.65486677646163", "0"},
        {"-3", "0", 101, 0, "2.65486677646163", "0"},
        {"0", "1.5", 0, 101, "0", "1.57079632679489"},  // stops inside pi/2
        {"0", "-1.5", 0, -101, "0", "-1.57079632679489"},
        {"0", "1.57079632679489", 0, 3, "0", "1.57079632679489"},  // already there
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message()
                     << Case.Hor << " " << Case.Ver << " " << Case.DX << " " << Case.DY);
        SetView(Case.Hor, Case.Ver, "30", "300");
        Form->RepaintGraph();
        const bool Changes =
            std::string(Case.NewHor) != Case.Hor || std::string(Case.NewVer) != Case.Ver;
        Drag(Form->GraphImage, {200, 200}, {200 + Case.DX, 200 + Case.DY});
        EXPECT_EQ(Form->HorAngleEdit->text().toStdString(), Case.NewHor);
        EXPECT_EQ(Form->VerAngleEdit->text().toStdString(), Case.NewVer);
        ExpectRepaintedExactly(Changes ? 1 : 0);
    }
}

TEST_F(MouseViewTest, WheelZoomsCtrlWheelMovesTheCameraNeverOntoTheRadius)
{
    ASSERT_TRUE(Calculate("x"));  // radius sqrt(300) = 17.3205080756888
    const struct {
        int AngleDelta;
        bool Control;
        const char *Distance, *NewDistance, *NewZoom;
    } Cases[] = {
        {120, false, "30", "30", "110"},
        {-120, false, "30", "30", "90"},
        {240, false, "30", "30", "121"},
        {60, false, "30", "30", "104.880884817015"},  // half a notch: sqrt(1.1)
        {120, true, "30", "27", "100"},
        {-120, true, "30", "33", "100"},
        {-40, true, "30", "30.968403463691", "100"},  // a third of a notch back
        {120, true, "19.2", "19.2", "100"},           // 17.28 is too close
        {120, true, "17.3205080756889", "17.3205080756889", "100"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message()
                     << Case.AngleDelta << " " << Case.Control << " " << Case.Distance);
        SetView("0.3", "0.4", Case.Distance, "100");
        Form->RepaintGraph();
        Wheel(Form->GraphImage, Case.AngleDelta, Case.Control);
        EXPECT_EQ(Form->DistanceEdit->text().toStdString(), Case.NewDistance);
        EXPECT_EQ(Form->ZoomEdit->text().toStdString(), Case.NewZoom);
        const bool Changes =
            std::string(Case.NewDistance) != Case.Distance || std::string(Case.NewZoom) != "100";
        ExpectRepaintedExactly(Changes ? 1 : 0);
    }
}

TEST_F(MouseViewTest, DoubleClickFramesTheDrawnPointsFromAnyDistance)
{
    // The default graph seen at 0.7 and 0.5, from the distance the
    // calculation sets and right after "Min->", where fitting the bounding
    // sphere made the graph a speck: the lit pixels keep the margin of 16
    // pixels on every side and reach it on one.
    Form->PointsToShowEdit->setText(QStringLiteral("5000"));
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->HorAngleEdit->setText(QStringLiteral("0.7"));
    Form->VerAngleEdit->setText(QStringLiteral("0.5"));
    for (const bool MinDistance : {false, true}) {
        SCOPED_TRACE(MinDistance);
        if (MinDistance) QTest::mouseClick(Form->MinDistanceButton, Qt::LeftButton);
        Form->RepaintGraph();
        const QString Distance = ViewTexts()[2];
        QTest::mouseDClick(Form->GraphImage, Qt::LeftButton, {}, QPoint(100, 100));
        ExpectRepaintedExactly(1);
        EXPECT_EQ(ViewTexts()[0], QStringLiteral("0.7"));
        EXPECT_EQ(ViewTexts()[2], Distance);
        int Left = 505, Right = -1, Top = 404, Bottom = -1;
        for (int Y = 0; Y < 404; ++Y) {
            for (int X = 0; X < 505; ++X) {
                if (Form->GraphImage->Canvas().Pixel(X, Y) == 0) continue;
                Left = std::min(Left, X), Right = std::max(Right, X);
                Top = std::min(Top, Y), Bottom = std::max(Bottom, Y);
            }
        }
        EXPECT_GE(std::min({Left, Top, 504 - Right, 403 - Bottom}), 15);
        EXPECT_LE(std::min({Left, Top, 504 - Right, 403 - Bottom}), 17);
    }
}

TEST_F(MouseViewTest, NoBoxDuringGesturesTheStatusLineSaysWhyUntilTheNextRepaint)
{
    const std::string Distance =
        MainUnit::RefusalMessage(MainUnit::TRefusal::Distance, std::sqrt(300.0));
    const struct {
        const char *Hor, *Ver, *Distance, *Zoom;
        std::string Message;
    } Cases[] = {
        {"0", "0", "30", "100",
         MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults)},  // before the calculation
        {"abc", "0", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
        {"0", "0", "30", "", MainUnit::RefusalMessage(MainUnit::TRefusal::ViewNumbers)},
        {"1000", "0", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::HorAngle)},
        {"0", "1.5708", "30", "100", MainUnit::RefusalMessage(MainUnit::TRefusal::VerAngle)},
        {"0", "0", "30", "0", MainUnit::RefusalMessage(MainUnit::TRefusal::Zoom)},
        {"0", "0", "17", "100", Distance},
    };
    const std::function<void()> Gestures[] = {
        [this] {
            Drag(Form->GraphImage, {10, 10}, {60, 90});
        },
        [this] { Wheel(Form->GraphImage, 120, false); },
        [this] { Wheel(Form->GraphImage, -120, true); },
        [this] { QTest::mouseDClick(Form->GraphImage, Qt::LeftButton, {}, QPoint(5, 5)); },
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Message);
        if (Case.Message != MainUnit::RefusalMessage(MainUnit::TRefusal::NoResults) &&
            Form->Results.Points.empty()) {
            ASSERT_TRUE(Calculate("x"));
        }
        SetView(Case.Hor, Case.Ver, Case.Distance, Case.Zoom);
        for (const auto& Gesture : Gestures) {
            Form->StatusLabel->clear();
            const uint64_t Generation = Form->GraphImage->Generation();
            Gesture();
            QCoreApplication::processEvents();
            // A short text in the line, the whole message in its tooltip.
            EXPECT_FALSE(Form->StatusLabel->text().isEmpty());
            EXPECT_EQ(Form->StatusLabel->toolTip().toStdString(), Case.Message);
            EXPECT_EQ(ViewTexts(),
                      (std::vector<QString>{Case.Hor, Case.Ver, Case.Distance, Case.Zoom}));
            EXPECT_EQ(Form->GraphImage->Generation(), Generation);
        }
    }
    // A good view: the next gesture repaints and clears the line.
    SetView("0", "0", "30", "100");
    Wheel(Form->GraphImage, 120, false);
    ExpectRepaintedExactly(1);
}

TEST_F(MouseViewTest, ABurstOfMovesIsOneRepaintOfTheNewestPositionWithNothingGreyed)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    SetView("0", "0", "30", "300");
    Form->ZBufferCheckBox->click();
    int EnabledChanges = 0;
    struct TWatch : QObject {
        int* Count;
        explicit TWatch(int* C) : Count(C) {}
        bool eventFilter(QObject*, QEvent* Event) override
        {
            *Count += Event->type() == QEvent::EnabledChange;
            return false;
        }
    } Watch(&EnabledChanges);
    Form->HorAngleIncButton->installEventFilter(&Watch);
    const uint64_t Before = Form->GraphImage->Generation();
    QTest::mousePress(Form->GraphImage, Qt::LeftButton, {}, QPoint(100, 100));
    for (int Step = 1; Step <= 50; ++Step)
        QTest::mouseMove(Form->GraphImage, QPoint(100 + Step, 100 + Step / 2));
    EXPECT_EQ(Form->GraphImage->Generation(), Before);  // nothing painted yet
    QTest::mouseRelease(Form->GraphImage, Qt::LeftButton, {}, QPoint(150, 125));
    // Fifty pixels right and twenty-five down, in fifty steps.
    EXPECT_EQ(Form->HorAngleEdit->text().toStdString(), "-0.31104877758315");
    EXPECT_EQ(Form->VerAngleEdit->text().toStdString(), "0.155524388791575");
    QCoreApplication::processEvents();
    EXPECT_EQ(Form->GraphImage->Generation(), Before + 1);
    Form->HorAngleIncButton->removeEventFilter(&Watch);
    EXPECT_EQ(EnabledChanges, 0);
    ExpectTheRepaintsPicture();
}

TEST_F(MouseViewTest, ShiftDragMovesThePictureByWholePixelsAndACalculationKeepsIt)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    SetView("0.7", "0.5", "30", "100");
    Form->RepaintGraph();
    const std::vector<uint32_t> Before = PixelsOf(Form->GraphImage);
    const std::vector<QString> Texts = ViewTexts();
    const struct {
        QPoint From, To;
        MainUnit::TPan Pan;  // from no move
    } Cases[] = {{{100, 100}, {130, 90}, {30, -10}},
                 {{300, 50}, {250, 120}, {-50, 70}},
                 // Held so that the picture's centre stays on it.
                 {{500, 400}, {1, 1}, {-252, -202}}};
    for (const auto& Case : Cases) {
        Form->View.MovePicture({0, 0});
        QCoreApplication::processEvents();
        QTest::mousePress(Form->GraphImage, Qt::LeftButton, Qt::ShiftModifier, Case.From);
        QTest::mouseMove(Form->GraphImage, Case.To);
        QTest::mouseRelease(Form->GraphImage, Qt::LeftButton, Qt::ShiftModifier, Case.To);
        ExpectRepaintedExactly(1);
        EXPECT_EQ(Form->PictureOptions.Pan, Case.Pan);
        EXPECT_EQ(ViewTexts(), Texts);  // the camera stays
        // Every pixel moved alike: where both pictures show the graph, they agree.
        const std::vector<uint32_t> After = PixelsOf(Form->GraphImage);
        int Moved = 0;
        for (int Y = 0; Y < 404; ++Y) {
            for (int X = 0; X < 505; ++X) {
                const int FromX = X - Case.Pan.X, FromY = Y - Case.Pan.Y;
                if (FromX < 0 || FromY < 0 || FromX >= 505 || FromY >= 404) continue;
                const uint32_t Was = Before[size_t(FromY) * 505 + size_t(FromX)] & 0xFFFFFF;
                ASSERT_EQ(After[size_t(Y) * 505 + size_t(X)] & 0xFFFFFF, Was) << X << "," << Y;
                Moved += Was != 0;
            }
        }
        EXPECT_GT(Moved, 0);
    }
    // A calculation keeps the move; a fit sets its own.
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    EXPECT_EQ(Form->PictureOptions.Pan, (MainUnit::TPan{-252, -202}));
    QTest::mouseDClick(Form->GraphImage, Qt::LeftButton, {}, QPoint(100, 100));
    QCoreApplication::processEvents();
    EXPECT_LT(std::abs(Form->PictureOptions.Pan.X), 40);
}
