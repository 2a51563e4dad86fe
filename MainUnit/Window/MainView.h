// The one view of the main window as its pictures see it: the four view
// fields read and written for the gestures of the main graph and of the
// large view, the fit, and the picture of the view painted anew.
#pragma once

#include "MainUnit/Text/Refusal.h"
#include "MainUnit/Window/GraphView.h"
#include "MainUnit/Window/LargeView.h"

#include <QImage>

#include <optional>

class QTimer;

namespace MainUnit {

class TMainForm;

class TMainView final : public TLargeViewHost {
public:
    explicit TMainView(TMainForm& Form);

    // The main window's graph.
    TGraphView Graph;
    // "Open large view": the second window, made on first use and kept
    // while the main window lives.
    TLargeView* LargeView = nullptr;
    void OpenLargeView();

    // The view of the four fields, checked as the repaint checks it.
    TRefusal CheckFields(TViewSettings& View) const;
    // Writes the fit's zoom into the zoom field when the view fields pass.
    void FitZoomField();
    // The distance field corrected as a calculation corrects it, for the
    // radius of the current choices.
    void CorrectDistanceField();
    // The picture of the view last painted, as the command line paints it
    // from the result set, whatever the window shows at this moment; the
    // window's own picture when none was painted.
    QImage ViewPicture() const;

    const TResultSet& ShownResults() const override;
    bool ShowUndefined() const override;
    const TPictureOptions& Options() const override;
    bool ReadView(TViewSettings& View) override;
    void WriteView(const TViewTexts& Texts, const TGraphView& From) override;
    void MovePicture(TPan Pan, const TGraphView& From) override;
    // Shift+drag's move over the main graph.
    void MovePicture(TPan Pan) { MovePicture(Pan, Graph); }
    void ShowMenu(QWidget& Over, const QPoint& Position) override;
    QImage PictureBelowGraph(const QImage& Sketch) const override;

    // A gesture over the large view paints the large picture at once and
    // the main window's picture of the same Request later: once the events
    // already waiting are handled and no gesture's repaint is due, so that
    // a burst of moves paints it once and never holds up the large one.
    void PaintMainLater(const TPictureRequest& Request);
    // The main window's picture still owed, painted now; nothing when none
    // is owed.
    void PaintMainNow();
    // Forgets it: the main window's picture is painted anew or blanked.
    void DropMainLater();

private:
    TMainForm& Form;
    // A zero-time timer fires once the events already waiting are handled.
    QTimer* GestureRepaint = nullptr;
    bool LargeViewLeads = false;  // the gesture to repaint for was over the large view
    QTimer* MainRepaint = nullptr;
    std::optional<TPictureRequest> MainOwed;
    void RepaintForGesture(const TGraphView& From);
};

}  // namespace MainUnit
