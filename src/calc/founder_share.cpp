// The founder share from two direct-line dynamic programmes, or from the parents' shares.
#include "calc/founder_share.h"

#include <algorithm>

#include "calc/direct_paths.h"
#include "calc/family_graph.h"

namespace qv {
namespace {

// The weight of a founder: ½ for each missing parent.
double FounderWeight(const FamilyGraph& graph, int32_t person)
{
    return 0.5 * (graph.Father(person) < 0) + 0.5 * (graph.Mother(person) < 0);
}

}  // namespace

double ComputeC(const FamilyGraph& graph, int32_t person, const std::vector<TPersonResult>& results)
{
    std::vector<CountArray> own = CountDirectUp(graph, person);
    std::vector<int32_t> ancestors = AncestorsChildrenFirst(graph, person);
    // Summed in index order, so the rounding does not depend on the walk.
    std::sort(ancestors.begin(), ancestors.end());
    double s1 = 0, s2 = 0;
    for (int32_t i : ancestors) {
        double q = FounderWeight(graph, i);
        const CountArray& rootLines = results[i].DirectUp;
        if (q == 0 || rootLines.Empty()) continue;
        s1 += q * HalvingSum(rootLines);
        s2 += q * HalvingSum(own[i]);
    }
    return s1 * s2;
}

FounderShares::FounderShares(const FamilyGraph& graph, const std::vector<TPersonResult>& results)
    : m_graph(graph),
      m_results(results),
      m_depth(graph),
      m_shape(graph.Size(), Shape::Unknown),
      m_rootSum(graph.Size(), 0.0),
      m_ownSum(graph.Size(), 0.0),
      m_mark(graph.Size(), 0)
{
}

std::optional<double> FounderShares::C(int32_t person, WalkGuard& guard)
{
    Resolve(person);
    if (m_shape[person] == Shape::Tree) return m_rootSum[person] * m_ownSum[person];
    if (!m_collapsed) {
        m_collapsed = FounderSums::Compute(m_graph, m_results, guard);
        if (!m_collapsed) return std::nullopt;
    }
    if (m_collapsed->Exact(person)) return m_collapsed->C(person);
    return ComputeC(m_graph, person, m_results);
}

// Settles the shape of the person and, first, of its ancestors, depth first with a stack.
void FounderShares::Resolve(int32_t person)
{
    std::vector<int32_t> stack{person};
    while (!stack.empty()) {
        int32_t p = stack.back();
        if (m_shape[p] == Shape::Open) {
            Finish(p);
            stack.pop_back();
        } else if (m_shape[p] != Shape::Unknown) {
            stack.pop_back();
        } else {
            m_shape[p] = Shape::Open;
            for (int32_t parent : {m_graph.Father(p), m_graph.Mother(p)})
                if (parent >= 0 && m_shape[parent] == Shape::Unknown) stack.push_back(parent);
        }
    }
}

// A person whose parents are trees with no ancestor in common is a tree: each founder of
// its ancestry is reached by one line, through one parent, one generation further.
void FounderShares::Finish(int32_t person)
{
    int32_t father = m_graph.Father(person), mother = m_graph.Mother(person);
    bool tree = true;
    for (int32_t parent : {father, mother})
        tree = tree && (parent < 0 || m_shape[parent] == Shape::Tree);
    if (tree && father >= 0 && mother >= 0)
        tree = father != mother && !ShareAncestor(father, mother);
    m_shape[person] = tree ? Shape::Tree : Shape::Collapsed;
    if (!tree) return;
    double q = FounderWeight(m_graph, person);
    bool counts = q != 0 && !m_results[person].DirectUp.Empty();
    m_rootSum[person] = counts ? q * HalvingSum(m_results[person].DirectUp) : 0;
    m_ownSum[person] = counts ? q : 0;
    for (int32_t parent : {father, mother}) {
        if (parent < 0) continue;
        m_rootSum[person] += m_rootSum[parent];
        m_ownSum[person] += 0.5 * m_ownSum[parent];
    }
}

// Marks the person and its ancestors up to the bound with flag; true as soon as it meets a
// person marked with 1 when stopAtOther is set. Every marked person is added to marked.
bool FounderShares::MarkAncestry(int32_t start, int32_t bound, uint8_t flag, bool stopAtOther,
                                 std::vector<int32_t>& marked)
{
    std::vector<int32_t> stack{start};
    while (!stack.empty()) {
        int32_t p = stack.back();
        stack.pop_back();
        if (m_mark[p] & flag) continue;
        if (stopAtOther && (m_mark[p] & 1)) return true;
        m_mark[p] |= flag;
        marked.push_back(p);
        for (int32_t parent : {m_graph.Father(p), m_graph.Mother(p)})
            if (parent >= 0 && m_depth.Below(parent) <= bound) stack.push_back(parent);
    }
    return false;
}

// Both walks stay below the deepest ancestor the two could share.
bool FounderShares::ShareAncestor(int32_t father, int32_t mother)
{
    int32_t bound = m_depth.Common(father, mother);
    std::vector<int32_t> marked;
    MarkAncestry(father, bound, 1, false, marked);
    bool shared = MarkAncestry(mother, bound, 2, true, marked);
    for (int32_t p : marked) m_mark[p] = 0;
    return shared;
}

}  // namespace qv
