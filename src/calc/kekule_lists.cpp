// Kekule lists from the data layer's numbering, and smallest numbers by a best-first search.
#include "calc/kekule_lists.h"

#include <functional>
#include <queue>
#include <utility>

#include "calc/family_graph.h"
#include "data/ahnen_data.h"
#include "data/kekule.h"

namespace qv {

bool IsXKekule(bool rootIsMale, int64_t n)
{
    if (n < 1) return false;
    int generation = KekuleGeneration(n);
    bool previousToFather = rootIsMale;  // a man has no X chromosome from his father
    for (int i = generation - 1; i >= 0; --i) {
        bool toFather = ((n >> i) & 1) == 0;
        if (toFather && previousToFather) return false;
        previousToFather = toFather;
    }
    return true;
}

KekuleLists ComputeKekuleLists(const TAhnenData& data, int64_t root)
{
    KekuleLists lists;
    lists.Numbers = data.ComputeKekuleNumbers(root);
    lists.XNumbers.resize(lists.Numbers.size());
    bool rootIsMale = root >= 0 && root < static_cast<int64_t>(data.Persons.size()) &&
                      data.Persons[root].Sex == 'M';
    for (size_t p = 0; p < lists.Numbers.size(); ++p)
        for (int64_t n : lists.Numbers[p])
            if (IsXKekule(rootIsMale, n)) lists.XNumbers[p].push_back(n);
    return lists;
}

std::vector<int64_t> ComputeKekuleMin(const FamilyGraph& graph, int32_t root)
{
    std::vector<int64_t> smallest(graph.Size(), 0);
    if (!graph.Contains(root)) return smallest;
    // Numbers only grow along a line, so the first time a person is taken from the queue
    // it carries its smallest number; later arrivals are ignored.
    using Entry = std::pair<int64_t, int32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    queue.push({1, root});
    while (!queue.empty()) {
        auto [number, person] = queue.top();
        queue.pop();
        if (smallest[person] != 0) continue;
        smallest[person] = number;
        if (KekuleGeneration(number) == kMaxKekuleGeneration) continue;
        if (graph.Father(person) >= 0) queue.push({2 * number, graph.Father(person)});
        if (graph.Mother(person) >= 0) queue.push({2 * number + 1, graph.Mother(person)});
    }
    return smallest;
}

}  // namespace qv
