// Filling the generation tables and reading the 24 generation values from them.
#include "calc/generation_tables.h"

#include <algorithm>
#include <cstdlib>

#include "calc/family_graph.h"
#include "calc/number_format.h"
#include "calc/wrapping.h"
#include "data/kekule.h"

namespace qv {
namespace {

constexpr int kLastDistance = kGenerationTableSize - 1;

// A repeated ancestor frees dup positions at distance i, and the unknown parents above each
// repeat free twice as many positions per further generation.
void TakeRepeats(GenerationTable& possible, int64_t i, int64_t dup, int missingParents)
{
    possible[i] = WrapSub(possible[i], dup);
    int64_t x = WrapMul(dup, missingParents);
    for (int64_t j = i + 1; j <= kLastDistance && x != 0; ++j) {
        possible[j] = WrapSub(possible[j], x);
        x = WrapMul(x, 2);
    }
}

void AddAncestor(GenerationTables& t, const CountArray& up, int missingParents, int64_t kekuleMin)
{
    bool first = true;
    int64_t end = std::min<int64_t>(up.Size(), kGenerationTableSize);
    for (int64_t i = up.Offset(); i < end; ++i) {
        t.AncestorPositions[i] = WrapAdd(t.AncestorPositions[i], up[i]);
        if (up[i] <= 0) continue;
        TakeRepeats(t.AncestorsPossible, i, first ? up[i] - 1 : up[i], missingParents);
        first = false;
    }
    ++t.AncestorsFirstSeen[KekuleGeneration(kekuleMin)];
}

void AddDescendant(GenerationTables& t, const CountArray& down)
{
    bool first = true;
    int64_t end = std::min<int64_t>(down.Size(), kGenerationTableSize);
    for (int64_t j = down.Offset(); j < end; ++j) {
        t.DescendantPositions[j] = WrapAdd(t.DescendantPositions[j], down[j]);
        if (first && down[j] > 0) {
            ++t.DescendantsFirstSeen[j];
            first = false;
        }
    }
}

}  // namespace

void ComputeGenerationTables(GenerationTables& t, const FamilyGraph& graph,
                             const std::vector<TPersonResult>& results)
{
    t = GenerationTables{};
    for (int d = 0; d <= kLastDistance; ++d) t.AncestorsPossible[d] = WrapPow2(d);
    for (int32_t b = 0; b < graph.Size(); ++b) {
        const TPersonResult& r = results[b];
        if (r.KekuleMin > 0) {
            int missing = (graph.Father(b) < 0) + (graph.Mother(b) < 0);
            AddAncestor(t, r.DirectUp, missing, r.KekuleMin);
        } else {
            // DirectDown, not the "(d)" array: an ancestor beyond the 62-generation cut has
            // no smallest Kekule number but must not be counted as a descendant.
            AddDescendant(t, r.DirectDown);
        }
    }
}

double EstimatedShare(const GenerationTables& t, int a)
{
    double share = 1;
    for (int i = 1; i <= a && i <= kLastDistance; ++i) {
        int64_t lost = WrapSub(WrapMul(2, t.AncestorsPossible[i - 1]), t.AncestorsPossible[i]);
        double r = static_cast<double>(t.AncestorPositions[i]) / static_cast<double>(WrapPow2(i));
        int64_t m = std::max<int64_t>(WrapAdd(t.AncestorsFirstSeen[i], lost), 1);
        share = static_cast<double>(lost) / static_cast<double>(m) * r + (1 - r) * share;
    }
    return share;
}

double EstimatedAncestors(const GenerationTables& t, int a)
{
    double estimate = 1;
    for (int i = 1; i <= a && i <= kLastDistance; ++i) {
        int64_t lost = WrapSub(WrapMul(2, t.AncestorsPossible[i - 1]), t.AncestorsPossible[i]);
        double h = 2 * estimate - static_cast<double>(lost);
        estimate = h - (h - static_cast<double>(t.AncestorsFirstSeen[i])) * EstimatedShare(t, i);
    }
    return estimate;
}

}  // namespace qv
