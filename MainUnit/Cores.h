// How many threads a long loop of the core may use. The result never
// depends on it; it is a parameter so that a caller, and a test on any
// machine, can choose either way through the loop.
#pragma once

#include <cstdint>

namespace MainUnit {

enum class TCores : uint8_t {
    One,      // the calling thread alone
    Machine,  // a second thread for a long loop where the machine has a second core
    Two,      // always a second thread, whatever the loop and the machine
};

}  // namespace MainUnit
