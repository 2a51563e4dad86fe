// The legend beside the graph: the function, the intervals, the number of
// points and the Y value of each colour swatch.
#include "MainForm.h"
#include "MainUnit/Text/LegendText.h"

#include <QLabel>
#include <QRadioButton>

namespace MainUnit {

void TMainForm::UpdateLegend(const char* Expression)
{
    const TLegendTexts Texts = MakeLegendTexts(Expression, Results, SquareRadioButton->isChecked());

    const auto Shown = LegendTextsInOrder(Texts);
    const auto Labels = LegendLabels();
    // The tooltip shows a text in full where the label is too narrow for it.
    for (int I = 0; I < LegendLabelCount; ++I) {
        const QString Text = QString::fromLatin1(Shown[I]->data(), qsizetype(Shown[I]->size()));
        Labels[I]->setText(Text);
        Labels[I]->setToolTip(Text);
    }
    // The large view shows the same legend below its picture.
    if (View.LargeView) View.LargeView->UpdateLegend();
}

}  // namespace MainUnit
