// One drag step in the real main window at a million points, on Qt's
// offscreen platform: from the mouse-move event to the end of the repaint it
// causes, the new picture copied to the window included; and the same in a
// large view whose picture is 1920 x 1080, which repaints both pictures.
#include "MainUnit/Window/LargeView.h"
#include "MainUnit/Window/MainForm.h"
#include "MillionPoints.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

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

std::unique_ptr<MainUnit::TMainForm> MillionPointForm(bool UseDepthBuffer)
{
    OffscreenApplication();
    auto Form = std::make_unique<MainUnit::TMainForm>();
    Form->MessageBoxFunction = [](QWidget*, Platform::TMessageKind, const std::string&) {};
    Form->show();
    Form->Results = MillionPoints();
    Form->HorAngleEdit->setText(QStringLiteral("0.7"));
    Form->VerAngleEdit->setText(QStringLiteral("0.5"));
    Form->DistanceEdit->setText(QString::number(1.5 * Form->Results.BoundingRadius, 'g', 15));
    Form->ZoomEdit->setText(QStringLiteral("600"));
    Form->ZBufferCheckBox->setChecked(UseDepthBuffer);
    return Form;
}

// Drags over Graph back and forth by three pixels both ways, so that every
// step turns the view, until Painted has painted anew.
void DragSteps(benchmark::State& State, Platform::TPicture* Graph, Platform::TPicture* Painted)
{
    QTest::mousePress(Graph, Qt::LeftButton, {}, QPoint(200, 200));
    int Step = 0;
    for (auto _ : State) {
        ++Step;
        const int Offset = Step % 2 == 0 ? 0 : 3;
        const uint64_t Before = Painted->Generation();
        QTest::mouseMove(Graph, QPoint(200 + Offset, 200 + Offset));
        while (Painted->Generation() == Before)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();  // the picture's paint event
    }
    QTest::mouseRelease(Graph, Qt::LeftButton, {}, QPoint(200, 200));
}

void BM_LargeViewDragStep(benchmark::State& State)
{
    auto Form = MillionPointForm(State.range(0) != 0);
    Form->OpenLargeView();
    MainUnit::TLargeView* View = Form->LargeView;
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
    DragSteps(State, View->Picture, View->Picture);
    if (!Form->StatusLabel->text().isEmpty()) State.SkipWithError("the drag was refused");
}

void BM_DragStep(benchmark::State& State)
{
    auto Form = MillionPointForm(State.range(0) != 0);
    Platform::TPicture* Graph = Form->GraphImage;
    DragSteps(State, Graph, Graph);
    if (!Form->StatusLabel->text().isEmpty()) State.SkipWithError("the drag was refused");
}

}  // namespace

// Argument: depth buffer (0 off, 1 on). Wall-clock time.
BENCHMARK(BM_DragStep)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("zbuffer")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_LargeViewDragStep)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("zbuffer")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
