// Trials on several threads: every trial once, progress in order, cancel and errors on the
// calling thread.
#include "charts/tree/ancestor_sorting_runner.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RunTrials, EveryTrialOnceAndProgressInOrderOnTheCallingThread)
{
    for (int threads : {1, 2, 5}) {
        SCOPED_TRACE("threads " + std::to_string(threads));
        std::vector<std::atomic<int>> runs(300);
        std::vector<size_t> reported;
        const std::thread::id caller = std::this_thread::get_id();
        auto trial = [&](size_t index, int worker) {
            EXPECT_LT(worker, threads);
            ++runs[index];
        };
        auto report = [&](size_t index) {
            EXPECT_EQ(std::this_thread::get_id(), caller);
            reported.push_back(index);
            return false;
        };
        EXPECT_TRUE(RunTrials(runs.size(), threads, trial, report));
        for (size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i], 1) << i;
        ASSERT_EQ(reported.size(), runs.size());
        for (size_t i = 0; i < reported.size(); ++i) EXPECT_EQ(reported[i], i);
    }
    EXPECT_TRUE(RunTrials(
        0, 3, [](size_t, int) { FAIL(); }, [](size_t) { return true; }));
}

TEST(RunTrials, CancelStartsNoFurtherTrial)
{
    const int threads = 3;
    std::atomic<bool> cancelled{false};
    std::atomic<int> late{0};
    std::vector<size_t> reported;
    // Trials take a while, as real ones do, so that a helper cannot race through several in
    // the moment between the answer and the stop.
    auto trial = [&](size_t, int) {
        if (cancelled) ++late;
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    };
    auto report = [&](size_t index) {
        reported.push_back(index);
        cancelled = index == 40;
        return cancelled.load();
    };
    EXPECT_FALSE(RunTrials(1000, threads, trial, report));
    EXPECT_EQ(reported.back(), 40u);
    // A helper may have taken its next trial just before the cancel came.
    EXPECT_LE(late.load(), threads - 1);
}

TEST(RunTrials, AnErrorInATrialReachesTheCaller)
{
    for (int threads : {1, 3}) {
        auto trial = [](size_t index, int) {
            if (index == 57) throw std::runtime_error("trial 57");
        };
        try {
            RunTrials(200, threads, trial, [](size_t) { return false; });
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "trial 57");
        }
    }
}

}  // namespace
}  // namespace qv
