// Layout children, owned parents and a walk order of the ownership tree.
#include "view3d/layout_tree.h"

#include "data/ahnen_data.h"

namespace qv {

LayoutTree BuildLayoutTree(const TAhnenData& data, const TArrayOfBoolean& included, int64_t proband)
{
    const size_t count = data.Persons.size();
    LayoutTree tree{
        TArrayOfInt64(count, -1), std::vector<std::array<int64_t, 2>>(count, {-1, -1}), {}};
    for (size_t p = 0; p < count; ++p) {
        if (!included[p] || static_cast<int64_t>(p) == proband) continue;
        for (int64_t child : data.Persons[p].Children) {
            if (!included[child]) continue;
            tree.LayoutChild[p] = child;
            break;
        }
    }
    for (size_t p = 0; p < count; ++p) {
        if (!included[p]) continue;
        int64_t father = data.GetFather(static_cast<int64_t>(p));
        int64_t mother = data.GetMother(static_cast<int64_t>(p));
        auto owned = [&](int64_t parent) {
            return parent >= 0 && tree.LayoutChild[parent] == static_cast<int64_t>(p);
        };
        tree.OwnedParents[p][0] = owned(father) ? father : -1;
        // One person as both parents is still placed once, as the father.
        tree.OwnedParents[p][1] = owned(mother) && mother != father ? mother : -1;
    }
    std::vector<int64_t> stack{proband};
    while (!stack.empty()) {
        int64_t person = stack.back();
        stack.pop_back();
        tree.PreOrder.push_back(person);
        for (int64_t parent : {tree.OwnedParents[person][1], tree.OwnedParents[person][0]})
            if (parent >= 0) stack.push_back(parent);
    }
    return tree;
}

}  // namespace qv
