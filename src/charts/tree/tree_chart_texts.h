// The texts of the tree chart that come from the template language, outside the chart layer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/footnotes.h"
#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

struct TreeChartTexts {
    // Told which persons appear (persons of the chart data, which may be the collateral
    // copy) before any label is asked for, so that their values are computed at once;
    // false means cancelled.
    std::function<bool(const TAhnenData& chartData, const TArrayOfBoolean& persons)> Prepare;
    // The label lines of a person of the chart data; footnotes go to the list given.
    std::function<TArrayOfString(const TAhnenData& chartData, int64_t person,
                                 TFootNotes& footnotes)>
        PersonLabel;
    // The lines of a person's hover box in the interactive chart with the extended label
    // ("erweiterte Beschriftung"); none when not given.
    std::function<TArrayOfString(const TAhnenData& chartData, int64_t person,
                                 TFootNotes& footnotes)>
        ExtendedLabel;
    // The caption lines of a generation (0 the Kekule-1 person's, ancestors negative); none
    // when generations are not labelled.
    std::function<TArrayOfString(int64_t generation)> GenerationCaption;
};

// Footnotes of both charts, ancestor chart first: each key once (its first text), sorted by
// key in natural order, equal keys keeping their order.
TFootNotes MergeFootnotes(const TFootNotes& ancestors, const TFootNotes& descendants);

}  // namespace qv
