// Writing a file so that it is either whole or absent: the content goes into
// a new file beside the target, which replaces the target only once it has
// been written completely. What is not a regular file (a device, a FIFO,
// standard output) is written where it is, never replaced.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace MainUnit {

// Takes the next piece of the content; false when it could not be written.
using TChunkWriter = std::function<bool(const char* Data, std::size_t Size)>;
// Produces the whole content through the writer; false to give up.
using TFileContent = std::function<bool(const TChunkWriter& Write)>;

// Writes Content to Path. A regular file (or a new name) is replaced: on
// failure nothing is left behind (neither a partial target nor the temporary
// file), an existing target is unchanged, and Reason says why in the
// system's words. A file the user may not write is refused ("Permission
// denied"), as the shell refuses it; the superuser may write any. A target
// that exists but is not a regular file, or a link to one of the process's
// open descriptors (/dev/stdout), is written in place.
bool WriteFileAtomically(const std::string& Path, const TFileContent& Content, std::string& Reason);

// Writes Content where the open descriptor Fd stands (1: standard output),
// every write checked; false with Reason on failure.
bool WriteToDescriptor(int Fd, const TFileContent& Content, std::string& Reason);

// Whether Path names the very file (or device, or pipe) that the open
// descriptor Fd writes to, as "--output so.png > so.png" or a link to
// /dev/stdout does.
bool IsWhereDescriptorWrites(const std::string& Path, int Fd);

// The error box text for a file that could not be written.
std::string CannotWriteMessage(const std::string& Path, const std::string& Reason);
std::string CannotWriteStandardOutputMessage(const std::string& Reason);

}  // namespace MainUnit
