#include "MainUnit/Window/Internal/FixedPictures.h"

#include "MainUnit/Picture/PictureOptions.h"

namespace MainUnit {

namespace {

// 7 x 11 pixel letters, top row first; '#' is a lit pixel.
constexpr const char* LetterX[11] = {"#.....#", "#.....#", ".#...#.", ".#...#.",
                                     "..#.#..", "...#...", "..#.#..", ".#...#.",
                                     ".#...#.", "#.....#", "#.....#"};
constexpr const char* LetterY[11] = {"#.....#", "#.....#", ".#...#.", ".#...#.",
                                     "..#.#..", "...#...", "...#...", "...#...",
                                     "...#...", "...#...", "...#..."};
constexpr const char* LetterZ[11] = {"#######", "......#", ".....#.", ".....#.",
                                     "....#..", "...#...", "..#....", ".#.....",
                                     ".#.....", "#......", "#######"};
constexpr int LetterWidth = 7;
constexpr int LetterHeight = 11;
// The key's line starts this far right of the letter's left edge.
constexpr int LineOffset = 10;

void DrawLetter(Platform::TCanvas& Canvas, const char* const (&Letter)[11], int Left,
                uint32_t Color)
{
    for (int Row = 0; Row < LetterHeight; ++Row)
        for (int Column = 0; Column < LetterWidth; ++Column)
            if (Letter[Row][Column] == '#') Canvas.SetPixel(Left + Column, AxisKeyTop + Row, Color);
}

void FillBackground(Platform::TCanvas& Canvas, bool Light)
{
    Canvas.SetBrushColor(Light ? LightBackgroundColor : DarkBackgroundColor);
    Canvas.FillRect(0, 0, Canvas.Width(), Canvas.Height());
}

}  // namespace

void DrawLegendImage(Platform::TCanvas& Canvas, bool Light)
{
    FillBackground(Canvas, Light);
    for (int Column = 0; Column < 2; ++Column) {
        for (int Row = 0; Row < 4; ++Row) {
            // On white, undefined points are grey, and so is their swatch.
            const bool Undefined = Column == 1 && Row == 3;
            Canvas.SetBrushColor(Light && Undefined ? UndefinedOnLightColor
                                                    : SwatchColor[Column][Row]);
            Canvas.FillRect(SwatchLeft[Column], SwatchTop[Row], SwatchLeft[Column] + SwatchWidth,
                            SwatchTop[Row] + SwatchHeight);
        }
    }
    Canvas.SetBrushColor(0);
}

void DrawAxisesImage(Platform::TCanvas& Canvas, bool Light)
{
    FillBackground(Canvas, Light);
    const char* const(*Letters[3])[11] = {&LetterX, &LetterY, &LetterZ};
    const int Middle = (AxisKeyTop + AxisKeyBottom) / 2;
    for (int Axis = 0; Axis < 3; ++Axis) {
        DrawLetter(Canvas, *Letters[Axis], AxisKeyLeft[Axis], AxisKeyColor[Axis]);
        for (int X = AxisKeyLeft[Axis] + LineOffset; X <= AxisKeyRight[Axis]; ++X)
            Canvas.SetPixel(X, Middle, AxisKeyColor[Axis]);
    }
}

}  // namespace MainUnit
