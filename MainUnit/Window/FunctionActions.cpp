#include "MainUnit/Window/FunctionActions.h"

#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Window/MainForm.h"
#include "MainUnit/Window/MainFormControls.h"
#include "MainUnit/Window/StatusLine.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <utility>

namespace MainUnit {
namespace {

constexpr char EnterKey = '\r';

}  // namespace

TFunctionActions::TFunctionActions(TMainFormControls& FormControls, TStatusLine& StatusLine,
                                   const std::function<void()>& Calculate)
    : Controls(FormControls), Status(StatusLine)
{
    Platform::TEdit* const Expression = Controls.FunctionExpressionEdit;
    UsualPriorityAction =
        new QAction(QStringLiteral("Add brackets for the usual priority"), Expression);
    UsualPriorityAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    UsualPriorityAction->setShortcutContext(Qt::WidgetShortcut);
    Expression->addAction(UsualPriorityAction);
    QObject::connect(UsualPriorityAction, &QAction::triggered, Expression,
                     [this] { AddUsualPriorityBrackets(); });
    Expression->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(Expression, &QWidget::customContextMenuRequested, Expression,
                     [this, Expression](const QPoint& Position) {
                         QMenu* Menu = CreateFunctionMenu();
                         Menu->exec(Expression->mapToGlobal(Position));
                         delete Menu;
                     });
    for (Platform::TEdit* Edit :
         {Controls.FunctionExpressionEdit, Controls.XIntervalFromEdit, Controls.XIntervalToEdit,
          Controls.YIntervalFromEdit, Controls.YIntervalToEdit, Controls.ZIntervalFromEdit,
          Controls.ZIntervalToEdit, Controls.PointsToShowEdit})
        Edit->OnKeyPress = [Calculate](char Key) {
            if (Key == EnterKey) Calculate();
        };
}

QMenu* TFunctionActions::CreateFunctionMenu() const
{
    QMenu* Menu = Controls.FunctionExpressionEdit->createStandardContextMenu();
    Menu->addSeparator();
    Menu->addAction(UsualPriorityAction);
    return Menu;
}

void TFunctionActions::AddUsualPriorityBrackets()
{
    QLineEdit* const Expression = Controls.FunctionExpressionEdit;
    if (!Expression->isEnabled()) return;
    const std::string Typed = FieldText(Expression);
    const TUsualRewrite Rewrite = RewriteForUsualPriority(Typed);
    if (Rewrite.Text.empty()) {
        Status.Set(Rewrite.Status);
        return;
    }
    if (Rewrite.Text == Typed) return;
    // Replacing the selection is one step of the field's undo history (a
    // new text would clear the history), so Ctrl+Z brings the typed text back.
    Expression->selectAll();
    Expression->insert(QString::fromLatin1(Rewrite.Text));
}

}  // namespace MainUnit
