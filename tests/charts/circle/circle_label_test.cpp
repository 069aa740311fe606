// Label texts, their levels and sizes, and where and how a sector's label stands.
#include "charts/circle/circle_label.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "data/text_encoding.h"

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

TPerson Hans()
{
    TPerson person;
    person.Surname = "Müller";
    person.GivenNames = "Hans Peter";
    person.Birth = {"1900", "Berlin"};
    person.Death = {"1950", ""};
    return person;
}

CircleChartSettings KekuleAndCaps()
{
    CircleChartSettings settings;
    settings.Kekule = true;
    settings.LabelsSurnameCaps = true;
    return settings;
}

TEST(CircleLabel, FactsSpellNamesEventsAndTheKekulePrefix)
{
    const CircleLabelFacts facts = CircleLabelFactsOf(Hans(), 6, KekuleAndCaps());
    EXPECT_EQ(facts.prefix, "#6 ");
    EXPECT_EQ(facts.name, "MÜLLER, Hans Peter");
    EXPECT_EQ(facts.surname, "MÜLLER");
    EXPECT_EQ(facts.birthEvent, "1900 in Berlin");
    EXPECT_EQ(facts.deathEvent, "1950");
    EXPECT_TRUE(facts.hasPlace);

    TPerson anna;
    anna.GivenNames = "Anna";
    anna.Death.Place = "Wien";
    const CircleLabelFacts unnamed = CircleLabelFactsOf(anna, 0, KekuleAndCaps());
    EXPECT_EQ(unnamed.prefix, "");  // no Kekule number to show
    EXPECT_EQ(unnamed.name, "?, Anna");
    EXPECT_EQ(unnamed.deathEvent, "in Wien");
    EXPECT_EQ(CircleLabelFactsOf(Hans(), 6, CircleChartSettings()).prefix, "");
    TPerson plain;
    plain.Surname = "Strauß";
    EXPECT_EQ(CircleLabelFactsOf(plain, 1, KekuleAndCaps()).name, "STRAUSS");
}

TEST(CircleLabel, RichestLevelThatFitsWins)
{
    const CircleLabelFitter fitter({"Arial", 10});
    const CircleLabelFacts facts = CircleLabelFactsOf(Hans(), 6, KekuleAndCaps());
    const int32_t line = fitter.LineHeight(10);
    struct Row {
        int32_t lines;
        int32_t level;
        TArrayOfString text;
    } rows[] = {
        {3, 5, {"#6 MÜLLER, Hans Peter", "geb. 1900 in Berlin", "gest. 1950"}},
        {2, 4, {"#6 MÜLLER, Hans Peter", "1900 - 1950"}},
        {1, 3, {"#6 MÜLLER, Hans Peter"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.level);
        const CircleLabel label = fitter.Richest(facts, {1000, row.lines * line + 1}, 10);
        EXPECT_EQ(label.level, row.level);
        EXPECT_EQ(label.lines, row.text);
    }
    // Exactly as high as the lines is too low: they must stay below the limit.
    EXPECT_EQ(fitter.Richest(facts, {1000, line}, 10).level, 0);
    TPerson undated = Hans();
    undated.Birth = {};
    undated.Death = {"", ""};
    const CircleLabelFacts bare = CircleLabelFactsOf(undated, 6, KekuleAndCaps());
    EXPECT_EQ(fitter.Richest(bare, {1000, 5 * line}, 10).level, 3);
}

TEST(CircleLabel, WordsWrapWithinTheWidth)
{
    const CircleLabelFitter fitter({"Arial", 10});
    const CircleLabelFacts facts = CircleLabelFactsOf(Hans(), 6, KekuleAndCaps());
    const int32_t width = TextMetrics({"Arial", 10}).Width(u"#6 MÜLLER,") + 1;
    const CircleLabel label = fitter.Richest(facts, {width, 10 * fitter.LineHeight(10)}, 10);
    EXPECT_EQ(label.level, 4);  // "geb. 1900 in Berlin" is wider than any name line
    EXPECT_EQ(label.lines, (TArrayOfString{"#6 MÜLLER,", "Hans Peter", "1900 - 1950"}));
}

TEST(CircleLabel, FittingPrefersTheWholeNameInASmallerSize)
{
    const CircleLabelFitter fitter({"Arial", 10});
    const CircleLabelFacts facts = CircleLabelFactsOf(Hans(), 6, KekuleAndCaps());
    const int32_t width = TextMetrics({"Arial", 7}).Width(u"#6 MÜLLER, Hans Peter") + 1;
    const LabelLimits oneLine{width, fitter.LineHeight(10) + 1};
    EXPECT_EQ(fitter.Richest(facts, oneLine, 10).level, 2);
    const std::optional<CircleLabel> label = fitter.Fit(facts, oneLine, 10);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->level, 3);
    EXPECT_EQ(label->fontSize, 7);
    // Too small for the Kekule number even at 5 points: no label at all.
    EXPECT_FALSE(fitter.Fit(facts, {4, 4 * fitter.LineHeight(5)}, 10));
    EXPECT_FALSE(fitter.Fit(facts, {1000, fitter.LineHeight(5)}, 10));
}

// How far from the chart's centre the label's outer corners reach, set across the first ring
// of a 50-pixel chart.
double OuterReach(const CircleLabelFitter& fitter, const CircleLabel& label)
{
    const TextMetrics metrics({"Arial", label.fontSize});
    const double pitch = fitter.LineHeight(label.fontSize);
    const double middle = (double(label.lines.size()) - 1) / 2;
    double reach = 0;
    for (size_t j = 0; j < label.lines.size(); ++j) {
        const double half = metrics.Width(Utf16FromUtf8(label.lines[j])) / 2.0;
        reach = std::max(reach, std::hypot(75 + std::abs(j - middle) * pitch + pitch / 2, half));
    }
    return reach;
}

// A straight line set along a ring reaches further out at its ends than in its middle: the
// label in the first ring must keep its corners out of the second, where the parents' labels
// stand, even where its box alone would let them in.
TEST(CircleLabel, LinesAlongTheArcKeepTheirCornersInTheRing)
{
    const CircleLabelFitter fitter({"Arial", 10});
    TPerson person = Hans();
    person.GivenNames = "Hans Peter Maria";
    person.Birth = {"12 MAR 1900", "Berlin-Charlottenburg"};
    const CircleLabelFacts facts = CircleLabelFactsOf(person, 6, KekuleAndCaps());
    CircleFrame frame;
    frame.ringWidth = 50;
    const CircleLabelPlace place = CircleLabelPlaceOf(frame, 1, kPi / 2, kPi);
    EXPECT_EQ(place.limits.centreRadius, 75);
    EXPECT_EQ(place.limits.outerRadius, 100);
    LabelLimits boxOnly = place.limits;
    boxOnly.outerRadius = 0;
    const std::optional<CircleLabel> loose = fitter.Fit(facts, boxOnly, 10);
    const std::optional<CircleLabel> kept = fitter.Fit(facts, place.limits, 10);
    ASSERT_TRUE(loose && kept);
    EXPECT_GE(OuterReach(fitter, *loose), 100);
    EXPECT_LT(OuterReach(fitter, *kept), 100);
}

TEST(CircleLabel, NarrowSectorsTurnTheirTextAcrossTheRing)
{
    CircleFrame frame;
    frame.centre = {500, 500};
    frame.ringWidth = 50;
    struct Row {
        int32_t depth;
        double from, span;
        bool radial;
        double turn;
        LabelLimits limits;
        Point centre;
    } rows[] = {
        // The mother's half of a full circle: along the arc, over the top, read upright.
        {1, kPi / 2, kPi, false, 2 * kPi, {99, 49}, {500, 425}},
        // The father's half: along the arc at the bottom, not turned at all (2 pi).
        {1, 3 * kPi / 2, kPi, false, 2 * kPi, {99, 49}, {500, 575}},
        // A sixty-fourth at the bottom, five rings out: across the ring.
        {5, 0, kPi / 32, true, kPi / 64 + kPi / 2 + kPi, {49, 23}, {513, 775}},
        // The same on the upper left, turned half around on that half.
        {5, kPi, kPi / 32, true, kPi + kPi / 64 + kPi + kPi / 2 + kPi, {49, 23}, {487, 225}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.from);
        const CircleLabelPlace place = CircleLabelPlaceOf(frame, row.depth, row.from, row.span);
        EXPECT_EQ(place.radial, row.radial);
        EXPECT_NEAR(place.turn, row.turn, 1e-12);
        EXPECT_EQ(place.limits.width, row.limits.width);
        EXPECT_EQ(place.limits.height, row.limits.height);
        EXPECT_EQ(place.centre, row.centre);
    }
}

}  // namespace
}  // namespace qv
