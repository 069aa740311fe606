// Family levels per row: each family's own level is computed once, inner spans first.
#include "charts/tree/family_offset.h"

#include <algorithm>

namespace qv {
namespace {

bool HasPresentChild(const TFamilie& family, const TPosList& positions)
{
    for (int64_t child : family.Children)
        if (positions[child].present) return true;
    return false;
}

}  // namespace

TFamilyOffset::TFamilyOffset(const TAhnenData& data, TPosList positions)
    : m_familyLevel(data.Families.size(), -1)
{
    int32_t rowCount = 0;
    for (const TPosEntry& p : positions)
        if (p.present) rowCount = std::max(rowCount, p.row + 1);
    m_rows.resize(rowCount);
    for (const TPosEntry& p : positions)
        if (p.present && p.row >= 0) m_rows[p.row].persons.push_back(p.x);
    for (size_t f = 0; f < data.Families.size(); ++f) {
        const TFamilie& family = data.Families[f];
        if (family.Husband < 0 || family.Wife < 0) continue;
        const TPosEntry& father = positions[family.Husband];
        const TPosEntry& mother = positions[family.Wife];
        if (!father.present || !mother.present || father.row != mother.row || father.row < 0)
            continue;
        if (!HasPresentChild(family, positions)) continue;
        m_rows[father.row].spans.push_back(
            {std::min(father.x, mother.x), std::max(father.x, mother.x), int32_t(f)});
    }
    for (Row& row : m_rows) {
        std::sort(row.persons.begin(), row.persons.end());
        std::sort(row.spans.begin(), row.spans.end(), [](const Span& a, const Span& b) {
            return a.start != b.start ? a.start < b.start : a.end > b.end;
        });
        // From the back, every span that can lie inside another one comes first.
        for (auto span = row.spans.rbegin(); span != row.spans.rend(); ++span)
            m_familyLevel[span->family] = Level(span->start, span->end, row);
    }
}

int32_t TFamilyOffset::Level(int32_t x1, int32_t x2, const Row& row) const
{
    int32_t level = 0;
    auto person = std::upper_bound(row.persons.begin(), row.persons.end(), x1);
    if (person != row.persons.end() && *person < x2) level = 1;
    auto span = std::lower_bound(row.spans.begin(), row.spans.end(), x1,
                                 [](const Span& s, int32_t x) { return s.start < x; });
    for (; span != row.spans.end() && span->start < x2; ++span) {
        if (span->start == x1 && span->end >= x2) continue;
        level = std::max(level, m_familyLevel[span->family] + 1);
    }
    return level;
}

int32_t TFamilyOffset::FamilyLevel(int32_t x1, int32_t x2, int32_t row) const
{
    if (row < 0 || row >= int32_t(m_rows.size())) return 0;
    if (x1 > x2) std::swap(x1, x2);
    return Level(x1, x2, m_rows[row]);
}

int32_t TFamilyOffset::LevelOfFamily(int32_t family) const
{
    return m_familyLevel[family];
}

}  // namespace qv
