// The points of a result set as comma-separated values: a header line
// "x,y,z", then one line per point in storage order. Every number is written
// in the shortest form that reads back to the same double, with "." as the
// decimal separator whatever the locale; an undefined point has an empty y.
// Lines end in CR LF.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Files/AtomicFile.h"

#include <cstddef>

namespace MainUnit {

// The largest piece, held in one buffer while the points are written.
inline constexpr std::size_t PointsCsvBufferBytes = std::size_t{64} * 1024;

// Writes points 0 .. PointCount - 1 through Write, in pieces of at most 64 KiB.
// False as soon as a piece cannot be written.
bool WritePointsCsv(const TResultSet& Results, const TChunkWriter& Write);

}  // namespace MainUnit
