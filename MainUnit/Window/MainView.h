// The one view of the main window as its pictures see it: the four view
// fields read and written for the gestures of the main graph and of the
// large view, the fit, and the picture of the view painted anew.
#pragma once

#include "MainUnit/Text/Refusal.h"
#include "MainUnit/Window/GraphView.h"
#include "MainUnit/Window/LargeView.h"

#include <QImage>

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
    void WriteView(const TViewTexts& Texts) override;
    void MovePicture(TPan Pan) override;
    void ShowMenu(QWidget& Over, const QPoint& Position) override;
    QImage PictureBelowGraph(const QImage& Sketch) const override;

private:
    TMainForm& Form;
    // A zero-time timer fires once the events already waiting are handled.
    QTimer* GestureRepaint = nullptr;
};

}  // namespace MainUnit
