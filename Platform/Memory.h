// How much memory the system can give the program right now.
#pragma once

#include <cstdint>
#include <string>

namespace Platform {

// The system's report on its memory (the text of /proc/meminfo), or an empty
// text when there is none. Replaceable, so that tests can set the figures.
using TMemoryReportReader = std::string (*)();
std::string ReadMemoryReport();
extern TMemoryReportReader MemoryReportReader;

// Bytes of physical memory the system can give the program at this moment
// without swapping: "MemAvailable" of the report, which counts the page cache
// the system drops when asked (on a desktop that has run a while most memory
// is cache). An older report without that line gives its "MemFree"; without
// a report, the free pages the C library tells. 0 when nothing tells. Under
// a limit of the address space (ulimit -v), at most what the limit leaves. A
// request beyond it would only be granted on credit: the system would end the
// program when the memory is first written.
uint64_t AvailableMemoryBytes();

}  // namespace Platform
