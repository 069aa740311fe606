// TMultiSampleSymbol: a symbol drawn at N times its size on a key-coloured bitmap, reduced to
// averaged colour and coverage, and composited onto a chart.
#pragma once

#include <vector>

#include "render/bitmap.h"
#include "render/color.h"

namespace qv {

class TMultiSampleSymbol {
public:
    // A 32-bit bitmap of that size filled with the key colour, which then means "not covered".
    TMultiSampleSymbol(int width, int height, TColor keyColor);

    // The caller draws the symbol here, at N times the final scale and without antialiasing.
    Bitmap& Picture() { return m_picture; }
    TColor KeyColor() const { return m_keyColor; }

    // Averages every N x N block: colour of the covered pixels, coverage = covered / N².
    void Reduce(int n);
    // Composites the reduced image with its top-left corner at (x, y).
    void DrawTo(int x, int y, Bitmap& target) const;

    int ReducedWidth() const { return m_reducedWidth; }
    int ReducedHeight() const { return m_reducedHeight; }

    struct Sample {
        float red = 0, green = 0, blue = 0;  // 0 .. 255, averaged
        float alpha = 0;                     // coverage 0 .. 1
    };
    const Sample& At(int i, int j) const { return m_reduced[size_t(j) * m_reducedWidth + i]; }

private:
    Bitmap m_picture;
    TColor m_keyColor;
    int m_reducedWidth = 0;
    int m_reducedHeight = 0;
    std::vector<Sample> m_reduced;
};

}  // namespace qv
