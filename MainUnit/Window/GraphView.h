// One picture of the graph in a window, and the mouse on it: what it last
// painted, which point set each of its pixels, the point under the pointer,
// and the gestures (drag to turn, wheel to zoom, Ctrl+wheel to move the
// camera, double-click to fit) turned into view texts for the window that
// holds the view. The main window's graph and the large view are two.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/PaintScratch.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Picture/ViewGesture.h"
#include "MainUnit/Picture/ViewSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPoint;
class QWidget;

namespace Platform {
class TPicture;
}

namespace MainUnit {

class TGraphView;
class TPointLabel;

// What a graph view needs of the window whose view fields it shows.
class TGraphViewHost {
public:
    virtual const TResultSet& ShownResults() const = 0;
    virtual bool ShowUndefined() const = 0;
    virtual const TPictureOptions& Options() const = 0;
    // The view as the fields hold it, checked as the repaint checks it;
    // false, with the reason said, when refused. The fields stay as they are.
    virtual bool ReadView(TViewSettings& View) = 0;
    // Writes the texts (an empty one leaves its field); when one changed,
    // the view is repainted once the events already waiting are handled,
    // so that a burst of moves is painted once, at its newest state. From
    // is the picture of the gesture, which is painted first.
    virtual void WriteView(const TViewTexts& Texts, const TGraphView& From) = 0;
    // Shift+drag: the picture moved to Pan (pixels of the main graph), held
    // inside it; repainted as WriteView repaints when it changed.
    virtual void MovePicture(TPan Pan, const TGraphView& From) = 0;
    // The graph's context menu over Over, at Position in its coordinates.
    virtual void ShowMenu(QWidget& Over, const QPoint& Position) = 0;

protected:
    ~TGraphViewHost() = default;
};

// Which point set each pixel of a picture, NoPoint where none did.
struct TPointRecord {
    std::vector<int32_t> Points;
    int32_t Width = 0;
    int32_t Height = 0;

    // Sized for Width x Height for the painter, which sets every entry;
    // false, and empty so that nothing is picked, when memory lacks.
    bool Reset(int32_t NewWidth, int32_t NewHeight);
    // No point on any pixel.
    void Clear();
    // The pixel record to paint into; null when there is none.
    int32_t* Data() { return Points.empty() ? nullptr : Points.data(); }
    // The point at (X, Y) or the nearest within reach; NoPoint when none.
    int32_t Pick(int32_t X, int32_t Y) const;
};

// What a picture was last asked to paint: the request (with its view) as
// the repaint admitted it.
struct TShownView {
    bool Painted = false;  // false: blank, nothing to paint again
    TPictureRequest Request;
};

class TGraphView {
public:
    // Takes over Picture's mouse, pointer and context menu.
    TGraphView(Platform::TPicture& Picture, TGraphViewHost& Host);

    Platform::TPicture& Picture;
    TPointRecord Record;
    TShownView Shown;
    TPaintScratch Scratch;  // the repaint's memory for its second core
    TDepthBuffer Depth;     // kept while the picture's size stays

    // The gestures, at the picture's coordinates.
    void MouseDown(int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp(int X, int Y);
    void Wheel(double Notches, bool Control);
    // The zoom that frames the drawn points (a double-click).
    void Fit();
    // The texts of that fit for View: the main picture framed, as every
    // larger picture of the same view frames it.
    TViewTexts FitTexts(const TViewSettings& View) const;
    // Shows the point under (X, Y), at the picture's coordinates; returns
    // its reading, empty when there is none.
    std::string Pick(int X, int Y);
    // The label of the reading beside the pointer.
    const TPointLabel* ReadingLabel() const { return Label; }
    // Hides the reading beside the pointer (the picture changed under it).
    void HideReading();
    // The picture filled with Color and nothing to pick; what it showed is
    // kept, to be painted again.
    void Blank(uint32_t Color);
    // Depth made ready for Request when it asks for one: made anew only
    // when the size changed, so that a gesture's repaints reuse it. False
    // when memory lacks.
    bool KeepDepthBuffer(const TPictureRequest& Request);

private:
    TGraphViewHost& Host;
    TPointLabel* Label = nullptr;  // the reading beside the pointer, a child of Picture
    bool Dragging = false;
    int DragX = 0;
    int DragY = 0;
    // A Shift+drag moves the picture from where it was when the drag began.
    bool Moving = false;
    int MoveFromX = 0, MoveFromY = 0;
    TPan MoveFrom;
    void Connect();
};

}  // namespace MainUnit
