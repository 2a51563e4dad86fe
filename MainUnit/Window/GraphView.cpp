#include "MainUnit/Window/GraphView.h"

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Window/Internal/PointLabel.h"
#include "Platform/Picture.h"

#include <algorithm>
#include <new>

namespace MainUnit {

bool TPointRecord::Reset(int32_t NewWidth, int32_t NewHeight)
{
    Width = NewWidth;
    Height = NewHeight;
    try {
        // The painter sets every entry; only new ones need a value first.
        Points.resize(static_cast<size_t>(Width) * static_cast<size_t>(Height), NoPoint);
    } catch (const std::bad_alloc&) {
        Points.clear();
        Points.shrink_to_fit();
        return false;
    }
    return true;
}

void TPointRecord::Clear() { std::fill(Points.begin(), Points.end(), NoPoint); }

int32_t TPointRecord::Pick(int32_t X, int32_t Y) const
{
    if (Points.empty()) return NoPoint;
    return PickPoint(Points.data(), Width, Height, X, Y);
}

TGraphView::TGraphView(Platform::TPicture& GraphPicture, TGraphViewHost& ViewHost)
    : Picture(GraphPicture), Host(ViewHost)
{
    Connect();
}

void TGraphView::Connect()
{
    Picture.setCursor(Qt::OpenHandCursor);
    Picture.OnMouseDown = [this](int X, int Y) { MouseDown(X, Y); };
    Picture.OnMouseMove = [this](int X, int Y) { MouseMove(X, Y); };
    Picture.OnMouseUp = [this](int X, int Y) { MouseUp(X, Y); };
    Picture.OnDoubleClick = [this](int, int) { Fit(); };
    Picture.OnWheel = [this](double Notches, bool Control) { Wheel(Notches, Control); };
    Label = new TPointLabel(&Picture);
    Picture.FollowPointer([this](int X, int Y) { Pick(X, Y); }, [this] { Label->hide(); });
    Picture.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&Picture, &QWidget::customContextMenuRequested, &Picture,
                     [this](const QPoint& Position) { Host.ShowMenu(Picture, Position); });
}

std::string TGraphView::Pick(int X, int Y)
{
    // The pointer is in the widget's units, the record in the picture's pixels.
    const qreal Ratio = Picture.Image().devicePixelRatio();
    const int32_t Index =
        Dragging ? NoPoint
                 : Record.Pick(static_cast<int32_t>(X * Ratio), static_cast<int32_t>(Y * Ratio));
    const TResultSet& Results = Host.ShownResults();
    std::string Reading;
    if (Index != NoPoint && static_cast<size_t>(Index) < Results.Points.size())
        Reading = PointReading(Results.Points[static_cast<size_t>(Index)]);
    Label->ShowReading({X, Y}, Reading);
    return Reading;
}

void TGraphView::HideReading() { Label->hide(); }

void TGraphView::Blank(uint32_t Color)
{
    HideReading();
    Platform::TCanvas& Canvas = Picture.Canvas();
    Canvas.SetBrushColor(Color);
    Canvas.FillRect(0, 0, Picture.ImageWidth(), Picture.ImageHeight());
    Record.Clear();
}

bool TGraphView::KeepDepthBuffer(const TPictureRequest& Request)
{
    if (!NeedsDepthBuffer(Request) ||
        (Depth.Width == Request.Width && Depth.Height == Request.Height))
        return true;
    return PrepareDepthBuffer(Request, Depth);
}

}  // namespace MainUnit
