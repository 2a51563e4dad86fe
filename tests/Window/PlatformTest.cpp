// The platform layer: the canvas and pixel buffer of a picture, and the
// edit's selection, exit and key events.
#include "Platform/Edit.h"
#include "Platform/Picture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct PictureTest : testing::Test {
    QWidget Window;
    Platform::TPicture* Picture = new Platform::TPicture(&Window, 3, 4, 40, 30);
    Platform::TCanvas& Canvas = Picture->Canvas();
};

}  // namespace

TEST_F(PictureTest, StartsBlackAtItsPlaceAndSize)
{
    EXPECT_EQ(Picture->geometry(), QRect(3, 4, 40, 30));
    EXPECT_EQ(Picture->ImageWidth(), 40);
    EXPECT_EQ(Picture->ImageHeight(), 30);
    EXPECT_EQ(Canvas.Pixel(0, 0), 0u);
    EXPECT_EQ(Canvas.Pixel(39, 29), 0u);
}

TEST_F(PictureTest, FillRectCoversLeftTopButNotRightBottom)
{
    Canvas.SetBrushColor(0x0000FF);
    Canvas.FillRect(2, 3, 6, 8);
    const struct {
        int X, Y;
        uint32_t Color;
    } Probes[] = {{2, 3, 0x0000FF}, {5, 7, 0x0000FF}, {6, 7, 0}, {5, 8, 0}, {1, 3, 0}, {2, 2, 0}};
    for (const auto& P : Probes)
        EXPECT_EQ(Canvas.Pixel(P.X, P.Y), P.Color) << P.X << "," << P.Y;
}

TEST_F(PictureTest, PixelBufferIsRowMajorBgrWithRedInTheLowByte)
{
    uint32_t* Pixels = Picture->Pixels();
    Pixels[7 * 40 + 5] = 0x00112233;  // red 0x33, green 0x22, blue 0x11
    Picture->PixelsWritten();
    EXPECT_EQ(Canvas.Pixel(5, 7), 0x112233u);
    const QImage Shown = Picture->grab().toImage();
    EXPECT_EQ(Shown.pixelColor(5, 7), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(Shown.pixelColor(6, 7), QColor(0, 0, 0));
    Canvas.SetPixel(1, 2, 0x00FF00);
    EXPECT_EQ(Pixels[2 * 40 + 1] & 0xFFFFFFu, 0x00FF00u);
    // Outside the picture nothing is drawn and nothing is read.
    Canvas.SetPixel(40, 0, 0xFFFFFF);
    Canvas.SetPixel(-1, 5, 0xFFFFFF);
    EXPECT_EQ(Canvas.Pixel(40, 0), 0u);
    EXPECT_EQ(Canvas.Pixel(0, 1), 0u);
}

// What the window shows is the picture's every pixel in its own colour, at
// any pixel count, after written pixels (made opaque) and after the canvas.
TEST(PictureShown, ShowsEveryPixelAsWrittenOrDrawn)
{
    const QSize Sizes[] = {{1, 1}, {7, 3}, {8, 2}, {5, 5}};
    for (const QSize& Size : Sizes) {
        SCOPED_TRACE(Size.width() * Size.height());
        QWidget Window;
        auto* const Picture = new Platform::TPicture(&Window, 0, 0, Size.width(), Size.height());
        const auto Expect = [&](const std::function<uint32_t(int)>& Colour) {
            const QImage Shown = Picture->grab().toImage();
            for (int I = 0; I < Size.width() * Size.height(); ++I) {
                const uint32_t C = Colour(I);
                EXPECT_EQ(Shown.pixelColor(I % Size.width(), I / Size.width()),
                          QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int(C >> 16)))
                    << I;
            }
        };
        Expect([](int) { return 0u; });
        uint32_t* const Pixels = Picture->Pixels();
        const auto Written = [](int I) { return 0x3F1F0Fu * uint32_t(I + 1) & 0xFFFFFFu; };
        for (int I = 0; I < Size.width() * Size.height(); ++I)
            Pixels[I] = Written(I);
        Picture->PixelsWritten();
        Expect(Written);
        // Opaque, as the format wants, once the image is read.
        const auto* const Read = reinterpret_cast<const uint32_t*>(Picture->Image().constBits());
        for (int I = 0; I < Size.width() * Size.height(); ++I)
            EXPECT_EQ(Read[I], Written(I) | 0xFF000000u) << I;
        Picture->Canvas().SetBrushColor(0x0080FF);
        Picture->Canvas().FillRect(0, 0, Size.width(), Size.height());
        Expect([](int) { return 0x0080FFu; });
    }
}

// Both copies of the conversion, at every count around the vectors' widths,
// whatever the top bytes hold.
TEST(PictureShown, WindowPixelsSwapRedAndBlueAndAreOpaque)
{
    for (const auto Convert : {Platform::ToWindowPixels, Platform::ToWindowPixelsBaseline})
        for (qsizetype Count = 0; Count <= 19; ++Count) {
            SCOPED_TRACE(Count);
            std::vector<uint32_t> From(size_t(Count) + 1), To(From.size(), 0x12345678u);
            for (size_t I = 0; I < From.size(); ++I)
                From[I] = (uint32_t(I) * 0x01030507u) ^ (I % 2 == 0 ? 0xFF000000u : 0u);
            Convert(From.data(), To.data(), Count);
            for (size_t I = 0; I < size_t(Count); ++I) {
                const uint32_t P = From[I];
                const uint32_t Red = P & 0xFF, Green = (P >> 8) & 0xFF, Blue = (P >> 16) & 0xFF;
                EXPECT_EQ(To[I], 0xFF000000u | Red << 16 | Green << 8 | Blue) << I;
            }
            EXPECT_EQ(To[size_t(Count)], 0x12345678u);  // nothing beyond Count
        }
}

// The window itself, as the toolkit paints it on the screen: every pixel at
// the picture's place, and nothing around it.
TEST(PictureShown, TheWindowShowsEachPixelAtItsPlaceAndNothingElse)
{
    const QRect Places[] = {{0, 0, 9, 5}, {7, 3, 13, 6}, {2, 11, 1, 1}};
    for (const QRect& Place : Places) {
        QWidget Window;
        Window.resize(30, 20);
        auto* const Picture =
            new Platform::TPicture(&Window, Place.x(), Place.y(), Place.width(), Place.height());
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        const auto Grab = [&] { return Window.screen()->grabWindow(Window.winId()).toImage(); };
        const QImage Before = Grab();
        const auto Colour = [&](int X, int Y) {
            return 0x3F1F0Fu * uint32_t(Y * Place.width() + X + 1) & 0xFFFFFFu;
        };
        uint32_t* const Pixels = Picture->Pixels();
        for (int Y = 0; Y < Place.height(); ++Y)
            for (int X = 0; X < Place.width(); ++X)
                Pixels[Y * Place.width() + X] = Colour(X, Y);
        Picture->PixelsWritten();
        Picture->repaint();
        const QImage Shown = Grab();
        ASSERT_EQ(Shown.size(), Before.size());
        // Each picture pixel covers Ratio x Ratio screen pixels.
        const int Ratio = qRound(Window.devicePixelRatio());
        const QRect Covered(Place.topLeft() * Ratio, Place.size() * Ratio);
        for (int Y = 0; Y < Shown.height(); ++Y)
            for (int X = 0; X < Shown.width(); ++X) {
                const QPoint At(X, Y);
                if (!Covered.contains(At)) {
                    ASSERT_EQ(Shown.pixel(At), Before.pixel(At)) << X << "," << Y;
                    continue;
                }
                const uint32_t C =
                    Colour((X - Covered.left()) / Ratio, (Y - Covered.top()) / Ratio);
                ASSERT_EQ(Shown.pixelColor(At),
                          QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int(C >> 16)))
                    << X << "," << Y;
            }
    }
}

TEST_F(PictureTest, LinesFollowAndMoveThePen)
{
    Canvas.SetPenColor(0x00FF00);
    Canvas.MoveTo(4, 5);
    EXPECT_EQ(Canvas.PenPos(), QPoint(4, 5));
    EXPECT_EQ(Canvas.Pixel(4, 5), 0u);  // moving draws nothing
    Canvas.LineTo(14, 5);
    EXPECT_EQ(Canvas.PenPos(), QPoint(14, 5));
    for (int X = 4; X < 14; ++X)
        EXPECT_EQ(Canvas.Pixel(X, 5), 0x00FF00u) << X;
    EXPECT_EQ(Canvas.Pixel(9, 4), 0u);
    EXPECT_EQ(Canvas.Pixel(9, 6), 0u);
    Canvas.SetPenWidth(2);
    Canvas.MoveTo(20, 10);
    Canvas.LineTo(20, 20);
    int Wide = 0;
    for (int X = 17; X <= 23; ++X)
        Wide += Canvas.Pixel(X, 15) == 0x00FF00u;
    EXPECT_EQ(Wide, 2);
}

TEST_F(PictureTest, PolygonIsFilledWithTheBrushAndOutlinedWithThePen)
{
    Canvas.SetPenColor(0xFFFFFF);
    Canvas.SetBrushColor(0xFF0000);
    const QPoint Corners[] = {{5, 5}, {25, 5}, {25, 20}, {5, 20}};
    Canvas.Polygon(Corners);
    EXPECT_EQ(Canvas.Pixel(15, 12), 0xFF0000u);
    EXPECT_EQ(Canvas.Pixel(15, 5), 0xFFFFFFu);
    EXPECT_EQ(Canvas.Pixel(5, 12), 0xFFFFFFu);
    EXPECT_EQ(Canvas.Pixel(30, 12), 0u);
}

namespace {

struct EditTest : testing::Test {
    QWidget Window;
    Platform::TEdit* Edit = new Platform::TEdit(&Window);
    Platform::TEdit* Other = new Platform::TEdit(&Window);
    int Exits = 0;
    std::string Keys;

    void SetUp() override
    {
        Other->move(0, 40);
        Edit->OnExit = [this] { ++Exits; };
        Edit->OnKeyPress = [this](char Key) { Keys.push_back(Key); };
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    }
};

}  // namespace

TEST_F(EditTest, KeepsItsSelectionWhenTheFocusLeavesAndComesBackByTab)
{
    Edit->setText(QStringLiteral("abcdef"));
    Edit->setFocus();
    Edit->setSelection(1, 3);
    Other->setFocus();
    EXPECT_EQ(Edit->selectedText(), QStringLiteral("bcd"));
    EXPECT_EQ(Exits, 1);
    QTest::keyClick(Other, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), Edit);
    EXPECT_EQ(Edit->selectedText(), QStringLiteral("bcd"));
    Edit->deselect();
    Other->setFocus();
    QTest::keyClick(Other, Qt::Key_Backtab);
    EXPECT_FALSE(Edit->hasSelectedText());  // reached by Tab, the text is not all selected
}

TEST_F(EditTest, AFieldWithoutTheFocusShowsItsSelectionButNoCaret)
{
    Edit->setText(QStringLiteral("abcdef"));
    Edit->setFocus();
    Edit->setSelection(0, 6);  // the caret stands after the text
    for (const Qt::FocusReason Reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
        SCOPED_TRACE(Reason);
        Edit->setFocus();
        if (Reason == Qt::ActiveWindowFocusReason) {
            QFocusEvent Deactivated(QEvent::FocusOut, Reason);
            QApplication::sendEvent(Edit, &Deactivated);
        } else {
            Other->setFocus(Reason);
        }
        ASSERT_EQ(Edit->selectedText(), QStringLiteral("abcdef"));
        const QImage Shown = Edit->grab().toImage();
        // A read-only field never draws its caret: the same picture.
        Edit->setReadOnly(true);
        EXPECT_EQ(Edit->grab().toImage(), Shown);
        Edit->setReadOnly(false);
    }
}

TEST_F(EditTest, ExitIsNotRaisedWhenOnlyTheWindowLosesActivation)
{
    Edit->setFocus();
    QFocusEvent Deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Edit, &Deactivated);
    EXPECT_EQ(Exits, 0);
    Other->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Exits, 1);
}

TEST_F(EditTest, KeyPressCarriesTheCharacterAndEnterAsCarriageReturn)
{
    Edit->setFocus();
    EXPECT_FALSE(Edit->isModified());
    QTest::keyClicks(Edit, QStringLiteral("1.5"));
    QTest::keyClick(Edit, Qt::Key_Return);
    QTest::keyClick(Edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Keys, std::string("1.5\r\r"));
    EXPECT_EQ(Edit->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(Edit->isModified());
    Edit->setModified(false);
    Edit->setText(QStringLiteral("2"));
    EXPECT_FALSE(Edit->isModified());  // the program's writes are no typing
}
