#include "Platform/Edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace Platform {

TEdit::TEdit(QWidget* Parent) : QLineEdit(Parent) {}

TEdit::TSelection TEdit::SaveSelection() const
{
    return {selectionStart(), selectionLength(), cursorPosition()};
}

void TEdit::RestoreSelection(const TSelection& Selection)
{
    if (Selection.Start >= 0 && Selection.Length > 0) {
        // Selecting backwards from the far end keeps the cursor where it was.
        if (Selection.Cursor == Selection.Start)
            setSelection(Selection.Start + Selection.Length, -Selection.Length);
        else
            setSelection(Selection.Start, Selection.Length);
    } else {
        deselect();
        setCursorPosition(Selection.Cursor);
    }
}

void TEdit::focusInEvent(QFocusEvent* Event)
{
    // QLineEdit selects everything when reached by Tab or an accelerator.
    const TSelection Selection = SaveSelection();
    QLineEdit::focusInEvent(Event);
    RestoreSelection(Selection);
}

void TEdit::focusOutEvent(QFocusEvent* Event)
{
    // QLineEdit drops its selection when the focus moves to another control,
    // and keeps it only when the whole window loses its activation. Told so,
    // it keeps the selection and hides the caret. (Setting the selection
    // again afterwards would show a caret without the focus.)
    const Qt::FocusReason Reason = Event->reason();
    QFocusEvent KeepSelection(
        Event->type(), Reason == Qt::PopupFocusReason ? Reason : Qt::ActiveWindowFocusReason);
    QLineEdit::focusOutEvent(&KeepSelection);
    // Losing the focus with the window's activation, to a popup, or because
    // the edit itself was disabled is no move to another control.
    if (Reason != Qt::ActiveWindowFocusReason && Reason != Qt::PopupFocusReason && isEnabled() &&
        OnExit)
        OnExit();
}

void TEdit::keyPressEvent(QKeyEvent* Event)
{
    char Key = 0;
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
        Key = '\r';
    } else {
        const QString Text = Event->text();
        if (Text.size() == 1 && Text.at(0).unicode() < 128) Key = char(Text.at(0).unicode());
    }
    if (Key != 0 && OnKeyPress) OnKeyPress(Key);
    QLineEdit::keyPressEvent(Event);
}

}  // namespace Platform
