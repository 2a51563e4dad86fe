// A single-line edit with exit and key-press events. It keeps its selection
// when it loses the focus and does not select its whole text when it gets it.
#pragma once

#include <QLineEdit>

#include <functional>

namespace Platform {

class TEdit : public QLineEdit {
public:
    explicit TEdit(QWidget* Parent);

    // The focus moved from this edit to another control of its window (not
    // raised when the whole window loses activation, nor when the edit is
    // disabled while it has the focus).
    std::function<void()> OnExit;
    // A character was typed; Enter arrives as '\r'. The key then goes on to
    // the edit's own handling.
    std::function<void(char Key)> OnKeyPress;

    // The flag that the user's typing sets; the program reads and clears it
    // (QLineEdit's isModified() and setModified()).

protected:
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    struct TSelection {
        int Start = -1;
        int Length = 0;
        int Cursor = 0;
    };
    TSelection SaveSelection() const;
    void RestoreSelection(const TSelection& Selection);
};

}  // namespace Platform
