// The main window: function settings, view settings, the graph with its axes
// sketch and legend, the status line, Help and Close.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Text/Refusal.h"
#include "MainUnit/Window/ExportActions.h"
#include "MainUnit/Window/FunctionActions.h"
#include "MainUnit/Window/GraphMenu.h"
#include "MainUnit/Window/MainFormControls.h"
#include "MainUnit/Window/MainView.h"
#include "MainUnit/Window/StatusLine.h"
#include "Platform/Form.h"
#include "TesselVersion.h"

#include <cstdint>
#include <optional>
#include <string>

class QLineEdit;

namespace HelpUnit {
class THelpForm;
}

namespace MainUnit {

struct TCalculationOutcome;
struct TRepaintPlan;

// Caption of the main window and the application's title.
inline constexpr const char* ApplicationTitle = "Tessel version " TESSEL_VERSION;
inline constexpr const char* MainFormCaption =
    "Tessel version " TESSEL_VERSION " - F(X, Z) function graph";
inline constexpr int MainFormWidth = 792;
inline constexpr int MainFormHeight = 569;

// The window's controls are its TMainFormControls, by their names.
class TMainForm : public Platform::TForm, public TMainFormControls {
public:
    TMainForm();

    // The help window that "&Help" shows; created after this window.
    HelpUnit::THelpForm* HelpForm = nullptr;
    // The result set; only the calculation and FormCreate write it.
    TResultSet Results;
    // The seed of every random order instead of the clock, when set.
    std::optional<uint32_t> FixedRandomSeed;
    // The view choices of the graph's context menu.
    TPictureOptions PictureOptions;

    TStatusLine Status;
    TExportActions Export;
    TGraphMenu Menu;
    TFunctionActions FunctionActions;
    TMainView View;

    // Start-up and state.
    void FormCreate();
    void FormActivate();
    void ClearImages();
    void SetControlsEnabled(bool Enabled);
    void DisableControls();
    void EnableControls();
    void CloseButtonClick();
    void HelpButtonClick();

    // Calculation, graph, axes sketch and legend. Calculate(false) is
    // "Calculate results" without the information box (a calculation asked
    // for on the command line).
    void CalculateResultsButtonClick();
    void Calculate(bool Announce);
    void RepaintGraph();
    // The repaint of a gesture: the same picture as RepaintGraph, without
    // locking the window or blinking the status line, and with a refusal
    // written into the status line instead of a message box. False when
    // refused. With LargeViewFirst and the large view shown, its picture is
    // painted at once and the main window's later (TMainView::PaintMainLater).
    bool RepaintGraphQuietly(bool LargeViewFirst = false);
    // The main window's picture of Request, which such a repaint admitted,
    // painted as that repaint paints it.
    void RepaintMainPicture(const TPictureRequest& Request);
    void UndefResultsCheckBoxClick();
    void ZBufferCheckBoxClick();
    void Outline3DCheckBoxClick();
    // Expression null empties all twelve legend labels.
    void UpdateLegend(const char* Expression);
    // Sets the choices and their menu items, and shows the window in them.
    void SetPictureOptions(const TPictureOptions& Options);
    // The radius the camera distance must exceed in the current choices.
    double ViewRadius() const;
    // What the graph group shows, as one picture, with what the menu
    // chooses beside the graph.
    QImage GraphPicture() const;

    // View controls.
    void HorAngleIncButtonClick();
    void HorAngleDecButtonClick();
    void VerAngleIncButtonClick();
    void VerAngleDecButtonClick();
    void DistanceIncButtonClick();
    void DistanceDecButtonClick();
    void ZoomIncButtonClick();
    void ZoomDecButtonClick();
    void MinDistanceButtonClick();
    void HorAngleEditExit();
    void VerAngleEditExit();
    void DistanceEditExit();
    void ZoomEditExit();
    void HorAngleEditKeyPress(char Key);
    void VerAngleEditKeyPress(char Key);
    void DistanceEditKeyPress(char Key);
    void ZoomEditKeyPress(char Key);

private:
    void ConnectEvents();
    void ReportCalculationRefusal(const TCalculationOutcome& Outcome);
    TRefusal PlanRepaint(TRepaintPlan& Plan);
    // A refusal in its box: an error box for a memory failure, else a warning.
    void ShowRefusal(TRefusal Refusal);
    void PaintPlanned(TRepaintPlan& Plan, bool Locked);
    void ShowCamera(const TRepaintPlan& Plan);
    void PaintMainPicture(const TRepaintPlan& Plan);
    void ViewChoiceToggled();
    // The locked control that had the focus when the lock began.
    QWidget* FocusBeforeLock = nullptr;
    // True while the box of a refused repaint is open.
    bool RepaintRefusalShown = false;
};

// The text of a field as the computing code reads it: one 8-bit character
// per character of the field, '?' for those beyond Latin-1.
std::string FieldText(const QLineEdit* Edit);
// Writes a text the program made, showing its beginning.
void SetFieldText(QLineEdit* Edit, const std::string& Text);

}  // namespace MainUnit
