// The texts the main window shows that are no refusal (those come from
// RefusalMessage), in one place so that the handlers and the tests use the
// very same strings.
#pragma once

namespace MainUnit {

// The information box at the end of a calculation.
inline constexpr const char* MsgCalculated = "Resulting points were successfully calculated.";

// Status line while the window is busy.
inline constexpr const char* StatusCalculating = "Calculating results, please wait...";
inline constexpr const char* StatusRepainting = "Repainting graph, please wait...";

}  // namespace MainUnit
