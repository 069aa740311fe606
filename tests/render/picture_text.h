// Pictures as rows of characters, so pixel tests read as small drawings.
#pragma once

#include <string>
#include <vector>

#include "render/bitmap.h"

namespace qv::test {

// '#' for ink, '.' for paper, '+' for anything else, one string per row.
inline std::vector<std::string> PictureText(const Bitmap& bitmap, TColor ink = kBlack,
                                            TColor paper = kWhite)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor c = bitmap.Pixel(x, y);
            row += c == ink ? '#' : c == paper ? '.' : '+';
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::string RowText(const Bitmap& bitmap, int y, int x0, int x1)
{
    std::string row;
    for (int x = x0; x < x1; ++x) {
        TColor c = bitmap.Pixel(x, y);
        row += c == kBlack ? '#' : c == kWhite ? '.' : '+';
    }
    return row;
}

}  // namespace qv::test
