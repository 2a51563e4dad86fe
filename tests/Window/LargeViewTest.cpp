// The values under the pointer in a label beside it, and the large view: it
// opens with F11, paints the main window's view at its own device pixels,
// follows resizes, gestures and calculations, and goes full screen.
#include "MainUnit/Window/LargeView.h"

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Window/Internal/PointLabel.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

#include <vector>

namespace {

using MainUnit::NoPoint;

class LargeViewTest : public WindowTest {
protected:
    static void Hover(QWidget* Widget, QPoint Position)
    {
        QMouseEvent Move(QEvent::MouseMove, Position, Widget->mapToGlobal(Position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Widget, &Move);
    }

    std::string Status() const { return Form->StatusLabel->text().toStdString(); }

    // The main window's reading of the point at Index.
    std::string ReadingOf(int32_t Index) const
    {
        return MainUnit::PointReading(Form->Results.Points[static_cast<size_t>(Index)]);
    }

    // The first pixel of the main graph where Wanted(pick) holds.
    QPoint FindPixel(const std::function<bool(int32_t Recorded, int32_t Picked)>& Wanted) const
    {
        const int32_t W = MainUnit::GraphWidth, H = MainUnit::GraphHeight;
        for (int32_t Y = 0; Y < H; ++Y)
            for (int32_t X = 0; X < W; ++X)
                if (Wanted(Form->GraphPoints[static_cast<size_t>(Y * W + X)],
                           MainUnit::PickPoint(Form->GraphPoints.data(), W, H, X, Y)))
                    return {X, Y};
        return {-1, -1};
    }

    // The large view's picture as the repaint core paints the main window's
    // view at that picture's size, top byte set as shown.
    std::vector<uint32_t> Expected(const MainUnit::TLargeView& View) const
    {
        const int32_t W = View.Picture->ImageWidth(), H = View.Picture->ImageHeight();
        const MainUnit::TViewSettings& V = View.State().Request.View;
        Proc3D::TPoint3D Camera{};
        Proc3D::TViewPlane Plane{};
        EXPECT_TRUE(Proc3D::CalcViewPlane(Camera, W, H, V.VerAngle, V.HorAngle,
                                          MainUnit::FramedZoom(V.Zoom, W, H), V.Distance, Plane));
        std::vector<uint32_t> Pixels(static_cast<size_t>(W) * static_cast<size_t>(H), 0);
        MainUnit::TDepthBuffer Depth;
        MainUnit::CreateDepthBuffer(W, H, Depth);
        MainUnit::PaintGraph(Form->Results, Plane, {Pixels.data(), W, H}, true,
                             Form->ZBufferCheckBox->isChecked() ? &Depth : nullptr);
        for (uint32_t& Pixel : Pixels)
            Pixel |= 0xFF000000u;
        return Pixels;
    }

    static std::vector<uint32_t> Shown(const MainUnit::TLargeView& View)
    {
        const QImage& Image = View.Picture->Image();
        const auto* Bits = reinterpret_cast<const uint32_t*>(Image.constBits());
        return {Bits, Bits + qsizetype(Image.width()) * Image.height()};
    }
};

TEST_F(LargeViewTest, PointerReadingShowsOverDrawnPointsAndLeavesTheRestingText)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->SetStatus("resting");
    const QPoint Drawn = FindPixel([](int32_t Recorded, int32_t) { return Recorded != NoPoint; });
    const QPoint Near = FindPixel(
        [](int32_t Recorded, int32_t Picked) { return Recorded == NoPoint && Picked != NoPoint; });
    const QPoint Empty = FindPixel([](int32_t, int32_t Picked) { return Picked == NoPoint; });
    ASSERT_GE(Drawn.x(), 0);
    ASSERT_GE(Near.x(), 0);
    ASSERT_GE(Empty.x(), 0);
    const auto PickedAt = [this](QPoint P) {
        return MainUnit::PickPoint(Form->GraphPoints.data(), MainUnit::GraphWidth,
                                   MainUnit::GraphHeight, P.x(), P.y());
    };

    // The label shows the whole reading beside the pointer, inside the
    // picture and clear of the pointer; the status line keeps its text.
    const MainUnit::TPointLabel* Label = Form->GraphReading;
    const auto Shown = [&](QPoint At, const std::string& Reading) {
        Hover(Form->GraphImage, At);
        EXPECT_EQ(Status(), "resting");
        EXPECT_TRUE(Label->isVisible());
        EXPECT_EQ(Label->text().toStdString(), Reading);
        EXPECT_EQ(Label->width(), Label->sizeHint().width());
        EXPECT_TRUE(Form->GraphImage->rect().contains(Label->geometry()));
        EXPECT_FALSE(Label->geometry().contains(At));
    };
    Shown(Drawn, ReadingOf(Form->GraphPoints[Drawn.y() * MainUnit::GraphWidth + Drawn.x()]));
    Shown(Near, ReadingOf(PickedAt(Near)));
    Hover(Form->GraphImage, Empty);
    EXPECT_FALSE(Label->isVisible());
    Hover(Form->GraphImage, Drawn);
    QEvent Leave(QEvent::Leave);
    QApplication::sendEvent(Form->GraphImage, &Leave);
    EXPECT_FALSE(Label->isVisible());
    EXPECT_EQ(Status(), "resting");
    // A new resting text shows at once, beside a reading.
    Hover(Form->GraphImage, Drawn);
    Form->SetStatus("typed");
    EXPECT_EQ(Status(), "typed");
    EXPECT_TRUE(Label->isVisible());
}

// Beside the pointer where there is room, turned where there is none, never
// past the picture's edges.
TEST(PointLabel, SitsBesideThePointerInsideThePicture)
{
    const QRect Area(0, 0, 505, 404);
    const QSize Size(200, 20);
    const struct {
        QPoint Pointer;
        QPoint TopLeft;
    } Cases[] = {{{10, 10}, {24, 24}},     {{400, 10}, {186, 24}},   {{10, 395}, {24, 361}},
                 {{500, 400}, {286, 366}}, {{250, 200}, {264, 214}}, {{300, 370}, {86, 384}}};
    for (const auto& C : Cases) {
        const QRect Place = MainUnit::PlaceBesidePointer(C.Pointer, Size, Area, 14);
        EXPECT_EQ(Place.topLeft(), C.TopLeft) << C.Pointer.x() << "," << C.Pointer.y();
        EXPECT_EQ(Place.size(), Size);
        EXPECT_TRUE(Area.contains(Place));
        EXPECT_FALSE(Place.contains(C.Pointer));
    }
    // A picture narrower than the label: it starts at the left edge.
    EXPECT_EQ(MainUnit::PlaceBesidePointer({50, 5}, Size, QRect(0, 0, 100, 100), 14).left(), 0);
}

TEST_F(LargeViewTest, OpensAtDevicePixelsAndFollowsTheMainWindow)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->ZBufferCheckBox->click();
    // F11 wherever the focus is in the main window.
    Form->FunctionExpressionEdit->setFocus();
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_F11);
    ASSERT_NE(Form->LargeView, nullptr);
    MainUnit::TLargeView& View = *Form->LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    const qreal Ratio = View.Picture->devicePixelRatioF();
    // At a scale factor of 2, twice the pixels each way.
    const QString Scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    EXPECT_EQ(Ratio, Scale.toDouble());
    const auto SizedToWidget = [&View, Ratio] {
        return View.Picture->ImageWidth() == qRound(View.Picture->width() * Ratio) &&
               View.Picture->ImageHeight() == qRound(View.Picture->height() * Ratio);
    };
    ASSERT_TRUE(WaitUntil([&] { return SizedToWidget() && Shown(View) == Expected(View); }));
    EXPECT_GT(std::count_if(View.Points.begin(), View.Points.end(),
                            [](int32_t Index) { return Index != NoPoint; }),
              1000);

    // A resize paints again at the new size, the graph still framed.
    View.resize(View.width() + 301, View.height() - 77);
    ASSERT_TRUE(WaitUntil([&] { return SizedToWidget() && Shown(View) == Expected(View); }));

    // A drag over the large view turns the one view: the main window's field
    // changes and both pictures are painted anew.
    const QString HorAngle = Form->HorAngleEdit->text();
    const uint64_t MainPainted = Form->GraphImage->Generation();
    const QPoint From = View.Picture->rect().center();
    QTest::mousePress(View.Picture, Qt::LeftButton, Qt::NoModifier, From);
    QTest::mouseMove(View.Picture, From + QPoint(40, 0));
    QTest::mouseRelease(View.Picture, Qt::LeftButton, Qt::NoModifier, From + QPoint(40, 0));
    EXPECT_NE(Form->HorAngleEdit->text(), HorAngle);
    ASSERT_TRUE(WaitUntil([&] { return Form->GraphImage->Generation() > MainPainted; }));
    EXPECT_EQ(Shown(View), Expected(View));
    EXPECT_EQ(View.State().Request.View.HorAngle, Form->HorAngleEdit->text().toDouble());

    // The main window's buttons move the large view too.
    Form->ZoomIncButton->click();
    EXPECT_EQ(View.State().Request.View.Zoom, Form->ZoomEdit->text().toDouble());
    EXPECT_EQ(Shown(View), Expected(View));

    // So does a calculation; the record names the new result set's points.
    ASSERT_TRUE(Calculate("x*z"));
    EXPECT_EQ(Shown(View), Expected(View));
    const int32_t Drawn = *std::max_element(View.Points.begin(), View.Points.end());
    EXPECT_GE(Drawn, 0);
    EXPECT_LT(Drawn, Form->Results.PointCount);

    // F11 in it toggles full screen, Escape leaves full screen.
    QTest::keyClick(&View, Qt::Key_F11);
    EXPECT_TRUE(View.isFullScreen());
    QTest::keyClick(&View, Qt::Key_Escape);
    EXPECT_FALSE(View.isFullScreen());
    QTest::keyClick(&View, Qt::Key_F11);
    QTest::keyClick(&View, Qt::Key_F11);
    EXPECT_FALSE(View.isFullScreen());
    EXPECT_TRUE(View.isVisible());

    // Closed, it hands back to the main window, and F11 brings it back.
    View.close();
    EXPECT_FALSE(View.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QTest::keyClick(Form.get(), Qt::Key_F11);
    EXPECT_EQ(Form->LargeView, &View);
    EXPECT_TRUE(View.isVisible());
}

TEST_F(LargeViewTest, ReadsThePointUnderThePointerAtDevicePixels)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->OpenLargeView();
    MainUnit::TLargeView& View = *Form->LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    ASSERT_TRUE(WaitUntil([&] { return Shown(View) == Expected(View); }));
    const qreal Ratio = View.Picture->devicePixelRatioF();
    const int32_t W = View.Picture->ImageWidth();
    // The logical pixel whose first device pixel has a point.
    for (int Y = 0; Y < View.Picture->height(); ++Y) {
        for (int X = 0; X < View.Picture->width(); ++X) {
            const size_t Device = static_cast<size_t>(qRound(Y * Ratio)) * W + qRound(X * Ratio);
            if (View.Points[Device] == NoPoint) continue;
            Form->SetStatus("resting");
            Hover(View.Picture, {X, Y});
            EXPECT_EQ(View.Reading->text().toStdString(), ReadingOf(View.Points[Device]));
            EXPECT_TRUE(View.Reading->isVisible());
            EXPECT_EQ(Status(), "resting");
            return;
        }
    }
    ADD_FAILURE() << "nothing drawn";
}

}  // namespace
