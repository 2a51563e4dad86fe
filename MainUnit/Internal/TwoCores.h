// Splitting a loop over two cores when the result cannot depend on the
// split: Work(First, Last, Part) handles entries First .. Last - 1 and keeps
// what it finds in slot Part (0 or 1) of the caller's own storage.
#pragma once

#include "MainUnit/Cores.h"

#include <cstddef>
#include <thread>
#include <type_traits>

namespace MainUnit {

// Below this many entries a second thread costs more than it saves.
inline constexpr size_t TwoCoreThreshold = 50000;

// Whether a loop of Count entries goes to a second thread with Cores.
inline bool SplitOverTwoCores(size_t Count, TCores Cores) noexcept
{
    switch (Cores) {
    case TCores::One:
        return false;
    case TCores::Two:
        return true;
    case TCores::Machine:
        break;
    }
    return Count >= TwoCoreThreshold && std::thread::hardware_concurrency() >= 2;
}

// Runs Work over [0, Count) in two halves, part 0 before part 1: the second
// half on a second thread when Split is true and a thread can be started,
// otherwise both on the calling thread. Returns only when both are done.
// An exception could not leave the second thread, so Work must be declared
// noexcept.
template <class TWork> void RunInTwoHalves(size_t Count, bool Split, TWork&& Work) noexcept
{
    static_assert(std::is_nothrow_invocable_v<TWork&, size_t, size_t, int>,
                  "the work of a split loop must not throw");
    const size_t Half = Count / 2;
    std::thread Second;
    if (Split) {
        try {
            Second = std::thread([&Work, Half, Count]() noexcept { Work(Half, Count, 1); });
        } catch (...) {
            Split = false;  // no thread to be had: do it here
        }
    }
    Work(size_t{0}, Half, 0);
    if (Split) {
        Second.join();
    } else {
        Work(Half, Count, 1);
    }
}

}  // namespace MainUnit
