// The persons of the triangle diagram as value pairs, their shared numbers and the line of
// average g'b(d) per generation.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace qv {

struct TrianglePoint {
    int64_t person = -1;
    int side = 0;  // 1 ancestor, -1 descendant
    // gbs(d) and g'b(d), read in single precision as the positions use them.
    float b = 0;
    float h = 0;
};

// Numbers 1, 2, … in the order of the points; a point with the side and both values of an
// earlier one takes that one's number.
std::vector<int32_t> SharedNumbers(const std::vector<TrianglePoint>& points);

// The (h, b) pairs of a side's average line after the origin: for each generation i from 0 to
// generations - 1 that any person weighs into, the weighted mean of g'b(d) and b = i. A person
// between two generations weighs into both, the nearer the more.
std::vector<std::pair<double, int32_t>> AverageLine(const std::vector<TrianglePoint>& points,
                                                    int side, int32_t generations);

}  // namespace qv
