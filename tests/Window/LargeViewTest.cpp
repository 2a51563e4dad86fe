// The values under the pointer in a label beside it, and the large view: it
// opens with F11, paints the main window's view at its own device pixels,
// follows resizes, gestures and calculations, and goes full screen.
#include "MainUnit/Window/LargeView.h"

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Picture/ViewPan.h"
#include "MainUnit/Window/Internal/PointLabel.h"
#include "PictureProbe.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>

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
                if (Wanted(Form->View.Graph.Record.Points[static_cast<size_t>(Y * W + X)],
                           MainUnit::PickPoint(Form->View.Graph.Record.Points.data(), W, H, X, Y)))
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
        const MainUnit::TPan Pan = MainUnit::FramedPan(Form->PictureOptions.Pan, W, H);
        Plane.HalfWidth = static_cast<uint16_t>(Plane.HalfWidth + Pan.X);
        Plane.HalfHeight = static_cast<uint16_t>(Plane.HalfHeight + Pan.Y);
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
    Form->Status.Set("resting");
    const QPoint Drawn = FindPixel([](int32_t Recorded, int32_t) { return Recorded != NoPoint; });
    const QPoint Near = FindPixel(
        [](int32_t Recorded, int32_t Picked) { return Recorded == NoPoint && Picked != NoPoint; });
    const QPoint Empty = FindPixel([](int32_t, int32_t Picked) { return Picked == NoPoint; });
    ASSERT_GE(Drawn.x(), 0);
    ASSERT_GE(Near.x(), 0);
    ASSERT_GE(Empty.x(), 0);
    const auto PickedAt = [this](QPoint P) {
        return MainUnit::PickPoint(Form->View.Graph.Record.Points.data(), MainUnit::GraphWidth,
                                   MainUnit::GraphHeight, P.x(), P.y());
    };

    // The label shows the whole reading beside the pointer, inside the
    // picture and clear of the pointer; the status line keeps its text.
    const MainUnit::TPointLabel* Label = Form->View.Graph.ReadingLabel();
    const auto Shown = [&](QPoint At, const std::string& Reading) {
        Hover(Form->GraphImage, At);
        EXPECT_EQ(Status(), "resting");
        EXPECT_TRUE(Label->isVisible());
        EXPECT_EQ(Label->text().toStdString(), Reading);
        EXPECT_EQ(Label->width(), Label->sizeHint().width());
        EXPECT_TRUE(Form->GraphImage->rect().contains(Label->geometry()));
        EXPECT_FALSE(Label->geometry().contains(At));
    };
    Shown(Drawn,
          ReadingOf(Form->View.Graph.Record.Points[Drawn.y() * MainUnit::GraphWidth + Drawn.x()]));
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
    Form->Status.Set("typed");
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
    ASSERT_NE(Form->View.LargeView, nullptr);
    MainUnit::TLargeView& View = *Form->View.LargeView;
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
    EXPECT_GT(std::count_if(View.Graph->Record.Points.begin(), View.Graph->Record.Points.end(),
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

    // Shift+drag moves the one picture, in the main graph's pixels: the
    // large view's drag scaled back as its zoom is.
    QTest::mousePress(View.Picture, Qt::LeftButton, Qt::ShiftModifier, From);
    QTest::mouseMove(View.Picture, From + QPoint(60, -30));
    QTest::mouseRelease(View.Picture, Qt::LeftButton, Qt::ShiftModifier, From + QPoint(60, -30));
    const double DragScale =
        Ratio / MainUnit::FramedZoom(1.0, View.Picture->ImageWidth(), View.Picture->ImageHeight());
    EXPECT_EQ(Form->PictureOptions.Pan, (MainUnit::TPan{int(std::lround(60 * DragScale)),
                                                        int(std::lround(-30 * DragScale))}));
    EXPECT_EQ(View.State().Request.View.HorAngle, Form->HorAngleEdit->text().toDouble());
    ASSERT_TRUE(WaitUntil([&] { return Shown(View) == Expected(View); }));

    // The main window's buttons move the large view too.
    Form->ZoomIncButton->click();
    EXPECT_EQ(View.State().Request.View.Zoom, Form->ZoomEdit->text().toDouble());
    EXPECT_EQ(Shown(View), Expected(View));

    // So does a calculation; the record names the new result set's points.
    ASSERT_TRUE(Calculate("x*z"));
    EXPECT_EQ(Shown(View), Expected(View));
    const int32_t Drawn =
        *std::max_element(View.Graph->Record.Points.begin(), View.Graph->Record.Points.end());
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
    EXPECT_EQ(Form->View.LargeView, &View);
    EXPECT_TRUE(View.isVisible());
}

TEST_F(LargeViewTest, ReadsThePointUnderThePointerAtDevicePixels)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->View.OpenLargeView();
    MainUnit::TLargeView& View = *Form->View.LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    ASSERT_TRUE(WaitUntil([&] { return Shown(View) == Expected(View); }));
    const qreal Ratio = View.Picture->devicePixelRatioF();
    const int32_t W = View.Picture->ImageWidth();
    // The logical pixel whose first device pixel has a point.
    for (int Y = 0; Y < View.Picture->height(); ++Y) {
        for (int X = 0; X < View.Picture->width(); ++X) {
            const size_t Device = static_cast<size_t>(qRound(Y * Ratio)) * W + qRound(X * Ratio);
            if (View.Graph->Record.Points[Device] == NoPoint) continue;
            Form->Status.Set("resting");
            Hover(View.Picture, {X, Y});
            const MainUnit::TPointLabel* Label = View.Graph->ReadingLabel();
            EXPECT_EQ(Label->text().toStdString(), ReadingOf(View.Graph->Record.Points[Device]));
            EXPECT_TRUE(Label->isVisible());
            EXPECT_EQ(Status(), "resting");
            return;
        }
    }
    ADD_FAILURE() << "nothing drawn";
}

// The legend below the large view is the one of the result set it shows,
// from the calculation on, not only after the next gesture.
TEST_F(LargeViewTest, TheLegendChangesWithTheCalculation)
{
    ASSERT_TRUE(Calculate("x*z"));
    Form->View.OpenLargeView();
    MainUnit::TLargeView& View = *Form->View.LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    const auto Legend = [&View] { return View.Legend->pixmap().toImage(); };
    const QImage First = Legend();
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    const QImage AfterCalculation = Legend();
    EXPECT_NE(AfterCalculation, First);
    // A repaint of the same view and result set shows the same legend.
    Form->RepaintGraph();
    EXPECT_EQ(Legend(), AfterCalculation);
}

// Blanked as the main window's graph is blanked: in the background of the
// choices.
TEST_F(LargeViewTest, BlanksInTheBackgroundOfTheChoices)
{
    const struct {
        bool Light;
        uint32_t Background;
    } Cases[] = {{false, 0x000000}, {true, 0xFFFFFF}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Light);
        if (Form->PictureOptions.LightBackground != Case.Light)
            Form->Menu.LightBackgroundAction->trigger();
        TakeMessages();  // without results the choice's repaint is refused
        ASSERT_TRUE(Calculate("x*z"));
        Form->View.OpenLargeView();
        MainUnit::TLargeView& View = *Form->View.LargeView;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
        ASSERT_TRUE(WaitUntil([&] { return !IsFilled(View.Picture, Case.Background); }));
        Form->ClearImages();
        EXPECT_TRUE(IsFilled(Form->GraphImage, Case.Background));
        EXPECT_TRUE(IsFilled(View.Picture, Case.Background));
        View.close();
    }
}

// Closed while full screen, it opens again as the window it was before.
TEST_F(LargeViewTest, ClosedFullScreenItReopensAtItsLastNormalSize)
{
    ASSERT_TRUE(Calculate("x*z"));
    Form->View.OpenLargeView();
    MainUnit::TLargeView& View = *Form->View.LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    const QSize Normal = View.size();
    QTest::keyClick(&View, Qt::Key_F11);
    ASSERT_TRUE(View.isFullScreen());
    View.close();
    Form->View.OpenLargeView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    EXPECT_FALSE(View.isFullScreen());
    EXPECT_EQ(View.size(), Normal);
    QTest::keyClick(&View, Qt::Key_F11);
    QTest::keyClick(&View, Qt::Key_Escape);
    EXPECT_FALSE(View.isFullScreen());
    EXPECT_EQ(View.size(), Normal);
}

// The wheel, Ctrl+wheel and the double-click over the large view write the
// view fields as over the main graph: one view, one fit.
TEST_F(LargeViewTest, GesturesOverEitherPictureWriteTheSameView)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->View.OpenLargeView();
    MainUnit::TLargeView& View = *Form->View.LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    const auto Wheel = [](QWidget* Picture, int Delta, Qt::KeyboardModifiers Modifiers) {
        const QPointF At(20, 20);
        QWheelEvent Event(At, Picture->mapToGlobal(At), QPoint(), QPoint(0, Delta), Qt::NoButton,
                          Modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Picture, &Event);
    };
    const std::function<void(QWidget*)> Gestures[] = {
        [&](QWidget* P) { Wheel(P, 120, Qt::NoModifier); },
        [&](QWidget* P) { Wheel(P, -240, Qt::ControlModifier); },
        [](QWidget* P) { QTest::mouseDClick(P, Qt::LeftButton, {}, QPoint(20, 20)); },
    };
    for (std::size_t I = 0; I < std::size(Gestures); ++I) {
        SCOPED_TRACE(I);
        std::vector<QString> Written;
        for (QWidget* Picture :
             {static_cast<QWidget*>(Form->GraphImage), static_cast<QWidget*>(View.Picture)}) {
            for (auto [Edit, Text] : {std::pair{Form->HorAngleEdit, "0.7"},
                                      {Form->VerAngleEdit, "0.5"},
                                      {Form->DistanceEdit, "40"},
                                      {Form->ZoomEdit, "100"}})
                Edit->setText(QString::fromLatin1(Text));
            Gestures[I](Picture);
            Written.push_back(Form->DistanceEdit->text() + " " + Form->ZoomEdit->text());
        }
        EXPECT_NE(Written[0], QStringLiteral("40 100"));
        EXPECT_EQ(Written[1], Written[0]);
    }
}

}  // namespace
