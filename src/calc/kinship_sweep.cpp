// The kinship sweep: persons in the order they are needed, rows kept in reusable slots of one
// square matrix.
#include "calc/kinship_sweep.h"

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <span>
#include <unordered_set>

#include "calc/family_graph.h"
#include "calc/family_links.h"
#include "calc/walk_guard.h"

namespace qv {
namespace {

constexpr size_t kMatrixBytes = size_t{512} << 20;
constexpr size_t kFirstCapacity = 64;
constexpr size_t kHugePage = size_t{2} << 20;

struct FreeMatrix {
    void operator()(double* matrix) const { std::free(matrix); }
};
using Matrix = std::unique_ptr<double[], FreeMatrix>;

// Every new row also writes a column, a step of a whole row apart each: in huge pages these
// writes stay within few pages instead of each touching a page of its own.
Matrix AllocateMatrix(size_t elements)
{
    size_t bytes = (elements * sizeof(double) + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, bytes);
    if (!memory) throw std::bad_alloc();
    madvise(memory, bytes, MADV_HUGEPAGE);
    return Matrix(static_cast<double*>(memory));
}

// Flags of the persons whose ancestry holds no cycle.
std::vector<uint8_t> AcyclicMarks(const FamilyGraph& graph)
{
    std::vector<uint8_t> acyclic(graph.Size(), 0);
    for (int32_t p : AcyclicParentsFirst(graph)) acyclic[p] = 1;
    return acyclic;
}

// Per person, how many persons of order name it as a parent: its rows live until as many
// have been added.
std::vector<int32_t> ChildrenToCome(const FamilyGraph& graph, const std::vector<int32_t>& order)
{
    std::vector<int32_t> remaining(graph.Size(), 0);
    int32_t parents[2];
    for (int32_t p : order)
        for (int i = 0, n = DistinctParents(graph, p, parents); i < n; ++i) ++remaining[parents[i]];
    return remaining;
}

// The persons of the acyclic set, each after its parents and as late as that allows: depth
// first from each person in turn. A person who marries into a late generation is then
// reached with its first child, not at the start, and keeps a row only from then on.
std::vector<int32_t> OrderOfNeed(const FamilyGraph& graph, const std::vector<uint8_t>& acyclic)
{
    enum : uint8_t { kNew, kOpened, kPlaced };
    std::vector<uint8_t> state(graph.Size(), kNew);
    std::vector<int32_t> order, stack;
    for (int32_t start = 0; start < graph.Size(); ++start) {
        if (!acyclic[start] || state[start] != kNew) continue;
        stack.push_back(start);
        while (!stack.empty()) {
            int32_t p = stack.back();
            if (state[p] == kNew) {
                state[p] = kOpened;
                for (int32_t parent : {graph.Mother(p), graph.Father(p)})
                    if (parent >= 0 && state[parent] == kNew) stack.push_back(parent);
                continue;
            }
            stack.pop_back();
            if (state[p] == kOpened) {
                state[p] = kPlaced;
                order.push_back(p);
            }
        }
    }
    return order;
}

// The rows of the persons that are still to be parents, with the sweep's bookkeeping.
class Sweep {
public:
    Sweep(const FamilyLinks& links, const std::vector<int32_t>& order, size_t mostLive)
        : m_links(links),
          m_graph(links.Graph()),
          m_mostLive(mostLive),
          m_slot(links.Size(), -1),
          m_remaining(ChildrenToCome(m_graph, order))
    {
    }

    // The person's row and coefficient; false when there is no room for its row.
    bool Add(int32_t person, double& coefficient);
    size_t Live() const { return m_live.size(); }

private:
    double& At(int32_t a, int32_t b) { return m_matrix[static_cast<size_t>(a) * m_capacity + b]; }
    double* Row(int32_t person) { return &At(m_slot[person], 0); }
    double CoefficientOf(int32_t person);
    void FillRow(int32_t person, int32_t slot);
    int32_t NewSlot();
    bool Grow();
    void Release(int32_t person);

    const FamilyLinks& m_links;
    const FamilyGraph& m_graph;
    size_t m_mostLive;
    std::vector<int32_t> m_slot;
    std::vector<int32_t> m_remaining;
    // The slots in use, and where each stands in that list.
    std::vector<int32_t> m_live;
    std::vector<int32_t> m_livePosition;
    std::vector<int32_t> m_free;
    Matrix m_matrix;
    size_t m_capacity = 0;
    size_t m_used = 0;
};

bool Sweep::Add(int32_t person, double& coefficient)
{
    int32_t slot = NewSlot();
    if (slot < 0) return false;
    coefficient = CoefficientOf(person);
    FillRow(person, slot);
    At(slot, slot) = 1 + coefficient;
    m_slot[person] = slot;
    m_livePosition[slot] = static_cast<int32_t>(m_live.size());
    m_live.push_back(slot);
    int32_t parents[2];
    for (int i = 0, n = DistinctParents(m_graph, person, parents); i < n; ++i)
        if (--m_remaining[parents[i]] == 0) Release(parents[i]);
    if (m_remaining[person] == 0) Release(person);
    return true;
}

// As the path sums define it: 1 for a male person with X links, K(father, mother) / 2 with
// both parents, else 0. A person who is both parents meets itself on the diagonal.
double Sweep::CoefficientOf(int32_t person)
{
    if (m_links.X() && m_graph.Male(person)) return 1;
    int32_t father = m_graph.Father(person), mother = m_graph.Mother(person);
    if (father < 0 || mother < 0) return 0;
    return At(m_slot[father], m_slot[mother]) / 2;
}

// K of the new person with every live person, from its parents' rows; K is symmetric here,
// so the column is the row.
void Sweep::FillRow(int32_t person, int32_t slot)
{
    std::span<const ParentLink> up = m_links.Up(person);
    const double* rows[2] = {nullptr, nullptr};
    double factors[2] = {0, 0};
    for (size_t i = 0; i < up.size(); ++i) {
        rows[i] = Row(up[i].parent);
        factors[i] = up[i].count * std::ldexp(1.0, -up[i].weight);
    }
    for (int32_t t : m_live) {
        double value = 0;
        if (rows[0]) value = factors[0] * rows[0][t];
        if (rows[1]) value += factors[1] * rows[1][t];
        At(slot, t) = value;
        At(t, slot) = value;
    }
}

int32_t Sweep::NewSlot()
{
    if (!m_free.empty()) {
        int32_t slot = m_free.back();
        m_free.pop_back();
        return slot;
    }
    if (m_used == m_capacity && !Grow()) return -1;
    return static_cast<int32_t>(m_used++);
}

// By half again each time, so that the matrix stays near the widest the population gets.
bool Sweep::Grow()
{
    if (m_capacity >= m_mostLive) return false;
    size_t capacity = std::min(m_mostLive, std::max(kFirstCapacity, m_capacity + m_capacity / 2));
    Matrix matrix = AllocateMatrix(capacity * capacity);
    for (size_t row = 0; row < m_used; ++row)
        std::copy_n(m_matrix.get() + row * m_capacity, m_used, matrix.get() + row * capacity);
    m_matrix = std::move(matrix);
    m_capacity = capacity;
    m_livePosition.resize(capacity, -1);
    return true;
}

void Sweep::Release(int32_t person)
{
    int32_t slot = m_slot[person];
    int32_t position = m_livePosition[slot];
    m_live[position] = m_live.back();
    m_livePosition[m_live[position]] = position;
    m_live.pop_back();
    m_free.push_back(slot);
    m_slot[person] = -1;
}

// The rows a sweep would hold, summed over its persons, without computing any.
double LiveRowsSummed(const FamilyGraph& graph, const std::vector<int32_t>& order)
{
    std::vector<int32_t> remaining = ChildrenToCome(graph, order);
    int32_t parents[2];
    double total = 0, live = 0;
    for (int32_t p : order) {
        total += live;
        live += 1;
        for (int i = 0, n = DistinctParents(graph, p, parents); i < n; ++i)
            live -= --remaining[parents[i]] == 0;
        live -= remaining[p] == 0;
    }
    return total;
}

// For each couple among the persons and their ancestors, an upper bound of the sizes of both
// parents' ancestries: at most one more than the parents' together, and at most the persons
// ranked before.
double TurningWorkBound(const FamilyGraph& graph, const std::vector<int32_t>& parentsFirst,
                        const std::vector<uint8_t>& persons)
{
    std::vector<uint8_t> counted = WithAncestors(graph, persons);
    std::vector<double> ancestry(graph.Size(), 0);
    std::unordered_set<uint64_t> couples;
    double total = 0;
    for (size_t rank = 0; rank < parentsFirst.size(); ++rank) {
        int32_t p = parentsFirst[rank];
        int32_t father = graph.Father(p), mother = graph.Mother(p);
        double sum =
            1 + (father >= 0 ? ancestry[father] : 0) + (mother >= 0 ? ancestry[mother] : 0);
        ancestry[p] = std::min(sum, static_cast<double>(rank + 1));
        if (!counted[p] || father < 0 || mother < 0) continue;
        uint64_t key = static_cast<uint64_t>(father) << 32 | static_cast<uint32_t>(mother);
        if (couples.insert(key).second) total += ancestry[father] + ancestry[mother];
    }
    return total;
}

}  // namespace

bool SweepPays(const FamilyLinks& links, const std::vector<uint8_t>& persons)
{
    const FamilyGraph& graph = links.Graph();
    return LiveRowsSummed(graph, OrderOfNeed(graph, AcyclicMarks(graph))) <
           TurningWorkBound(graph, AcyclicParentsFirst(graph), persons);
}

SweepOutcome SweepCoefficients(const FamilyLinks& links, WalkGuard& guard,
                               SweptCoefficients& result, size_t mostLive)
{
    const FamilyGraph& graph = links.Graph();
    std::vector<uint8_t> acyclic = AcyclicMarks(graph);
    for (int32_t p = 0; p < graph.Size(); ++p)
        if (acyclic[p] && !links.SameBothWays(p)) return SweepOutcome::Declined;
    if (mostLive == 0)
        mostLive =
            static_cast<size_t>(std::sqrt(static_cast<double>(kMatrixBytes / sizeof(double))));
    std::vector<int32_t> order = OrderOfNeed(graph, acyclic);
    Sweep sweep(links, order, mostLive);
    result.value.assign(graph.Size(), 0.0);
    for (size_t i = 0; i < order.size(); ++i) {
        if (!sweep.Add(order[i], result.value[order[i]])) return SweepOutcome::Declined;
        guard.SetShare(static_cast<double>(i) / static_cast<double>(order.size()));
        if (guard.AddWork(sweep.Live() + 1)) return SweepOutcome::Stopped;
    }
    result.covered = std::move(acyclic);
    return SweepOutcome::Done;
}

}  // namespace qv
