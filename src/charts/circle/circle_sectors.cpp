// The post-order walk over the proband's ancestor slots, with its early stop.
#include "charts/circle/circle_sectors.h"

#include <algorithm>

#include "charts/circle/circle_ancestry.h"

namespace qv {

TColor CircleSexColor(char sex)
{
    if (sex == 'M') return kCircleMaleColor;
    if (sex == 'F') return kCircleFemaleColor;
    return kCircleOtherColor;
}

namespace {

struct Slot {
    int64_t person;
    int32_t depth;
    double from;
    double span;
    bool opened = false;
};

class SectorWalk {
public:
    SectorWalk(const TAhnenData& data, int64_t proband, const CircleWalkRules& rules)
        : m_data(data),
          m_rules(rules),
          m_heights(AncestryHeights(data, proband)),
          m_drawn(data.Persons.size(), false),
          m_coveredRings(data.Persons.size(), -1)
    {
        m_stack.push_back({proband, 0, rules.start, rules.span});
    }

    std::vector<CircleSector> Run()
    {
        while (!m_stack.empty()) {
            Slot& slot = m_stack.back();
            if (slot.opened) {
                const Slot done = slot;
                m_stack.pop_back();
                Emit(done);
            } else if (Stops(slot)) {
                const Slot done = slot;
                m_stack.pop_back();
                EmitStopped(done);
            } else {
                slot.opened = true;
                OpenParents(Slot(slot));
            }
        }
        return std::move(m_sectors);
    }

private:
    int32_t RingsAbove(int32_t depth) const { return m_rules.rings - 1 - depth; }

    bool Stops(const Slot& slot) const
    {
        if (slot.depth + 1 >= m_rules.rings || slot.depth >= m_rules.lastDepth) return true;
        const double outer = double(m_rules.rings) * m_rules.ringWidth;
        return slot.depth > 0 && slot.span * outer < m_rules.narrowestWedge;
    }

    // The mother's slot goes onto the stack first, so the father's line is walked first.
    void OpenParents(const Slot& slot)
    {
        const double half = slot.span / 2;
        const int64_t mother = m_data.GetMother(slot.person);
        const int64_t father = m_data.GetFather(slot.person);
        if (mother >= 0) m_stack.push_back({mother, slot.depth + 1, slot.from, half});
        if (father >= 0) m_stack.push_back({father, slot.depth + 1, slot.from + half, half});
    }

    void Emit(const Slot& slot)
    {
        const bool repeated = m_drawn[slot.person];
        const TColor sex = CircleSexColor(m_data.Persons[slot.person].Sex);
        m_sectors.push_back({slot.person, slot.depth, slot.from, slot.span,
                             repeated && m_rules.markRepeated ? kCircleDoubleColor : sex});
        m_drawn[slot.person] = true;
        int32_t& covered = m_coveredRings[slot.person];
        covered = std::max(covered, RingsAbove(slot.depth));
    }

    void EmitStopped(const Slot& slot)
    {
        const int32_t above = std::min(RingsAbove(slot.depth), m_heights[slot.person]);
        for (int64_t parent : {m_data.GetFather(slot.person), m_data.GetMother(slot.person)})
            if (parent >= 0 && above > 0) MarkDrawn(parent, above - 1);
        Emit(slot);
        if (above > 0) {
            CircleSector deep = m_sectors.back();
            deep.depth = slot.depth + 1;
            deep.span = 0;
            deep.deepRings = above;
            m_sectors.push_back(deep);
        }
    }

    // The person and its ancestors up to `rings` generations above it, as the full walk
    // would have drawn them; a person already covered that far is not walked again.
    void MarkDrawn(int64_t person, int32_t rings)
    {
        std::vector<std::pair<int64_t, int32_t>> stack{{person, rings}};
        while (!stack.empty()) {
            const auto [p, left] = stack.back();
            stack.pop_back();
            if (p < 0 || m_coveredRings[p] >= left) continue;
            m_coveredRings[p] = left;
            m_drawn[p] = true;
            if (left == 0) continue;
            stack.emplace_back(m_data.GetFather(p), left - 1);
            stack.emplace_back(m_data.GetMother(p), left - 1);
        }
    }

    const TAhnenData& m_data;
    const CircleWalkRules& m_rules;
    std::vector<int32_t> m_heights;
    std::vector<bool> m_drawn;
    // How many generations above a person are drawn or counted as drawn; -1 not yet.
    std::vector<int32_t> m_coveredRings;
    std::vector<Slot> m_stack;
    std::vector<CircleSector> m_sectors;
};

}  // namespace

std::vector<CircleSector> WalkCircleSectors(const TAhnenData& data, int64_t proband,
                                            const CircleWalkRules& rules)
{
    return SectorWalk(data, proband, rules).Run();
}

}  // namespace qv
