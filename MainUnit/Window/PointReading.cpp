// The values under the pointer: moving over the graph shows the point drawn
// at that pixel, or the nearest drawn one within reach, in a label beside
// the pointer, for as long as the pointer stays there. The status line
// keeps its own text.
#include "MainForm.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Window/Internal/PointLabel.h"

namespace MainUnit {

void TMainForm::ConnectPointReading()
{
    GraphPoints.assign(static_cast<size_t>(GraphImage->ImageWidth()) *
                           static_cast<size_t>(GraphImage->ImageHeight()),
                       NoPoint);
    GraphReading = new TPointLabel(GraphImage);
    GraphImage->FollowPointer(
        [this](int X, int Y) {
            GraphReading->ShowReading({X, Y},
                                      ShowPointReading(GraphPoints.data(), GraphImage->ImageWidth(),
                                                       GraphImage->ImageHeight(), X, Y));
        },
        [this] { HidePointReading(); });
}

std::string TMainForm::ShowPointReading(const int32_t* Record, int32_t Width, int32_t Height,
                                        int32_t X, int32_t Y)
{
    const int32_t Index = Dragging ? NoPoint : PickPoint(Record, Width, Height, X, Y);
    if (Index == NoPoint || static_cast<size_t>(Index) >= Results.Points.size()) return {};
    return PointReading(Results.Points[static_cast<size_t>(Index)]);
}

void TMainForm::HidePointReading()
{
    if (GraphReading) GraphReading->hide();
}

}  // namespace MainUnit
