// Iterative three-colour depth-first search, so deep files cannot overflow the stack.
#include "data/cycle_check.h"

#include <array>
#include <span>
#include <utility>
#include <vector>

#include "data/ahnen_data.h"
#include "data/error.h"

namespace qv {
namespace {

enum class Colour : uint8_t { White, Grey, Black };

struct Frame {
    int64_t person;
    size_t next;
};

// Neighbours are produced into a small buffer: the parents, or the children.
template <typename Neighbours>
int64_t SearchFrom(int64_t root, std::vector<Colour>& colour, Neighbours neighbours)
{
    if (root < 0 || colour[root] != Colour::White) return -1;
    std::vector<Frame> stack{{root, 0}};
    colour[root] = Colour::Grey;
    while (!stack.empty()) {
        Frame& top = stack.back();
        std::span<const int64_t> next = neighbours(top.person);
        if (top.next == next.size()) {
            colour[top.person] = Colour::Black;
            stack.pop_back();
            continue;
        }
        int64_t n = next[top.next++];
        if (n < 0) continue;
        if (colour[n] == Colour::Grey) return n;
        if (colour[n] == Colour::White) {
            colour[n] = Colour::Grey;
            stack.push_back({n, 0});
        }
    }
    return -1;
}

// The parents of a person as a span over a per-call buffer.
struct ParentsOf {
    const TAhnenData& data;
    std::array<int64_t, 2> buffer{};

    std::span<const int64_t> operator()(int64_t person)
    {
        int32_t f = data.Persons[person].ParentFamily;
        if (f < 0 || f >= static_cast<int32_t>(data.Families.size())) return {};
        buffer = {data.Families[f].Husband, data.Families[f].Wife};
        return buffer;
    }
};

struct ChildrenOf {
    const TAhnenData& data;

    std::span<const int64_t> operator()(int64_t person) const
    {
        return data.Persons[person].Children;
    }
};

}  // namespace

int64_t FindCycleInAncestry(const TAhnenData& data, int64_t root)
{
    std::vector<Colour> colour(data.Persons.size(), Colour::White);
    return SearchFrom(root, colour, ParentsOf{data});
}

int64_t FindCycleInDescendants(const TAhnenData& data, int64_t root)
{
    std::vector<Colour> colour(data.Persons.size(), Colour::White);
    return SearchFrom(root, colour, ChildrenOf{data});
}

int64_t FindAnyCycle(const TAhnenData& data)
{
    std::vector<Colour> colour(data.Persons.size(), Colour::White);
    ParentsOf parents{data};
    for (int64_t p = 0; p < static_cast<int64_t>(data.Persons.size()); ++p) {
        int64_t found = SearchFrom(p, colour, std::ref(parents));
        if (found >= 0) return found;
    }
    return -1;
}

void CheckAncestryAcyclic(const TAhnenData& data, int64_t root)
{
    int64_t found = FindCycleInAncestry(data, root);
    if (found >= 0) throw Error(CycleMessage(data, found));
}

void CheckDescendantsAcyclic(const TAhnenData& data, int64_t root)
{
    int64_t found = FindCycleInDescendants(data, root);
    if (found >= 0) throw Error(CycleMessage(data, found));
}

std::string CycleMessage(const TAhnenData& data, int64_t person)
{
    return "Zirkelbezug in der Abstammung: " + data.DescribePerson(person) +
           " ist eigener Vorfahre.";
}

}  // namespace qv
