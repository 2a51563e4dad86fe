// Why an operation refuses to go on: one code each, and one lookup that
// makes the text the user sees, the figures in it taken from the limits
// that the checks themselves use.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace MainUnit {

enum class TRefusal : uint8_t {
    None,
    // "Calculate results", in the order of the checks.
    PointsToShow,
    XZInterval,
    YInterval,
    ExpressionLength,
    ParameterCount,
    SyntaxError,
    ResultsTooLarge,  // intervals or results beyond the camera distance numbers can hold
    IntervalWidth,    // an interval whose width (To - From) is beyond the range of numbers
    CannotAllocate,
    // A repaint, in the order of the checks.
    NoResults,
    ViewNumbers,
    HorAngle,
    VerAngle,
    Zoom,
    Distance,  // names the least distance, the radius of the result set
    ViewPlane,
    ViewBeyondPrecision,     // a view through which no point projects
    ResultsBeyondPrecision,  // the same, because the results alone reach that far
    ZBuffer,
    // Options of the command line.
    OrderOption,
    SeedOption,
    OutputOption,
    SizeOption,
    BackgroundOption,
    PickOption,
    PanOption,
    BoxHeightOption,
    PickOutside,  // names the pick and the picture's size
    PickPicture,  // the picture the picks are read from cannot be made
    LegendOption,
    Count  // the number of codes, not a refusal
};

// The figures of the moment that a refusal's text names.
using TRefusalFigures = std::array<long double, 4>;

// The points to show are accepted strictly between these.
inline constexpr int32_t FewestPointsRefused = 10;
inline constexpr int32_t MostPointsRefused = 1000000;
// The horizontal angle is accepted strictly between -this and this.
inline constexpr double HorAngleLimit = 1000.0;
// The picture sizes --size admits, both ends included.
inline constexpr int32_t SmallestPictureWidth = 64, SmallestPictureHeight = 64;
inline constexpr int32_t LargestPictureWidth = 7680, LargestPictureHeight = 4320;
// The largest move --pan admits either way: half the window's graph.
inline constexpr int32_t LargestPanX = 252, LargestPanY = 202;

// The text of a refusal; BoundingRadius is the radius the view was checked
// against, which only the distance refusal names. Empty for None.
std::string RefusalMessage(TRefusal Refusal, double BoundingRadius = 0.0);
// The same with the figures the text names: the radius of the distance
// refusal, X, Y, width and height of the pick outside the picture.
std::string RefusalMessage(TRefusal Refusal, const TRefusalFigures& Figures);

// Whether the refusal is a memory failure, which the window reports in an
// error box rather than a warning box.
bool IsMemoryRefusal(TRefusal Refusal);

}  // namespace MainUnit
