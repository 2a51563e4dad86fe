// What pictures carry beside the graph: the written picture of exactly the
// size asked for every legend choice, the colour bar drawn where the core
// lays it out with every value in its room, the menu's choice in the saved
// picture and the large view.
#include "MainUnit/Picture/ColourBar.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Window/ControlTable.h"
#include "MainUnit/Window/Internal/ColourBarPaint.h"
#include "MainUnit/Window/LargeView.h"
#include "ProgramRun.h"
#include "WindowFixture.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>

namespace {

using TestSupport::RunTessel;

using MainUnit::TLegendChoice;

// The program writing Arguments into Path, without a display.
int WritePicture(const QStringList& Arguments, const QString& Path)
{
    return RunTessel(Arguments + QStringList{"--output", Path}).Status;
}

uint32_t Bgr(QRgb Pixel) { return uint32_t(qRed(Pixel) | qGreen(Pixel) << 8 | qBlue(Pixel) << 16); }

TEST(PictureLegendTest, TheSizeAskedIsTheSizeWrittenAndTheBarIsDrawnWhereItIsLaidOut)
{
    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("g.png"));
    // sqrt(x*z) has undefined points, whose colour the bar shows below the ramp.
    const QStringList Function = {"--function", "sqrt(x*z)",   "--hor-angle",
                                  "0.7",        "--ver-angle", "0.5"};
    const struct {
        const char* Size;
        int W, H;
    } Sizes[] = {
        {"1280x720", 1280, 720}, {"64x64", 64, 64}, {"400x800", 400, 800}, {"1800x400", 1800, 400}};
    const std::pair<const char*, TLegendChoice> Legends[] = {{"panel", TLegendChoice::Panel},
                                                             {"bar", TLegendChoice::Bar},
                                                             {"none", TLegendChoice::None}};
    for (const auto& S : Sizes)
        for (const auto& [Name, Legend] : Legends) {
            SCOPED_TRACE(std::string(S.Size) + " " + Name);
            ASSERT_EQ(
                WritePicture(Function + QStringList{"--size", S.Size, "--legend", Name}, Path), 0);
            const QImage Written(Path);
            EXPECT_EQ(Written.size(), QSize(S.W, S.H));
            if (Legend != TLegendChoice::Bar) continue;
            // sqrt(x*z) over -10..10 reaches 0 to 10.
            const MainUnit::TFrameLayout Frame =
                MainUnit::FrameOfSize(S.W, S.H, Legend, MainUnit::ColourBarChars(0, 10, true));
            const MainUnit::TColourBar Bar =
                MainUnit::LayoutColourBar(Frame.Bar, Frame.BarScale, 0, 10, true, 0xFFFFFF);
            const int X = Bar.Ramp.Left + Bar.Ramp.Width / 2;
            for (int Row = 0; Row < Bar.Ramp.Height; ++Row)
                ASSERT_EQ(Bgr(Written.pixel(X, Bar.Ramp.Top + Row)), Bar.Colours[size_t(Row)])
                    << Row;
            EXPECT_EQ(Bgr(Written.pixel(X, Bar.Undefined.Top + Bar.Undefined.Height / 2)),
                      0xFFFFFFu);
            // Every value is written beside its tick: some of its pixels are not black.
            ASSERT_FALSE(Bar.Labels.empty());
            for (const MainUnit::TBarLabel& Label : Bar.Labels) {
                int Lit = 0;
                for (int Y = Label.Row - Bar.TextRow / 2; Y < Label.Row + Bar.TextRow / 2; ++Y)
                    for (int Col = Bar.TextLeft; Col < Bar.TextLeft + Bar.TextRoom; ++Col)
                        Lit += Written.pixel(Col, Y) != qRgb(0, 0, 0);
                EXPECT_GT(Lit, 3) << Label.Text;
            }
        }
    // At the window's picture size the panel's picture is the one written without --size.
    ASSERT_EQ(WritePicture(Function + QStringList{"--size", "505x526"}, Path), 0);
    QFile Sized(Path);
    ASSERT_TRUE(Sized.open(QIODevice::ReadOnly));
    const QByteArray SizedBytes = Sized.readAll();
    ASSERT_EQ(WritePicture(Function, Path), 0);
    QFile Plain(Path);
    ASSERT_TRUE(Plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(Plain.readAll(), SizedBytes);
}

// The estimate the core makes room by holds the values as they are drawn.
TEST(PictureLegendTest, EveryValueOfTheBarFitsItsRoom)
{
    const double Intervals[][2] = {{-1, 1},
                                   {-0.999985342553751, 0.999985342553751},
                                   {-1e6, 3e6},
                                   {-3e-7, 3e-7},
                                   {1234567, 1234571},
                                   {-8.88888888888888E-308, -1e-308},
                                   {0.333333333333333, 0.333333333333333},
                                   {-1e300, 1e300}};
    for (const long double Scale : {1.0L, 1.78L, 2.0L, 5.35L})
        for (const auto& I : Intervals) {
            const int32_t Chars = MainUnit::ColourBarChars(I[0], I[1], true);
            const MainUnit::TColourBar Bar = MainUnit::LayoutColourBar(
                {0, 0, MainUnit::ColourBarWidth(Scale, Chars), 2000}, Scale, I[0], I[1], true, 0);
            const QFontMetrics Metrics(MainUnit::ColourBarFont(Scale));
            std::vector<std::string> Texts{MainUnit::UndefinedBarText};
            for (const MainUnit::TBarLabel& Label : Bar.Labels)
                Texts.push_back(Label.Text);
            for (const std::string& Text : Texts)
                EXPECT_LE(Metrics.horizontalAdvance(QString::fromLatin1(Text)), Bar.TextRoom)
                    << Text << " at " << double(Scale);
            EXPECT_GE(Bar.TextRow, Metrics.height() - 2);
        }
}

TEST_F(WindowTest, TheMenusLegendChoiceShapesTheSavedPictureAndTheLargeView)
{
    // The window's lower parts are the panel the core makes room for.
    QRect Graph, Lower;
    for (const MainUnit::TControlRow& Row : MainUnit::MainFormControls()) {
        const QRect Place(Row.Left, Row.Top, Row.Width, Row.Height);
        if (std::string(Row.Name) == "GraphImage") Graph = Place;
        if (std::string(Row.Name) == "OutLineImage" || std::string(Row.Name) == "LegendImage" ||
            std::string(Row.Name) == "AxisesImage")
            Lower |= Place;
    }
    EXPECT_EQ(Lower.bottom() - Graph.bottom(), MainUnit::PanelHeight);
    EXPECT_EQ((Lower | Graph).width(), MainUnit::PanelWidth);

    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    Form->View.OpenLargeView();
    MainUnit::TLargeView& View = *Form->View.LargeView;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    const struct {
        TLegendChoice Legend;
        bool Strip, Bar;
        int ExtraWidth, ExtraHeight;
    } Cases[] = {{TLegendChoice::Bar, false, true, 1, 0},
                 {TLegendChoice::None, false, false, 0, 0},
                 {TLegendChoice::Panel, true, false, 0, MainUnit::PanelHeight}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(int(C.Legend));
        Form->Menu.LegendActions[size_t(C.Legend)]->trigger();
        EXPECT_EQ(Form->PictureOptions.Legend, C.Legend);
        const QImage Saved = Form->GraphPicture();
        EXPECT_EQ(Saved.width() > MainUnit::GraphWidth, C.ExtraWidth > 0);
        EXPECT_EQ(Saved.height(), MainUnit::GraphHeight + C.ExtraHeight);
        EXPECT_EQ(Saved.copy(0, 0, MainUnit::GraphWidth, MainUnit::GraphHeight),
                  Form->GraphImage->Image().convertToFormat(QImage::Format_RGB32));
        ASSERT_TRUE(WaitUntil(
            [&] { return View.Legend->isVisible() == C.Strip && View.Bar->isVisible() == C.Bar; }));
        if (C.Bar) {
            // Beside the picture, as high as it, at the screen's pixels.
            EXPECT_TRUE(WaitUntil([&] {
                return View.Bar->height() == View.Picture->height() &&
                       View.Bar->pixmap().height() == View.Picture->ImageHeight();
            }));
            EXPECT_EQ(View.Bar->geometry().left(), View.Picture->geometry().right() + 1);
        }
    }
}

}  // namespace
