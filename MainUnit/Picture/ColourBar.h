// The colour bar of a picture: the height ramp from the Y interval's start
// (at the bottom) to its end (at the top), with tick marks and values of 1,
// 2 or 5 times a power of ten as the Y axis has them, and the undefined
// colour below it when undefined points are drawn. Laid out here in picture
// pixels; the window's side only draws it.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PictureOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace MainUnit {

inline constexpr const char* UndefinedBarText = "undefined";

struct TBarLabel {
    int32_t Row = 0;  // the tick's row, the middle of its text
    std::string Text;
};

struct TColourBar {
    TFrameRect Ramp;
    std::vector<uint32_t> Colours;  // 0x00BBGGRR, one a row of the ramp, top first
    std::vector<TBarLabel> Labels;  // top first; marks at the ramp's right
    int32_t TickLength = 0;
    int32_t TextLeft = 0;  // where every text starts
    int32_t TextRoom = 0;  // from there to the bar's right end less its margin
    int32_t TextRow = 0;   // the height of a text row, the least distance of two labels
    TFrameRect Undefined;  // the undefined colour's swatch; empty without undefined points
    uint32_t UndefinedColour = 0;
};

// Whether a picture of Results shows undefined points.
bool ShowsUndefinedPoints(const TResultSet& Results, bool ShowUndefined);

// The number of characters of the bar's longest text.
int32_t ColourBarChars(double YFrom, double YTo, bool Undefined);

// The bar inside Bar at Scale for heights YFrom .. YTo; labels that would
// crowd the one above them are left out. A Y interval without width gives
// one colour and its value in the middle.
TColourBar LayoutColourBar(const TFrameRect& Bar, long double Scale, double YFrom, double YTo,
                           bool Undefined, uint32_t UndefinedColour);

// The bar of the heights of Results inside Place at Scale, undefined
// points in the colour Options gives them; and the width it needs.
TColourBar ColourBarOf(const TFrameRect& Place, long double Scale, const TResultSet& Results,
                       bool ShowUndefined, const TPictureOptions& Options);
int32_t ColourBarWidthOf(long double Scale, const TResultSet& Results, bool ShowUndefined);

// The frame of a picture of the options' legend choice and its bar (empty
// unless chosen): of exactly Width x Height when SizeAsked, otherwise
// around a graph of that size.
struct TFramedPicture {
    TFrameLayout Frame;
    TColourBar Bar;
};
TFramedPicture FramePicture(bool SizeAsked, int32_t Width, int32_t Height,
                            const TPictureOptions& Options, const TResultSet& Results,
                            bool ShowUndefined);

}  // namespace MainUnit
