// Small families for the circle-chart tests.
#pragma once

#include <string>

#include "charts/tree/tree_fixture.h"

namespace qv::test {

// P's parents F and M; F's father X is also the father of M's father N, and X's father W.
// The first visit reaches W three generations up, the mother's line four.
inline TAhnenData DeeperLineFamily()
{
    return DataFromGedcom(
        MakeGedcom({"P", "F", "M", "X", "N", "W", "E"}, {{"FP", "F", "M", {"P"}},
                                                         {"FX", "X", "", {"F", "N"}},
                                                         {"FM", "N", "E", {"M"}},
                                                         {"FW", "W", "", {"X"}}}));
}

// P's parents F and M; F's father A; A's father X, who is also M's father; X's father W.
// X and W each stand twice, one generation apart.
inline TAhnenData RepeatedAncestorFamily()
{
    return DataFromGedcom(
        MakeGedcom({"P", "F", "M", "A", "X", "Y", "D", "W"}, {{"FP", "F", "M", {"P"}},
                                                              {"FF", "A", "", {"F"}},
                                                              {"FA", "X", "Y", {"A"}},
                                                              {"FM", "X", "D", {"M"}},
                                                              {"FW", "W", "", {"X"}}}));
}

// A line of fathers: the proband I0, its father I1, and so on up to I<generations>.
inline TAhnenData FatherLine(int generations)
{
    std::string text = "0 HEAD\n";
    for (int g = 0; g <= generations; ++g) {
        text += "0 @I" + std::to_string(g) + "@ INDI\n1 NAME Vater" + std::to_string(g) +
                " /Linie/\n1 SEX M\n";
        if (g < generations) text += "1 FAMC @F" + std::to_string(g + 1) + "@\n";
    }
    for (int g = 1; g <= generations; ++g)
        text += "0 @F" + std::to_string(g) + "@ FAM\n1 HUSB @I" + std::to_string(g) + "@\n";
    return DataFromGedcom(text + "0 TRLR\n");
}

}  // namespace qv::test
