// Small and random pedigrees built in code, and independent brute-force path counts.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "data/ahnen_data.h"

namespace qv::test {

// Persons are added with their sex and, optionally, their parents (-1 = unknown); one
// family per distinct couple, links derived as after reading a file.
class PedigreeBuilder {
public:
    int64_t Add(char sex, int64_t father = -1, int64_t mother = -1)
    {
        int64_t index = static_cast<int64_t>(m_data.Persons.size());
        TPerson person;
        person.Id = "I" + std::to_string(index + 1);
        person.Sex = sex;
        if (father >= 0 || mother >= 0) person.ParentFamily = Family(father, mother);
        m_data.Persons.push_back(person);
        return index;
    }
    char Sex(int64_t person) const { return m_data.Persons[person].Sex; }
    TAhnenData Build()
    {
        TAhnenData data = m_data;
        data.LinkFamilies();
        return data;
    }

private:
    int32_t Family(int64_t husband, int64_t wife)
    {
        auto [it, added] = m_families.try_emplace({husband, wife}, m_data.Families.size());
        if (added) {
            TFamilie family;
            family.Id = "F" + std::to_string(it->second + 1);
            family.Husband = husband;
            family.Wife = wife;
            m_data.Families.push_back(family);
        }
        return static_cast<int32_t>(it->second);
    }

    TAhnenData m_data;
    std::map<std::pair<int64_t, int64_t>, int64_t> m_families;
};

// A random acyclic pedigree: each person's parents are chosen among earlier persons of the
// right sex (sometimes unknown), so a small population collapses heavily.
inline TAhnenData RandomPedigree(uint32_t seed, int persons, int founders = 6)
{
    std::mt19937 random(seed);
    PedigreeBuilder builder;
    std::vector<int64_t> men, women;
    for (int i = 0; i < persons; ++i) {
        char sex = random() % 2 ? 'M' : 'F';
        int64_t father = -1, mother = -1;
        if (i >= founders) {
            if (!men.empty() && random() % 8) father = men[random() % men.size()];
            if (!women.empty() && random() % 8) mother = women[random() % women.size()];
        }
        (sex == 'M' ? men : women).push_back(builder.Add(sex, father, mother));
    }
    return builder.Build();
}

// A small pedigree collapsed as far as it goes, for comparing counting methods: parents come
// from the last few persons (siblings, cousins, uncle and niece marry; a man has several
// wives), some are unknown, sexes are M, F or U, and now and then a father is not male, a
// mother is, or one person is both parents.
inline TAhnenData CollapsedPedigree(uint32_t seed, int persons)
{
    std::mt19937 random(seed);
    PedigreeBuilder builder;
    auto parent = [&](int64_t child, bool male) -> int64_t {
        for (int tries = 0; tries < 6; ++tries) {
            int64_t p = child - 1 - static_cast<int64_t>(random() % std::min<int64_t>(child, 8));
            if ((builder.Sex(p) == 'M') == male || random() % 12 == 0) return p;
        }
        return -1;
    };
    const char sexes[] = {'M', 'F', 'M', 'F', 'U'};
    for (int64_t i = 0; i < persons; ++i) {
        int64_t father = -1, mother = -1;
        if (i >= 2 && random() % 10) father = parent(i, true);
        if (i >= 2 && random() % 10) mother = random() % 40 ? parent(i, false) : father;
        builder.Add(sexes[random() % 5], father, mother);
    }
    return builder.Build();
}

// Counts, by length, the simple paths from start that go up (to parents) and then down (to
// children), using only the families; step(from, to, up) gives a step's length or -1. The
// blocked person may not be on any path.
template <typename Step>
std::vector<std::map<int64_t, int64_t>> BruteForcePaths(const TAhnenData& data, int64_t start,
                                                        bool startDown, Step step,
                                                        int64_t blocked = -1)
{
    std::vector<std::map<int64_t, int64_t>> counts(data.Persons.size());
    std::vector<bool> used(data.Persons.size(), false);
    if (blocked >= 0) used[blocked] = true;
    auto walk = [&](auto& self, int64_t p, int64_t length, bool down) -> void {
        if (used[p]) return;
        ++counts[p][length];
        used[p] = true;
        const TPerson& person = data.Persons[p];
        if (!down && person.ParentFamily >= 0) {
            const TFamilie& family = data.Families[person.ParentFamily];
            for (int64_t parent : {family.Husband, family.Wife})
                if (parent >= 0 && step(p, parent, true) >= 0)
                    self(self, parent, length + step(p, parent, true), false);
        }
        for (const TFamilie& family : data.Families) {
            if (family.Husband != p && family.Wife != p) continue;
            for (size_t c = 0; c < data.Persons.size(); ++c)
                if (data.Persons[c].ParentFamily == &family - data.Families.data() &&
                    step(p, c, false) >= 0)
                    self(self, c, length + step(p, c, false), true);
        }
        used[p] = false;
    };
    walk(walk, start, 0, startDown);
    return counts;
}

}  // namespace qv::test
