// The windows as members of the desktop: the program's icon, and the window
// at the desktop's scale factor. ctest runs the window tests once
// more with QT_SCALE_FACTOR=2, so that every layout test there checks the
// logical layout at scale 2; this test checks what changes with the scale:
// the device size, text drawn at the full resolution, and the pictures
// enlarged by whole pixels with every pixel repeated, never blended.
#include "PictureProbe.h"
#include "Platform/Canvas.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>

namespace {

// The scale the run asked for; 1 when it asked for none.
int ExpectedScale()
{
    const int Scale = qEnvironmentVariableIntValue("QT_SCALE_FACTOR");
    return Scale > 0 ? Scale : 1;
}

// Screen pixels of Shown (a grab of Form at Scale) that differ from the
// picture's own pixel they enlarge.
int PixelsNotRepeated(const QImage& Shown, const QWidget* Form, const Platform::TPicture* Picture,
                      int Scale)
{
    const QPoint Origin = Picture->mapTo(Form, QPoint(0, 0)) * Scale;
    int Wrong = 0;
    for (int Y = 0; Y < Picture->ImageHeight(); ++Y)
        for (int X = 0; X < Picture->ImageWidth(); ++X) {
            const QRgb Expected = Platform::ColorOf(Picture->Canvas().Pixel(X, Y)).rgb();
            for (int Dy = 0; Dy < Scale; ++Dy)
                for (int Dx = 0; Dx < Scale; ++Dx)
                    Wrong += Shown.pixel(Origin.x() + X * Scale + Dx,
                                         Origin.y() + Y * Scale + Dy) != Expected;
        }
    return Wrong;
}

// Blocks of Scale x Scale screen pixels, one per logical pixel of Widget,
// that hold more than one colour: text enlarged from a lower resolution has
// none.
int MixedBlocks(const QImage& Shown, const QWidget* Form, const QWidget* Widget, int Scale)
{
    const QPoint Origin = Widget->mapTo(Form, QPoint(0, 0)) * Scale;
    int Mixed = 0;
    for (int Y = 0; Y < Widget->height(); ++Y)
        for (int X = 0; X < Widget->width(); ++X) {
            const QPoint Corner = Origin + QPoint(X, Y) * Scale;
            const QRgb First = Shown.pixel(Corner);
            bool Same = true;
            for (int Dy = 0; Dy < Scale; ++Dy)
                for (int Dx = 0; Dx < Scale; ++Dx)
                    Same = Same && Shown.pixel(Corner + QPoint(Dx, Dy)) == First;
            Mixed += !Same;
        }
    return Mixed;
}

}  // namespace

TEST_F(WindowTest, ScaleFactorMultipliesDevicePixelsAndRepeatsPicturePixels)
{
    const int Scale = ExpectedScale();
    ASSERT_EQ(Form->devicePixelRatio(), Scale);
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->ZBufferCheckBox->click();

    const QImage Shown = Form->grab().toImage();
    EXPECT_EQ(Form->size(), QSize(MainUnit::MainFormWidth, MainUnit::MainFormHeight));
    EXPECT_EQ(Shown.size(), QSize(MainUnit::MainFormWidth, MainUnit::MainFormHeight) * Scale);

    const int GraphArea = Form->GraphImage->ImageWidth() * Form->GraphImage->ImageHeight();
    ASSERT_LT(CountPixels(Form->GraphImage, 0u), GraphArea - 1000) << "the graph is drawn";
    for (const Platform::TPicture* Picture :
         {Form->GraphImage, Form->OutLineImage, Form->AxisesImage})
        EXPECT_EQ(PixelsNotRepeated(Shown, Form.get(), Picture, Scale), 0)
            << Picture->ImageWidth() << " x " << Picture->ImageHeight();

    if (Scale > 1) {
        EXPECT_GT(MixedBlocks(Shown, Form.get(), Form->Label8, Scale), 20);
    }
}

TEST_F(WindowTest, BothWindowsShowTheProgramIconAtTheInstalledSizes)
{
    for (const QWidget* Window :
         {static_cast<QWidget*>(Form.get()), static_cast<QWidget*>(Help.get())}) {
        const QIcon Icon = Window->windowIcon();
        for (const int Size : {48, 128, 256}) {
            EXPECT_TRUE(Icon.availableSizes().contains(QSize(Size, Size))) << Size;
            const QImage Image = Icon.pixmap(QSize(Size, Size), 1.0).toImage();
            // The drawing's dark tile fills the middle.
            EXPECT_EQ(qAlpha(Image.pixel(Size / 2, Size - Size / 8)), 255) << Size;
        }
    }
}
