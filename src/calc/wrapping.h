// Signed 64-bit counts that wrap silently, done in unsigned arithmetic so no overflow is undefined.
#pragma once

#include <cstdint>

namespace qv {

inline int64_t WrapAdd(int64_t a, int64_t b)
{
    return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

inline int64_t WrapSub(int64_t a, int64_t b)
{
    return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
}

inline int64_t WrapMul(int64_t a, int64_t b)
{
    return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}

// 2^d as a 64-bit shift: 2^63 is the most negative value, and 2^d is 0 from d = 64 on.
inline int64_t WrapPow2(int64_t d)
{
    return d < 0 || d >= 64 ? 0 : static_cast<int64_t>(uint64_t{1} << d);
}

}  // namespace qv
