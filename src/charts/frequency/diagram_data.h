// What the frequency diagram shows: per selected person its counts per generation, label,
// colour and fitted curve, and the generations b … e that hold a count.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "charts/frequency/frequency_values.h"
#include "data/progress.h"

namespace qv {

// More selected persons than this make the diagram hard to read: the command warns first.
constexpr int64_t kDiagramPersonsAdvised = 16;

// The most counts (persons times generations b … e) a diagram holds. Its workbook keeps five
// cells per count in memory and its picture a curve point per quarter generation, so a
// selection of whole pedigrees on a deep file is refused before it exhausts the memory.
constexpr int64_t kDiagramCountsMost = 1000000;

struct DiagramPerson {
    int64_t person = -1;
    std::string label;  // "<NName>, <VName>"
    TArrayOfInt64 counts;
    TColor color = 0;
    std::optional<NormalCurve> curve;

    // c[j], 0 where the array is shorter.
    int64_t Count(int64_t generation) const;
};

struct DiagramData {
    std::string value;  // the metric's name, also the chart's title
    // b and e: the smallest and largest generation with a count of any person; both 0 when
    // no person has a count.
    int64_t first = 0;
    int64_t last = 0;
    std::vector<DiagramPerson> persons;  // in person-index order
};

// The warning shown before drawing more persons than advised.
std::string TooManyPersonsWarning(int64_t persons);
// The refusal of a diagram of more than kDiagramCountsMost counts.
std::string TooLargeDiagramMessage(int64_t persons);

// Roots the engine at the proband and reads the metric of DG_VALUE for every selected person.
// Throws Error "Kein Proband gewählt!" or "Keine Personen in der Liste zum Anzeigen!" when
// either is missing, and TooLargeDiagramMessage beyond kDiagramCountsMost counts; nothing when
// the engine's calculation was cancelled.
std::optional<DiagramData> CollectDiagramData(TCalcClass& calc, const TImageSettings& settings,
                                              const ProgressCallback& progress = {});

}  // namespace qv
