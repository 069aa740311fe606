// The progress estimate of long path walks and the question to the callback.
#include "calc/walk_guard.h"

#include <algorithm>

#include "calc/family_graph.h"
#include "calc/path_walk.h"

namespace qv {

bool WalkGuard::Ask(int64_t percent) const
{
    if (m_position >= 0) return (*m_progress)(m_text, m_position, m_maximum);
    return (*m_progress)(m_text, percent, 100);
}

bool WalkGuard::CheckWalk(const FamilyGraph& graph, const std::vector<WalkFrame>& stack) const
{
    if (m_position >= 0) return Ask(m_position);
    // Each frame has explored some of its branches; weighting them as equally large gives a
    // share of the whole walk that only grows.
    double done = 0, scale = 1;
    for (const WalkFrame& f : stack) {
        double children = static_cast<double>(graph.Children(f.person).size());
        bool up = f.turn < 0;
        double branches = up ? 2 + children : children;
        double current =
            up ? (f.next == kWalkDone ? 1 : f.next - 1.0) : f.next - kWalkChildren - 1.0;
        if (branches <= 0) break;
        done += scale * std::max(0.0, current) / branches;
        scale /= branches;
        if (scale < 1e-6) break;
    }
    return Ask(static_cast<int64_t>(done * 100));
}

}  // namespace qv
