// The status line: the busy texts, and between busy times how the function
// expression is read while the user types, where it went wrong after a
// syntax refusal, and the warning that the usual priority rules read it
// otherwise, which stays after the work.
#include "MainForm.h"
#include "MainUnit/Text/ExpressionStatus.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace MainUnit {

void TMainForm::SetStatus(const std::string& Text) { SetStatus(TStatusText{Text, {}, false}); }

void TMainForm::SetStatus(const TStatusText& Status) { ShowStatusText(Status); }

void TMainForm::ShowStatusText(const TStatusText& Status)
{
    // The label shows one short line; the whole text stays at hand. The
    // program's own texts fit; a typed expression in one may not, and is cut.
    const QFontMetrics Metrics(StatusLabel->font());
    const QString Text = QString::fromLatin1(Status.Text);
    const int Room = StatusLabel->contentsRect().width();
    StatusLabel->setText(Metrics.horizontalAdvance(Text) <= Room
                             ? Text
                             : Metrics.elidedText(Text, Qt::ElideRight, Room));
    StatusLabel->setToolTip(
        QString::fromLatin1(Status.Detail.empty() ? Status.Text : Status.Detail));
    QPalette Colours = StatusLabel->palette();
    Colours.setColor(QPalette::WindowText, Status.Warning ? QColor(QRgb(StatusWarningColor))
                                                          : palette().color(QPalette::WindowText));
    StatusLabel->setPalette(Colours);
}

void TMainForm::ShowRestingStatus()
{
    // Only the priority warning outlasts the work: it concerns the text
    // whose graph is shown, until that text is edited.
    TStatusText Status = TypingStatus(FieldText(FunctionExpressionEdit));
    if (!Status.Warning) Status = {};
    SetStatus(Status);
}

void TMainForm::FunctionExpressionEditChange()
{
    // A busy text stays until the work ends (the field is locked meanwhile).
    if (!FunctionExpressionEdit->isEnabled()) return;
    SetStatus(TypingStatus(FieldText(FunctionExpressionEdit)));
}

void TMainForm::ShowSyntaxRefusalStatus()
{
    SetStatus(SyntaxRefusalStatus(FieldText(FunctionExpressionEdit)));
}

}  // namespace MainUnit
