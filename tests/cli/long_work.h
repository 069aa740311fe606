// A family file whose path counts take long enough to be cancelled, even without walking
// paths one by one.
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qv::test {

// A closed population of 100 persons per generation over 100 generations (men and women
// alternating, couples paired at random, every child from a random couple of the generation
// before); I10000, the last person, has about 10,000 ancestors and seconds of path counting.
inline std::string ClosedPopulationFile()
{
    constexpr int kWidth = 100, kGenerations = 100;
    std::mt19937 random(7);
    std::string text = "0 HEAD\n1 CHAR UTF-8\n";
    for (int g = 0; g < kGenerations; ++g) {
        int first = g * kWidth + 1;
        for (int i = 0; i < kWidth; ++i) {
            text += "0 @I" + std::to_string(first + i) + "@ INDI\n1 SEX " + (i % 2 ? "F" : "M");
            if (g > 0) {
                int couple = (g - 1) * kWidth / 2 + static_cast<int>(random() % (kWidth / 2));
                text += "\n1 FAMC @F" + std::to_string(couple + 1) + "@";
            }
            text += "\n";
        }
        std::vector<int> women;
        for (int i = 1; i < kWidth; i += 2) women.push_back(first + i);
        std::shuffle(women.begin(), women.end(), random);
        for (int i = 0; i < kWidth / 2; ++i)
            text += "0 @F" + std::to_string(g * kWidth / 2 + i + 1) + "@ FAM\n1 HUSB @I" +
                    std::to_string(first + 2 * i) + "@\n1 WIFE @I" + std::to_string(women[i]) +
                    "@\n";
    }
    return text + "0 TRLR\n";
}

}  // namespace qv::test
