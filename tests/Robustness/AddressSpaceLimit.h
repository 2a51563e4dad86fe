// A lowered limit on the address space of this process, for the tests of
// memory that runs out: allocations beyond it fail at once instead of
// taking the machine's memory. Only the soft limit is lowered, so the
// destructor can put it back. Not usable under a sanitizer that reserves
// terabytes of address space for its shadow memory (ShadowSanitizerBuild).
#pragma once

#include "tests/Support/SanitizerBuild.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <sys/resource.h>

// Bytes of address space the process uses now (VmSize), 0 if unknown.
inline uint64_t AddressSpaceInUse()
{
    std::ifstream Status("/proc/self/status");
    std::string Key;
    while (Status >> Key) {
        if (Key == "VmSize:") {
            uint64_t KiB = 0;
            Status >> KiB;
            return KiB * 1024;
        }
        Status.ignore(1 << 12, '\n');
    }
    return 0;
}

class TAddressSpaceLimit {
public:
    // Leaves Headroom bytes above what the process uses now.
    explicit TAddressSpaceLimit(uint64_t Headroom)
    {
        Active = getrlimit(RLIMIT_AS, &Saved) == 0;
        const uint64_t InUse = AddressSpaceInUse();
        if (!Active || InUse == 0) {
            Active = false;
            return;
        }
        rlimit Lowered = Saved;
        Lowered.rlim_cur = static_cast<rlim_t>(InUse + Headroom);
        if (Saved.rlim_max != RLIM_INFINITY && Lowered.rlim_cur > Saved.rlim_max)
            Lowered.rlim_cur = Saved.rlim_max;
        Active = setrlimit(RLIMIT_AS, &Lowered) == 0;
    }
    ~TAddressSpaceLimit()
    {
        if (Active) setrlimit(RLIMIT_AS, &Saved);
    }
    TAddressSpaceLimit(const TAddressSpaceLimit&) = delete;
    TAddressSpaceLimit& operator=(const TAddressSpaceLimit&) = delete;

    bool IsActive() const { return Active; }

private:
    rlimit Saved{};
    bool Active = false;
};
