// Turning weights, computed person by person from the oldest ancestors down.
#include "calc/turn_weights.h"

#include <type_traits>

#include "calc/family_graph.h"

namespace qv {

template <typename Arithmetic>
TurnWeights<Arithmetic>::TurnWeights(const FamilyLinks& links, bool ownWeights, bool parentPaths)
    : m_links(links), m_ownWeights(ownWeights), m_parentPaths(parentPaths || ownWeights)
{
}

template <typename Arithmetic>
void TurnWeights<Arithmetic>::Allocate()
{
    if (!m_state.empty()) return;
    size_t n = m_links.Size();
    m_depth.emplace(m_links.Graph());
    m_state.assign(n, kNew);
    m_weight.assign(n, Value{});
    m_own.assign(n, 1.0);
    m_coefficient.assign(n, 0.0);
    m_sameBothWays.assign(n, 0);
    m_upTotal.assign(n, 0.0);
    m_downTotal.assign(n, 0.0);
    m_pairOf.assign(n, -1);
}

// Depth-first over the ancestry, each person computed after the persons it depends on. The
// mother is pushed before the father, so the father's side is computed first.
template <typename Arithmetic>
WeightOutcome TurnWeights<Arithmetic>::Ensure(int32_t person, WalkGuard& guard,
                                              std::vector<int32_t>* finished)
{
    Allocate();
    if (m_state[person] == kDone) return WeightOutcome::Done;
    std::vector<int32_t> stack{person}, opened;
    while (!stack.empty()) {
        int32_t p = stack.back();
        if (m_state[p] == kDone) {
            stack.pop_back();
        } else if (m_state[p] == kOpen) {
            uint64_t work = Compute(p);
            m_state[p] = kDone;
            stack.pop_back();
            if (finished) finished->push_back(p);
            if (guard.AddWork(work)) {
                Reopen(opened);
                return WeightOutcome::Stopped;
            }
        } else {
            m_state[p] = kOpen;
            opened.push_back(p);
            if (!Push(p, stack)) {
                Reopen(opened);
                return WeightOutcome::Cyclic;
            }
        }
    }
    return WeightOutcome::Done;
}

// Pushes both parents, also where no step of these rules leads to one, so that any cycle in
// the ancestry is found as a walk through all parents finds it. False when a parent is
// still open, i.e. the person is its own ancestor.
template <typename Arithmetic>
bool TurnWeights<Arithmetic>::Push(int32_t person, std::vector<int32_t>& stack)
{
    const FamilyGraph& graph = m_links.Graph();
    for (int32_t parent : {graph.Mother(person), graph.Father(person)}) {
        if (parent < 0 || m_state[parent] == kDone) continue;
        if (m_state[parent] == kOpen) {
            m_cyclePerson = parent;
            return false;
        }
        stack.push_back(parent);
    }
    return true;
}

template <typename Arithmetic>
void TurnWeights<Arithmetic>::Reopen(std::vector<int32_t>& opened)
{
    for (int32_t p : opened)
        if (m_state[p] == kOpen) m_state[p] = kNew;
}

template <typename Arithmetic>
uint64_t TurnWeights<Arithmetic>::Compute(int32_t person)
{
    const FamilyGraph& graph = m_links.Graph();
    int32_t father = graph.Father(person), mother = graph.Mother(person);
    ParentPair* pair = father >= 0 && mother >= 0 ? &PairOf(person) : nullptr;
    uint64_t work = 0;
    if (pair && m_parentPaths && KeepsParentPaths(person))
        Paths(*pair, father, father, mother, work);
    m_coefficient[person] = CoefficientOf(person, pair);
    m_own[person] = m_ownWeights ? 1 + m_coefficient[person] : 1;
    Value loops{};
    for (const ParentLink& up : m_links.Up(person))
        for (const ParentLink& down : m_links.Down(person))
            work += AddLoops(loops, pair, father, up, down);
    Arithmetic::Difference(m_weight[person], OwnValue(person), loops);
    NoteLines(person);
    return work;
}

// loops += the paths from the parent up to the parent down, one step further at each end.
template <typename Arithmetic>
uint64_t TurnWeights<Arithmetic>::AddLoops(Value& loops, ParentPair* pair, int32_t father,
                                           const ParentLink& up, const ParentLink& down)
{
    uint64_t work = 0;
    const Value& between = up.parent == down.parent
                               ? OwnValue(up.parent)
                               : Paths(*pair, father, up.parent, down.parent, work);
    return work +
           Arithmetic::AddStep(loops, between, up.weight + down.weight, up.count * down.count);
}

// Whether lines up equal lines down through the whole ancestry, and the numbers of lines.
template <typename Arithmetic>
void TurnWeights<Arithmetic>::NoteLines(int32_t person)
{
    bool same = m_links.SameBothWays(person);
    m_upTotal[person] = m_downTotal[person] = 1;
    for (const ParentLink& up : m_links.Up(person)) {
        same = same && m_sameBothWays[up.parent];
        m_upTotal[person] += up.count * m_upTotal[up.parent];
    }
    for (const ParentLink& down : m_links.Down(person))
        m_downTotal[person] += down.count * m_downTotal[down.parent];
    m_sameBothWays[person] = same;
}

// A male person's X coefficient is 1 whatever his parents; no paths between them are needed.
template <typename Arithmetic>
bool TurnWeights<Arithmetic>::KeepsParentPaths(int32_t person) const
{
    return !(m_links.X() && m_links.Graph().Male(person));
}

template <typename Arithmetic>
double TurnWeights<Arithmetic>::CoefficientOf(int32_t person, const ParentPair* pair) const
{
    if (!m_ownWeights) return 0;
    if (!KeepsParentPaths(person)) return 1;
    if constexpr (std::is_same_v<Value, double>)
        if (pair) return pair->fatherToMother / 2;
    return 0;
}

template <typename Arithmetic>
const typename TurnWeights<Arithmetic>::Value& TurnWeights<Arithmetic>::OwnValue(
    int32_t person) const
{
    if constexpr (std::is_same_v<Value, double>) {
        return m_own[person];
    } else {
        static const Value kOne = Arithmetic::One();
        return kOne;
    }
}

template <typename Arithmetic>
typename TurnWeights<Arithmetic>::ParentPair& TurnWeights<Arithmetic>::PairOf(int32_t person)
{
    if (m_pairOf[person] < 0) {
        const FamilyGraph& graph = m_links.Graph();
        uint64_t key = static_cast<uint64_t>(graph.Father(person)) << 32 |
                       static_cast<uint32_t>(graph.Mother(person));
        auto [it, added] = m_pairIndex.try_emplace(key, static_cast<int32_t>(m_pairs.size()));
        if (added) m_pairs.emplace_back();
        m_pairOf[person] = it->second;
    }
    return m_pairs[m_pairOf[person]];
}

template <typename Arithmetic>
const typename TurnWeights<Arithmetic>::Value& TurnWeights<Arithmetic>::ParentPaths(
    int32_t person) const
{
    static const Value kNone{};
    if (m_pairOf.empty() || m_pairOf[person] < 0) return kNone;
    const ParentPair& pair = m_pairs[m_pairOf[person]];
    return pair.haveFatherToMother ? pair.fatherToMother : kNone;
}

// The paths between the parents of one family, computed once for all its children. A father
// who is also the mother reaches her by the path of length 0.
template <typename Arithmetic>
const typename TurnWeights<Arithmetic>::Value& TurnWeights<Arithmetic>::Paths(
    ParentPair& pair, int32_t father, int32_t from, int32_t to, uint64_t& work)
{
    bool forward = from == father;
    Value& paths = forward ? pair.fatherToMother : pair.motherToFather;
    bool& have = forward ? pair.haveFatherToMother : pair.haveMotherToFather;
    if (have) return paths;
    have = true;
    if (from == to) {
        paths = OwnValue(from);
        return paths;
    }
    // Where lines up and down are the same for both parents, so are the paths both ways.
    bool haveOther = forward ? pair.haveMotherToFather : pair.haveFatherToMother;
    if (haveOther && m_sameBothWays[from] && m_sameBothWays[to]) {
        paths = forward ? pair.motherToFather : pair.fatherToMother;
        return paths;
    }
    Arithmetic::Reset(paths);
    work += SumPaths(from, to, paths);
    Arithmetic::Tidy(paths);
    return paths;
}

// The sum over the common ancestors A of c(A) * up(from, A) * down(A, to).
template <typename Arithmetic>
uint64_t TurnWeights<Arithmetic>::SumPaths(int32_t from, int32_t to, Value& sum)
{
    uint64_t work = 0;
    int32_t bound = m_depth->Common(from, to);
    const Lines& up = Pass(from, false, bound, nullptr, work);
    const Lines& down = Pass(to, true, bound, &up, work);
    bool upSmaller = up.Persons().size() <= down.Persons().size();
    const Lines& small = upSmaller ? up : down;
    const Lines& large = upSmaller ? down : up;
    for (size_t i = 0; i < small.Persons().size(); ++i) {
        int32_t ancestor = small.Persons()[i];
        const Value* other = large.Find(m_links, ancestor);
        if (!other || Arithmetic::IsZero(m_weight[ancestor])) continue;
        const Value& mine = small.Lines(i);
        work += Arithmetic::AddTriple(sum, m_weight[ancestor], upSmaller ? mine : *other,
                                      upSmaller ? *other : mine, m_scratch);
    }
    return work;
}

// One of the two kept passes with the lines from start up to the bound, run again only when
// neither holds them; keep is not to be overwritten. Without keep, the older pass is
// overwritten.
template <typename Arithmetic>
typename TurnWeights<Arithmetic>::Lines& TurnWeights<Arithmetic>::Pass(int32_t start, bool down,
                                                                       int32_t bound,
                                                                       const Lines* keep,
                                                                       uint64_t& work)
{
    for (Lines& lines : m_lines)
        if (&lines != keep && Holds(lines, start, down, bound)) return lines;
    int index = keep ? (keep == &m_lines[0] ? 1 : 0) : 1 - m_newerPass;
    m_newerPass = index;
    // In a dense population every ancestor lies within the bound; checking each is wasted.
    const std::vector<int32_t>* below =
        bound >= m_depth->MostBelow() ? nullptr : &m_depth->BelowAll();
    work += m_lines[index].Run(m_links, start, down, below, bound);
    return m_lines[index];
}

// A pass with a higher bound holds every line a lower one would.
template <typename Arithmetic>
bool TurnWeights<Arithmetic>::Holds(const Lines& lines, int32_t start, bool down,
                                    int32_t bound) const
{
    return lines.Start() == start && (lines.Down() == down || m_sameBothWays[start]) &&
           lines.Bound() >= bound;
}

template class TurnWeights<ExactCounts>;
template class TurnWeights<HalvedSums>;

}  // namespace qv
