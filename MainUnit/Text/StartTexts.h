// The texts the window's fields hold when the program starts; the command
// line keeps them for every option it is not given, and its help names them.
#pragma once

namespace MainUnit::StartText {

inline constexpr const char* IntervalFrom = "-10.0";  // X and Z
inline constexpr const char* IntervalTo = "10.0";     // X and Z; Y's ends are empty
inline constexpr const char* PointsToShow = "5000";
inline constexpr const char* Angle = "0";  // horizontal and vertical
inline constexpr const char* Distance = "0";
inline constexpr const char* Zoom = "100";

}  // namespace MainUnit::StartText
