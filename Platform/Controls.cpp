#include "Platform/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace Platform {

QLabel* MakeLabel(QWidget* Parent, int Left, int Top, const QString& Caption, QWidget* Buddy)
{
    auto* Label = new QLabel(Caption, Parent);
    Label->setTextFormat(Qt::PlainText);
    Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (Buddy) Label->setBuddy(Buddy);
    Label->move(Left, Top);
    Label->adjustSize();
    return Label;
}

QLabel* MakeFixedLabel(QWidget* Parent, int Left, int Top, int Width, int Height,
                       const QString& Caption, QWidget* Buddy, bool RightAligned)
{
    auto* Label = new QLabel(Caption, Parent);
    Label->setTextFormat(Qt::PlainText);
    Label->setAlignment((RightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    if (Buddy) Label->setBuddy(Buddy);
    Label->setGeometry(Left, Top, Width, Height);
    return Label;
}

TEdit* MakeEdit(QWidget* Parent, int Left, int Top, int Width, int Height, const QString& Text)
{
    auto* Edit = new TEdit(Parent);
    Edit->setText(Text);
    Edit->setGeometry(Left, Top, Width, Height);
    return Edit;
}

QLineEdit* MakeReadOnlyEdit(QWidget* Parent, int Left, int Top, int Width, int Height)
{
    auto* Edit = new QLineEdit(Parent);
    Edit->setReadOnly(true);
    QPalette Palette = Edit->palette();
    for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        Palette.setColor(Group, QPalette::Base, Palette.color(Group, QPalette::Button));
    Edit->setPalette(Palette);
    Edit->setGeometry(Left, Top, Width, Height);
    return Edit;
}

QPushButton* MakeButton(QWidget* Parent, int Left, int Top, int Width, int Height,
                        const QString& Caption)
{
    auto* Button = new QPushButton(Caption, Parent);
    Button->setAutoDefault(false);
    Button->setGeometry(Left, Top, Width, Height);
    return Button;
}

namespace {

template <class TButton>
TButton* MakeCheckable(QWidget* Parent, int Left, int Top, int Width, int Height,
                       const QString& Caption, bool Checked)
{
    auto* Button = new TButton(Caption, Parent);
    Button->setChecked(Checked);
    Button->setGeometry(Left, Top, Width, Height);
    return Button;
}

}  // namespace

QCheckBox* MakeCheckBox(QWidget* Parent, int Left, int Top, int Width, int Height,
                        const QString& Caption, bool Checked)
{
    return MakeCheckable<QCheckBox>(Parent, Left, Top, Width, Height, Caption, Checked);
}

QRadioButton* MakeRadioButton(QWidget* Parent, int Left, int Top, int Width, int Height,
                              const QString& Caption, bool Checked)
{
    return MakeCheckable<QRadioButton>(Parent, Left, Top, Width, Height, Caption, Checked);
}

QGroupBox* MakeGroupBox(QWidget* Parent, int Left, int Top, int Width, int Height,
                        const QString& Caption)
{
    auto* Box = new QGroupBox(Caption, Parent);
    Box->setGeometry(Left, Top, Width, Height);
    return Box;
}

QFrame* MakePanel(QWidget* Parent, int Left, int Top, int Width, int Height)
{
    auto* Panel = new QFrame(Parent);
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel->setLineWidth(1);
    Panel->setGeometry(Left, Top, Width, Height);
    return Panel;
}

}  // namespace Platform
