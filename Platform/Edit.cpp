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
    // QLineEdit drops its selection when the focus moves to another control.
    const TSelection Selection = SaveSelection();
    QLineEdit::focusOutEvent(Event);
    RestoreSelection(Selection);
    // Losing the focus with the window's activation, to a popup, or because
    // the edit itself was disabled is no move to another control.
    const Qt::FocusReason Reason = Event->reason();
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
