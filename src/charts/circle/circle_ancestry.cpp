// The ring count, the first gap and the ancestry heights of the circle chart, by explicit
// stacks and queues: ancestries run deeper than the call stack may.
#include "charts/circle/circle_ancestry.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "charts/tree/person_sets.h"

namespace qv {

int32_t CircleRingCount(const TAhnenData& data, int64_t proband, int32_t maxRings)
{
    std::vector<bool> numbered(data.Persons.size(), false);
    std::vector<std::pair<int64_t, int32_t>> stack{{proband, 0}};
    int32_t deepest = 0;
    while (!stack.empty()) {
        const auto [person, depth] = stack.back();
        stack.pop_back();
        if (person < 0 || numbered[person]) continue;
        numbered[person] = true;
        deepest = std::max(deepest, depth);
        const auto [father, mother] = ParentsOf(data, person);
        // The mother goes first onto the stack so that the father's line is walked first.
        stack.emplace_back(mother, depth + 1);
        stack.emplace_back(father, depth + 1);
    }
    return std::clamp(deepest + 1, 1, std::max(maxRings, 1));
}

int32_t FirstMissingDepth(const TAhnenData& data, int64_t proband)
{
    std::vector<bool> seen(data.Persons.size(), false);
    std::deque<std::pair<int64_t, int32_t>> queue{{proband, 0}};
    seen[proband] = true;
    while (!queue.empty()) {
        const auto [person, depth] = queue.front();
        queue.pop_front();
        const auto [father, mother] = ParentsOf(data, person);
        if (father < 0 || mother < 0) return depth;
        for (int64_t parent : {father, mother})
            if (!seen[parent]) {
                seen[parent] = true;
                queue.emplace_back(parent, depth + 1);
            }
    }
    return 0;
}

std::vector<int32_t> AncestryHeights(const TAhnenData& data, int64_t proband)
{
    enum class State : uint8_t { New, Open, Done };
    std::vector<int32_t> height(data.Persons.size(), 0);
    std::vector<State> state(data.Persons.size(), State::New);
    std::vector<int64_t> stack{proband};
    while (!stack.empty()) {
        const int64_t person = stack.back();
        const auto [father, mother] = ParentsOf(data, person);
        if (state[person] == State::New) {
            state[person] = State::Open;
            // A parent still open would close a cycle; it is not followed.
            for (int64_t parent : {father, mother})
                if (parent >= 0 && state[parent] == State::New) stack.push_back(parent);
            continue;
        }
        stack.pop_back();
        if (state[person] == State::Done) continue;
        state[person] = State::Done;
        for (int64_t parent : {father, mother})
            if (parent >= 0 && state[parent] == State::Done)
                height[person] = std::max(height[person], height[parent] + 1);
    }
    return height;
}

}  // namespace qv
