// Founder sums by dynamic programming down the family graph: exact own sides, and founder
// sets as bit rows, a block of founders at a time so that memory stays bounded.
#include "calc/founder_sums.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "calc/family_graph.h"
#include "calc/walk_guard.h"

namespace qv {
namespace {

// Up to 64 MiB of bit rows per block, and at most 4,096 founders a block.
constexpr size_t kRowBytesTotal = size_t{64} << 20;
constexpr size_t kMostWordsPerRow = 64;
// Beyond this depth a unit of 2^-(depth + 1) is no longer a normal double.
constexpr int32_t kDeepest = 1000;
constexpr double kExactUnits = 9007199254740992.0;  // 2^53

// ½ for each missing parent, where the person is the root or its ancestor; else 0.
double CountedWeight(const FamilyGraph& graph, const std::vector<TPersonResult>& results,
                     int32_t person)
{
    if (results[person].DirectUp.Empty()) return 0;
    return 0.5 * (graph.Father(person) < 0) + 0.5 * (graph.Mother(person) < 0);
}

}  // namespace

std::optional<FounderSums> FounderSums::Compute(const FamilyGraph& graph,
                                                const std::vector<TPersonResult>& results,
                                                WalkGuard& guard, size_t blockWords)
{
    FounderSums sums;
    sums.m_order = AcyclicParentsFirst(graph);
    sums.m_rootSide.assign(graph.Size(), 0.0);
    sums.m_ownSide.assign(graph.Size(), 0.0);
    sums.m_exact.assign(graph.Size(), 0);
    sums.SumOwnSides(graph, results);
    if (!sums.SumRootSides(graph, results, guard, blockWords)) return std::nullopt;
    return sums;
}

void FounderSums::SumOwnSides(const FamilyGraph& graph, const std::vector<TPersonResult>& results)
{
    std::vector<int32_t> depth(graph.Size(), 0);
    for (int32_t p : m_order) {
        bool exact = true;
        double own = CountedWeight(graph, results, p);
        for (int32_t parent : {graph.Father(p), graph.Mother(p)}) {
            if (parent < 0) continue;
            depth[p] = std::max(depth[p], depth[parent] + 1);
            own += 0.5 * m_ownSide[parent];
            exact = exact && m_exact[parent];
        }
        m_ownSide[p] = own;
        m_exact[p] = exact && depth[p] < kDeepest && std::ldexp(own, depth[p] + 1) < kExactUnits;
    }
}

bool FounderSums::SumRootSides(const FamilyGraph& graph, const std::vector<TPersonResult>& results,
                               WalkGuard& guard, size_t blockWords)
{
    // The founders that count, in increasing index: the order in which a walk adds them.
    std::vector<double> terms;
    std::vector<int32_t> rank(graph.Size(), -1);
    for (int32_t p = 0; p < graph.Size(); ++p) {
        double q = CountedWeight(graph, results, p);
        if (q == 0) continue;
        rank[p] = static_cast<int32_t>(terms.size());
        terms.push_back(q * HalvingSum(results[p].DirectUp));
    }
    if (terms.empty()) return true;
    size_t rowWords =
        blockWords ? blockWords
                   : std::clamp<size_t>(kRowBytesTotal / 8 / graph.Size(), 1, kMostWordsPerRow);
    rowWords = std::min(rowWords, (terms.size() + 63) / 64);
    const size_t blockBits = rowWords * 64;
    std::vector<uint64_t> rows(static_cast<size_t>(graph.Size()) * rowWords);
    for (size_t first = 0; first < terms.size(); first += blockBits) {
        for (int32_t p : m_order) {
            uint64_t* row = rows.data() + static_cast<size_t>(p) * rowWords;
            std::fill(row, row + rowWords, 0);
            for (int32_t parent : {graph.Father(p), graph.Mother(p)}) {
                if (parent < 0) continue;
                const uint64_t* from = rows.data() + static_cast<size_t>(parent) * rowWords;
                for (size_t w = 0; w < rowWords; ++w) row[w] |= from[w];
            }
            size_t bit = static_cast<size_t>(rank[p]) - first;
            if (rank[p] >= 0 && bit < blockBits) row[bit / 64] |= uint64_t{1} << (bit % 64);
            uint64_t work = rowWords;
            if (m_exact[p]) {
                for (size_t w = 0; w < rowWords; ++w) {
                    for (uint64_t word = row[w]; word != 0; word &= word - 1) {
                        m_rootSide[p] += terms[first + w * 64 + std::countr_zero(word)];
                        ++work;
                    }
                }
            }
            if (guard.AddWork(work)) return false;
        }
    }
    return true;
}

}  // namespace qv
