// The parent links of every person as path counts step along them: all links for blood
// paths, or only those that pass on an X chromosome, each with the length it adds.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

class FamilyGraph;

// A step between a person and one of its parents: the parent, the length the step adds, and
// how many distinct steps lead there (a person listed twice among a parent's children).
struct ParentLink {
    int32_t parent;
    int32_t weight;
    int32_t count;
};

class FamilyLinks {
public:
    // x: the X-chromosome rules of x_steps.h; otherwise every step adds 1.
    FamilyLinks(const FamilyGraph& graph, bool x);

    const FamilyGraph& Graph() const { return m_graph; }
    bool X() const { return m_x; }
    int32_t Size() const { return static_cast<int32_t>(m_upCount.size()); }
    // The steps a path climbs from person to its parents (father first; a person who is both
    // father and mother gives two).
    std::span<const ParentLink> Up(int32_t person) const
    {
        return {m_up.data() + 2 * person, m_upCount[person]};
    }
    // The steps a path descends from a parent to person, one per distinct parent.
    std::span<const ParentLink> Down(int32_t person) const
    {
        return {m_down.data() + 2 * person, m_downCount[person]};
    }
    // The length a step from parent down to child adds, -1 when it is not taken.
    int32_t DownWeight(int32_t parent, int32_t child) const;
    // Whether the person's steps up and down are the same (then its lines up to any ancestor
    // and down from it are the same, given the same holds for the ancestors).
    bool SameBothWays(int32_t person) const { return m_same[person] != 0; }

    // A numbering of the persons whose ancestry holds no cycle, each after its parents (-1 for
    // the others), with the steps in that numbering: a walk up an ancestry can then go through
    // it in falling numbers, in memory order.
    int32_t Rank(int32_t person) const { return m_rank[person]; }
    int32_t PersonAt(int32_t rank) const { return m_byRank[rank]; }
    int32_t Ranked() const { return static_cast<int32_t>(m_byRank.size()); }
    std::span<const ParentLink> RankedUp(int32_t rank) const
    {
        return {m_rankedUp.data() + 2 * rank, m_upCount[m_byRank[rank]]};
    }
    std::span<const ParentLink> RankedDown(int32_t rank) const
    {
        return {m_rankedDown.data() + 2 * rank, m_downCount[m_byRank[rank]]};
    }

private:
    void Rank();
    void AddUp(int32_t person, int32_t parent, bool toMother);
    void AddDown(int32_t person, int32_t parent);

    const FamilyGraph& m_graph;
    bool m_x;
    std::vector<ParentLink> m_up;
    std::vector<uint8_t> m_upCount;
    std::vector<ParentLink> m_down;
    std::vector<uint8_t> m_downCount;
    std::vector<uint8_t> m_same;
    std::vector<int32_t> m_rank;
    std::vector<int32_t> m_byRank;
    std::vector<ParentLink> m_rankedUp;
    std::vector<ParentLink> m_rankedDown;
};

}  // namespace qv
