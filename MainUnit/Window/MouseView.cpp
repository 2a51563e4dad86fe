// The mouse on a graph picture: drag to turn the camera, Shift+drag to
// move the picture, wheel to zoom, Ctrl+wheel to move the camera,
// double-click to fit the graph. A gesture writes the view fields as the
// step buttons do and repaints through the same path, but never opens a
// message box: a refusal goes to the status line.
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Window/GraphView.h"
#include "Platform/Picture.h"

#include <QGuiApplication>

#include <cmath>

namespace MainUnit {

void TGraphView::MouseDown(int X, int Y)
{
    Dragging = true;
    DragX = X;
    DragY = Y;
    Moving = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    MoveFromX = X;
    MoveFromY = Y;
    MoveFrom = Host.Options().Pan;
    Picture.setCursor(Moving ? Qt::SizeAllCursor : Qt::ClosedHandCursor);
}

void TGraphView::MouseMove(int X, int Y)
{
    if (!Dragging || (X == DragX && Y == DragY)) return;
    if (Moving) {
        DragX = X;
        DragY = Y;
        // The move is kept in the main graph's pixels, which a larger
        // picture shows scaled as its zoom is.
        const double Scale = Picture.devicePixelRatioF() /
                             FramedZoom(1.0, Picture.ImageWidth(), Picture.ImageHeight());
        Host.MovePicture({MoveFrom.X + int(std::lround((X - MoveFromX) * Scale)),
                          MoveFrom.Y + int(std::lround((Y - MoveFromY) * Scale))},
                         *this);
        return;
    }
    const int DX = X - DragX, DY = Y - DragY;
    // A refused move is dropped rather than saved up for later.
    DragX = X;
    DragY = Y;
    TViewSettings View;
    if (!Host.ReadView(View)) return;
    // Turned by the width that the hand moves over, whatever the picture's size.
    Host.WriteView(DragView(View, DX, DY, Picture.width()), *this);
}

void TGraphView::MouseUp(int X, int Y)
{
    MouseMove(X, Y);
    Dragging = false;
    Moving = false;
    Picture.setCursor(Qt::OpenHandCursor);
}

void TGraphView::Fit()
{
    TViewSettings View;
    if (!Host.ReadView(View)) return;
    Host.WriteView(FitTexts(View), *this);
}

TViewTexts TGraphView::FitTexts(const TViewSettings& View) const
{
    return FitViewToPoints(View, Host.ShownResults(), Host.ShowUndefined(), Host.Options(),
                           GraphWidth, GraphHeight);
}

void TGraphView::Wheel(double Notches, bool Control)
{
    TViewSettings View;
    if (!Host.ReadView(View)) return;
    Host.WriteView(Control ? WheelDistance(View, Notches,
                                           ViewRadius(Host.ShownResults(), Host.Options().Box,
                                                      Host.Options().BoxHeight))
                           : WheelZoom(View, Notches),
                   *this);
}

}  // namespace MainUnit
