// The labels of the circle chart's sectors: five levels of detail, word wrap, and the search
// for the richest label and largest size that fit a sector.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "app/image_settings.h"
#include "charts/circle/circle_geometry.h"
#include "charts/pixel_rounding.h"
#include "data/array_types.h"
#include "data/person.h"
#include "render/text_metrics.h"

namespace qv {

// What a label can say about its person, already in display form.
struct CircleLabelFacts {
    std::string prefix;  // "#12 " with Kekule numbers on, else empty
    std::string name;    // surname, then ", " and the given names
    std::string surname;
    std::string birthEvent;  // "date in place", "in place" or the date
    std::string deathEvent;
    std::string birthDate;
    std::string deathDate;
    bool hasPlace = false;
};

CircleLabelFacts CircleLabelFactsOf(const TPerson& person, int64_t kekuleMin,
                                    const CircleChartSettings& settings);

// Every line must be narrower than width, and all lines together lower than height. A block
// set across a ring at centreRadius must also keep every line's corners within outerRadius
// (when that is not 0): straight lines reach further out at their ends than in their middle.
struct LabelLimits {
    int32_t width = 0;
    int32_t height = 0;
    double centreRadius = 0;
    double outerRadius = 0;
};

// Where a sector's label goes: its block centre, its turn (radians, counter-clockwise on the
// screen), and the box it must fit, across the ring when the sector is narrower along its
// middle than the ring is deep.
struct CircleLabelPlace {
    Point centre;
    double turn = 0;
    bool radial = false;
    LabelLimits limits;
};

CircleLabelPlace CircleLabelPlaceOf(const CircleFrame& frame, int32_t depth, double from,
                                    double span);

struct CircleLabel {
    // 5 name and events, 4 name and life dates, 3 name, 2 surname, 1 Kekule number alone.
    int32_t level = 0;
    int32_t fontSize = 0;
    TArrayOfString lines;
};

class CircleLabelFitter {
public:
    // Measures in the font's name and smoothing at every size it is asked for.
    explicit CircleLabelFitter(FontSpec font);

    // Whether one line of some text could fit at the smallest size.
    bool CanHold(LabelLimits limits) const;
    // The richest label that fits at the size; level 0 when none does.
    CircleLabel Richest(const CircleLabelFacts& facts, LabelLimits limits, int32_t size) const;
    // The first of three passes that succeeds, asking for level 3, then 2, then 1: each tries
    // the sizes from largestSize down to 5 and takes the first whose richest label reaches the
    // level. None when no pass succeeds.
    std::optional<CircleLabel> Fit(const CircleLabelFacts& facts, LabelLimits limits,
                                   int32_t largestSize) const;
    int32_t LineHeight(int32_t size) const;

private:
    const TextMetrics& Metrics(int32_t size) const;
    TArrayOfString Wrap(std::string_view text, int32_t width, const TextMetrics& metrics) const;
    bool Fits(const TArrayOfString& lines, LabelLimits limits, const TextMetrics& metrics) const;
    bool CornersFit(const TArrayOfString& lines, LabelLimits limits,
                    const TextMetrics& metrics) const;

    FontSpec m_font;
    mutable std::map<int32_t, TextMetrics> m_metrics;
};

}  // namespace qv
