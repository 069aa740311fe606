// A flat, read-only snapshot of the parent and child links that every walk of the engine uses.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

class TAhnenData;

// Parents, sex and children in plain arrays (children in one block, in the persons'
// Children order), so that long walks touch little memory and allocate nothing.
class FamilyGraph {
public:
    explicit FamilyGraph(const TAhnenData& data);

    int32_t Size() const { return static_cast<int32_t>(m_father.size()); }
    bool Contains(int64_t person) const { return person >= 0 && person < Size(); }
    int32_t Father(int32_t person) const { return m_father[person]; }
    int32_t Mother(int32_t person) const { return m_mother[person]; }
    // Only the exact sex character "M" counts as male.
    bool Male(int32_t person) const { return m_male[person] != 0; }
    std::span<const int32_t> Children(int32_t person) const
    {
        return {m_children.data() + m_childStart[person],
                m_children.data() + m_childStart[person + 1]};
    }

private:
    std::vector<int32_t> m_father;
    std::vector<int32_t> m_mother;
    std::vector<uint8_t> m_male;
    std::vector<uint32_t> m_childStart;
    std::vector<int32_t> m_children;
};

// start and all its ancestors, each before its parents (a person reached by several lines
// appears once); found iteratively, so any depth is fine.
std::vector<int32_t> AncestorsChildrenFirst(const FamilyGraph& graph, int32_t start);
// The same with caller-owned flags (one per person, all clear before and after), for callers
// that order many small ancestries.
std::vector<int32_t> AncestorsChildrenFirst(const FamilyGraph& graph, int32_t start,
                                            std::vector<uint8_t>& seen);
// Flags of the flagged persons and all their ancestors.
std::vector<uint8_t> WithAncestors(const FamilyGraph& graph, const std::vector<uint8_t>& persons);
// The parents of a person, each once (a person may be both father and mother); returns how many.
int DistinctParents(const FamilyGraph& graph, int32_t person, int32_t (&parents)[2]);
// Every person whose ancestry holds no cycle, each after its parents; persons on or below a
// cycle are left out.
std::vector<int32_t> AcyclicParentsFirst(const FamilyGraph& graph);
// start and all its descendants, each after its parents.
std::vector<int32_t> DescendantsParentsFirst(const FamilyGraph& graph, int32_t start);

}  // namespace qv
