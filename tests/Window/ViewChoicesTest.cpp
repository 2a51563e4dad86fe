// The view choices of the graph's context menu in the window: off at start,
// each changing the picture as its name says, and the plain picture back
// bit for bit once they are off again.
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Text/NumberText.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>

#include <initializer_list>

namespace {

class ViewChoicesTest : public WindowTest {
protected:
    QImage Graph() const { return Form->GraphImage->Image().copy(); }

    double Field(QLineEdit* Edit) const
    {
        double Value = 0;
        EXPECT_TRUE(MainUnit::ReadReal(MainUnit::FieldText(Edit), Value));
        return Value;
    }

    // Each action is a check box, off at start; then Expression calculated
    // over Points points and seen from the side, 0.7 across and 0.5 up.
    bool CalculateFromTheSide(std::initializer_list<QAction*> Actions, const char* Points,
                              const char* Expression)
    {
        for (QAction* Action : Actions) {
            EXPECT_TRUE(Action->isCheckable());
            EXPECT_FALSE(Action->isChecked());
        }
        Form->PointsToShowEdit->setText(QString::fromLatin1(Points));
        Form->VerAngleEdit->setText(QStringLiteral("0.5"));
        Form->HorAngleEdit->setText(QStringLiteral("0.7"));
        return Calculate(Expression);
    }
};

TEST_F(ViewChoicesTest, EachChoiceChangesThePictureAndOffGivesThePlainPictureBack)
{
    const std::initializer_list<QAction*> Actions = {Form->Menu.BoxAction, Form->Menu.TicksAction,
                                                     Form->Menu.LightBackgroundAction,
                                                     Form->Menu.FitAfterCalculationAction};
    ASSERT_TRUE(CalculateFromTheSide(Actions, "5000", "(x*x)-(z*z)"));
    EXPECT_EQ(Form->StatusLabel->text().toStdString(), "Heights 10x the width: try the box");
    const QImage Plain = Graph();
    const QString PlainDistance = Form->DistanceEdit->text();

    // The box: the camera keeps its distance in radii of the cube.
    Form->Menu.BoxAction->trigger();
    EXPECT_TRUE(Form->PictureOptions.Box);
    const double BoxRadius = MainUnit::ViewRadius(Form->Results, true);
    EXPECT_NEAR(Field(Form->DistanceEdit) / BoxRadius, 1.5, 1e-12);
    const QImage Boxed = Graph();
    EXPECT_NE(Boxed, Plain);

    // The axes draw over the boxed picture; the light background turns the
    // picture's empty corner, the sketch and the legend's text light and dark.
    Form->Menu.TicksAction->trigger();
    EXPECT_NE(Graph(), Boxed);
    Form->Menu.LightBackgroundAction->trigger();
    EXPECT_EQ(Form->GraphImage->Canvas().Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(Form->OutLineImage->Canvas().Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(Form->RedLabel->palette().color(QPalette::WindowText), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(Form->GraphPicture().pixel(0, 0), qRgb(255, 255, 255));

    // With the fit after every calculation the zoom frames the points.
    Form->Menu.FitAfterCalculationAction->trigger();
    ASSERT_TRUE(Calculate("(x*x)-(z*z)"));
    MainUnit::TViewSettings View{0.7, 0.5, Field(Form->DistanceEdit), 100};
    const MainUnit::TViewTexts Fitted =
        MainUnit::FitViewToPoints(View, Form->Results, true, Form->PictureOptions, 505, 404);
    EXPECT_EQ(Form->ZoomEdit->text().toStdString(), Fitted.Zoom);
    ASSERT_TRUE(Fitted.Pan.has_value());
    EXPECT_EQ(Form->PictureOptions.Pan, *Fitted.Pan);
    EXPECT_TRUE(Form->StatusLabel->text().isEmpty());  // no suggestion with the box on

    for (QAction* Action : Actions)
        Action->trigger();
    Form->DistanceEdit->setText(PlainDistance);
    Form->ZoomEdit->setText(QStringLiteral("100"));
    // The move is a view setting as the zoom is: the fit's is undone too.
    Form->View.MovePicture({0, 0});
    Form->RepaintGraph();
    EXPECT_EQ(Graph(), Plain);
    EXPECT_EQ(Form->RedLabel->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(ViewChoicesTest, SurfaceFillsBetweenThePointsAndRecordsThemForThePointer)
{
    ASSERT_TRUE(CalculateFromTheSide({Form->Menu.SurfaceAction, Form->Menu.LightAction}, "2000",
                                     "sin(x)*cos(z)"));
    const QImage Plain = Graph();
    Form->Menu.SurfaceAction->trigger();
    EXPECT_TRUE(Form->PictureOptions.Surface);
    const QImage Surface = Graph();
    // Pixels between the points are filled, each with a point to read.
    int Filled = 0, Unread = 0;
    for (int Y = 0; Y < Plain.height(); ++Y)
        for (int X = 0; X < Plain.width(); ++X)
            if ((Plain.pixel(X, Y) & 0xFFFFFF) == 0 && (Surface.pixel(X, Y) & 0xFFFFFF) != 0) {
                ++Filled;
                Unread +=
                    Form->View.Graph.Record.Points[static_cast<size_t>(Y * Plain.width() + X)] ==
                    MainUnit::NoPoint;
            }
    EXPECT_GT(Filled, 1000);
    EXPECT_EQ(Unread, 0);
    Form->Menu.LightAction->trigger();
    EXPECT_NE(Graph(), Surface);
    Form->Menu.LightAction->trigger();
    Form->Menu.SurfaceAction->trigger();
    EXPECT_EQ(Graph(), Plain);
}

}  // namespace
