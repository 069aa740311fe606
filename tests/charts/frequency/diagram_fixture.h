// A small pedigree whose great-grandfather occurs in two generations of the root's ancestry.
#pragma once

#include "calc/pedigree_builder.h"

namespace qv::test {

// Persons: 0 the great-grandfather Alt (in generation 2 through the father and generation 3
// through the mother), 1 and 2 his wives, 3 the father, 4 Alt's daughter, 5 her husband,
// 6 the mother, 7 the root; 8 a stranger.
inline TAhnenData CollapsedPedigree()
{
    PedigreeBuilder builder;
    const int64_t alt = builder.Add('M');
    const int64_t first = builder.Add('F');
    const int64_t second = builder.Add('F');
    const int64_t father = builder.Add('M', alt, first);
    const int64_t daughter = builder.Add('F', alt, second);
    const int64_t husband = builder.Add('M');
    const int64_t mother = builder.Add('F', husband, daughter);
    builder.Add('M', father, mother);
    builder.Add('F');
    TAhnenData data = builder.Build();
    const char* names[][2] = {{"Alt", "Anton"},    {"Erst", "Berta"},  {"Zweit", "Cäcilie"},
                              {"Vater", "Dieter"}, {"Tochter", "Eva"}, {"Mann", "Fritz"},
                              {"Mutter", "Gerda"}, {"Kind", "Hans"},   {"Fremd", "Ida"}};
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        data.Persons[p].Surname = names[p][0];
        data.Persons[p].GivenNames = names[p][1];
    }
    return data;
}

}  // namespace qv::test
