// The two ways lines and paths are summed: exact count arrays by length, or the value of
// each path of n steps as 2^-n (the sums that the inbreeding coefficients are made of).
#pragma once

#include <cmath>
#include <cstdint>

#include "calc/count_array.h"

namespace qv {

// Count arrays with wrapping 64-bit entries; every operation returns its work in
// multiply-adds, for progress.
struct ExactCounts {
    using Value = CountArray;
    // Wrapping integer sums come out the same in any order.
    static constexpr bool kOrderFree = true;

    static Value One()
    {
        CountArray one;
        one.Add(0, 1);
        return one;
    }
    static bool IsZero(const Value& v) { return v.Empty(); }
    static void Reset(Value& v) { v.Clear(); }
    // into += count times from, one step of the given weight further.
    static uint64_t AddStep(Value& into, const Value& from, int32_t weight, int32_t count)
    {
        into.AddShifted(from, weight, count);
        return from.Stored().size();
    }
    // into += c * a * b, with scratch as room for a * b.
    static uint64_t AddTriple(Value& into, const Value& c, const Value& a, const Value& b,
                              Value& scratch)
    {
        // Lines of one length each, as in a population with clear generations: a * b is one
        // entry, and c is added once, shifted and scaled.
        if (a.Stored().size() == 1 && b.Stored().size() == 1) {
            uint64_t product =
                static_cast<uint64_t>(a.Stored()[0]) * static_cast<uint64_t>(b.Stored()[0]);
            into.AddShifted(c, a.Offset() + b.Offset(), static_cast<int64_t>(product));
            return 1 + c.Stored().size();
        }
        scratch.Clear();
        scratch.AddProduct(a, b);
        into.AddProduct(c, scratch);
        return a.Stored().size() * b.Stored().size() + scratch.Stored().size() * c.Stored().size();
    }
    // result = own - sum.
    static void Difference(Value& result, const Value& own, const Value& sum)
    {
        result = own;
        result.AddShifted(sum, 0, -1);
        Tidy(result);
    }
    // Lengths whose counts cancelled out are dropped from the ends.
    static void Tidy(Value& v) { v.Trim(); }
};

// Doubles: a step of weight w multiplies by 2^-w.
struct HalvedSums {
    using Value = double;
    // Each order of the additions rounds in its own way; the walks keep theirs.
    static constexpr bool kOrderFree = false;

    static Value One() { return 1.0; }
    static bool IsZero(Value v) { return v == 0; }
    static void Reset(Value& v) { v = 0; }
    static uint64_t AddStep(Value& into, Value from, int32_t weight, int32_t count)
    {
        into += count * std::ldexp(from, -weight);
        return 1;
    }
    static uint64_t AddTriple(Value& into, Value c, Value a, Value b, Value&)
    {
        into += c * a * b;
        return 1;
    }
    static void Difference(Value& result, Value own, Value sum) { result = own - sum; }
    static void Tidy(Value&) {}
};

}  // namespace qv
