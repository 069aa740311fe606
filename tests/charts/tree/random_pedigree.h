// Random collapsed pedigrees: a small population marrying among itself for some generations,
// so that ancestors are reached again and again, some persons marry twice and some children
// skip a generation (their parents stand rows above them).
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "charts/tree/image_vorfahren.h"
#include "charts/tree/tetris_vorfahren.h"
#include "charts/tree/tree_fixture.h"
#include "data/ahnen_data.h"

namespace qv::test {

inline TAhnenData RandomPedigree(uint32_t seed, int generations, int width)
{
    std::mt19937 random(seed);
    auto chance = [&random](int percent) { return int(random() % 100) < percent; };
    TAhnenData data(int64_t(generations) * width, 0);
    std::vector<int32_t> previous, older;  // the families of the two generations before
    for (int g = 0; g < generations; ++g) {
        const int64_t first = int64_t(g) * width;
        for (int i = 0; i < width; ++i) {
            TPerson& person = data.Persons[first + i];
            person.Id = "I" + std::to_string(first + i + 1);
            person.Sex = i % 2 ? 'F' : 'M';
            const std::vector<int32_t>& from = !older.empty() && chance(15) ? older : previous;
            if (!from.empty() && !chance(8)) person.ParentFamily = from[random() % from.size()];
        }
        std::vector<int32_t> families;
        auto marry = [&](int64_t husband, int64_t wife) {
            TFamilie family;
            family.Id = "F" + std::to_string(data.Families.size() + 1);
            family.Husband = husband;
            family.Wife = wife;
            families.push_back(int32_t(data.Families.size()));
            data.Families.push_back(family);
        };
        std::vector<int64_t> women;
        for (int i = 1; i < width; i += 2) women.push_back(first + i);
        std::shuffle(women.begin(), women.end(), random);
        for (int i = 0; i + 1 < width; i += 2) {
            marry(first + i, women[i / 2]);
            if (chance(25)) marry(first + i, women[random() % women.size()]);
        }
        older = previous;
        previous = families;
    }
    data.LinkFamilies();
    return data;
}

// A random pedigree's packing input: the drawn persons and rows of its chart (the last person
// is the proband), slots of several widths (widths times the scale), a third of the families
// switched.
struct RandomPacking {
    TAhnenData data;
    TArrayOfBoolean drawn;
    AncestorLinks links;
    std::vector<int32_t> rows, slotSizes;
    TArrayOfBoolean switched;
    int32_t rowCount = 1;

    int64_t Proband() const { return int64_t(data.Persons.size()) - 1; }
    AncestorPackingInput Input(int32_t minDistance) const
    {
        return {links, Proband(), rows, slotSizes, switched, rowCount, minDistance};
    }
};

inline RandomPacking MakeRandomPacking(uint32_t seed, int32_t slotScale = 1)
{
    RandomPacking packing;
    packing.data = RandomPedigree(seed, 9, 14);
    TImageSettings settings;
    settings.ProbandIndex = packing.Proband();
    FixedMeasure measure;
    TImage_Vorfahren chart(packing.data, settings, measure);
    EXPECT_TRUE(chart.Layout(IdLabels(packing.data)));
    std::mt19937 random(seed);
    packing.drawn = chart.Drawn();
    packing.links = LinkAncestors(packing.data, packing.drawn);
    packing.rowCount = chart.RowCount();
    for (size_t p = 0; p < packing.data.Persons.size(); ++p) {
        packing.rows.push_back(chart.RowOf(int64_t(p)));
        packing.slotSizes.push_back((15 + int32_t(random() % 4) * 20) * slotScale);
    }
    for (size_t f = 0; f < packing.data.Families.size(); ++f)
        packing.switched.push_back(random() % 3 == 0);
    return packing;
}

}  // namespace qv::test
