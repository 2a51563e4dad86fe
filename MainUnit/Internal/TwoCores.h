// Splitting a loop over the machine's two cores when the result cannot
// depend on the split: Work(First, Last, Part) handles entries First .. Last - 1
// and keeps what it finds in slot Part (0 or 1) of the caller's own storage.
#pragma once

#include <cstddef>
#include <exception>
#include <thread>

namespace MainUnit {

// Below this many entries a second thread costs more than it saves.
inline constexpr size_t TwoCoreThreshold = 50000;

// Runs Work over [0, Count): the second half on a second thread when the
// machine has one and the loop is long enough; otherwise, or when no thread
// can be started, both halves on the calling thread. Returns only when both
// halves are done. Work must not throw.
template <class TWork> void RunOnTwoCores(size_t Count, TWork&& Work) noexcept
{
    const size_t Half = Count / 2;
    if (Count < TwoCoreThreshold || std::thread::hardware_concurrency() < 2) {
        Work(size_t{0}, Half, 0);
        Work(Half, Count, 1);
        return;
    }
    std::thread Second;
    try {
        Second = std::thread([&Work, Half, Count] { Work(Half, Count, 1); });
    } catch (...) {
        Work(Half, Count, 1);  // no thread to be had: do it here
    }
    Work(size_t{0}, Half, 0);
    if (Second.joinable()) Second.join();
}

}  // namespace MainUnit
