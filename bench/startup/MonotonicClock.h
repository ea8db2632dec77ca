// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>

// CLOCK_MONOTONIC is one clock for every process on the machine, so a time taken
// in the driver and one taken in the program it started can be subtracted.
namespace MonotonicClock {

inline long long nanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace MonotonicClock
