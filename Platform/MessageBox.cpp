#include "Platform/MessageBox.h"

#include <QMessageBox>

namespace Platform {

void ShowMessageBox(QWidget* Parent, TMessageKind Kind, const std::string& Text)
{
    QMessageBox::Icon Icon = QMessageBox::Warning;
    QString Caption = QStringLiteral("Warning");
    if (Kind == TMessageKind::mkError) {
        Icon = QMessageBox::Critical;
        Caption = QStringLiteral("Error");
    } else if (Kind == TMessageKind::mkInformation) {
        Icon = QMessageBox::Information;
        Caption = QStringLiteral("Information");
    }
    QMessageBox Box(Icon, Caption, QString::fromUtf8(Text.data(), qsizetype(Text.size())),
                    QMessageBox::Ok, Parent);
    Box.setTextFormat(Qt::PlainText);
    Box.setWindowModality(Qt::ApplicationModal);
    Box.exec();
}

}  // namespace Platform
