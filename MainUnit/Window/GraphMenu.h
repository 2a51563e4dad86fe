// The graph's context menu, the same over the main graph and the large view:
// the export actions, the view choices ("Scale axes to a box", "Axes with
// values", "Light background", "Fit after every calculation", "Draw as
// surface", "Shade by light"), checkable, off at start and kept while the
// program runs, and "Open large view" (F11 wherever the focus is in the
// window), with the submenu "Beside the picture".
#pragma once

#include "MainUnit/Picture/PictureOptions.h"

#include <array>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace MainUnit {

class TExportActions;

class TGraphMenu {
public:
    TGraphMenu(QWidget& Window, const TExportActions& Export);

    QAction* BoxAction = nullptr;
    QAction* TicksAction = nullptr;
    QAction* LightBackgroundAction = nullptr;
    QAction* FitAfterCalculationAction = nullptr;
    QAction* SurfaceAction = nullptr;
    QAction* LightAction = nullptr;
    QAction* LargeViewAction = nullptr;
    // "Beside the picture": what the saved and copied pictures and the
    // large view carry beside the graph, in the order of TLegendChoice.
    std::array<QAction*, 3> LegendActions{};

    // Options with the menu's choices as the items are checked; the options
    // the menu does not show stay as they are.
    TPictureOptions Choices(TPictureOptions Options) const;
    void SetChoices(const TPictureOptions& Options);
    // The items in their order; the export items enabled with a result set.
    void Fill(QMenu& Menu, bool HaveResults) const;
    // The menu over Over, at Position in its coordinates.
    void Show(QWidget& Over, const QPoint& Position, bool HaveResults) const;

private:
    QWidget& Window;
    const TExportActions& Export;
};

}  // namespace MainUnit
