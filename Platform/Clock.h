// The system clock in universal time.
#pragma once

namespace Platform {

struct TUtcTime {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

TUtcTime CurrentUtcTime();

}  // namespace Platform
