// Smallest Kekule numbers generation by generation, and the caption offset they give.
#include "charts/tree/generation_offset.h"

#include <limits>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

constexpr int64_t kTooLarge = std::numeric_limits<int64_t>::max();

int64_t ParentNumber(int64_t child, int parent)
{
    if (child > (kTooLarge - 1) / 2) return kTooLarge;
    return 2 * child + parent;
}

bool Smaller(const SmallestKekule& a, const SmallestKekule& b)
{
    if (b.Number == 0) return a.Number != 0;
    if (a.Number == 0) return false;
    return a.Generation != b.Generation ? a.Generation < b.Generation : a.Number < b.Number;
}

}  // namespace

std::vector<SmallestKekule> SmallestKekuleNumbers(const TAhnenData& data, int64_t kekuleOne)
{
    std::vector<SmallestKekule> result(data.Persons.size());
    if (kekuleOne < 0 || kekuleOne >= int64_t(data.Persons.size())) return result;
    result[kekuleOne] = {0, 1};
    // Generation by generation: the smallest numbers of a generation come from the smallest
    // of the one before, and a person's first generation is its smallest.
    std::vector<int64_t> current{kekuleOne}, next;
    for (int32_t generation = 1; !current.empty(); ++generation) {
        next.clear();
        for (int64_t child : current) {
            auto parents = ParentsOf(data, child);
            for (int side = 0; side < 2; ++side) {
                int64_t parent = parents[side];
                if (parent < 0) continue;
                SmallestKekule candidate{generation, ParentNumber(result[child].Number, side)};
                if (result[parent].Number == 0) next.push_back(parent);
                if (result[parent].Number == 0 || (result[parent].Generation == generation &&
                                                   candidate.Number < result[parent].Number))
                    result[parent] = candidate;
            }
        }
        current.swap(next);
    }
    return result;
}

int32_t GenerationOffset(const std::vector<SmallestKekule>& kekule,
                         const TImage_Vorfahren& ancestors, const TImage_Nachfahren& descendants)
{
    SmallestKekule best;
    int32_t offset = 0;
    // A later person wins only with a strictly smaller number.
    auto consider = [&](size_t person, int32_t rowTerm) {
        if (person >= kekule.size() || !Smaller(kekule[person], best)) return;
        best = kekule[person];
        offset = best.Generation + rowTerm;
    };
    for (size_t p = 0; p < ancestors.Drawn().size(); ++p)
        if (ancestors.Drawn()[p]) consider(p, -ancestors.RowOf(int64_t(p)));
    const TTree& tree = descendants.Tree();
    for (size_t p = 0; p < tree.NodeOf.size(); ++p)
        if (tree.NodeOf[p] >= 0) consider(p, tree.Nodes[tree.NodeOf[p]].Depth);
    return offset;
}

}  // namespace qv
