// Natural string order, as file managers sort: runs of digits compare by their value.
#pragma once

#include <string_view>

namespace qv {

// Negative, zero or positive as a sorts before, with or after b. Digit runs compare by value
// (so "9)" comes before "10)"), other characters without regard to ASCII letter case.
int CompareNatural(std::string_view a, std::string_view b);

inline bool NaturalLess(std::string_view a, std::string_view b)
{
    return CompareNatural(a, b) < 0;
}

}  // namespace qv
