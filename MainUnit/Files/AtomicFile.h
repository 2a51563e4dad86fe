// Writing a file so that it is either whole or absent: the content goes into
// a new file beside the target, which replaces the target only once it has
// been written completely.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace MainUnit {

// Takes the next piece of the content; false when it could not be written.
using TChunkWriter = std::function<bool(const char* Data, std::size_t Size)>;
// Produces the whole content through the writer; false to give up.
using TFileContent = std::function<bool(const TChunkWriter& Write)>;

// Writes Content to Path. On failure nothing is left behind (neither a
// partial target nor the temporary file), an existing target is unchanged,
// and Reason says why in the system's words.
bool WriteFileAtomically(const std::string& Path, const TFileContent& Content, std::string& Reason);

// The error box text for a file that could not be written.
std::string CannotWriteMessage(const std::string& Path, const std::string& Reason);

}  // namespace MainUnit
