// The controls of the main window, each named by its role and kind, built
// from the control table; the window holds them as its own.
#pragma once

#include "MainUnit/Text/LegendText.h"
#include "Platform/Controls.h"
#include "Platform/Edit.h"
#include "Platform/Picture.h"

#include <QImage>

#include <array>

namespace MainUnit {

struct TGraphPictureParts;
struct TFramedPicture;
struct TPictureOptions;

// The input controls that are locked while the window is busy.
inline constexpr int LockedControlCount = 29;

struct TMainFormControls {
    // Builds every control of the table on Window, with its tab order.
    explicit TMainFormControls(QWidget& Window);

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

    // The 29 locked controls, in the order SetControlsEnabled walks them.
    std::array<QWidget*, LockedControlCount> LockedControls() const;
    // The legend labels in the order of LegendTextsInOrder.
    std::array<QLabel*, LegendLabelCount> LegendLabels() const;
    // What the graph group shows, as one picture laid out by Framed.
    QImage GraphPicture(const TFramedPicture& Framed, const TPictureOptions& Options) const;
    // The parts of that picture below the graph, with Outline for the sketch.
    QImage PictureBelowGraph(const QImage& Outline) const;

private:
    TGraphPictureParts PictureParts(const QImage& Outline) const;
};

}  // namespace MainUnit
