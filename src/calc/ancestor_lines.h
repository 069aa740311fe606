// The lines from one person up to each of its ancestors, summed by length, along the steps
// a path climbs (up links) or descends (down links, counted from the lower end).
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "calc/depth_bounds.h"
#include "calc/family_links.h"

namespace qv {

// Keeps its arrays between runs (with one set of links), so that many small ancestries cost no
// allocation.
template <typename Arithmetic>
class AncestorLines {
public:
    using Value = typename Arithmetic::Value;

    // start gets one line of length 0; returns the work done. With below, the walk leaves out
    // the ancestors whose below entry exceeds bound (see depth_bounds.h); the lines to the
    // others are all counted, since no line to them passes through a person left out. Exact
    // counts scan the ranks (order-free sums); doubles keep the depth-first order.
    uint64_t Run(const FamilyLinks& links, int32_t start, bool down,
                 const std::vector<int32_t>* below = nullptr, int32_t bound = kUnboundedDepth)
    {
        if (m_slot.size() != static_cast<size_t>(links.Size())) {
            m_slot.assign(links.Size(), kAbsent);
            m_marks.assign((static_cast<size_t>(links.Ranked()) + 63) / 64, 0);
        }
        Forget();
        m_start = start;
        m_down = down;
        m_bound = below ? bound : kUnboundedDepth;
        m_ranked = Arithmetic::kOrderFree && links.Rank(start) >= 0;
        if (m_ranked) return Scan(links, below);
        Order(links, below);
        Prepare(m_order.size());
        uint64_t work = 0;
        for (size_t i = 0; i < m_order.size(); ++i)
            for (const ParentLink& link : Links(links, m_order[i]))
                if (m_slot[link.parent] >= 0)
                    work += Arithmetic::AddStep(m_values[m_slot[link.parent]], m_values[i],
                                                link.weight, link.count);
        return work + m_order.size();
    }

    int32_t Start() const { return m_start; }
    bool Down() const { return m_down; }
    // The persons left out lie above it; exact for every person up to it.
    int32_t Bound() const { return m_bound; }
    // start and its ancestors along the links, each before its parents.
    const std::vector<int32_t>& Persons() const { return m_order; }
    const Value& Lines(size_t index) const
    {
        return m_values[m_ranked ? m_slot[m_orderRanks[index]] : index];
    }
    // The lines to person, or nullptr when it is not among them.
    const Value* Find(const FamilyLinks& links, int32_t person) const
    {
        int32_t slot = m_ranked ? (links.Rank(person) >= 0 ? m_slot[links.Rank(person)] : kAbsent)
                                : m_slot[person];
        return slot < 0 ? nullptr : &m_values[slot];
    }

private:
    static constexpr int32_t kAbsent = -1;
    static constexpr int32_t kSeen = -2;

    std::span<const ParentLink> Links(const FamilyLinks& links, int32_t person) const
    {
        return m_down ? links.Down(person) : links.Up(person);
    }

    std::span<const ParentLink> RankedLinks(const FamilyLinks& links, int32_t rank) const
    {
        return m_down ? links.RankedDown(rank) : links.RankedUp(rank);
    }

    // Clears what the last run marked: slots by person after a walk, by rank after a scan.
    void Forget()
    {
        if (m_ranked) {
            for (int32_t r : m_orderRanks) {
                m_slot[r] = kAbsent;
                m_marks[static_cast<size_t>(r) / 64] = 0;
            }
        } else {
            for (int32_t p : m_order) m_slot[p] = kAbsent;
        }
        m_order.clear();
        m_orderRanks.clear();
    }

    void Prepare(size_t count)
    {
        if (m_values.size() < count) m_values.resize(count);
        for (size_t i = 0; i < count; ++i) Arithmetic::Reset(m_values[i]);
        m_values[0] = Arithmetic::One();
    }

    // Goes through the ranks from the start's down, taking the marked ones: each comes after
    // all its descendants among them, and memory is read in order rather than at random. A
    // mark gives a person its slot; the scan stops with the last marked person.
    uint64_t Scan(const FamilyLinks& links, const std::vector<int32_t>* below)
    {
        int32_t first = links.Rank(m_start);
        int32_t taken = 1;
        Prepare(1);
        m_slot[first] = 0;
        m_marks[static_cast<size_t>(first) / 64] |= uint64_t{1} << (first % 64);
        uint64_t work = 0;
        int64_t pending = 1;
        for (int64_t w = first / 64; w >= 0 && pending > 0; --w) {
            for (uint64_t word = m_marks[w]; word != 0;) {
                int bit = 63 - std::countl_zero(word);
                auto rank = static_cast<int32_t>(w * 64 + bit);
                m_orderRanks.push_back(rank);
                m_order.push_back(links.PersonAt(rank));
                for (const ParentLink& link : RankedLinks(links, rank)) {
                    if (below && (*below)[links.PersonAt(link.parent)] > m_bound) continue;
                    if (m_slot[link.parent] == kAbsent) {
                        m_marks[static_cast<size_t>(link.parent) / 64] |= uint64_t{1}
                                                                          << (link.parent % 64);
                        m_slot[link.parent] = taken++;
                        if (m_values.size() < static_cast<size_t>(taken)) m_values.resize(taken);
                        Arithmetic::Reset(m_values[taken - 1]);
                        ++pending;
                    }
                    work += Arithmetic::AddStep(m_values[m_slot[link.parent]],
                                                m_values[m_slot[rank]], link.weight, link.count);
                }
                --pending;
                word = m_marks[w] & ((uint64_t{1} << bit) - 1);
            }
        }
        return work + m_order.size();
    }

    // Reverse post-order of a depth-first search: each person before its parents.
    void Order(const FamilyLinks& links, const std::vector<int32_t>* below)
    {
        m_stack.assign(1, {m_start, 0});
        m_slot[m_start] = kSeen;
        while (!m_stack.empty()) {
            auto& [person, next] = m_stack.back();
            std::span<const ParentLink> up = Links(links, person);
            if (next == up.size()) {
                m_order.push_back(person);
                m_stack.pop_back();
                continue;
            }
            int32_t parent = up[next++].parent;
            if (m_slot[parent] != kAbsent || (below && (*below)[parent] > m_bound)) continue;
            m_slot[parent] = kSeen;
            m_stack.push_back({parent, 0});
        }
        std::reverse(m_order.begin(), m_order.end());
        for (size_t i = 0; i < m_order.size(); ++i) m_slot[m_order[i]] = static_cast<int32_t>(i);
    }

    int32_t m_start = -1;
    bool m_down = false;
    int32_t m_bound = kUnboundedDepth;
    // Whether the last run scanned ranks; then m_slot and m_marks are by rank.
    bool m_ranked = false;
    std::vector<int32_t> m_slot;
    std::vector<uint64_t> m_marks;
    std::vector<int32_t> m_order;
    std::vector<int32_t> m_orderRanks;
    std::vector<Value> m_values;
    std::vector<std::pair<int32_t, size_t>> m_stack;
};

}  // namespace qv
