// The founder share from two direct-line dynamic programmes.
#include "calc/founder_share.h"

#include <algorithm>

#include "calc/direct_paths.h"
#include "calc/family_graph.h"

namespace qv {

double ComputeC(const FamilyGraph& graph, int32_t person, const std::vector<TPersonResult>& results)
{
    std::vector<CountArray> own = CountDirectUp(graph, person);
    std::vector<int32_t> ancestors = AncestorsChildrenFirst(graph, person);
    // Summed in index order, so the rounding does not depend on the walk.
    std::sort(ancestors.begin(), ancestors.end());
    double s1 = 0, s2 = 0;
    for (int32_t i : ancestors) {
        double q = 0.5 * (graph.Father(i) < 0) + 0.5 * (graph.Mother(i) < 0);
        const CountArray& rootLines = results[i].DirectUp;
        if (q == 0 || rootLines.Empty()) continue;
        s1 += q * HalvingSum(rootLines);
        s2 += q * HalvingSum(own[i]);
    }
    return s1 * s2;
}

}  // namespace qv
