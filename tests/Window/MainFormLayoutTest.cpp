// The main window as it opens: every control's place, caption, text and
// state, the captions fitting their bounds, and the tab order.
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Window/ControlTable.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string_view>
#include <vector>

namespace {

using MainUnit::TControlKind;
using MainUnit::TControlRow;
using MainUnit::TMainForm;

bool IsKind(QWidget* Widget, TControlKind Kind)
{
    switch (Kind) {
    case TControlKind::Label:
    case TControlKind::FixedLabel:
    case TControlKind::LegendLabel:
        return qobject_cast<QLabel*>(Widget) != nullptr;
    case TControlKind::Edit:
        return dynamic_cast<Platform::TEdit*>(Widget) != nullptr;
    case TControlKind::ReadOnlyEdit:
        return qobject_cast<QLineEdit*>(Widget) != nullptr &&
               qobject_cast<QLineEdit*>(Widget)->isReadOnly();
    case TControlKind::Button:
        return qobject_cast<QPushButton*>(Widget) != nullptr;
    case TControlKind::CheckBox:
        return qobject_cast<QCheckBox*>(Widget) != nullptr;
    case TControlKind::RadioButton:
        return qobject_cast<QRadioButton*>(Widget) != nullptr;
    case TControlKind::GroupBox:
        return qobject_cast<QGroupBox*>(Widget) != nullptr;
    case TControlKind::Panel:
        return qobject_cast<QFrame*>(Widget) != nullptr && !qobject_cast<QLabel*>(Widget);
    case TControlKind::Picture:
        return dynamic_cast<Platform::TPicture*>(Widget) != nullptr;
    }
    return false;
}

bool IsLabel(TControlKind Kind)
{
    return Kind == TControlKind::Label || Kind == TControlKind::FixedLabel ||
           Kind == TControlKind::LegendLabel;
}

// The built control of a row, found by its object name; the window for "".
QWidget* Built(TMainForm& Form, std::string_view Name)
{
    if (Name.empty()) return &Form;
    return Form.findChild<QWidget*>(QString::fromLatin1(Name.data(), qsizetype(Name.size())));
}

// The letter after the "&" of a caption, upper case; 0 for none.
char Accelerator(const char* Caption)
{
    const char* Mark = std::strchr(Caption, '&');
    return Mark && Mark[1] ? char(std::toupper(static_cast<unsigned char>(Mark[1]))) : 0;
}

QString CaptionOf(QWidget* Widget)
{
    if (auto* Label = qobject_cast<QLabel*>(Widget)) return Label->text();
    if (auto* Edit = qobject_cast<QLineEdit*>(Widget)) return Edit->text();
    if (auto* Button = qobject_cast<QAbstractButton*>(Widget)) return Button->text();
    if (auto* Box = qobject_cast<QGroupBox*>(Widget)) return Box->title();
    return QString();
}

// The caption as shown: the "&" that marks the accelerator is not drawn.
int ShownTextWidth(QWidget* Widget)
{
    QString Text = CaptionOf(Widget);
    Text.remove(QLatin1Char('&'));
    return Widget->fontMetrics().horizontalAdvance(Text);
}

// The room the style leaves for the text beside a check or radio indicator.
QRect CaptionRoom(QWidget* Control, bool Check)
{
    QStyleOptionButton Option;
    Option.initFrom(Control);
    return Control->style()->subElementRect(
        Check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &Option, Control);
}

// Whether A may share pixels with its sibling B: a legend text lies over the
// legend picture and touches the next text; radio buttons side by side may
// share their bounds where the left one's caption has ended.
bool OverlapMeant(const TControlRow& A, QWidget* AControl, const TControlRow& B, QWidget* BControl)
{
    if (A.Kind == TControlKind::LegendLabel)
        return B.Kind == TControlKind::LegendLabel || B.Kind == TControlKind::Picture;
    if (A.Kind == TControlKind::RadioButton && B.Kind == TControlKind::RadioButton &&
        AControl->x() < BControl->x())
        return AControl->x() + CaptionRoom(AControl, false).left() + ShownTextWidth(AControl) <
               BControl->x();
    return false;
}

}  // namespace

TEST_F(WindowTest, EveryControlHasItsKindPlaceCaptionAndText)
{
    for (const TControlRow& Row : MainUnit::MainFormControls()) {
        SCOPED_TRACE(Row.Name);
        QWidget* Control = Built(*Form, Row.Name);
        ASSERT_NE(Control, nullptr);
        EXPECT_TRUE(IsKind(Control, Row.Kind));
        EXPECT_EQ(Control->parentWidget(), Built(*Form, Row.Parent));
        EXPECT_EQ(Control->pos(), QPoint(Row.Left, Row.Top));
        if (Row.Kind != TControlKind::Label) {
            EXPECT_EQ(Control->size(), QSize(Row.Width, Row.Height));
        }
        EXPECT_EQ(CaptionOf(Control).toStdString(), Row.Caption);
        EXPECT_TRUE(Control->isVisible());
        EXPECT_EQ(Control->isEnabled(), !(Row.Flags & MainUnit::cfDisabled));
        if (auto* Button = qobject_cast<QAbstractButton*>(Control)) {
            EXPECT_EQ(Button->isChecked(), (Row.Flags & MainUnit::cfChecked) != 0);
        }
        if (auto* Label = qobject_cast<QLabel*>(Control)) {
            EXPECT_EQ(Label->buddy(), *Row.Buddy ? Built(*Form, Row.Buddy) : nullptr);
        }
        EXPECT_EQ(Control->toolTip().toStdString(), Row.Hint);
    }
}

// What must hold for every row: names, parents and buddies that exist, a
// complete tab order of exactly the controls that take the focus, distinct
// accelerators, every control inside its parent, and no two siblings
// overlapping except the legend texts, which lie over the legend picture
// and touch one another.
TEST_F(WindowTest, TheControlTableHoldsTogether)
{
    const auto Rows = MainUnit::MainFormControls();
    std::set<std::string_view> Names;
    std::set<char> Accelerators;
    std::vector<int> TabOrders;
    for (const TControlRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_TRUE(Names.insert(Row.Name).second) << "a second row of this name";
        if (*Row.Parent) {
            ASSERT_TRUE(Names.count(Row.Parent)) << "the parent comes later or not at all";
            const TControlKind Kind = MainUnit::FindControlRow(Row.Parent)->Kind;
            EXPECT_TRUE(Kind == TControlKind::GroupBox || Kind == TControlKind::Panel);
        }
        if (*Row.Buddy) {
            EXPECT_TRUE(IsLabel(Row.Kind));
            ASSERT_TRUE(Names.count(Row.Buddy)) << "the buddy comes later or not at all";
            EXPECT_TRUE(MainUnit::TakesFocus(MainUnit::FindControlRow(Row.Buddy)->Kind));
        }
        if (const char Letter = Accelerator(Row.Caption)) {
            EXPECT_TRUE(Accelerators.insert(Letter).second) << "accelerator " << Letter;
            EXPECT_TRUE(!IsLabel(Row.Kind) || *Row.Buddy) << "a label's accelerator goes nowhere";
        }
        EXPECT_EQ(Row.TabOrder > 0, MainUnit::TakesFocus(Row.Kind));
        if (Row.TabOrder > 0) TabOrders.push_back(Row.TabOrder);

        QWidget* Control = Built(*Form, Row.Name);
        ASSERT_NE(Control, nullptr);
        EXPECT_TRUE(Control->parentWidget()->rect().contains(Control->geometry()));
        for (const TControlRow& Other : Rows) {
            QWidget* OtherControl = Built(*Form, Other.Name);
            if (&Other == &Row || OtherControl->parentWidget() != Control->parentWidget()) continue;
            if (!OverlapMeant(Row, Control, Other, OtherControl) &&
                !OverlapMeant(Other, OtherControl, Row, Control)) {
                EXPECT_FALSE(Control->geometry().intersects(OtherControl->geometry()))
                    << "overlaps " << Other.Name;
            }
        }
    }
    std::sort(TabOrders.begin(), TabOrders.end());
    for (std::size_t I = 0; I < TabOrders.size(); ++I)
        EXPECT_EQ(TabOrders[I], int(I) + 1) << "the tab order has a gap or a place twice";
}

TEST_F(WindowTest, WindowIsFixedWithItsCaptionAndNoMaximise)
{
    EXPECT_EQ(Form->size(), QSize(792, 569));
    EXPECT_EQ(Form->minimumSize(), Form->maximumSize());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Tessel version 1.00 - F(X, Z) function graph"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Tessel version 1.00"));
    const Qt::WindowFlags Flags = Form->windowFlags();
    EXPECT_FALSE(Flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(Flags & Qt::WindowSystemMenuHint);
}

TEST_F(WindowTest, InitialStatesOfChecksEditsAndPictures)
{
    EXPECT_TRUE(Form->SquareRadioButton->isChecked());
    EXPECT_FALSE(Form->RandomRadioButton->isChecked());
    EXPECT_TRUE(Form->UndefResultsCheckBox->isChecked());
    EXPECT_FALSE(Form->ZBufferCheckBox->isChecked());
    EXPECT_FALSE(Form->Outline3DCheckBox->isChecked());
    for (QLineEdit* Camera : {Form->CameraXEdit, Form->CameraYEdit, Form->CameraZEdit}) {
        EXPECT_TRUE(Camera->isReadOnly());
        EXPECT_EQ(Camera->palette().color(QPalette::Base), Form->palette().color(QPalette::Button));
    }
    for (QWidget* Control : Form->LockedControls())
        if (auto* Edit = qobject_cast<QLineEdit*>(Control)) {
            EXPECT_FALSE(Edit->isReadOnly());
        }
    EXPECT_EQ(Form->MinDistanceButton->toolTip(),
              QStringLiteral(" Sets 'Distance' to minimal possible value "));
    for (Platform::TPicture* Picture : {Form->GraphImage, Form->OutLineImage})
        for (QPoint P :
             {QPoint(0, 0), QPoint(Picture->ImageWidth() - 1, Picture->ImageHeight() - 1),
              QPoint(Picture->ImageWidth() / 2, Picture->ImageHeight() / 2)})
            EXPECT_EQ(Picture->Canvas().Pixel(P.x(), P.y()), 0u);
    EXPECT_EQ(QApplication::focusWidget(), Form->FunctionExpressionEdit);
    EXPECT_TRUE(Form->Results.Points.empty());
    EXPECT_EQ(Form->Results.BoundingRadius, 0.0);
}

TEST_F(WindowTest, LegendAndStatusLabelsAreWhiteBoldTransparentOverTheLegend)
{
    QLabel* const Legend[] = {Form->FunctionExpressionLabel,
                              Form->XIntervalLabel,
                              Form->ZIntervalLabel,
                              Form->PointsLabel,
                              Form->RedWhiteLabel,
                              Form->RedLabel,
                              Form->YellowLabel,
                              Form->GreenLabel,
                              Form->LightBlueLabel,
                              Form->BlueLabel,
                              Form->PurpleLabel,
                              Form->UndefinedLabel};
    for (QLabel* Label : Legend) {
        EXPECT_TRUE(Label->text().isEmpty());
        EXPECT_TRUE(Label->font().bold());
        EXPECT_EQ(Label->font().pixelSize(), 13);
        EXPECT_FALSE(Label->autoFillBackground());
        EXPECT_EQ(Label->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_TRUE(Form->LegendImage->geometry().contains(Label->geometry()));
        // Stacked above the picture: a later sibling is drawn on top.
        const QObjectList& Siblings = Form->GroupBox4->children();
        EXPECT_GT(Siblings.indexOf(Label), Siblings.indexOf(Form->LegendImage));
    }
    EXPECT_TRUE(Form->StatusLabel->font().bold());
    EXPECT_TRUE(Form->StatusLabel->text().isEmpty());
}

TEST_F(WindowTest, CaptionsFitTheirBounds)
{
    for (const TControlRow& Row : MainUnit::MainFormControls()) {
        SCOPED_TRACE(Row.Name);
        QWidget* Control = Built(*Form, Row.Name);
        const bool Check = Row.Kind == TControlKind::CheckBox;
        if (Row.Kind == TControlKind::Button) {
            EXPECT_LE(ShownTextWidth(Control) + 4, Control->width());
        } else if (Check || Row.Kind == TControlKind::RadioButton) {
            const QRect Room = CaptionRoom(Control, Check);
            EXPECT_LE(ShownTextWidth(Control), Room.width());
            EXPECT_LE(Control->fontMetrics().height(), Room.height() + 2);
        } else if (IsLabel(Row.Kind) && !CaptionOf(Control).isEmpty()) {
            EXPECT_LE(ShownTextWidth(Control), Control->width());
            EXPECT_LE(Control->fontMetrics().height(), Control->height());
            // A label never runs into a control beside it.
            for (QObject* Child : Control->parentWidget()->children()) {
                auto* Other = qobject_cast<QWidget*>(Child);
                if (Other && Other != Control && !qobject_cast<QLabel*>(Other)) {
                    EXPECT_FALSE(Other->geometry().intersects(Control->geometry()))
                        << CaptionOf(Control).toStdString();
                }
            }
        }
    }
}

TEST_F(WindowTest, TheLongestTextsFitTheStatusAndLegendLabels)
{
    const struct {
        QLabel* Label;
        const char* Text;
    } Cases[] = {
        {Form->StatusLabel, "Calculating results, please wait..."},
        {Form->StatusLabel, "Repainting graph, please wait..."},
        {Form->PointsLabel, "1000000 points (square ordered) really showed"},
        {Form->PointsLabel, "999999 points (random ordered) really showed"},
        {Form->XIntervalLabel, "X = <-10 ;10>"},
        {Form->ZIntervalLabel, "Z = <-1000.5 ;1000.5>"},
        {Form->RedWhiteLabel, "Y = -6.52881355932203"},
        {Form->PurpleLabel, "Y = 0.413559322033898"},
        {Form->UndefinedLabel, "Y is undefined"},
    };
    for (const auto& Case : Cases)
        EXPECT_LE(Case.Label->fontMetrics().horizontalAdvance(QString::fromUtf8(Case.Text)),
                  Case.Label->width())
            << Case.Text;
    // Every value a colour label can show: sign, 15 digits, point, "E",
    // exponent sign and three exponent digits, or four zeros after the point.
    const double WidestValues[] = {-8.88888888888888e-308, -0.000888888888888888,
                                   -888888888888888.0, 8.88888888888888e+307};
    for (QLabel* Label : {Form->RedWhiteLabel, Form->RedLabel, Form->YellowLabel, Form->GreenLabel,
                          Form->LightBlueLabel, Form->BlueLabel, Form->PurpleLabel})
        for (double Value : WidestValues) {
            const QString Text = QString::fromStdString("Y = " + MainUnit::FormatReal(Value));
            EXPECT_LE(Label->fontMetrics().horizontalAdvance(Text), Label->width())
                << Text.toStdString();
        }
}

TEST_F(WindowTest, TabWalksTheControlsInTheirOrder)
{
    // The table's order, where a group of radio buttons is one stop: the
    // checked button.
    std::vector<const TControlRow*> Stops;
    for (const TControlRow& Row : MainUnit::MainFormControls())
        if (Row.TabOrder > 0 &&
            (Row.Kind != TControlKind::RadioButton || (Row.Flags & MainUnit::cfChecked)))
            Stops.push_back(&Row);
    std::sort(Stops.begin(), Stops.end(),
              [](const TControlRow* A, const TControlRow* B) { return A->TabOrder < B->TabOrder; });
    ASSERT_EQ(Stops.size(), 31u);
    ASSERT_EQ(QApplication::focusWidget(), Form->FunctionExpressionEdit);
    ASSERT_EQ(Built(*Form, Stops.front()->Name), Form->FunctionExpressionEdit);
    for (std::size_t I = 1; I <= Stops.size(); ++I) {
        const TControlRow* Next = Stops[I % Stops.size()];  // back to the first at the end
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Built(*Form, Next->Name)) << Next->Name;
    }
}

// The exported picture places each legend text where the table puts the
// label of that text, and covers the group from the graph to the legend.
TEST_F(WindowTest, TheGraphPictureTakesItsPlacesFromTheControlTable)
{
    std::vector<std::string> TableOrder;
    for (const TControlRow& Row : MainUnit::MainFormControls())
        if (Row.Kind == TControlKind::LegendLabel) TableOrder.emplace_back(Row.Name);
    std::vector<std::string> TextOrder;
    for (const QLabel* Label : Form->LegendLabels())
        TextOrder.push_back(Label->objectName().toStdString());
    EXPECT_EQ(TableOrder, TextOrder);
    EXPECT_EQ(Form->GraphPicture().size(), QSize(505, 526));
}
