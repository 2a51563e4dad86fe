// Random use of the real window: at least 20,000 actions from a fixed seed
// (TESSEL_RANDOM_SEED picks another, TESSEL_RANDOM_ACTIONS another count).
// After every action the window must be alive and unlocked, every box one
// of the program's texts, every refused calculation exactly its warning,
// every successful one a sound result set, and the pictures their size.
#include "AddressSpaceLimit.h"
#include "RandomUser.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

uint64_t FromEnvironment(const char* Name, uint64_t Default)
{
    const char* Text = std::getenv(Name);
    return Text && *Text ? std::strtoull(Text, nullptr, 0) : Default;
}

// Ends the process, naming the action, when one action runs longer than
// Limit: a hang must not pass for a slow test.
class TWatchdog {
public:
    explicit TWatchdog(std::chrono::seconds Limit)
        : Thread([this, Limit](std::stop_token Stop) { Watch(Stop, Limit); })
    {
    }
    void Started(const std::string& What)
    {
        std::lock_guard Lock(Mutex);
        Current = What;
        ++Progress;
    }

private:
    void Watch(std::stop_token Stop, std::chrono::seconds Limit)
    {
        std::unique_lock Lock(Mutex);
        while (!Stop.stop_requested()) {
            const uint64_t Seen = Progress;
            Wake.wait_for(Lock, Stop, Limit, [&] { return Progress != Seen; });
            if (!Stop.stop_requested() && Progress == Seen) {
                std::fprintf(stderr, "HANG: no progress for %lld s after: %s\n",
                             static_cast<long long>(Limit.count()), Current.c_str());
                std::abort();
            }
        }
    }
    std::mutex Mutex;
    std::condition_variable_any Wake;
    std::string Current;
    uint64_t Progress = 0;
    std::jthread Thread;  // last: stopped and joined first
};

TEST(RandomActions, TheWindowSurvivesRandomUse)
{
    const uint64_t Seed = FromEnvironment("TESSEL_RANDOM_SEED", 20261207);
    const uint64_t Actions = FromEnvironment("TESSEL_RANDOM_ACTIONS", 20000);
    // Outside AddressSanitizer the run has 1 GB of address space to spare,
    // so that grids far beyond it take the memory-failure path at once.
    const uint64_t Headroom = ShadowSanitizerBuild ? 0 : uint64_t{1} << 30;
    std::unique_ptr<TAddressSpaceLimit> Limit;
    if (Headroom > 0) {
        Limit = std::make_unique<TAddressSpaceLimit>(Headroom);
        ASSERT_TRUE(Limit->IsActive());
    }

    TWindowDriver Window;
    TRandomUser User(Window, Seed, Headroom);
    TWatchdog Watchdog(std::chrono::seconds(120));
    for (uint64_t I = 0; I < Actions; ++I) {
        Watchdog.Started("action " + std::to_string(I) + " after: " + User.LastAction());
        const std::string Problem = User.Step();
        ASSERT_TRUE(Problem.empty())
            << "seed " << Seed << ", action " << I << " (" << User.LastAction() << "): " << Problem;
    }
    const TRandomUserCounts& Count = User.Counts();
    std::printf("seed %llu: %lld actions, %lld calculations, %lld refusals, %lld memory failures, "
                "%lld repaints\n",
                static_cast<unsigned long long>(Seed), static_cast<long long>(Count.Actions),
                static_cast<long long>(Count.Calculations), static_cast<long long>(Count.Refusals),
                static_cast<long long>(Count.MemoryFailures),
                static_cast<long long>(Count.Repaints));
    // A run that never calculates or never draws would prove little.
    EXPECT_GT(Count.Calculations, static_cast<int64_t>(Actions / 100));
    EXPECT_GT(Count.Repaints, static_cast<int64_t>(Actions / 100));
    EXPECT_GT(Count.Refusals, static_cast<int64_t>(Actions / 100));
}

}  // namespace
