// What the picture options cost the one picture step: the box, the point
// record, and the box with its edges, ticks and values laid out and the
// record, each against the plain picture of the same size in the same run.
// The camera stands where every point of either set of places is in the
// picture, so that each option paints the same kind of picture.
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MillionPoints.h"
#include "Timing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

enum TOptionSet { Plain, Box, Record, BoxAxesRecord };

void BM_PictureOptions(benchmark::State& State)
{
    const MainUnit::TResultSet& R = MillionPoints();
    const bool Large = State.range(0) != 0;
    const auto Set = static_cast<TOptionSet>(State.range(2));
    MainUnit::TPictureRequest Request;
    Request.Results = &R;
    Request.Width = Large ? 1920 : MainUnit::GraphWidth;
    Request.Height = Large ? 1080 : MainUnit::GraphHeight;
    Request.UseDepthBuffer = State.range(1) != 0;
    Request.Options.Box = Set == Box || Set == BoxAxesRecord;
    Request.Options.Ticks = Set == BoxAxesRecord;
    const double Radius = std::max(MainUnit::ViewRadius(R, false, Request.Options.BoxHeight),
                                   MainUnit::ViewRadius(R, true, Request.Options.BoxHeight));
    Request.View = {0.7, 0.5, 1.5 * Radius, 250};
    // A fixed-width text measure: the layout's arithmetic without a font.
    MainUnit::TAxesStyle Axes;
    Axes.Measure = [](const std::string& Text) {
        return MainUnit::TTextSize{static_cast<int32_t>(7 * Text.size()), 13};
    };
    Axes.TickLength = 5;
    Axes.Gap = 3;
    std::vector<uint32_t> Pixels(static_cast<size_t>(Request.Width) * Request.Height);
    std::vector<int32_t> Indexes(Set == Record || Set == BoxAxesRecord ? Pixels.size() : 0);
    MainUnit::TDepthBuffer Depth;
    MainUnit::TPaintScratch Scratch;
    MainUnit::TPicturePlan Plan;
    if (!MainUnit::PrepareDepthBuffer(Request, Depth) ||
        MainUnit::PlanPicture(Request, Plan) != MainUnit::TRefusal::None) {
        State.SkipWithError("the view cannot be painted");
        return;
    }
    const MainUnit::TPixelArray Picture{Pixels.data(), Request.Width, Request.Height,
                                        Indexes.empty() ? nullptr : Indexes.data()};
    for (auto _ : State) {
        benchmark::DoNotOptimize(
            MainUnit::PaintPicture(Request, Plan, Picture, Depth, Axes, &Scratch).Painted);
        benchmark::DoNotOptimize(Pixels.data());
    }
    // How many pixels the points cover: an option that frames them larger
    // paints a different picture, with more memory to touch. Without the
    // depth buffer only the pixels off the background tell it, the box's
    // edges and values among them. Set in every run: a report in columns
    // refuses a counter that some runs lack.
    const uint32_t Background = MainUnit::BackgroundColor(Request.Options);
    State.counters["covered"] = static_cast<double>(
        Request.UseDepthBuffer
            ? std::count_if(Depth.Depths.begin(), Depth.Depths.end(),
                            [](float D) { return D != 0; })
            : std::count_if(Pixels.begin(), Pixels.end(),
                            [Background](uint32_t P) { return P != Background; }));
}

}  // namespace

// Arguments: size (0: 505 x 404, 1: 1920 x 1080), depth buffer (0 off,
// 1 on), options (0 plain, 1 box, 2 record, 3 box, axes with values and
// record); on two cores, as the window paints.
BENCHMARK(BM_PictureOptions)
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1, 2, 3}})
    ->ArgNames({"size", "zbuffer", "options"})
    ->Apply(InMillisecondsOfWallAndProcessor);
