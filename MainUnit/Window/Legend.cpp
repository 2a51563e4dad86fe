// The legend beside the graph: the function, the intervals, the number of
// points and the Y value of each colour swatch.
#include "MainForm.h"
#include "MainUnit/LegendText.h"

#include <QLabel>
#include <QRadioButton>

namespace MainUnit {

void TMainForm::UpdateLegend(const char* Expression)
{
    const TLegendTexts Texts = MakeLegendTexts(Expression, Results, SquareRadioButton->isChecked());

    const std::pair<QLabel*, const std::string*> Labels[] = {
        {FunctionExpressionLabel, &Texts.FunctionExpression},
        {XIntervalLabel, &Texts.XInterval},
        {ZIntervalLabel, &Texts.ZInterval},
        {PointsLabel, &Texts.Points},
        {RedWhiteLabel, &Texts.RedWhite},
        {RedLabel, &Texts.Red},
        {YellowLabel, &Texts.Yellow},
        {GreenLabel, &Texts.Green},
        {LightBlueLabel, &Texts.LightBlue},
        {BlueLabel, &Texts.Blue},
        {PurpleLabel, &Texts.Purple},
        {UndefinedLabel, &Texts.Undefined}};
    // The tooltip shows a text in full where the label is too narrow for it.
    for (const auto& [Label, Text] : Labels) {
        const QString Shown = QString::fromLatin1(Text->data(), qsizetype(Text->size()));
        Label->setText(Shown);
        Label->setToolTip(Shown);
    }
}

}  // namespace MainUnit
