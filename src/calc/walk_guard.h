// Progress and cancel for the long calculations: asks the callback now and then whether to stop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/progress.h"

namespace qv {

class FamilyGraph;
struct WalkFrame;

// Counts work and asks the progress callback every few milliseconds of it. The position it
// reports is either fixed (per-person loops) or the share of the work done, in percent.
class WalkGuard {
public:
    // Never stops: for values computed on demand, without progress.
    WalkGuard() = default;
    WalkGuard(const ProgressCallback& progress, std::string text)
        : m_progress(&progress), m_text(std::move(text))
    {
    }
    WalkGuard(const ProgressCallback& progress, std::string text, int64_t position, int64_t maximum)
        : m_progress(&progress), m_text(std::move(text)), m_position(position), m_maximum(maximum)
    {
    }

    // One step of a path walk; the share done is estimated from the walk's stack. True when
    // the walk is to stop.
    bool Tick(const FamilyGraph& graph, const std::vector<WalkFrame>& stack)
    {
        return ++m_steps % kStepsPerCheck == 0 && Active() && CheckWalk(graph, stack);
    }
    // Work of another kind, in units of about one multiply-add. True when it is to stop.
    bool AddWork(uint64_t units)
    {
        m_work += units;
        if (m_work < kWorkPerCheck) return false;
        m_work = 0;
        return Active() && Ask(static_cast<int64_t>(m_share * 100));
    }
    // The share (0 to 1) of the work done, reported with the next question.
    void SetShare(double share) { m_share = share; }

private:
    static constexpr uint64_t kStepsPerCheck = 1u << 18;
    static constexpr uint64_t kWorkPerCheck = 1u << 20;
    bool Active() const { return m_progress && *m_progress; }
    bool CheckWalk(const FamilyGraph& graph, const std::vector<WalkFrame>& stack) const;
    bool Ask(int64_t percent) const;

    const ProgressCallback* m_progress = nullptr;
    std::string m_text;
    int64_t m_position = -1;
    int64_t m_maximum = 100;
    uint64_t m_steps = 0;
    uint64_t m_work = 0;
    double m_share = 0;
};

}  // namespace qv
