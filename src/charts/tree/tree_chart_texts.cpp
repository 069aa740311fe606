// Merging the footnotes of the two charts of the tree chart.
#include "charts/tree/tree_chart_texts.h"

#include <algorithm>
#include <set>

#include "app/natural_order.h"

namespace qv {

TFootNotes MergeFootnotes(const TFootNotes& ancestors, const TFootNotes& descendants)
{
    TFootNotes merged;
    std::set<std::string> keys;
    for (const TFootNotes* list : {&ancestors, &descendants})
        for (const auto& note : *list)
            if (keys.insert(note.Key).second) merged.push_back(note);
    std::stable_sort(merged.begin(), merged.end(),
                     [](const auto& a, const auto& b) { return NaturalLess(a.Key, b.Key); });
    return merged;
}

}  // namespace qv
