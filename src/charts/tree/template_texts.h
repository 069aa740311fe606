// The tree chart's texts from the template language and the calculation engine.
#pragma once

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "charts/tree/tree_chart_texts.h"

namespace qv {

// Person labels from the AT_LABEL template (footnote mode, AT_LABELS_QUESTION_MARK), captions
// from the generation template, values from the engine rooted at the Kekule-1 person. The
// engine is told the persons of both charts and computes their values at once, with
// progress. calc and settings must outlive the texts.
TreeChartTexts TemplateTexts(TCalcClass& calc, const TImageSettings& settings);

}  // namespace qv
