// Turning weights: what a path that turns at a person counts for once the loops through the
// person's ancestry are taken off, so that paths can be summed over turning persons without
// walking them one by one.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <unordered_map>
#include <vector>

#include "calc/ancestor_lines.h"
#include "calc/depth_bounds.h"
#include "calc/family_links.h"
#include "calc/line_arithmetic.h"
#include "calc/walk_guard.h"

namespace qv {

// A path from x up to a turning person A and down to y is a pair of lines, x up to A and A
// down to y, that meet only at A. A pair that meets again below A splits in one way only, at
// the meeting person v nearest to y, into a path turning at v and a loop from v up to A and
// back down to v. So with the weights
//   c(A) = own(A) - sum over the ancestors B of A of c(B) * up(A, B) * down(B, A),
// the sum of c(A) * up(x, A) * down(A, y) over all A counts the paths from x to y, each
// weighted by own(turning person), for any x and y. Writing up(w, A) and down(A, w) through
// w's parents turns the loops of w into K(p, q), these weighted paths from parent p to
// parent q (K(p, p) = own(p)):
//   c(w) = own(w) - sum over a step w -> p up and a step q -> w down of K(p, q), one step
//          further at each end.
// own is 1 for path counts, and the person's coefficient + 1 for fw and fx. The identities
// hold for integer polynomials in the length, so wrapping counts stay exact modulo 2^64.
enum class WeightOutcome { Done, Stopped, Cyclic };

template <typename Arithmetic>
class TurnWeights {
public:
    using Value = typename Arithmetic::Value;

    // ownWeights: a path turning at a person counts with the person's coefficient + 1 (only
    // for HalvedSums). parentPaths: also keep the paths from every person's father to its
    // mother, which the coefficients are made of.
    TurnWeights(const FamilyLinks& links, bool ownWeights, bool parentPaths);

    const FamilyLinks& Links() const { return m_links; }
    // Computes the person and, first, every ancestor it depends on; finished, when given,
    // gets the persons computed now. Stopped: the guard said so (finished persons stay
    // finished). Cyclic: CyclePerson() is its own ancestor.
    WeightOutcome Ensure(int32_t person, WalkGuard& guard,
                         std::vector<int32_t>* finished = nullptr);
    int32_t CyclePerson() const { return m_cyclePerson; }
    bool Done(int32_t person) const { return !m_state.empty() && m_state[person] == kDone; }
    // c of a finished person.
    const Value& Weight(int32_t person) const { return m_weight[person]; }
    // The paths from the person's father up and down to its mother, the same person counting
    // once as a path of length 0; zero without both parents. Needs parentPaths; stays valid
    // while the weights live.
    const Value& ParentPaths(int32_t person) const;
    // The number of lines from the person up to itself and its ancestors, resp. down to it.
    double UpLineTotal(int32_t person) const { return m_upTotal[person]; }
    double DownLineTotal(int32_t person) const { return m_downTotal[person]; }
    // With own weights: the coefficient (f, fw or fx) of a finished person.
    double Coefficient(int32_t person) const { return m_coefficient[person]; }

private:
    static constexpr uint8_t kNew = 0;
    static constexpr uint8_t kOpen = 1;
    static constexpr uint8_t kDone = 2;
    using Lines = AncestorLines<Arithmetic>;

    // The paths between the two parents of the persons of one family, in both directions.
    struct ParentPair {
        Value fatherToMother{};
        Value motherToFather{};
        bool haveFatherToMother = false;
        bool haveMotherToFather = false;
    };

    void Allocate();
    bool Push(int32_t person, std::vector<int32_t>& stack);
    void Reopen(std::vector<int32_t>& opened);
    uint64_t Compute(int32_t person);
    uint64_t AddLoops(Value& loops, ParentPair* pair, int32_t father, const ParentLink& up,
                      const ParentLink& down);
    void NoteLines(int32_t person);
    double CoefficientOf(int32_t person, const ParentPair* pair) const;
    const Value& OwnValue(int32_t person) const;
    ParentPair& PairOf(int32_t person);
    bool KeepsParentPaths(int32_t person) const;
    const Value& Paths(ParentPair& pair, int32_t father, int32_t from, int32_t to, uint64_t& work);
    uint64_t SumPaths(int32_t from, int32_t to, Value& sum);
    Lines& Pass(int32_t start, bool down, int32_t bound, const Lines* keep, uint64_t& work);
    bool Holds(const Lines& lines, int32_t start, bool down, int32_t bound) const;

    const FamilyLinks& m_links;
    bool m_ownWeights;
    bool m_parentPaths;
    int32_t m_cyclePerson = -1;
    std::vector<uint8_t> m_state;
    std::vector<Value> m_weight;
    std::vector<double> m_coefficient;
    // own(w): 1, or with own weights the coefficient + 1.
    std::vector<double> m_own;
    std::vector<uint8_t> m_sameBothWays;
    std::vector<double> m_upTotal;
    std::vector<double> m_downTotal;
    std::vector<int32_t> m_pairOf;
    // A deque, so that the paths handed out stay where they are while pairs are added.
    std::deque<ParentPair> m_pairs;
    std::unordered_map<uint64_t, int32_t> m_pairIndex;
    // Keeps the walks between two parents below their possible common ancestors: on a long
    // chain of fathers with mothers from outside, each walk is then a step, not the chain.
    std::optional<DepthBounds> m_depth;
    // Lines of the last two passes: the paths between two parents need one of each parent.
    Lines m_lines[2];
    int m_newerPass = 0;
    Value m_scratch{};
};

extern template class TurnWeights<ExactCounts>;
extern template class TurnWeights<HalvedSums>;

}  // namespace qv
