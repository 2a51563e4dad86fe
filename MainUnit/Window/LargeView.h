// The large view: a second, resizable window showing the main window's
// result set and view, painted at the window's real device pixels, with the
// main window's legend and axes sketch below it. Its gestures write the main
// window's view fields, and every repaint of the main window repaints it:
// one view, two pictures. The colour bar at the picture's right replaces
// the strip below when the graph's menu chooses it.
#pragma once

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Picture/ViewSettings.h"
#include "MainUnit/Window/GraphView.h"
#include "Platform/Canvas.h"
#include "Platform/Picture.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QTimer;

namespace MainUnit {

inline constexpr const char* LargeViewCaption = "Tessel - large view";

// What the large view needs of the window whose view it shows, beyond the
// gestures: the part of that window's graph group below the graph (the
// sketch, its colour key and the legend), with the large view's own axes
// sketch in place of the window's.
class TLargeViewHost : public TGraphViewHost {
public:
    virtual QImage PictureBelowGraph(const QImage& Sketch) const = 0;

protected:
    ~TLargeViewHost() = default;
};

class TLargeView : public QWidget {
public:
    // A window of Owner's; Shortcuts are Owner's actions that work here too.
    TLargeView(QWidget& Owner, TLargeViewHost& Host, const QList<QAction*>& Shortcuts);
    ~TLargeView() override;

    // Paints what the main window's repaint has just painted, Request as it
    // admitted it, at this window's size (now, if shown).
    void Follow(const TPictureRequest& Request);
    // Blank, as the main window's graph, in the background of the choices.
    void Clear();
    // The legend and sketch below the picture, as the main window has them now.
    void UpdateLegend();
    // F11 and Escape.
    void ToggleFullScreen();

    Platform::TPicture* Picture = nullptr;
    QLabel* Legend = nullptr;  // the main window's legend and axes sketch
    QLabel* Bar = nullptr;     // or the colour bar at the picture's right
    // The picture's view, point record and gestures.
    std::unique_ptr<TGraphView> Graph;
    const TShownView& State() const { return Graph->Shown; }

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    TLargeViewHost& Host;
    QTimer* ResizeRepaint = nullptr;
    QImage Sketch;  // the axes sketch of this view
    Platform::TCanvas SketchCanvas;
    // Where the window was before it went full screen.
    QRect NormalGeometry;
    void Paint();
    bool PlanPaint(TPictureRequest& Request, TPicturePlan& Plan);
};

}  // namespace MainUnit
