// Every text the main window shows in a message box or its status line, in
// one place so that the handlers and the tests use the very same strings.
#pragma once

namespace MainUnit {

// Refusals of "Calculate results", in the order of the checks.
inline constexpr const char* MsgPointsToShow =
    "'Number of points to show' must be integer value between 10 and 1000000.";
inline constexpr const char* MsgXZInterval =
    "'X Interval' and 'Z Interval' must be valid real numbers.";
inline constexpr const char* MsgYInterval =
    "'Y Interval' should be valid real numbers, or it must be undefined.";
inline constexpr const char* MsgExpressionLength =
    "Maximum length of function expression ('Y = F(X, Z) =') is 255 characters.";
inline constexpr const char* MsgParameterCount =
    "Maximum number of parameters in function expression ('Y = F(X, Z) =') is 10.";
inline constexpr const char* MsgSyntaxError =
    "Syntax error in function expression ('Y = F(X, Z) =').";
// An interval whose width (To - From) is beyond the range of numbers.
inline constexpr const char* MsgIntervalWidth =
    "The width of 'X Interval' or 'Z Interval' is beyond the range of numbers. Use narrower "
    "intervals.";
inline constexpr const char* MsgCannotAllocate = "Cannot allocate necessary memory.";
inline constexpr const char* MsgCalculated = "Resulting points were successfully calculated.";
// Intervals or results so large that the camera distance needed to show them
// would be beyond the range of numbers.
inline constexpr const char* MsgResultsTooLarge =
    "The results are too large to be shown: the camera distance they need is beyond the range of "
    "numbers. Use smaller 'X Interval' and 'Z Interval', or limit the results with 'Y Interval'.";

// Refusals of a repaint, in the order of the checks.
inline constexpr const char* MsgNoResults = "There are no calculated results to show.";
inline constexpr const char* MsgViewNumbers =
    "'Horizontal angle', 'Vertical angle', 'Distance' and 'Zoom' must be valid real numbers.";
inline constexpr const char* MsgHorAngle =
    "'Horizontal angle' must be valid real number between -1000 and 1000.";
inline constexpr const char* MsgVerAngle =
    "'Vertical angle' must be valid real number between -PI/2 and PI/2.";
inline constexpr const char* MsgZoom = "'Zoom' must be valid real number greater than 0.";
inline constexpr const char* MsgDistanceHead = "'Distance' must be greater than ";
inline constexpr const char* MsgDistanceTail =
    " (for these function settings) to prevent the graph from deformations. To set it to the "
    "minimal possible value use 'Min->' button.";
inline constexpr const char* MsgViewPlane = "ViewPlane calculation error.";
// A view that projects no point at all: the zoom vanishes against the
// distance in the precision of numbers, or overflows.
inline constexpr const char* MsgViewBeyondPrecision =
    "The graph cannot be drawn: 'Zoom' is too small (or too large) against 'Distance' for the "
    "precision of numbers. Change 'Zoom', or use smaller intervals or results.";
// The same when the results reach so far beyond the X and Z intervals that
// they alone make the distance too large for the zoom.
inline constexpr const char* MsgResultsBeyondPrecision =
    "The graph cannot be drawn: the results reach too far beyond 'X Interval' and 'Z Interval' "
    "for the precision of numbers. Limit the results with 'Y Interval'.";
inline constexpr const char* MsgZBuffer = "Cannot allocate memory for Z-Buffer.";

// The program started for its window where no display can be opened.
inline constexpr const char* MsgNoDisplay =
    "Tessel cannot open its window: there is no display to show it on. Without a display, "
    "'--output FILE' writes the picture (.png) or the points (.csv) of the other options.";

// Status line while the window is busy.
inline constexpr const char* StatusCalculating = "Calculating results, please wait...";
inline constexpr const char* StatusRepainting = "Repainting graph, please wait...";

}  // namespace MainUnit
