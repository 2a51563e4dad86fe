// The function settings fields beyond typing: Enter calculates, and the
// expression field adds the brackets that give a text typed the usual way
// its usual meaning (Ctrl+B and the field's context menu).
#include "MainForm.h"
#include "MainUnit/Text/ExpressionStatus.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace MainUnit {
namespace {

constexpr char EnterKey = '\r';

}  // namespace

void TMainForm::CreateFunctionActions()
{
    UsualPriorityAction =
        new QAction(QStringLiteral("Add brackets for the usual priority"), FunctionExpressionEdit);
    UsualPriorityAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    UsualPriorityAction->setShortcutContext(Qt::WidgetShortcut);
    FunctionExpressionEdit->addAction(UsualPriorityAction);
    connect(UsualPriorityAction, &QAction::triggered, this, [this] { AddUsualPriorityBrackets(); });
    FunctionExpressionEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FunctionExpressionEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& Position) {
                QMenu* Menu = CreateFunctionMenu();
                Menu->exec(FunctionExpressionEdit->mapToGlobal(Position));
                delete Menu;
            });
    for (Platform::TEdit* Edit :
         {FunctionExpressionEdit, XIntervalFromEdit, XIntervalToEdit, YIntervalFromEdit,
          YIntervalToEdit, ZIntervalFromEdit, ZIntervalToEdit, PointsToShowEdit})
        Edit->OnKeyPress = [this](char Key) { FunctionSettingsKeyPress(Key); };
}

QMenu* TMainForm::CreateFunctionMenu()
{
    QMenu* Menu = FunctionExpressionEdit->createStandardContextMenu();
    Menu->addSeparator();
    Menu->addAction(UsualPriorityAction);
    return Menu;
}

void TMainForm::AddUsualPriorityBrackets()
{
    if (!FunctionExpressionEdit->isEnabled()) return;
    const std::string Typed = FieldText(FunctionExpressionEdit);
    const TUsualRewrite Rewrite = RewriteForUsualPriority(Typed);
    if (Rewrite.Text.empty()) {
        SetStatus(Rewrite.Status);
        return;
    }
    if (Rewrite.Text == Typed) return;
    // Replacing the selection is one step of the field's undo history (a
    // new text would clear the history), so Ctrl+Z brings the typed text back.
    FunctionExpressionEdit->selectAll();
    FunctionExpressionEdit->insert(QString::fromLatin1(Rewrite.Text));
}

void TMainForm::FunctionSettingsKeyPress(char Key)
{
    if (Key == EnterKey) CalculateResultsButtonClick();
}

}  // namespace MainUnit
