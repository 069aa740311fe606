// The trials of a sorting pass are independent of each other: they run on every core, while
// the calling thread reports progress for each trial in order and answers a cancel at once.
#pragma once

#include <cstddef>
#include <functional>

namespace qv {

// Calls trial(index, worker) for every index below count, on up to threads threads (worker is
// 0 .. threads - 1, 0 being the calling thread), and report(index) on the calling thread for
// every index in order as the trials get under way. When report answers true, no further trial
// starts and false is returned once the running ones are done. An exception thrown by a trial
// is passed on the same way.
bool RunTrials(size_t count, int threads, const std::function<void(size_t, int)>& trial,
               const std::function<bool(size_t)>& report);

// How many threads the trials of a pass use: one per core.
int TrialThreads();

}  // namespace qv
