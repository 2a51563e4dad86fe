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
#include "Platform/Canvas.h"
#include "Platform/Picture.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;
class QTimer;

namespace MainUnit {

class TMainForm;
class TPointLabel;

inline constexpr const char* LargeViewCaption = "Tessel - large view";

// How the large view was last asked to paint: the main window's picture
// request, whose size (and so view plane) the large view makes its own.
struct TLargeViewState {
    bool Painted = false;  // false: black, nothing to pick
    TPictureRequest Request;
};

class TLargeView : public QWidget {
public:
    explicit TLargeView(TMainForm& Owner);

    // Paints what the main window's repaint has just painted, Request as it
    // admitted it, at this window's size (now, if shown).
    void Follow(const TPictureRequest& Request);
    // Black, as the main window's graph before a calculation.
    void Clear();
    // F11 and Escape.
    void ToggleFullScreen();

    Platform::TPicture* Picture = nullptr;
    QLabel* Legend = nullptr;        // the main window's legend and axes sketch
    QLabel* Bar = nullptr;           // or the colour bar at the picture's right
    TPointLabel* Reading = nullptr;  // the point under the pointer
    // Which point set each pixel of Picture.
    std::vector<int32_t> Points;
    const TLargeViewState& State() const { return StateValue; }

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    TMainForm& Form;
    TLargeViewState StateValue;
    QTimer* ResizeRepaint = nullptr;
    TDepthBuffer Depth;  // kept while the size stays
    QImage Sketch;       // the axes sketch of this view
    Platform::TCanvas SketchCanvas;
    bool Dragging = false;
    int DragX = 0;
    int DragY = 0;
    void ConnectMouse();
    void Paint();
    bool PlanPaint(TPictureRequest& Request, TPicturePlan& Plan);
    void ShowReading(int X, int Y);
    // The strip below or the bar beside the picture, as the menu chose.
    void UpdateLegend(const TPictureRequest& Request);
};

}  // namespace MainUnit
