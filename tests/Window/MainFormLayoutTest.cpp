// The main window as it opens: every control's place, caption, text and
// state, the captions fitting their bounds, and the tab order.
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

namespace {

using MainUnit::TMainForm;
using TGetter = QWidget* (*)(TMainForm&);

#define CONTROL(Name) #Name, [](TMainForm & F) -> QWidget* { return F.Name; }

enum TKind { kLabel, kEdit, kButton, kCheck, kRadio, kGroup, kPanel, kPicture };

// Width and height -1: a label that sizes itself to its text.
struct TControlRow {
    const char* Name;
    TGetter Get;
    TKind Kind;
    const char* Parent;
    int Left, Top, Width, Height;
    const char* Caption;
};

const TControlRow ControlTable[] = {
    {CONTROL(GroupBox2), kGroup, "", 8, 8, 249, 212, " Function settings "},
    {CONTROL(Label15), kLabel, "GroupBox2", 8, 24, -1, -1, "Y = &F(X, Z) ="},
    {CONTROL(FunctionExpressionEdit), kEdit, "GroupBox2", 85, 21, 156, 24, ""},
    {CONTROL(Label2), kLabel, "GroupBox2", 8, 49, -1, -1, "&X Interval:  From"},
    {CONTROL(XIntervalFromEdit), kEdit, "GroupBox2", 106, 46, 57, 24, "-10.0"},
    {CONTROL(Label4), kLabel, "GroupBox2", 170, 49, -1, -1, "to"},
    {CONTROL(XIntervalToEdit), kEdit, "GroupBox2", 184, 46, 57, 24, "10.0"},
    {CONTROL(Label3), kLabel, "GroupBox2", 8, 74, -1, -1, "&Y Interval:  From"},
    {CONTROL(YIntervalFromEdit), kEdit, "GroupBox2", 106, 71, 57, 24, ""},
    {CONTROL(Label6), kLabel, "GroupBox2", 170, 74, -1, -1, "to"},
    {CONTROL(YIntervalToEdit), kEdit, "GroupBox2", 184, 71, 57, 24, ""},
    {CONTROL(Label5), kLabel, "GroupBox2", 8, 99, -1, -1, "&Z Interval:  From"},
    {CONTROL(ZIntervalFromEdit), kEdit, "GroupBox2", 106, 96, 57, 24, "-10.0"},
    {CONTROL(Label7), kLabel, "GroupBox2", 170, 99, -1, -1, "to"},
    {CONTROL(ZIntervalToEdit), kEdit, "GroupBox2", 184, 96, 57, 24, "10.0"},
    {CONTROL(Label8), kLabel, "GroupBox2", 8, 124, -1, -1, "Number of &points to show:"},
    {CONTROL(PointsToShowEdit), kEdit, "GroupBox2", 184, 121, 57, 24, "5000"},
    {CONTROL(Panel1), kPanel, "GroupBox2", 8, 148, 233, 29, ""},
    {CONTROL(SquareRadioButton), kRadio, "Panel1", 8, 6, 113, 17, "S&quare order"},
    {CONTROL(RandomRadioButton), kRadio, "Panel1", 114, 6, 113, 17, "Random ord&er"},
    {CONTROL(CalculateResultsButton), kButton, "GroupBox2", 8, 180, 233, 26, "Calculate &results"},
    {CONTROL(GroupBox3), kGroup, "", 8, 223, 249, 254, " Graph-View settings "},
    {CONTROL(Label13), kLabel, "GroupBox3", 8, 24, -1, -1, "Horizont&al angle:"},
    {CONTROL(HorAngleEdit), kEdit, "GroupBox3", 112, 20, 65, 24, "0"},
    {CONTROL(HorAngleIncButton), kButton, "GroupBox3", 184, 24, 25, 17, "+"},
    {CONTROL(HorAngleDecButton), kButton, "GroupBox3", 216, 24, 25, 17, "-"},
    {CONTROL(Label14), kLabel, "GroupBox3", 8, 50, 100, 16, "&Vertical angle:"},
    {CONTROL(VerAngleEdit), kEdit, "GroupBox3", 112, 45, 65, 24, "0"},
    {CONTROL(VerAngleIncButton), kButton, "GroupBox3", 184, 49, 25, 17, "+"},
    {CONTROL(VerAngleDecButton), kButton, "GroupBox3", 216, 49, 25, 17, "-"},
    {CONTROL(MinDistanceButton), kButton, "GroupBox3", 8, 70, 41, 26, "&Min->"},
    {CONTROL(DistanceEdit), kEdit, "GroupBox3", 112, 70, 65, 24, "0"},
    {CONTROL(DistanceIncButton), kButton, "GroupBox3", 184, 74, 25, 17, "+"},
    {CONTROL(DistanceDecButton), kButton, "GroupBox3", 216, 74, 25, 17, "-"},
    {CONTROL(ZoomEdit), kEdit, "GroupBox3", 112, 95, 65, 24, "100"},
    {CONTROL(ZoomIncButton), kButton, "GroupBox3", 184, 99, 25, 17, "+"},
    {CONTROL(ZoomDecButton), kButton, "GroupBox3", 216, 99, 25, 17, "-"},
    {CONTROL(Panel3), kPanel, "GroupBox3", 8, 123, 233, 60, ""},
    {CONTROL(Label21), kLabel, "Panel3", 8, 8, -1, -1, "Camera:"},
    {CONTROL(Label24), kLabel, "Panel3", 8, 33, -1, -1, "Y ="},
    {CONTROL(CameraYEdit), kEdit, "Panel3", 32, 30, 81, 24, ""},
    {CONTROL(Label22), kLabel, "Panel3", 120, 8, -1, -1, "X ="},
    {CONTROL(CameraXEdit), kEdit, "Panel3", 144, 5, 81, 24, ""},
    {CONTROL(Label23), kLabel, "Panel3", 120, 33, -1, -1, "Z ="},
    {CONTROL(CameraZEdit), kEdit, "Panel3", 144, 30, 81, 24, ""},
    {CONTROL(UndefResultsCheckBox), kCheck, "GroupBox3", 16, 188, 169, 17,
     "&Show undefined results"},
    {CONTROL(ZBufferCheckBox), kCheck, "GroupBox3", 16, 208, 97, 17, "&Use Z-Buffer"},
    {CONTROL(Outline3DCheckBox), kCheck, "GroupBox3", 16, 228, 137, 17, "3D outline axises"},
    {CONTROL(GroupBox4), kGroup, "", 264, 8, 521, 553, " Graph window "},
    {CONTROL(GraphImage), kPicture, "GroupBox4", 8, 20, 505, 404, ""},
    {CONTROL(OutLineImage), kPicture, "GroupBox4", 8, 426, 145, 103, ""},
    {CONTROL(AxisesImage), kPicture, "GroupBox4", 8, 529, 145, 17, ""},
    {CONTROL(LegendImage), kPicture, "GroupBox4", 156, 426, 357, 120, ""},
    {CONTROL(FunctionExpressionLabel), kLabel, "GroupBox4", 162, 430, 345, 17, ""},
    {CONTROL(XIntervalLabel), kLabel, "GroupBox4", 162, 446, 169, 17, ""},
    {CONTROL(ZIntervalLabel), kLabel, "GroupBox4", 339, 446, 169, 17, ""},
    {CONTROL(PointsLabel), kLabel, "GroupBox4", 162, 462, 345, 17, ""},
    {CONTROL(RedWhiteLabel), kLabel, "GroupBox4", 192, 478, 140, 16, ""},
    {CONTROL(RedLabel), kLabel, "GroupBox4", 192, 494, 140, 16, ""},
    {CONTROL(YellowLabel), kLabel, "GroupBox4", 192, 510, 140, 16, ""},
    {CONTROL(GreenLabel), kLabel, "GroupBox4", 192, 526, 140, 16, ""},
    {CONTROL(LightBlueLabel), kLabel, "GroupBox4", 370, 478, 140, 16, ""},
    {CONTROL(BlueLabel), kLabel, "GroupBox4", 370, 494, 140, 16, ""},
    {CONTROL(PurpleLabel), kLabel, "GroupBox4", 370, 510, 140, 16, ""},
    {CONTROL(UndefinedLabel), kLabel, "GroupBox4", 370, 526, 140, 16, ""},
    {CONTROL(GroupBox1), kGroup, "", 8, 480, 249, 45, " Status "},
    {CONTROL(StatusLabel), kLabel, "GroupBox1", 8, 18, 233, 25, ""},
    {CONTROL(HelpButton), kButton, "", 8, 531, 121, 30, "&Help"},
    {CONTROL(CloseButton), kButton, "", 136, 531, 121, 30, "&Close"},
};

bool IsKind(QWidget* Widget, TKind Kind)
{
    switch (Kind) {
    case kLabel:
        return qobject_cast<QLabel*>(Widget) != nullptr;
    case kEdit:
        return qobject_cast<QLineEdit*>(Widget) != nullptr;
    case kButton:
        return qobject_cast<QPushButton*>(Widget) != nullptr;
    case kCheck:
        return qobject_cast<QCheckBox*>(Widget) != nullptr;
    case kRadio:
        return qobject_cast<QRadioButton*>(Widget) != nullptr;
    case kGroup:
        return qobject_cast<QGroupBox*>(Widget) != nullptr;
    case kPanel:
        return qobject_cast<QFrame*>(Widget) != nullptr && !qobject_cast<QLabel*>(Widget);
    case kPicture:
        return dynamic_cast<Platform::TPicture*>(Widget) != nullptr;
    }
    return false;
}

QString CaptionOf(QWidget* Widget)
{
    if (auto* Label = qobject_cast<QLabel*>(Widget)) return Label->text();
    if (auto* Edit = qobject_cast<QLineEdit*>(Widget)) return Edit->text();
    if (auto* Button = qobject_cast<QAbstractButton*>(Widget)) return Button->text();
    if (auto* Box = qobject_cast<QGroupBox*>(Widget)) return Box->title();
    return QString();
}

QWidget* ByName(TMainForm& Form, const char* Name)
{
    for (const TControlRow& Row : ControlTable)
        if (std::string_view(Row.Name) == Name) return Row.Get(Form);
    return &Form;
}

// The caption as shown: the "&" that marks the accelerator is not drawn.
int ShownTextWidth(QWidget* Widget)
{
    QString Text = CaptionOf(Widget);
    Text.remove(QLatin1Char('&'));
    return Widget->fontMetrics().horizontalAdvance(Text);
}

}  // namespace

TEST_F(WindowTest, EveryControlHasItsKindPlaceCaptionAndText)
{
    for (const TControlRow& Row : ControlTable) {
        SCOPED_TRACE(Row.Name);
        QWidget* Control = Row.Get(*Form);
        ASSERT_NE(Control, nullptr);
        EXPECT_TRUE(IsKind(Control, Row.Kind));
        EXPECT_EQ(Control->parentWidget(), ByName(*Form, Row.Parent));
        EXPECT_EQ(Control->pos(), QPoint(Row.Left, Row.Top));
        if (Row.Width >= 0) {
            EXPECT_EQ(Control->size(), QSize(Row.Width, Row.Height));
        }
        EXPECT_EQ(CaptionOf(Control).toStdString(), Row.Caption);
        EXPECT_TRUE(Control->isVisible());
        EXPECT_EQ(Control->isEnabled(), Control != Form->AxisesImage);
    }
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
    for (const TControlRow& Row : ControlTable) {
        SCOPED_TRACE(Row.Name);
        QWidget* Control = Row.Get(*Form);
        if (Row.Kind == kButton) {
            EXPECT_LE(ShownTextWidth(Control) + 4, Control->width());
        } else if (Row.Kind == kCheck || Row.Kind == kRadio) {
            // The room the style leaves for the text beside the indicator.
            QStyleOptionButton Option;
            Option.initFrom(Control);
            const QRect Room = Control->style()->subElementRect(
                Row.Kind == kCheck ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                &Option, Control);
            EXPECT_LE(ShownTextWidth(Control), Room.width());
            EXPECT_LE(Control->fontMetrics().height(), Room.height() + 2);
        } else if (Row.Kind == kLabel && !CaptionOf(Control).isEmpty()) {
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
}

TEST_F(WindowTest, TabWalksTheControlsInTheirOrder)
{
    QWidget* const Expected[] = {Form->XIntervalFromEdit,
                                 Form->XIntervalToEdit,
                                 Form->YIntervalFromEdit,
                                 Form->YIntervalToEdit,
                                 Form->ZIntervalFromEdit,
                                 Form->ZIntervalToEdit,
                                 Form->PointsToShowEdit,
                                 Form->SquareRadioButton,
                                 Form->CalculateResultsButton,
                                 Form->HorAngleEdit,
                                 Form->HorAngleIncButton,
                                 Form->HorAngleDecButton,
                                 Form->VerAngleEdit,
                                 Form->VerAngleIncButton,
                                 Form->VerAngleDecButton,
                                 Form->DistanceEdit,
                                 Form->DistanceIncButton,
                                 Form->DistanceDecButton,
                                 Form->ZoomEdit,
                                 Form->ZoomIncButton,
                                 Form->ZoomDecButton,
                                 Form->MinDistanceButton,
                                 Form->UndefResultsCheckBox,
                                 Form->ZBufferCheckBox,
                                 Form->Outline3DCheckBox,
                                 Form->CameraYEdit,
                                 Form->CameraXEdit,
                                 Form->CameraZEdit,
                                 Form->HelpButton,
                                 Form->CloseButton,
                                 Form->FunctionExpressionEdit};
    ASSERT_EQ(QApplication::focusWidget(), Form->FunctionExpressionEdit);
    for (QWidget* Next : Expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Next)
            << Next->metaObject()->className() << " " << CaptionOf(Next).toStdString();
    }
}
