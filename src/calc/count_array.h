// Count arrays: path or line counts indexed by length or generation distance.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/wrapping.h"
#include "data/array_types.h"

namespace qv {

// A TArrayOfInt64 stored from its first touched entry on, so that the arrays of a long
// chain of descendants (one entry each, at a growing distance) stay linear in memory.
// Empty means no path at all; entries are wrapping signed 64-bit counts.
class CountArray {
public:
    CountArray() = default;
    // The dense array as given, leading zeros included in its length.
    static CountArray FromArray(const TArrayOfInt64& dense);

    bool Empty() const { return m_values.empty(); }
    // The length of the dense array (one past the last stored entry).
    int64_t Size() const
    {
        return m_values.empty() ? 0 : m_offset + static_cast<int64_t>(m_values.size());
    }
    // Index of the first stored entry; entries below it are 0.
    int64_t Offset() const { return m_offset; }
    const std::vector<int64_t>& Stored() const { return m_values; }
    int64_t operator[](int64_t index) const
    {
        index -= m_offset;
        return index >= 0 && index < static_cast<int64_t>(m_values.size()) ? m_values[index] : 0;
    }

    void Add(int64_t index, int64_t count)
    {
        int64_t i = index - m_offset;
        if (!m_values.empty() && i >= 0 && i < static_cast<int64_t>(m_values.size()))
            m_values[i] = WrapAdd(m_values[i], count);
        else
            Grow(index, count);
    }
    // Adds factor times other's entry i to entry i + shift for every i; an empty other
    // changes nothing.
    void AddShifted(const CountArray& other, int64_t shift, int64_t factor = 1)
    {
        // Lines of one length each, as in a population with clear generations, mostly land
        // on an entry already stored: no call, no growing.
        if (other.m_values.size() == 1 && !m_values.empty()) {
            int64_t i = other.m_offset + shift - m_offset;
            if (i >= 0 && i < static_cast<int64_t>(m_values.size())) {
                m_values[i] = WrapAdd(m_values[i], WrapMul(factor, other.m_values[0]));
                return;
            }
        }
        AddShiftedGrowing(other, shift, factor);
    }
    // Adds the product of a and b as polynomials in the length: a[i] * b[j] to entry i + j.
    void AddProduct(const CountArray& a, const CountArray& b);
    // Drops the zero entries at both ends, so an array of zeros becomes empty.
    void Trim();
    // Empties the array but keeps its storage for reuse.
    void Clear()
    {
        m_values.clear();
        m_offset = 0;
    }

    TArrayOfInt64 ToArray() const;
    // Equal dense arrays (same length, same entries).
    bool operator==(const CountArray& other) const;

private:
    friend CountArray CarryHalves(const CountArray& a);
    void Grow(int64_t index, int64_t count);
    void AddShiftedGrowing(const CountArray& other, int64_t shift, int64_t factor);
    // Makes entries first to end - 1 stored (new ones 0); returns where entry first lies.
    uint64_t* Cover(int64_t first, int64_t end);

    int64_t m_offset = 0;
    std::vector<int64_t> m_values;
};

// A copy of a in which entry i is decreased by entry i of b for every i below the shorter
// length; the result has a's length.
CountArray SubtractCounts(const CountArray& a, const CountArray& b);
// Carries halves downward (entry g - 1 gains a[g] div 2, a[g] keeps a[g] mod 2), so every
// entry above 0 ends as 0 or 1 and the sum of a[g] / 2^g is unchanged.
CountArray CarryHalves(const CountArray& a);
// Sum of all entries, wrapping.
int64_t CountSum(const CountArray& a);
// Sum of a[g] / 2^g in ascending g, in double precision.
double HalvingSum(const CountArray& a);

}  // namespace qv
