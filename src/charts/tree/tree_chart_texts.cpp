// Merging the footnotes of the two charts of the tree chart.
#include "charts/tree/tree_chart_texts.h"

#include <algorithm>
#include <set>

#include "charts/tree/natural_order.h"

namespace qv {

FootnoteList MergeFootnotes(const FootnoteList& ancestors, const FootnoteList& descendants)
{
    FootnoteList merged;
    std::set<std::string> keys;
    for (const FootnoteList* list : {&ancestors, &descendants})
        for (const auto& note : *list)
            if (keys.insert(note.first).second) merged.push_back(note);
    std::stable_sort(merged.begin(), merged.end(),
                     [](const auto& a, const auto& b) { return NaturalLess(a.first, b.first); });
    return merged;
}

}  // namespace qv
