#include "Platform/Memory.h"

#include <unistd.h>

namespace Platform {

uint64_t AvailableMemoryBytes()
{
    const long Pages = sysconf(_SC_AVPHYS_PAGES);
    const long PageSize = sysconf(_SC_PAGESIZE);
    if (Pages <= 0 || PageSize <= 0) return 0;
    return uint64_t(Pages) * uint64_t(PageSize);
}

}  // namespace Platform
