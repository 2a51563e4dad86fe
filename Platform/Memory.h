// How much memory the system can give the program right now.
#pragma once

#include <cstdint>

namespace Platform {

// Bytes of physical memory that are free at this moment; 0 when the system
// does not tell. A request beyond it would only be granted on credit: the
// system would end the program when the memory is first written.
uint64_t AvailableMemoryBytes();

}  // namespace Platform
