// The main window: function settings, view settings, the graph with its axes
// sketch and legend, the status line, Help and Close.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Files/AtomicFile.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/ViewSettings.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Text/LegendText.h"
#include "MainUnit/Text/Refusal.h"
#include "Platform/Edit.h"
#include "Platform/Form.h"
#include "Platform/Picture.h"
#include "TesselVersion.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QMenu;
class QPoint;
class QPushButton;
class QRadioButton;
class QTimer;

namespace HelpUnit {
class THelpForm;
}

namespace Proc3D {
struct TViewPlane;
}

namespace MainUnit {

class TLargeView;
class TPointLabel;
struct TCalculationOutcome;
struct TRepaintPlan;
struct TStatusText;
struct TViewTexts;

// Caption of the main window and the application's title.
inline constexpr const char* ApplicationTitle = "Tessel version " TESSEL_VERSION;
inline constexpr const char* MainFormCaption =
    "Tessel version " TESSEL_VERSION " - F(X, Z) function graph";
inline constexpr int MainFormWidth = 792;
inline constexpr int MainFormHeight = 569;

// The colour 0xRRGGBB of a warning in the status line.
inline constexpr uint32_t StatusWarningColor = 0xB03000;

// The input controls that are locked while the window is busy.
inline constexpr int LockedControlCount = 29;

class TMainForm : public Platform::TForm {
public:
    TMainForm();

    // The help window that "&Help" shows; created after this window.
    HelpUnit::THelpForm* HelpForm = nullptr;

    // " Function settings "
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label15 = nullptr;
    Platform::TEdit* FunctionExpressionEdit = nullptr;
    QLabel* Label2 = nullptr;
    Platform::TEdit* XIntervalFromEdit = nullptr;
    QLabel* Label4 = nullptr;
    Platform::TEdit* XIntervalToEdit = nullptr;
    QLabel* Label3 = nullptr;
    Platform::TEdit* YIntervalFromEdit = nullptr;
    QLabel* Label6 = nullptr;
    Platform::TEdit* YIntervalToEdit = nullptr;
    QLabel* Label5 = nullptr;
    Platform::TEdit* ZIntervalFromEdit = nullptr;
    QLabel* Label7 = nullptr;
    Platform::TEdit* ZIntervalToEdit = nullptr;
    QLabel* Label8 = nullptr;
    Platform::TEdit* PointsToShowEdit = nullptr;
    QFrame* Panel1 = nullptr;
    QRadioButton* SquareRadioButton = nullptr;
    QRadioButton* RandomRadioButton = nullptr;
    QPushButton* CalculateResultsButton = nullptr;

    // " Graph-View settings "
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label13 = nullptr;
    Platform::TEdit* HorAngleEdit = nullptr;
    QPushButton* HorAngleIncButton = nullptr;
    QPushButton* HorAngleDecButton = nullptr;
    QLabel* Label14 = nullptr;
    Platform::TEdit* VerAngleEdit = nullptr;
    QPushButton* VerAngleIncButton = nullptr;
    QPushButton* VerAngleDecButton = nullptr;
    QLabel* Label19 = nullptr;
    QPushButton* MinDistanceButton = nullptr;
    Platform::TEdit* DistanceEdit = nullptr;
    QPushButton* DistanceIncButton = nullptr;
    QPushButton* DistanceDecButton = nullptr;
    QLabel* Label20 = nullptr;
    Platform::TEdit* ZoomEdit = nullptr;
    QPushButton* ZoomIncButton = nullptr;
    QPushButton* ZoomDecButton = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* CameraYEdit = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* CameraXEdit = nullptr;
    QLabel* Label23 = nullptr;
    QLineEdit* CameraZEdit = nullptr;
    QCheckBox* UndefResultsCheckBox = nullptr;
    QCheckBox* ZBufferCheckBox = nullptr;
    QCheckBox* Outline3DCheckBox = nullptr;

    // " Graph window "
    QGroupBox* GroupBox4 = nullptr;
    Platform::TPicture* GraphImage = nullptr;
    Platform::TPicture* OutLineImage = nullptr;
    Platform::TPicture* AxisesImage = nullptr;
    Platform::TPicture* LegendImage = nullptr;
    QLabel* FunctionExpressionLabel = nullptr;
    QLabel* XIntervalLabel = nullptr;
    QLabel* ZIntervalLabel = nullptr;
    QLabel* PointsLabel = nullptr;
    QLabel* RedWhiteLabel = nullptr;
    QLabel* RedLabel = nullptr;
    QLabel* YellowLabel = nullptr;
    QLabel* GreenLabel = nullptr;
    QLabel* LightBlueLabel = nullptr;
    QLabel* BlueLabel = nullptr;
    QLabel* PurpleLabel = nullptr;
    QLabel* UndefinedLabel = nullptr;

    // " Status "
    QGroupBox* GroupBox1 = nullptr;
    QLabel* StatusLabel = nullptr;

    QPushButton* HelpButton = nullptr;
    QPushButton* CloseButton = nullptr;

    // The result set; only the calculation and FormCreate write it.
    TResultSet Results;

    // Start-up and state.
    void FormCreate();
    void FormActivate();
    void ClearImages();
    void SetControlsEnabled(bool Enabled);
    void DisableControls();
    // Writes the status line; its tooltip holds the whole text. A warning
    // shows in the warning colour.
    void SetStatus(const std::string& Text);
    void SetStatus(const TStatusText& Status);
    // The status line after the work of a busy time or a quiet repaint: the
    // priority warning of the expression if it has one, else nothing.
    void ShowRestingStatus();
    void EnableControls();
    void CloseButtonClick();
    void HelpButtonClick();

    // The 29 locked controls, in the order SetControlsEnabled walks them.
    std::array<QWidget*, LockedControlCount> LockedControls() const;

    // Calculation, graph, axes sketch and legend.
    void CalculateResultsButtonClick();
    // The status line while idle: the reading of the expression as it is
    // typed, and after a syntax refusal where the expression went wrong.
    void FunctionExpressionEditChange();
    void ShowSyntaxRefusalStatus();
    // "Add brackets for the usual priority" (Ctrl+B in the expression field,
    // and its context menu): the expression replaced, as one undoable edit,
    // by one that means what the usual rules make of it.
    QAction* UsualPriorityAction = nullptr;
    void AddUsualPriorityBrackets();
    // The expression field's context menu: the edit's own items and the
    // brackets; the caller owns it.
    QMenu* CreateFunctionMenu();
    // Enter in a function settings field calculates.
    void FunctionSettingsKeyPress(char Key);
    void RepaintGraph();
    void UndefResultsCheckBoxClick();
    void ZBufferCheckBoxClick();
    void Outline3DCheckBoxClick();
    // Expression null empties all twelve legend labels.
    void UpdateLegend(const char* Expression);
    // The legend labels in the order of LegendTextsInOrder.
    std::array<QLabel*, LegendLabelCount> LegendLabels() const;

    // "Calculate results" without the information box (a calculation asked
    // for on the command line).
    void CalculateWithoutAnnouncement();
    // The seed of every random order instead of the clock, when set.
    std::optional<uint32_t> FixedRandomSeed;

    // The graph's context menu (Ctrl+S, Ctrl+Shift+C): the picture of the
    // graph group saved as PNG or copied, the points exported as CSV.
    QAction* SavePictureAction = nullptr;
    QAction* CopyPictureAction = nullptr;
    QAction* ExportPointsAction = nullptr;
    void SavePictureAs();
    void CopyPicture();
    void ExportPointsCsv();

    // The view choices of the graph's context menu, checkable, off at start
    // and kept while the program runs: "Scale axes to a box", "Axes with
    // values", "Light background", "Fit after every calculation".
    TPictureOptions PictureOptions;
    QAction* BoxAction = nullptr;
    QAction* TicksAction = nullptr;
    QAction* LightBackgroundAction = nullptr;
    QAction* FitAfterCalculationAction = nullptr;
    // "Beside the picture": the legend choices in the order of TLegendChoice.
    std::array<QAction*, 3> LegendActions{};
    // The graph's context menu, built in one place for every view of the graph.
    void FillGraphMenu(QMenu& Menu);
    // Sets the choices and their menu items, and shows the window in them.
    void SetPictureOptions(const TPictureOptions& Options);
    // The radius the camera distance must exceed in the current choices.
    double ViewRadius() const;
    // The graph's context menu over Over, at Position in its coordinates:
    // the same menu over the main graph and the large view.
    void ShowGraphMenu(QWidget* Over, const QPoint& Position);
    // The menu's actions that have a shortcut.
    QList<QAction*> GraphMenuActions() const;

    // "Open large view" (F11 wherever the focus is in this window): the
    // second window, made on first use and kept while this one lives.
    QAction* LargeViewAction = nullptr;
    TLargeView* LargeView = nullptr;
    void OpenLargeView();
    // What the graph group shows, as one picture, with what the menu
    // chooses beside the graph.
    QImage GraphPicture() const;
    // The parts of that picture below the graph, with Outline for the sketch.
    QImage PictureBelowGraph(const QImage& Outline) const;
    // Asks for the name of a file to write, proposing Proposed; empty when
    // cancelled. Tests put their own function in place of the dialog.
    std::function<QString(QWidget* Parent, const QString& Caption, const QString& Proposed,
                          const QString& Filter)>
        SaveFileNameFunction;

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

    // The repaint of a gesture: the same picture as RepaintGraph, without
    // locking the window or blinking the status line, and with a refusal
    // written into the status line instead of a message box. False when
    // refused.
    bool RepaintGraphQuietly();

    // The mouse on the graph (drag to turn, wheel to zoom, Ctrl+wheel to move
    // the camera, double-click to fit).
    void GraphImageMouseDown(int X, int Y);
    void GraphImageMouseMove(int X, int Y);
    void GraphImageMouseUp(int X, int Y);
    void GraphImageDoubleClick(int X, int Y);
    void GraphImageWheel(double Notches, bool Control);
    // A drag of (DX, DY) pixels over a picture Width pixels wide, wherever
    // the view is shown.
    void DragGesture(int DX, int DY, int32_t Width);

    // Which point set each pixel of the graph, kept by every repaint.
    std::vector<int32_t> GraphPoints;
    // The reading of the point under the pointer at (X, Y) of a picture with
    // that record, while the pointer is over a drawn point (or within reach
    // of one); empty otherwise. Each picture shows it in its own label.
    std::string ShowPointReading(const int32_t* Record, int32_t Width, int32_t Height, int32_t X,
                                 int32_t Y);
    // The label beside the pointer over the main graph, and its hiding.
    TPointLabel* GraphReading = nullptr;
    void HidePointReading();

private:
    void CreateControls();
    void SetTabOrder(const std::vector<QWidget*>& Built);
    void ConnectEvents();
    void ConnectViewFields();

    void CreateExportActions();
    void CreateFunctionActions();
    void CreateViewChoiceActions();
    void ViewChoiceToggled();
    // The fixed pictures and legend labels in the colours of the background.
    void ApplyBackgroundColours();
    // The zoom texts of the fit that frames the drawn points.
    TViewTexts FitTexts(const TViewSettings& View) const;
    // Writes the fit's zoom into the zoom field when the view fields pass.
    void FitZoomField();
    QString AskExportFileName(const QString& Caption, const char* Extension, const QString& Filter);
    void WriteExportFile(const QString& Path, const TFileContent& Content);
    // The blank-free expression of the last successful calculation.
    std::string ResultExpression;
    // Where the last file was written while the program runs.
    QString LastExportFolder;

    void Calculate(bool Announce);
    void ReportCalculationRefusal(const TCalculationOutcome& Outcome);
    // The distance field corrected as a calculation corrects it, for the
    // radius of the current choices.
    void CorrectDistanceField();
    // The locked control that had the focus when the lock began.
    QWidget* FocusBeforeLock = nullptr;
    void ApplyStep(QLineEdit* Edit, const TStep& Step);
    TRefusal PlanRepaint(TRepaintPlan& Plan);
    // A refusal in its box: an error box for a memory failure, else a warning.
    void ShowRefusal(TRefusal Refusal);
    void PaintPlanned(TRepaintPlan& Plan, bool Locked);

    // Gestures: the fields change at once, the repaint waits for the event
    // loop, so that a burst of moves is painted once, at its newest state.
    void ConnectMouse();
    bool ReadViewForGesture(TViewSettings& View);
    void ApplyGesture(const TViewTexts& Texts);
    void RepaintGestureLater();
    bool Dragging = false;
    int DragX = 0;
    int DragY = 0;
    QTimer* GestureRepaint = nullptr;
    void ViewEditExit(QLineEdit* Edit);
    void ConnectPointReading();
    void ShowStatusText(const TStatusText& Status);
    void ViewEditKeyPress(char Key);
    // True while the box of a refused repaint is open.
    bool RepaintRefusalShown = false;
};

// The text of a field as the computing code reads it: one 8-bit character
// per character of the field, '?' for those beyond Latin-1.
std::string FieldText(const QLineEdit* Edit);
// Writes a text the program made, showing its beginning.
void SetFieldText(QLineEdit* Edit, const std::string& Text);

}  // namespace MainUnit
