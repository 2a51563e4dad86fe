// How the graph picture is drawn beyond the view settings: the choices of
// the graph's context menu and of the command line. Every choice is off by
// default, and then the picture is the plain one.
#pragma once

#include <cstdint>

namespace MainUnit {

// A move of the picture in whole pixels of the window's graph: right and down.
struct TPan {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPan&, const TPan&) = default;
};

// The box's heights as a fraction of its base width: by default, and the
// range --box-height admits (both ends included).
inline constexpr double DefaultBoxHeight = 0.75;
inline constexpr double SmallestBoxHeight = 0.1, LargestBoxHeight = 10.0;

// What a picture carries beside its graph: the sketch and legend below it as
// the window shows them, a colour bar of the heights at its right, or nothing.
enum class TLegendChoice : uint8_t { Panel, Bar, None };

struct TPictureOptions {
    bool Box = false;                     // each axis scaled onto a cube round the origin
    bool Ticks = false;                   // the box's edges with tick values and axis names
    bool LightBackground = false;         // white picture, dark sketch and legend text
    bool FitAfterCalculation = false;     // the fit of a double-click after every calculation
    double BoxHeight = DefaultBoxHeight;  // the box's heights per its base width
    TPan Pan;                             // set by the fit, Shift+drag and --pan
    TLegendChoice Legend = TLegendChoice::Panel;  // of written pictures and the large view
    // The graph as a filled surface through a depth buffer of its own, and
    // that surface shaded by a light beside the camera.
    bool Surface = false;
    bool Light = false;
};

// Colours 0x00BBGGRR of what changes with the background.
inline constexpr uint32_t DarkBackgroundColor = 0x000000;
inline constexpr uint32_t LightBackgroundColor = 0xFFFFFF;
// Text and lines drawn over the background: white on black, near black on white.
inline constexpr uint32_t DarkForegroundColor = 0xFFFFFF;
inline constexpr uint32_t LightForegroundColor = 0x202020;
// Undefined points on white: a grey that shows, and that no height colour has.
inline constexpr uint32_t UndefinedOnLightColor = 0x808080;

inline uint32_t BackgroundColor(const TPictureOptions& Options)
{
    return Options.LightBackground ? LightBackgroundColor : DarkBackgroundColor;
}

inline uint32_t ForegroundColor(const TPictureOptions& Options)
{
    return Options.LightBackground ? LightForegroundColor : DarkForegroundColor;
}

}  // namespace MainUnit
