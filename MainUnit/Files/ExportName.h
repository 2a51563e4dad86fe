// The file name proposed for a saved picture or exported points.
#pragma once

#include <string>
#include <string_view>

namespace MainUnit {

// Expression followed by "." and Extension, with every character that a
// file name cannot hold on common systems ("/", "\", ":", "*", "?", quotes,
// "<", ">", "|", controls) and a leading dot replaced by "_", cut to a
// length every file system takes. An empty expression gives "graph".
std::string FileNameFromExpression(std::string_view Expression, std::string_view Extension);

}  // namespace MainUnit
