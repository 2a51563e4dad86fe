#include "MainUnit/Window/GraphMenu.h"

#include "MainUnit/Window/ExportActions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include <utility>

namespace MainUnit {

TGraphMenu::TGraphMenu(QWidget& Owner, const TExportActions& ExportActions)
    : Window(Owner), Export(ExportActions)
{
    const std::pair<QAction**, const char*> Items[] = {
        {&BoxAction, "Scale axes to a box"},
        {&TicksAction, "Axes with values"},
        {&LightBackgroundAction, "Light background"},
        {&FitAfterCalculationAction, "Fit after every calculation"},
        {&SurfaceAction, "Draw as surface"},
        {&LightAction, "Shade by light"}};
    for (const auto& [Action, Caption] : Items) {
        *Action = new QAction(QString::fromLatin1(Caption), &Window);
        (*Action)->setCheckable(true);
    }
    // One of three.
    auto* const Group = new QActionGroup(&Window);
    const char* const LegendCaptions[] = {"Sketch and legend below", "Colour bar", "Graph alone"};
    for (std::size_t I = 0; I < LegendActions.size(); ++I) {
        LegendActions[I] = Group->addAction(QString::fromLatin1(LegendCaptions[I]));
        LegendActions[I]->setCheckable(true);
    }
    LegendActions[0]->setChecked(true);
    LargeViewAction = new QAction(QStringLiteral("Open large view"), &Window);
    LargeViewAction->setShortcut(QKeySequence(Qt::Key_F11));
    LargeViewAction->setShortcutContext(Qt::WindowShortcut);
    Window.addAction(LargeViewAction);
}

TPictureOptions TGraphMenu::Choices(TPictureOptions Options) const
{
    Options.Box = BoxAction->isChecked();
    Options.Ticks = TicksAction->isChecked();
    Options.LightBackground = LightBackgroundAction->isChecked();
    Options.FitAfterCalculation = FitAfterCalculationAction->isChecked();
    Options.Surface = SurfaceAction->isChecked();
    Options.Light = LightAction->isChecked();
    for (std::size_t I = 0; I < LegendActions.size(); ++I)
        if (LegendActions[I]->isChecked()) Options.Legend = static_cast<TLegendChoice>(I);
    return Options;
}

void TGraphMenu::SetChoices(const TPictureOptions& Options)
{
    const std::pair<QAction*, bool> States[] = {
        {BoxAction, Options.Box},
        {TicksAction, Options.Ticks},
        {LightBackgroundAction, Options.LightBackground},
        {FitAfterCalculationAction, Options.FitAfterCalculation},
        {SurfaceAction, Options.Surface},
        {LightAction, Options.Light}};
    for (const auto& [Action, State] : States)
        Action->setChecked(State);
    LegendActions[static_cast<std::size_t>(Options.Legend)]->setChecked(true);
}

void TGraphMenu::Fill(QMenu& Menu, bool HaveResults) const
{
    for (QAction* Action : Export.Actions()) {
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
    Menu.addAction(SurfaceAction);
    Menu.addAction(LightAction);
    Menu.addSeparator();
    Menu.addAction(LargeViewAction);
}

void TGraphMenu::Show(QWidget& Over, const QPoint& Position, bool HaveResults) const
{
    QMenu Menu(&Window);
    Fill(Menu, HaveResults);
    Menu.exec(Over.mapToGlobal(Position));
    // The shortcuts stay live; their handlers look at the result set themselves.
    for (QAction* Action : Export.Actions())
        Action->setEnabled(true);
}

}  // namespace MainUnit
