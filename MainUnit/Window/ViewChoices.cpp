// The view choices of the graph's context menu: scale the axes to a box,
// axes with values, a light background, the fit after every calculation,
// the graph drawn as a surface and that surface shaded by a light. Each is a checkable item, off at start, kept while the
// program runs, and the window, the saved picture and the copied one follow it.
#include "MainForm.h"
#include "MainUnit/Calculation/Statistics.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/ColourBar.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/Internal/GraphPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace MainUnit {

namespace {

// The fixed pictures and legend labels in the colours of the background.
void ApplyBackgroundColours(TMainForm& Form)
{
    const bool Light = Form.PictureOptions.LightBackground;
    DrawLegendImage(Form.LegendImage->Canvas(), Light);
    DrawAxisesImage(Form.AxisesImage->Canvas(), Light);
    const QColor Text = ForegroundQColor(Form.PictureOptions);
    for (QLabel* Label : Form.LegendLabels()) {
        QPalette Palette = Label->palette();
        for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            Palette.setColor(Group, QPalette::WindowText, Text);
        Label->setPalette(Palette);
    }
}

}  // namespace

double TMainForm::ViewRadius() const
{
    return MainUnit::ViewRadius(Results, PictureOptions.Box, PictureOptions.BoxHeight);
}

QImage TMainForm::GraphPicture() const
{
    return TMainFormControls::GraphPicture(FramePicture(false, GraphImage->ImageWidth(),
                                                        GraphImage->ImageHeight(), PictureOptions,
                                                        Results, UndefResultsCheckBox->isChecked()),
                                           PictureOptions);
}

void TMainForm::SetPictureOptions(const TPictureOptions& Options)
{
    Menu.SetChoices(Options);
    PictureOptions = Options;
    ApplyBackgroundColours(*this);
}

void TMainForm::ViewChoiceToggled()
{
    const bool BoxBefore = PictureOptions.Box;
    const double RadiusBefore = ViewRadius();
    PictureOptions = Menu.Choices(PictureOptions);
    ApplyBackgroundColours(*this);
    if (Results.Points.empty()) return;
    if (PictureOptions.Box != BoxBefore) {
        // The radius the distance must exceed changes with the box: the
        // camera keeps its distance in radii, is corrected as after a
        // calculation, and the zoom refitted when the fit follows every
        // calculation.
        double Distance = 0;
        if (ReadReal(FieldText(DistanceEdit), Distance) && RadiusBefore > 0)
            SetFieldText(DistanceEdit, FormatReal(static_cast<long double>(Distance) /
                                                  RadiusBefore * ViewRadius()));
        View.CorrectDistanceField();
        if (PictureOptions.FitAfterCalculation) View.FitZoomField();
    }
    RepaintGraph();
}

}  // namespace MainUnit
