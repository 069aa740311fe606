// A family file whose path counts take practically forever, for cancelling long work.
#pragma once

#include <string>

namespace qv::test {

// Forty generations in which a brother marries his sister: 2^40 paths up from I79.
inline std::string SiblingMarriages()
{
    std::string text = "0 HEAD\n1 CHAR UTF-8\n";
    for (int g = 0; g < 40; ++g) {
        for (int child : {2 * g + 1, 2 * g + 2}) {
            text +=
                "0 @I" + std::to_string(child) + "@ INDI\n1 SEX " + (child % 2 ? "M" : "F") + "\n";
            if (g > 0) text += "1 FAMC @F" + std::to_string(g) + "@\n";
        }
        text += "0 @F" + std::to_string(g + 1) + "@ FAM\n1 HUSB @I" + std::to_string(2 * g + 1) +
                "@\n1 WIFE @I" + std::to_string(2 * g + 2) + "@\n";
    }
    return text + "0 TRLR\n";
}

}  // namespace qv::test
