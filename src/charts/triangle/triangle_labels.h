// The legend texts of the triangle diagram, from the DD_ label template.
#pragma once

#include <cstdint>
#include <functional>

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "data/array_types.h"

namespace qv {

struct TriangleLabels {
    // Told the persons shown before any label is asked for, so that their values are
    // computed at once; false means cancelled.
    std::function<bool(const TArrayOfBoolean& persons)> Prepare;
    // A person's legend lines. Left empty when the template has no lines: the diagram then
    // has neither numbers nor legend.
    std::function<TArrayOfString(int64_t person)> PersonLabel;
};

// Labels from the DD_LABEL template (no footnotes, DD_LABELS_QUESTION_MARK), with values from
// the engine rooted at the Kekule-1 person. calc and settings must outlive the labels.
TriangleLabels TriangleTemplateLabels(TCalcClass& calc, const TImageSettings& settings);

}  // namespace qv
