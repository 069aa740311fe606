// Person labels and table cells from templates: names, events, Kekule numbers and metrics.
#pragma once

#include <cstdint>
#include <string>

#include "app/footnotes.h"
#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "data/ahnen_data.h"

namespace qv {

enum class ChartKind { TreeChart = 0, Triangle = 1 };

// The text of templateText for person (of data, which may be a chart's working copy of the
// engine's data with placeholder persons added): names and events, "<Kekule>"/"<KekuleX>"
// and the metric placeholders, with the engine rooted at the Kekule-1 person of settings.
// Empty values become "?" with questionMarks. In footnoteMode, Kekule lists of at least
// AT_FOOTNOTE_THRESHOLD numbers become a key such as "12)" and a footnote appended to
// footnotes; otherwise all numbers are shown one per line, and without footnoteMode only
// the smallest. A person outside data gives the empty text; one the engine does not know
// gets names and events only.
std::string ExpandPersonLabel(const TAhnenData& data, TCalcClass& calc, int64_t person,
                              const TImageSettings& settings, const std::string& templateText,
                              bool footnoteMode, bool questionMarks, TFootNotes& footnotes);

// The template lines of a chart's person-label mode ("keine", "Kekule-Nummern", "Namen",
// "benutzerdefiniert"), with "<NNAME>" for "<NName>" when surnames are to be in capitals.
TArrayOfString PersonLabelTemplate(const TImageSettings& settings, ChartKind kind);

// A value under the question-mark rule: empty after trimming spaces gives "?" (or nothing).
std::string QuestionMarkValue(const std::string& value, bool questionMarks);

}  // namespace qv
