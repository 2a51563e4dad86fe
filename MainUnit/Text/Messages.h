// The texts the main window shows that are no refusal (those come from
// RefusalMessage), in one place so that the handlers and the tests use the
// very same strings.
#pragma once

namespace MainUnit {

// The information box at the end of a calculation.
inline constexpr const char* MsgCalculated = "Resulting points were successfully calculated.";

// The program started for its window where no display can be opened.
inline constexpr const char* MsgNoDisplay =
    "Tessel cannot open its window: there is no display to show it on. Without a display, "
    "'--output FILE' writes the picture (.png) or the points (.csv) of the other options.";

// Status line while the window is busy.
inline constexpr const char* StatusCalculating = "Calculating results, please wait...";
inline constexpr const char* StatusRepainting = "Repainting graph, please wait...";

}  // namespace MainUnit
