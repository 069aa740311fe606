// Label texts of the circle chart and fitting them into a sector.
#include "charts/circle/circle_label.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <utility>

#include "app/qt_text.h"
#include "data/text_encoding.h"

namespace qv {
namespace {

constexpr int32_t kSmallestSize = 5;

std::string EventText(const TOrtDatum& event)
{
    if (!event.Date.empty() && !event.Place.empty()) return event.Date + " in " + event.Place;
    if (!event.Place.empty()) return "in " + event.Place;
    return event.Date;
}

}  // namespace

CircleLabelFacts CircleLabelFactsOf(const TPerson& person, int64_t kekuleMin,
                                    const CircleChartSettings& settings)
{
    CircleLabelFacts facts;
    if (settings.Kekule && kekuleMin > 0) facts.prefix = "#" + std::to_string(kekuleMin) + " ";
    facts.surname = settings.LabelsSurnameCaps ? UpperCaseUtf8(person.Surname) : person.Surname;
    facts.name = facts.surname;
    if (!person.GivenNames.empty())
        facts.name = (facts.surname.empty() ? "?" : facts.surname) + ", " + person.GivenNames;
    facts.birthEvent = EventText(person.Birth);
    facts.deathEvent = EventText(person.Death);
    facts.birthDate = person.Birth.Date;
    facts.deathDate = person.Death.Date;
    facts.hasPlace = !person.Birth.Place.empty() || !person.Death.Place.empty();
    return facts;
}

CircleLabelPlace CircleLabelPlaceOf(const CircleFrame& frame, int32_t depth, double from,
                                    double span)
{
    const double quarter = std::numbers::pi / 2;
    const double middle = from + span / 2;
    const int64_t quadrant = static_cast<int64_t>(middle / quarter) % 4;
    const double ring = frame.ringWidth;
    CircleLabelPlace place;
    place.centre = RoundToPixel(frame.At(middle, (depth + 0.5) * ring));
    // Half a turn more on the upper half, so that text there reads from left to right too.
    place.turn = middle + (quadrant == 1 || quadrant == 2 ? std::numbers::pi : 0);
    const double inner = depth * ring;
    const int32_t chord =
        static_cast<int32_t>(std::hypot(inner * std::cos(span) - inner, inner * std::sin(span)));
    place.radial = (depth + 0.5) * span * ring < ring;
    if (place.radial) {
        place.turn += quarter + (quadrant == 0 || quadrant == 2 ? std::numbers::pi : 0);
        place.limits = {frame.ringWidth - 1, chord - 1};
    } else {
        place.limits = {chord - 1, frame.ringWidth - 1, (depth + 0.5) * ring, (depth + 1) * ring};
    }
    return place;
}

CircleLabelFitter::CircleLabelFitter(FontSpec font) : m_font(std::move(font)) {}

const TextMetrics& CircleLabelFitter::Metrics(int32_t size) const
{
    auto found = m_metrics.find(size);
    if (found == m_metrics.end()) {
        FontSpec font = m_font;
        font.size = size;
        found = m_metrics.emplace(size, TextMetrics(font)).first;
    }
    return found->second;
}

int32_t CircleLabelFitter::LineHeight(int32_t size) const
{
    return Metrics(size).Extent(kLineHeightSample).height;
}

bool CircleLabelFitter::CanHold(LabelLimits limits) const
{
    return limits.width > 1 && limits.height > LineHeight(kSmallestSize);
}

// Words joined by one blank while the line stays narrower than the width; a word too wide
// for any line stands alone (and the label then does not fit).
TArrayOfString CircleLabelFitter::Wrap(std::string_view text, int32_t width,
                                       const TextMetrics& metrics) const
{
    TArrayOfString lines;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
        if (!lines.empty()) {
            const std::string longer = lines.back() + " " + word;
            if (metrics.Width(Utf16FromUtf8(longer)) < width) {
                lines.back() = longer;
                continue;
            }
        }
        lines.push_back(word);
    }
    return lines;
}

bool CircleLabelFitter::Fits(const TArrayOfString& lines, LabelLimits limits,
                             const TextMetrics& metrics) const
{
    if (lines.empty()) return false;
    const int64_t height = int64_t(lines.size()) * metrics.Extent(kLineHeightSample).height;
    if (height >= limits.height) return false;
    for (const std::string& line : lines)
        if (metrics.Width(Utf16FromUtf8(line)) >= limits.width) return false;
    return limits.outerRadius <= 0 || CornersFit(lines, limits, metrics);
}

// Line j of n stands (j - (n - 1) / 2) line heights from the block's centre, towards or away
// from the chart's centre; either way its outer corners must stay inside the outer radius.
bool CircleLabelFitter::CornersFit(const TArrayOfString& lines, LabelLimits limits,
                                   const TextMetrics& metrics) const
{
    const double pitch = metrics.Extent(kLineHeightSample).height;
    const double middle = (double(lines.size()) - 1) / 2;
    for (size_t j = 0; j < lines.size(); ++j) {
        const double radius =
            limits.centreRadius + std::abs(double(j) - middle) * pitch + pitch / 2;
        const double half = metrics.Width(Utf16FromUtf8(lines[j])) / 2.0;
        if (std::hypot(radius, half) >= limits.outerRadius) return false;
    }
    return true;
}

CircleLabel CircleLabelFitter::Richest(const CircleLabelFacts& facts, LabelLimits limits,
                                       int32_t size) const
{
    const TextMetrics& metrics = Metrics(size);
    const TArrayOfString named = Wrap(facts.prefix + facts.name, limits.width, metrics);
    if (facts.hasPlace) {
        TArrayOfString lines = named;
        if (!facts.birthEvent.empty()) lines.push_back("geb. " + facts.birthEvent);
        if (!facts.deathEvent.empty()) lines.push_back("gest. " + facts.deathEvent);
        if (Fits(lines, limits, metrics)) return {5, size, lines};
    }
    if (!facts.birthDate.empty() || !facts.deathDate.empty()) {
        TArrayOfString lines = named;
        lines.push_back((facts.birthDate.empty() ? "?" : facts.birthDate) + " - " +
                        (facts.deathDate.empty() ? "?" : facts.deathDate));
        if (Fits(lines, limits, metrics)) return {4, size, lines};
    }
    if (Fits(named, limits, metrics)) return {3, size, named};
    const TArrayOfString surname = Wrap(facts.prefix + facts.surname, limits.width, metrics);
    if (Fits(surname, limits, metrics)) return {2, size, surname};
    const TArrayOfString prefix = Wrap(facts.prefix, limits.width, metrics);
    if (Fits(prefix, limits, metrics)) return {1, size, prefix};
    return {0, size, {}};
}

std::optional<CircleLabel> CircleLabelFitter::Fit(const CircleLabelFacts& facts, LabelLimits limits,
                                                  int32_t largestSize) const
{
    if (!CanHold(limits)) return std::nullopt;
    std::map<int32_t, CircleLabel> tried;
    for (int32_t required : {3, 2, 1})
        for (int32_t size = largestSize; size >= kSmallestSize; --size) {
            auto found = tried.find(size);
            if (found == tried.end())
                found = tried.emplace(size, Richest(facts, limits, size)).first;
            if (found->second.level >= required) return found->second;
        }
    return std::nullopt;
}

}  // namespace qv
