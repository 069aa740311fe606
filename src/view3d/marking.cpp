// Marking walks down the included children with an explicit stack.
#include "view3d/marking.h"

#include "data/ahnen_data.h"

namespace qv {

TArrayOfBoolean MarkLinesOfDescent(const TAhnenData& data, const Scene3D& scene, int64_t person)
{
    TArrayOfBoolean marked(scene.Included.size(), false);
    if (!scene.IsIncluded(person)) return marked;
    std::vector<int64_t> stack{person};
    marked[person] = true;
    while (!stack.empty()) {
        int64_t current = stack.back();
        stack.pop_back();
        for (int64_t child : data.Persons[current].Children) {
            if (!scene.IsIncluded(child) || marked[child]) continue;
            marked[child] = true;
            stack.push_back(child);
        }
    }
    return marked;
}

}  // namespace qv
