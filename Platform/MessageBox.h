// Modal message boxes with one OK button.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace Platform {

enum class TMessageKind { mkWarning, mkError, mkInformation };

// Shows a modal box captioned "Warning", "Error" or "Information" with the
// matching icon and one OK button; returns when the box is closed.
void ShowMessageBox(QWidget* Parent, TMessageKind Kind, const std::string& Text);

// Every message of a window goes through one function of this type, so that
// tests can put a recorder in place of the real box.
using TMessageBoxFunction =
    std::function<void(QWidget* Parent, TMessageKind Kind, const std::string& Text)>;

}  // namespace Platform
