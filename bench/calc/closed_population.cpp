// Building the closed population generation by generation.
#include "closed_population.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qv::bench {
namespace {

// "I12", "F3": appended rather than added to a literal, which GCC 12 warns about wrongly.
std::string Label(char prefix, size_t number)
{
    std::string label(1, prefix);
    label += std::to_string(number);
    return label;
}

}  // namespace

TAhnenData ClosedPopulation(int width, int generations, uint32_t seed)
{
    std::mt19937 random(seed);
    TAhnenData data(static_cast<int64_t>(width) * generations, 0);
    std::vector<int32_t> couples;
    for (int g = 0; g < generations; ++g) {
        int64_t first = static_cast<int64_t>(g) * width;
        for (int i = 0; i < width; ++i) {
            TPerson& person = data.Persons[first + i];
            person.Id = Label('I', static_cast<size_t>(first + i + 1));
            person.Sex = i % 2 ? 'F' : 'M';
            if (!couples.empty()) person.ParentFamily = couples[random() % couples.size()];
        }
        std::vector<int64_t> women;
        for (int i = 1; i < width; i += 2) women.push_back(first + i);
        std::shuffle(women.begin(), women.end(), random);
        couples.clear();
        for (int i = 0; i + 1 < width; i += 2) {
            TFamilie family;
            family.Id = Label('F', data.Families.size() + 1);
            family.Husband = first + i;
            family.Wife = women[i / 2];
            couples.push_back(static_cast<int32_t>(data.Families.size()));
            data.Families.push_back(family);
        }
    }
    data.LinkFamilies();
    return data;
}

}  // namespace qv::bench
