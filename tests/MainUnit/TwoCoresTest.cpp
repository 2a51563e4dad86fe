// The split of a loop over two cores: which thread runs each half, and
// that the halves cover the loop exactly once.
#include "MainUnit/Internal/TwoCores.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <thread>

using namespace MainUnit;

namespace {

TEST(TwoCores, ChoiceAndHalves)
{
    const bool MachineSplits = std::thread::hardware_concurrency() >= 2;
    struct {
        size_t Count;
        TCores Cores;
        bool Split;
    } const Cases[] = {
        {0, TCores::Two, true},
        {1, TCores::Two, true},
        {7, TCores::Two, true},
        {TwoCoreThreshold, TCores::One, false},
        {1000000, TCores::One, false},
        {TwoCoreThreshold - 1, TCores::Machine, false},
        {TwoCoreThreshold, TCores::Machine, MachineSplits},
    };
    for (const auto& C : Cases) {
        ASSERT_EQ(SplitOverTwoCores(C.Count, C.Cores), C.Split) << C.Count;
        const std::thread::id Caller = std::this_thread::get_id();
        std::thread::id Thread[2];
        size_t Firsts[2] = {1, 1}, Lasts[2] = {0, 0};
        RunInTwoHalves(C.Count, C.Split, [&](size_t First, size_t Last, int Part) noexcept {
            Thread[Part] = std::this_thread::get_id();
            Firsts[Part] = First;
            Lasts[Part] = Last;
        });
        EXPECT_EQ(Thread[0], Caller) << C.Count;
        EXPECT_EQ(Thread[1] != Caller, C.Split) << C.Count;
        EXPECT_EQ(Firsts[0], 0u);
        EXPECT_EQ(Lasts[0], C.Count / 2);
        EXPECT_EQ(Firsts[1], C.Count / 2);
        EXPECT_EQ(Lasts[1], C.Count);
    }
}

}  // namespace
