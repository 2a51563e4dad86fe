// The axes sketch: arrows on a canvas, and the sketch of a calculated set in
// several views.
#include "MainUnit/Window/Internal/Outline.h"

#include "PictureProbe.h"
#include "WindowFixture.h"

#include <QCheckBox>

namespace {

constexpr uint32_t Green = 0x00FF00, Red = 0x0000FF, Blue = 0xFF0000, White = 0xFFFFFF;

}  // namespace

TEST(RoundHalfEvenTest, RoundsToNearestWithHalvesToEven)
{
    const std::pair<long double, int32_t> Cases[] = {
        {2.5L, 2},    {3.5L, 4},   {7.5L, 8}, {-2.5L, -2},        {-0.5L, 0},         {1.49L, 1},
        {-1.51L, -2}, {41.5L, 42}, {0.0L, 0}, {1e12L, INT32_MAX}, {-1e12L, INT32_MIN}};
    for (const auto& [Value, Rounded] : Cases)
        EXPECT_EQ(MainUnit::RoundHalfEven(Value), Rounded) << double(Value);
}

TEST(DrawArrowTest, ShaftHeadAndPenPosition)
{
    Platform::TPicture Picture(nullptr, 0, 0, 60, 40);
    Platform::TCanvas& Canvas = Picture.Canvas();
    Canvas.SetPenColor(Red);
    Canvas.MoveTo(3, 4);
    // Tail (10, 20), tip (40, 20): the head's corners lie 8 back and
    // round(2.5) = 2 to either side, at (32, 22) and (32, 18).
    MainUnit::DrawArrow(Canvas, 10, 20, 40, 20, 8.0L, -2.5L, true);
    EXPECT_EQ(Canvas.PenPos(), QPoint(3, 4));
    EXPECT_EQ(Canvas.BrushColor(), Red);
    for (const QPoint P : {QPoint(10, 20), QPoint(25, 20), QPoint(40, 20), QPoint(32, 22),
                           QPoint(32, 18), QPoint(34, 21), QPoint(34, 19)})
        EXPECT_EQ(Canvas.Pixel(P.x(), P.y()), Red) << P.x() << "," << P.y();
    for (const QPoint P :
         {QPoint(9, 20), QPoint(41, 20), QPoint(32, 24), QPoint(25, 22), QPoint(3, 4)})
        EXPECT_EQ(Canvas.Pixel(P.x(), P.y()), 0u) << P.x() << "," << P.y();

    // Open head: two lines from the tip, nothing filled between them.
    Canvas.SetPenColor(Blue);
    Canvas.SetBrushColor(0);
    MainUnit::DrawArrow(Canvas, 10, 5, 50, 5, 8.0L, 2.5L, false);
    EXPECT_EQ(Canvas.Pixel(42, 7), Blue);
    EXPECT_EQ(Canvas.Pixel(42, 3), Blue);
    EXPECT_EQ(Canvas.Pixel(42, 4), 0u);  // no base line across the head
    EXPECT_EQ(Canvas.Pixel(42, 6), 0u);
    EXPECT_EQ(Canvas.BrushColor(), 0u);

    // No length, no arrow.
    Platform::TPicture Empty(nullptr, 0, 0, 20, 20);
    MainUnit::DrawArrow(Empty.Canvas(), 7, 7, 7, 7, 8.0L, 2.5L, true);
    EXPECT_TRUE(IsFilled(&Empty, 0));
}

class OutlineTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(Calculate("0"));  // radius sqrt(200), the base square of side 20
    }

    void View(const char* Hor, const char* Ver)
    {
        Form->HorAngleEdit->setText(QString::fromLatin1(Hor));
        Form->VerAngleEdit->setText(QString::fromLatin1(Ver));
        Form->UndefResultsCheckBox->click();
        ASSERT_TRUE(TakeMessages().empty());
    }

    uint32_t At(int X, int Y) const { return Form->OutLineImage->Canvas().Pixel(X, Y); }

    // Columns spanned by the pixels of one colour.
    int Span(uint32_t Color) const
    {
        int Low = 145, High = -1;
        for (int Y = 0; Y < 103; ++Y)
            for (int X = 0; X < 145; ++X)
                if (At(X, Y) == Color) {
                    Low = std::min(Low, X);
                    High = std::max(High, X);
                }
        return High - Low;
    }

    int GreenAboveCentre() const
    {
        int Count = 0;
        for (int Y = 10; Y < 51; ++Y)
            Count += At(72, Y) == Green;
        return Count;
    }
};

TEST_F(OutlineTest, TheYArrowIsRedrawnWholeOnlyFromAbove)
{
    View("0.785", "0.5");
    const int FromAbove = GreenAboveCentre();
    EXPECT_GT(CountPixels(Form->OutLineImage, White), 20);
    View("0.785", "-0.5");
    const int FromBelow = GreenAboveCentre();
    // From below, the black inside of the base hides the upper half of the
    // shaft where it overlaps; the head at the top stays from the first pass.
    EXPECT_GE(FromAbove, 38);
    EXPECT_LT(FromBelow, FromAbove - 2);
    EXPECT_EQ(At(72, 10), Green);
    EXPECT_EQ(At(72, 92), Green);  // the lower half is redrawn from every side
}

TEST_F(OutlineTest, FixedLengthAxesThroughTheCentreAndNoneEndOn)
{
    // Seen from the front and above, X runs across the sketch: 41.5 rounds
    // to 42 either side of (72, 51).
    View("0", "0.5");
    EXPECT_EQ(At(30, 51), Red);
    EXPECT_EQ(At(114, 51), Red);
    EXPECT_NE(At(28, 51), Red);
    EXPECT_NE(At(116, 51), Red);
    // Z comes toward the viewer, down the sketch, over the Y arrow.
    EXPECT_EQ(At(72, 9), Blue);
    EXPECT_EQ(At(72, 80), Blue);
    EXPECT_EQ(At(72, 93), Blue);
    // Level and from the front, Z points straight at the camera: no Z arrow.
    View("0", "0");
    EXPECT_EQ(CountPixels(Form->OutLineImage, Blue), 0);
    EXPECT_GE(CountPixels(Form->OutLineImage, Red), 80);
}

TEST_F(OutlineTest, ThreeDimensionalAxesChangeLengthWithTheView)
{
    Form->Outline3DCheckBox->setChecked(true);
    View("0.785", "0.5");
    const int Near = Span(Red);
    Form->ZoomEdit->setText(QStringLiteral("50"));
    View("0.785", "0.5");
    const int Far = Span(Red);
    EXPECT_GT(Near, Far + 5);
    // Without the check box the arrows keep their length.
    Form->Outline3DCheckBox->setChecked(false);
    View("0.785", "0.5");
    const int Fixed = Span(Red);
    Form->ZoomEdit->setText(QStringLiteral("100"));
    View("0.785", "0.5");
    EXPECT_NEAR(Span(Red), Fixed, 2);
}
