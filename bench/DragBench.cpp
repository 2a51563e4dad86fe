// One drag step in the real main window at a million points, on Qt's
// offscreen platform: from the mouse-move event to the end of the repaint it
// causes, the new picture copied to the window included; and the same in a
// large view whose picture is 1920 x 1080, which repaints both pictures,
// beside the two bare repaints of the picture step that such a step needs,
// so that one run gives what the window adds to them.
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Window/Internal/BoxAxesPaint.h"
#include "MainUnit/Window/LargeView.h"
#include "MainUnit/Window/MainForm.h"
#include "MillionPoints.h"
#include "Timing.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

QApplication& OffscreenApplication()
{
    // Made once and kept to the end of the program, as a program keeps its
    // application object.
    static QApplication* const Application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int Argc = 1;
        static char Name[] = "tessel_bench";
        static char* Argv[] = {Name, nullptr};
        return new QApplication(Argc, Argv);
    }();
    return *Application;
}

std::unique_ptr<MainUnit::TMainForm> MillionPointForm(bool UseDepthBuffer, bool BoxAndTicks)
{
    OffscreenApplication();
    auto Form = std::make_unique<MainUnit::TMainForm>();
    Form->MessageBoxFunction = [](QWidget*, Platform::TMessageKind, const std::string&) {};
    Form->show();
    Form->Results = MillionPoints();
    // The box and the axes with values, the camera as far from the cube in
    // its radii as from the sphere without them.
    MainUnit::TPictureOptions Options;
    Options.Box = Options.Ticks = BoxAndTicks;
    Form->SetPictureOptions(Options);
    Form->HorAngleEdit->setText(QStringLiteral("0.7"));
    Form->VerAngleEdit->setText(QStringLiteral("0.5"));
    Form->DistanceEdit->setText(
        QString::number(1.5 * MainUnit::ViewRadius(Form->Results, BoxAndTicks), 'g', 15));
    Form->ZoomEdit->setText(QStringLiteral("600"));
    Form->ZBufferCheckBox->setChecked(UseDepthBuffer);
    return Form;
}

// Drags over Graph back and forth by three pixels both ways, so that every
// step turns the view, until each of Painted has painted anew. In a burst
// the next move comes as soon as they have: nothing else waiting is handled
// first.
void DragSteps(benchmark::State& State, Platform::TPicture* Graph,
               std::initializer_list<Platform::TPicture*> Painted, bool Burst = false)
{
    QTest::mousePress(Graph, Qt::LeftButton, {}, QPoint(200, 200));
    int Step = 0;
    std::vector<uint64_t> Before;
    const auto AllPainted = [&] {
        for (std::size_t I = 0; I < Before.size(); ++I)
            if (Painted.begin()[I]->Generation() == Before[I]) return false;
        return true;
    };
    for (auto _ : State) {
        ++Step;
        const int Offset = Step % 2 == 0 ? 0 : 3;
        Before.clear();
        for (const Platform::TPicture* Picture : Painted)
            Before.push_back(Picture->Generation());
        QTest::mouseMove(Graph, QPoint(200 + Offset, 200 + Offset));
        while (!AllPainted())
            QCoreApplication::processEvents();
        if (!Burst) QCoreApplication::processEvents();  // the pictures' paint events
    }
    QTest::mouseRelease(Graph, Qt::LeftButton, {}, QPoint(200, 200));
}

void BM_LargeViewDragStep(benchmark::State& State)
{
    auto Form = MillionPointForm(State.range(0) != 0, false);
    Form->View.OpenLargeView();
    MainUnit::TLargeView* View = Form->View.LargeView;
    // The legend below the picture takes its size once painted: sized again
    // until the picture is what is asked for.
    const QSize Wanted(1920, 1080);
    for (int Try = 0; Try < 20 && View->Picture->size() != Wanted; ++Try) {
        View->resize(View->size() + Wanted - View->Picture->size());
        QTest::qWait(20);
    }
    if (View->Picture->ImageWidth() != Wanted.width() ||
        View->Picture->ImageHeight() != Wanted.height()) {
        State.SkipWithError("the large view cannot be made 1920 x 1080");
        return;
    }
    // A burst waits for the large picture alone, as a hand moving on does.
    if (State.range(1) != 0)
        DragSteps(State, View->Picture, {View->Picture}, true);
    else
        DragSteps(State, View->Picture, {View->Picture, Form->GraphImage});
    if (!Form->StatusLabel->text().isEmpty()) State.SkipWithError("the drag was refused");
}

void BM_DragStep(benchmark::State& State)
{
    auto Form = MillionPointForm(State.range(0) != 0, State.range(1) != 0);
    Platform::TPicture* Graph = Form->GraphImage;
    DragSteps(State, Graph, {Graph});
    if (!Form->StatusLabel->text().isEmpty()) State.SkipWithError("the drag was refused");
}

}  // namespace

// Arguments: depth buffer (0 off, 1 on), box and axes with values (0 off,
// 1 on). Wall-clock time. The graph is framed by the fit, so that all the
// points are drawn whether the box is on or off.
BENCHMARK(BM_DragStep)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"zbuffer", "boxticks"})
    ->Apply(InMillisecondsOfWallAndProcessor);
// Arguments: depth buffer (0 off, 1 on), burst (0: each step until both
// pictures are painted, 1: the moves of a burst, each until the large
// picture is painted).
BENCHMARK(BM_LargeViewDragStep)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"zbuffer", "burst"})
    ->Apply(InMillisecondsOfWallAndProcessor);

namespace {

// One picture of the view that MillionPointForm sets, painted by the picture
// step alone as a window keeps it: its pixels, record, depth buffer and
// scratch made once.
struct TBarePicture {
    MainUnit::TPictureRequest Request;
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Record;
    MainUnit::TDepthBuffer Depth;
    MainUnit::TPaintScratch Scratch;

    TBarePicture(int32_t Width, int32_t Height, bool UseDepthBuffer)
        : Pixels(std::size_t(Width) * std::size_t(Height)), Record(Pixels.size())
    {
        Request.Results = &MillionPoints();
        Request.View = {0.7, 0.5, 1.5 * MillionPoints().BoundingRadius, 600};
        Request.UseDepthBuffer = UseDepthBuffer;
        Request.Width = Width;
        Request.Height = Height;
        MainUnit::PrepareDepthBuffer(Request, Depth);
    }
    // Turned by Turn radians, as a drag step turns it.
    bool Paint(double Turn)
    {
        MainUnit::TPictureRequest Turned = Request;
        Turned.View.HorAngle += Turn;
        MainUnit::TPicturePlan Plan;
        if (MainUnit::PlanPicture(Turned, Plan) != MainUnit::TRefusal::None) return false;
        return MainUnit::PaintPicture(Turned, Plan,
                                      {Pixels.data(), Request.Width, Request.Height, Record.data()},
                                      Depth, {}, &Scratch)
            .Painted;
    }
};

// The two repaints that one drag step in a 1920 x 1080 large view needs: the
// large picture and the main window's, back and forth as the drag turns; or
// the large one alone, which a step in a burst needs.
void BM_LargeViewRepaints(benchmark::State& State)
{
    const bool UseDepthBuffer = State.range(0) != 0;
    const bool Both = State.range(1) == 2;
    TBarePicture Large(1920, 1080, UseDepthBuffer);
    TBarePicture Small(MainUnit::GraphWidth, MainUnit::GraphHeight, UseDepthBuffer);
    int Step = 0;
    for (auto _ : State) {
        const double Turn = ++Step % 2 == 0 ? 0.0 : 0.01;
        if (!Large.Paint(Turn) || (Both && !Small.Paint(Turn))) {
            State.SkipWithError("the view cannot be painted");
            return;
        }
        benchmark::DoNotOptimize(Large.Pixels.data());
        benchmark::DoNotOptimize(Small.Pixels.data());
    }
}

}  // namespace

// Arguments: depth buffer (0 off, 1 on), pictures (1: the large one, 2: both).
BENCHMARK(BM_LargeViewRepaints)
    ->ArgsProduct({{0, 1}, {1, 2}})
    ->ArgNames({"zbuffer", "pictures"})
    ->Apply(InMillisecondsOfWallAndProcessor);

namespace {

// The box's edges, ticks and values alone over a painted 505 x 404 graph.
void BM_BoxAxes(benchmark::State& State)
{
    OffscreenApplication();
    const MainUnit::TResultSet& R = MillionPoints();
    MainUnit::TPictureOptions Options;
    Options.Box = Options.Ticks = true;
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    Proc3D::CalcViewPlane(Camera, 505, 404, 0.5, 0.7, 250, 1.5 * MainUnit::ViewRadius(R, true),
                          View);
    QImage Image(505, 404, QImage::Format_RGBX8888);
    Image.fill(Qt::black);
    const MainUnit::TBoxMapping Box = MainUnit::AxesBox(MainUnit::MakeBoxMapping(R), true);
    for (auto _ : State) {
        const MainUnit::TAxesFont Font(Image.width(), Image.height());
        const MainUnit::TAxesStyle Style = Font.Style();
        Font.Draw(Image,
                  MainUnit::LayOutBoxAxes(View, Box, Image.width(), Image.height(), Style.Measure,
                                          Style.TickLength, Style.Gap),
                  Options);
        benchmark::DoNotOptimize(Image.bits());
    }
}

}  // namespace

BENCHMARK(BM_BoxAxes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
