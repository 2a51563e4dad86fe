// The status line: the busy texts, and between busy times how the function
// expression is read while the user types and where it went wrong after a
// syntax refusal.
#include "MainForm.h"
#include "MainUnit/ExpressionStatus.h"

#include <QLabel>
#include <QLineEdit>

namespace MainUnit {

void TMainForm::SetStatus(const std::string& Text)
{
    RestingStatus = Text;
    ReadingShown = false;
    ShowStatusText(Text);
}

void TMainForm::ShowStatusText(const std::string& Text)
{
    // The label shows one short line; the whole text stays at hand.
    StatusLabel->setText(QString::fromLatin1(Text));
    StatusLabel->setToolTip(QString::fromLatin1(Text));
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
