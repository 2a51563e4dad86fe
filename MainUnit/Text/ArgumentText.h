// The program's arguments are bytes, which need not be valid UTF-8 (a file
// name can hold any byte but "/" and NUL). They are read as UTF-8 text for
// the option parser so that every byte comes back exactly: the name a file
// is written under is always the one the user gave.
#pragma once

#include <string>
#include <string_view>

namespace MainUnit {

// UTF-8 where the bytes are valid UTF-8; every other byte B becomes the
// unpaired surrogate U+DC00 + B, which no valid UTF-8 reads as.
std::u16string DecodeArgument(std::string_view Bytes);

// The bytes DecodeArgument read Text from; any other unpaired surrogate
// becomes "?".
std::string EncodeArgument(std::u16string_view Text);

}  // namespace MainUnit
