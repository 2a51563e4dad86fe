// The view choices of the graph's context menu: scale the axes to a box,
// axes with values, a light background and the fit after every
// calculation. Each is a checkable item, off at start, kept while the
// program runs, and the window, the saved picture and the copied one follow it.
#include "MainForm.h"
#include "MainUnit/Calculation/Statistics.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Window/Internal/FixedPictures.h"
#include "MainUnit/Window/Internal/GraphPicture.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace MainUnit {

void TMainForm::CreateViewChoiceActions()
{
    const std::pair<QAction**, const char*> Items[] = {
        {&BoxAction, "Scale axes to a box"},
        {&TicksAction, "Axes with values"},
        {&LightBackgroundAction, "Light background"},
        {&FitAfterCalculationAction, "Fit after every calculation"}};
    for (const auto& [Action, Caption] : Items) {
        *Action = new QAction(QString::fromLatin1(Caption), this);
        (*Action)->setCheckable(true);
        connect(*Action, &QAction::triggered, this, [this] { ViewChoiceToggled(); });
    }
    // What the saved and copied pictures and the large view carry beside
    // the graph: one of three.
    auto* const Group = new QActionGroup(this);
    const char* const LegendCaptions[] = {"Sketch and legend below", "Colour bar", "Graph alone"};
    for (std::size_t I = 0; I < LegendActions.size(); ++I) {
        LegendActions[I] = Group->addAction(QString::fromLatin1(LegendCaptions[I]));
        LegendActions[I]->setCheckable(true);
        connect(LegendActions[I], &QAction::triggered, this, [this] { ViewChoiceToggled(); });
    }
    LegendActions[0]->setChecked(true);
}

void TMainForm::FillGraphMenu(QMenu& Menu)
{
    const bool HaveResults = !Results.Points.empty();
    for (QAction* Action : {SavePictureAction, CopyPictureAction, ExportPointsAction}) {
        Action->setEnabled(HaveResults);
        Menu.addAction(Action);
    }
    Menu.addSeparator();
    for (QAction* Action :
         {BoxAction, TicksAction, LightBackgroundAction, FitAfterCalculationAction})
        Menu.addAction(Action);
    QMenu* const Legend = Menu.addMenu(QStringLiteral("Beside the picture"));
    for (QAction* Action : LegendActions)
        Legend->addAction(Action);
    Menu.addSeparator();
    Menu.addAction(LargeViewAction);
}

double TMainForm::ViewRadius() const { return MainUnit::ViewRadius(Results, PictureOptions.Box); }

TViewTexts TMainForm::FitTexts(const TViewSettings& View) const
{
    return FitViewToPoints(View, Results, UndefResultsCheckBox->isChecked(), PictureOptions,
                           GraphImage->ImageWidth(), GraphImage->ImageHeight());
}

void TMainForm::SetPictureOptions(const TPictureOptions& Options)
{
    const std::pair<QAction*, bool> States[] = {
        {BoxAction, Options.Box},
        {TicksAction, Options.Ticks},
        {LightBackgroundAction, Options.LightBackground},
        {FitAfterCalculationAction, Options.FitAfterCalculation}};
    for (const auto& [Action, State] : States)
        Action->setChecked(State);
    LegendActions[static_cast<std::size_t>(Options.Legend)]->setChecked(true);
    PictureOptions = Options;
    ApplyBackgroundColours();
}

void TMainForm::ViewChoiceToggled()
{
    const bool BoxBefore = PictureOptions.Box;
    const double RadiusBefore = ViewRadius();
    PictureOptions.Box = BoxAction->isChecked();
    PictureOptions.Ticks = TicksAction->isChecked();
    PictureOptions.LightBackground = LightBackgroundAction->isChecked();
    PictureOptions.FitAfterCalculation = FitAfterCalculationAction->isChecked();
    for (std::size_t I = 0; I < LegendActions.size(); ++I)
        if (LegendActions[I]->isChecked()) PictureOptions.Legend = static_cast<TLegendChoice>(I);
    ApplyBackgroundColours();
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
        CorrectDistanceField();
        if (PictureOptions.FitAfterCalculation) FitZoomField();
    }
    RepaintGraph();
}

void TMainForm::ApplyBackgroundColours()
{
    const bool Light = PictureOptions.LightBackground;
    DrawLegendImage(LegendImage->Canvas(), Light);
    DrawAxisesImage(AxisesImage->Canvas(), Light);
    const QColor Text = ForegroundQColor(PictureOptions);
    for (QLabel* Label : {FunctionExpressionLabel, XIntervalLabel, ZIntervalLabel, PointsLabel,
                          RedWhiteLabel, RedLabel, YellowLabel, GreenLabel, LightBlueLabel,
                          BlueLabel, PurpleLabel, UndefinedLabel}) {
        QPalette Palette = Label->palette();
        for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            Palette.setColor(Group, QPalette::WindowText, Text);
        Label->setPalette(Palette);
    }
}

}  // namespace MainUnit
