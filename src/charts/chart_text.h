// Label text with small-text runs: U+000E switches to the small size, U+000F back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr char kSmallTextOn = '\x0E';
inline constexpr char kSmallTextOff = '\x0F';

template <typename Char>
struct TextRun {
    std::basic_string<Char> text;
    bool small = false;
};

// The runs between the markers, in order; empty runs are left out. The markers themselves
// belong to no run.
template <typename Char>
std::vector<TextRun<Char>> SplitTextRuns(std::basic_string_view<Char> text)
{
    std::vector<TextRun<Char>> runs;
    bool small = false;
    std::basic_string<Char> current;
    auto flush = [&] {
        if (!current.empty()) runs.push_back({current, small});
        current.clear();
    };
    for (Char c : text) {
        if (c == Char(kSmallTextOn) || c == Char(kSmallTextOff)) {
            flush();
            small = c == Char(kSmallTextOn);
        } else {
            current += c;
        }
    }
    flush();
    return runs;
}

// The small size of a font size: two thirds, truncated.
inline int SmallFontSize(int points)
{
    return 2 * points / 3;
}

}  // namespace qv
