// Writing expected value texts readably: "3[1]4[2]" stands for 3, U+000E, 1, U+000F, 4 ….
#pragma once

#include <string>

namespace qv::test {

inline std::string Sup(std::string text)
{
    for (char& c : text) {
        if (c == '[') c = '\x0E';
        if (c == ']') c = '\x0F';
    }
    return text;
}

}  // namespace qv::test
