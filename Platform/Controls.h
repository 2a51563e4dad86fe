// Creation of the standard controls at fixed pixel bounds. Captions may
// carry an accelerator ("&"); the controls are owned by their parent widget.
#pragma once

#include "Platform/Edit.h"

#include <QString>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace Platform {

// A label that sizes itself to its text; its accelerator focuses Buddy.
QLabel* MakeLabel(QWidget* Parent, int Left, int Top, const QString& Caption,
                  QWidget* Buddy = nullptr);
// A label of fixed size; RightAligned puts the text against its right edge.
QLabel* MakeFixedLabel(QWidget* Parent, int Left, int Top, int Width, int Height,
                       const QString& Caption, QWidget* Buddy = nullptr, bool RightAligned = false);
TEdit* MakeEdit(QWidget* Parent, int Left, int Top, int Width, int Height, const QString& Text);
// A read-only edit on the button-face background.
QLineEdit* MakeReadOnlyEdit(QWidget* Parent, int Left, int Top, int Width, int Height);
QPushButton* MakeButton(QWidget* Parent, int Left, int Top, int Width, int Height,
                        const QString& Caption);
QCheckBox* MakeCheckBox(QWidget* Parent, int Left, int Top, int Width, int Height,
                        const QString& Caption, bool Checked);
QRadioButton* MakeRadioButton(QWidget* Parent, int Left, int Top, int Width, int Height,
                              const QString& Caption, bool Checked);
QGroupBox* MakeGroupBox(QWidget* Parent, int Left, int Top, int Width, int Height,
                        const QString& Caption);
// A panel with a lowered bevel.
QFrame* MakePanel(QWidget* Parent, int Left, int Top, int Width, int Height);

}  // namespace Platform
