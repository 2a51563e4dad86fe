// A fixed-size main window: activation event, modal windows over it, message
// boxes and redraw on demand.
#pragma once

#include "Platform/MessageBox.h"

#include <QWidget>

#include <functional>
#include <string>

namespace Platform {

class TForm : public QWidget {
public:
    // ClientWidth x ClientHeight is the fixed client area; the window has a
    // system menu and a minimise button, but cannot be maximised or resized.
    TForm(int ClientWidth, int ClientHeight);

    // Raised each time this window becomes the program's active window: when
    // it is first shown and whenever a modal window of the program (a message
    // box, a dialog run through RunModal) has closed over it. Switching to
    // another program and back is no activation of the program's window.
    std::function<void()> OnActivate;

    // The one function every message box of this window goes through.
    TMessageBoxFunction MessageBoxFunction = ShowMessageBox;

    // Shows a modal message box; returns when it is closed, after this window
    // has become active again.
    void ShowMessage(TMessageKind Kind, const std::string& Text);

    // Runs a modal window of the program over this one and returns when it
    // has closed, after this window has become active again.
    void RunModal(const std::function<void()>& Modal);

    // Repaints the whole window before returning.
    void RedrawNow();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void Activate();

    bool FirstShowDone = false;
};

}  // namespace Platform
