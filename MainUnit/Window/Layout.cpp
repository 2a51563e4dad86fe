// The controls of the main window built from its control table, the fixed
// pictures drawn, and the tab order set; the locked set, the legend labels
// and the graph group as one picture.
#include "MainUnit/Window/ControlTable.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "MainUnit/Window/MainFormControls.h"
#include "Platform/Application.h"
#include "Platform/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <string_view>
#include <vector>

namespace MainUnit {

using namespace Platform;

namespace {

// A legend text: white bold on the black legend picture, which shows through.
QLabel* MakeLegendLabel(QWidget* Parent, int Left, int Top, int Width, int Height)
{
    QLabel* Label = MakeFixedLabel(Parent, Left, Top, Width, Height, QString());
    Label->setFont(LegendLabelFont());
    QPalette Palette = Label->palette();
    for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        Palette.setColor(Group, QPalette::WindowText, Qt::white);
    Label->setPalette(Palette);
    Label->setAutoFillBackground(false);
    return Label;
}

QWidget* MakeControl(const TControlRow& Row, QWidget* Parent, QWidget* Buddy)
{
    const QString Caption = QString::fromUtf8(Row.Caption);
    const int L = Row.Left, T = Row.Top, W = Row.Width, H = Row.Height;
    const bool Checked = (Row.Flags & cfChecked) != 0;
    switch (Row.Kind) {
    case TControlKind::Label:
        return MakeLabel(Parent, L, T, Caption, Buddy);
    case TControlKind::FixedLabel:
        return MakeFixedLabel(Parent, L, T, W, H, Caption, Buddy,
                              (Row.Flags & cfRightAligned) != 0);
    case TControlKind::LegendLabel:
        return MakeLegendLabel(Parent, L, T, W, H);
    case TControlKind::Edit:
        return MakeEdit(Parent, L, T, W, H, Caption);
    case TControlKind::ReadOnlyEdit:
        return MakeReadOnlyEdit(Parent, L, T, W, H);
    case TControlKind::Button:
        return MakeButton(Parent, L, T, W, H, Caption);
    case TControlKind::CheckBox:
        return MakeCheckBox(Parent, L, T, W, H, Caption, Checked);
    case TControlKind::RadioButton:
        return MakeRadioButton(Parent, L, T, W, H, Caption, Checked);
    case TControlKind::GroupBox:
        return MakeGroupBox(Parent, L, T, W, H, Caption);
    case TControlKind::Panel:
        return MakePanel(Parent, L, T, W, H);
    case TControlKind::Picture:
        return new TPicture(Parent, L, T, W, H);
    }
    return nullptr;
}

// An earlier control by name; Fallback for "" or a name not built yet.
QWidget* Find(const std::vector<QWidget*>& Built, std::span<const TControlRow> Rows,
              std::string_view Name, QWidget* Fallback)
{
    for (std::size_t I = 0; I < Built.size(); ++I)
        if (Name == Rows[I].Name) return Built[I];
    return Fallback;
}

void SetTabOrder(const std::vector<QWidget*>& Built)
{
    const std::span<const TControlRow> Rows = MainFormControls();
    std::vector<std::pair<int, QWidget*>> Order;
    for (std::size_t I = 0; I < Rows.size(); ++I)
        if (Rows[I].TabOrder > 0) Order.emplace_back(Rows[I].TabOrder, Built[I]);
    std::sort(Order.begin(), Order.end());
    for (std::size_t I = 1; I < Order.size(); ++I)
        QWidget::setTabOrder(Order[I - 1].second, Order[I].second);
}

}  // namespace

TMainFormControls::TMainFormControls(QWidget& Window)
{
    const std::span<const TControlRow> Rows = MainFormControls();
    std::vector<QWidget*> Built;
    Built.reserve(Rows.size());
    for (const TControlRow& Row : Rows) {
        QWidget* Control = MakeControl(Row, Find(Built, Rows, Row.Parent, &Window),
                                       Find(Built, Rows, Row.Buddy, nullptr));
        Control->setObjectName(QString::fromLatin1(Row.Name));
        if (Row.Flags & cfDisabled) Control->setEnabled(false);
        if (Row.Flags & cfBold) Control->setFont(ProgramFont(FontPixelSize, true));
        if (*Row.Hint != '\0') Control->setToolTip(QString::fromUtf8(Row.Hint));
        Row.Bind(*this, Control);
        Built.push_back(Control);
    }
    SetTabOrder(Built);
}

std::array<QWidget*, LockedControlCount> TMainFormControls::LockedControls() const
{
    return {CalculateResultsButton,
            MinDistanceButton,
            HelpButton,
            CloseButton,
            HorAngleIncButton,
            HorAngleDecButton,
            VerAngleIncButton,
            VerAngleDecButton,
            DistanceIncButton,
            DistanceDecButton,
            ZoomIncButton,
            ZoomDecButton,
            UndefResultsCheckBox,
            ZBufferCheckBox,
            Outline3DCheckBox,
            SquareRadioButton,
            RandomRadioButton,
            FunctionExpressionEdit,
            XIntervalFromEdit,
            XIntervalToEdit,
            YIntervalFromEdit,
            YIntervalToEdit,
            ZIntervalFromEdit,
            ZIntervalToEdit,
            PointsToShowEdit,
            HorAngleEdit,
            VerAngleEdit,
            DistanceEdit,
            ZoomEdit};
}

std::array<QLabel*, LegendLabelCount> TMainFormControls::LegendLabels() const
{
    return {FunctionExpressionLabel, XIntervalLabel, ZIntervalLabel, PointsLabel,
            RedWhiteLabel,           RedLabel,       YellowLabel,    GreenLabel,
            LightBlueLabel,          BlueLabel,      PurpleLabel,    UndefinedLabel};
}

TGraphPictureParts TMainFormControls::PictureParts(const QImage& Outline) const
{
    // The texts in the colour the labels show, which follows the background.
    TGraphPictureParts Parts{&GraphImage->Image(),
                             &Outline,
                             &AxisesImage->Image(),
                             &LegendImage->Image(),
                             {},
                             FunctionExpressionLabel->palette().color(QPalette::WindowText)};
    const auto Labels = LegendLabels();
    for (std::size_t I = 0; I < Labels.size(); ++I)
        Parts.LegendTexts[I] = Labels[I]->text();
    return Parts;
}

QImage TMainFormControls::GraphPicture(const TFramedPicture& Framed,
                                       const TPictureOptions& Options) const
{
    return ComposeGraphPicture(PictureParts(OutLineImage->Image()), Framed, Options);
}

QImage TMainFormControls::PictureBelowGraph(const QImage& Outline) const
{
    return ComposeBelowGraph(PictureParts(Outline));
}

}  // namespace MainUnit
