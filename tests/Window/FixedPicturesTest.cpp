// The legend background and the axis colour key, pixel by pixel at the
// edges of what they show.
#include "MainUnit/Window/Internal/FixedPictures.h"

#include "WindowFixture.h"

namespace {

struct TProbe {
    int X, Y;
    uint32_t Color;
};

}  // namespace

TEST_F(WindowTest, LegendSwatchesHaveTheirColoursAtEveryCorner)
{
    const Platform::TCanvas& Canvas = Form->LegendImage->Canvas();
    EXPECT_EQ(Form->LegendImage->ImageWidth(), 357);
    EXPECT_EQ(Form->LegendImage->ImageHeight(), 120);
    // Colours written as the RGB triples of the layout, to check the
    // constants as well as the drawing.
    const uint32_t Left[4] = {0x80A0FF, 0x0000FF, 0x00FFFF,
                              0x00FF00};  // (255,160,128) red yellow green
    const uint32_t Right[4] = {0xFFFF00, 0xFF0000, 0xFF00FF, 0xFFFFFF};  // cyan blue magenta white
    const int Rows[4][2] = {{54, 65}, {70, 81}, {86, 97}, {102, 113}};
    const int Columns[2][2] = {{8, 29}, {187, 208}};
    std::vector<TProbe> Probes;
    for (int Column = 0; Column < 2; ++Column) {
        for (int Row = 0; Row < 4; ++Row) {
            const uint32_t Color = Column == 0 ? Left[Row] : Right[Row];
            const auto [X0, X1] = Columns[Column];
            const auto [Y0, Y1] = Rows[Row];
            for (const TProbe& P : {TProbe{X0, Y0, Color},
                                    {X1, Y0, Color},
                                    {X0, Y1, Color},
                                    {X1, Y1, Color},
                                    {X0 - 1, Y0, 0},
                                    {X1 + 1, Y1, 0},
                                    {X0, Y0 - 1, 0},
                                    {X1, Y1 + 1, 0}})
                Probes.push_back(P);
        }
    }
    // The band above the swatches and the corners of the picture are black.
    for (const TProbe& P :
         {TProbe{0, 0, 0}, {356, 0, 0}, {0, 119, 0}, {356, 119, 0}, {180, 30, 0}, {100, 60, 0}})
        Probes.push_back(P);
    for (const TProbe& P : Probes)
        EXPECT_EQ(Canvas.Pixel(P.X, P.Y), P.Color) << "(" << P.X << ", " << P.Y << ")";
}

TEST_F(WindowTest, AxisKeyShowsXYZInRedGreenBlueWithinItsBounds)
{
    const Platform::TCanvas& Canvas = Form->AxisesImage->Canvas();
    EXPECT_EQ(Form->AxisesImage->ImageWidth(), 145);
    EXPECT_EQ(Form->AxisesImage->ImageHeight(), 17);
    const struct {
        int From, To;
        uint32_t Color;
    } Keys[] = {{8, 35, 0x0000FF}, {56, 83, 0x00FF00}, {105, 131, 0xFF0000}};
    for (const auto& Key : Keys) {
        SCOPED_TRACE(Key.From);
        int Lit = 0;
        for (int Y = 0; Y < 17; ++Y) {
            for (int X = 0; X < 145; ++X) {
                const uint32_t Pixel = Canvas.Pixel(X, Y);
                const bool Inside = X >= Key.From && X <= Key.To && Y >= 3 && Y <= 13;
                if (Inside && Pixel != 0) {
                    EXPECT_EQ(Pixel, Key.Color);
                    ++Lit;
                }
                if (!Inside && Pixel == Key.Color)
                    ADD_FAILURE() << "key colour outside its place at (" << X << ", " << Y << ")";
            }
        }
        // The letter reaches the left edge, the top and the bottom; the line
        // runs to the right edge.
        EXPECT_EQ(Canvas.Pixel(Key.From, 3), Key.Color);
        bool BottomLit = false;
        for (int X = Key.From; X < Key.From + 7; ++X)
            BottomLit = BottomLit || Canvas.Pixel(X, 13) == Key.Color;
        EXPECT_TRUE(BottomLit);
        EXPECT_EQ(Canvas.Pixel(Key.To, 8), Key.Color);
        EXPECT_GT(Lit, 30);
    }
}
