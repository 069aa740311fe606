// Count arrays stored from their first touched entry, and the two array operations of the values.
#include "calc/count_array.h"

#include <algorithm>
#include <cmath>

namespace qv {

CountArray CountArray::FromArray(const TArrayOfInt64& dense)
{
    CountArray result;
    result.m_values = dense;
    return result;
}

void CountArray::Grow(int64_t index, int64_t count)
{
    if (m_values.empty()) {
        m_offset = index;
        m_values.push_back(count);
        return;
    }
    if (index < m_offset) {
        m_values.insert(m_values.begin(), m_offset - index, 0);
        m_offset = index;
    } else {
        m_values.resize(index - m_offset + 1, 0);
    }
    m_values[index - m_offset] = WrapAdd(m_values[index - m_offset], count);
}

uint64_t* CountArray::Cover(int64_t first, int64_t end)
{
    if (m_values.empty()) {
        m_offset = first;
        m_values.assign(end - first, 0);
    } else {
        if (first < m_offset) {
            m_values.insert(m_values.begin(), m_offset - first, 0);
            m_offset = first;
        }
        if (end > Size()) m_values.resize(end - m_offset, 0);
    }
    // Signed and unsigned 64-bit integers may alias; unsigned arithmetic wraps without UB.
    return reinterpret_cast<uint64_t*>(m_values.data()) + (first - m_offset);
}

void CountArray::AddShiftedGrowing(const CountArray& other, int64_t shift, int64_t factor)
{
    if (other.Empty()) return;
    uint64_t* target = Cover(other.m_offset + shift, other.Size() + shift);
    const auto* source = reinterpret_cast<const uint64_t*>(other.m_values.data());
    auto f = static_cast<uint64_t>(factor);
    for (size_t i = 0; i < other.m_values.size(); ++i) target[i] += f * source[i];
}

void CountArray::AddProduct(const CountArray& a, const CountArray& b)
{
    if (a.Empty() || b.Empty()) return;
    uint64_t* target = Cover(a.m_offset + b.m_offset, a.Size() + b.Size() - 1);
    const auto* x = reinterpret_cast<const uint64_t*>(a.m_values.data());
    const auto* y = reinterpret_cast<const uint64_t*>(b.m_values.data());
    size_t n = b.m_values.size();
    for (size_t i = 0; i < a.m_values.size(); ++i) {
        if (x[i] == 0) continue;
        for (size_t j = 0; j < n; ++j) target[i + j] += x[i] * y[j];
    }
}

void CountArray::Trim()
{
    auto first = std::find_if(m_values.begin(), m_values.end(), [](int64_t v) { return v != 0; });
    if (first == m_values.end()) {
        Clear();
        return;
    }
    auto last = std::find_if(m_values.rbegin(), m_values.rend(), [](int64_t v) { return v != 0; });
    m_values.erase(last.base(), m_values.end());
    m_offset += first - m_values.begin();
    m_values.erase(m_values.begin(), first);
}

TArrayOfInt64 CountArray::ToArray() const
{
    TArrayOfInt64 dense(Size(), 0);
    std::copy(m_values.begin(), m_values.end(), dense.begin() + (Empty() ? 0 : m_offset));
    return dense;
}

bool CountArray::operator==(const CountArray& other) const
{
    if (Size() != other.Size()) return false;
    int64_t first = std::min(Empty() ? 0 : m_offset, other.Empty() ? 0 : other.m_offset);
    for (int64_t i = first; i < Size(); ++i)
        if ((*this)[i] != other[i]) return false;
    return true;
}

CountArray SubtractCounts(const CountArray& a, const CountArray& b)
{
    CountArray result = a;
    int64_t end = std::min(a.Size(), b.Size());
    for (int64_t i = b.Empty() ? 0 : b.Offset(); i < end; ++i)
        if (b[i] != 0) result.Add(i, WrapSub(0, b[i]));
    return result;
}

CountArray CarryHalves(const CountArray& a)
{
    if (a.Empty()) return a;
    CountArray result = a;
    std::vector<int64_t>& v = result.m_values;
    for (size_t i = v.size() - 1; i >= 1; --i) {
        v[i - 1] = WrapAdd(v[i - 1], v[i] / 2);
        v[i] %= 2;
    }
    // Entries below the stored ones are 0; a carry spills into them until it dies out.
    while (result.m_offset > 0 && v[0] / 2 != 0) {
        int64_t carry = v[0] / 2;
        v[0] %= 2;
        v.insert(v.begin(), carry);
        --result.m_offset;
    }
    return result;
}

int64_t CountSum(const CountArray& a)
{
    int64_t sum = 0;
    for (int64_t v : a.Stored()) sum = WrapAdd(sum, v);
    return sum;
}

double HalvingSum(const CountArray& a)
{
    double sum = 0;
    for (int64_t g = a.Offset(); g < a.Size(); ++g)
        sum += std::ldexp(static_cast<double>(a[g]), static_cast<int>(-g));
    return sum;
}

}  // namespace qv
