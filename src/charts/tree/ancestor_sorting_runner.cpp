// Handing out the trials of a pass to the cores.
#include "charts/tree/ancestor_sorting_runner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace qv {
namespace {

class TrialQueue {
public:
    TrialQueue(size_t count, const std::function<void(size_t, int)>& trial)
        : m_count(count), m_trial(trial)
    {
    }

    // The next index to run, count when there is none.
    size_t Take() { return m_stop ? m_count : std::min(m_next++, m_count); }
    void Stop() { m_stop = true; }

    // Runs trials on a helper thread until none is left.
    void Help(int worker)
    {
        for (size_t index = Take(); index < m_count; index = Take()) {
            try {
                m_trial(index, worker);
            } catch (...) {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (!m_error) m_error = std::current_exception();
                Stop();
            }
        }
    }

    void RethrowError()
    {
        if (m_error) std::rethrow_exception(m_error);
    }

private:
    const size_t m_count;
    const std::function<void(size_t, int)>& m_trial;
    std::atomic<size_t> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::exception_ptr m_error;
};

}  // namespace

int TrialThreads()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

bool RunTrials(size_t count, int threads, const std::function<void(size_t, int)>& trial,
               const std::function<bool(size_t)>& report)
{
    TrialQueue queue(count, trial);
    std::vector<std::jthread> helpers;
    for (int worker = 1; worker < threads && size_t(worker) < count; ++worker)
        helpers.emplace_back([&queue, worker] { queue.Help(worker); });
    size_t reported = 0;
    bool cancelled = false;
    try {
        for (size_t index = queue.Take(); !cancelled; index = queue.Take()) {
            for (const size_t upTo = std::min(index + 1, count); reported < upTo && !cancelled;)
                cancelled = report(reported++);
            if (cancelled || index >= count) break;
            trial(index, 0);
        }
    } catch (...) {
        queue.Stop();
        throw;
    }
    if (cancelled) queue.Stop();
    for (std::jthread& helper : helpers) helper.join();
    queue.RethrowError();
    return !cancelled;
}

}  // namespace qv
