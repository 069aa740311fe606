// Filtering and sorting of the person list, shared by the desktop program and the batch tool.
#include "app/person_list.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include <QCollator>
#include <QString>

#include "app/natural_order.h"
#include "app/qt_text.h"

namespace qv {
namespace {

// Ranks of items under a strict weak order; equal items share a rank.
template <typename Less>
std::vector<int32_t> RanksOf(size_t count, Less less)
{
    std::vector<int64_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<int32_t> rank(count);
    int32_t current = 0;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && less(order[i - 1], order[i])) ++current;
        rank[order[i]] = current;
    }
    return rank;
}

// Names repeat a lot, so each distinct text is collated once.
std::vector<int32_t> CollationRanks(const TAhnenData& data, int column, const QCollator& collator)
{
    std::unordered_map<std::string_view, int32_t> distinct;
    std::vector<int32_t> textOf(data.Persons.size());
    std::vector<QCollatorSortKey> keys;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        const std::string& text = PersonColumnText(data.Persons[p], column);
        auto [it, added] = distinct.try_emplace(text, static_cast<int32_t>(keys.size()));
        if (added) keys.push_back(collator.sortKey(QStringFromUtf8(text)));
        textOf[p] = it->second;
    }
    std::vector<int32_t> textRank =
        RanksOf(keys.size(), [&](int64_t a, int64_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<int32_t> rank(data.Persons.size());
    for (size_t p = 0; p < rank.size(); ++p) rank[p] = textRank[textOf[p]];
    return rank;
}

}  // namespace

const std::array<const char*, kPersonColumnCount> kPersonColumnCaptions = {
    "Ident.-Nr.", "Nachname", "Vorname", "Geburtsdatum", "Geburtsort", "Sterbedatum", "Sterbeort"};

const std::string& PersonColumnText(const TPerson& person, int column)
{
    switch (column) {
    case 0: return person.Id;
    case 1: return person.Surname;
    case 2: return person.GivenNames;
    case 3: return person.Birth.Date;
    case 4: return person.Birth.Place;
    case 5: return person.Death.Date;
    default: return person.Death.Place;
    }
}

void RaiseSortPriority(SortPriorities& priorities, int column)
{
    int old = priorities[column];
    for (int& p : priorities)
        if (p > old) --p;
    priorities[column] = kPersonColumnCount - 1;
}

QLocale NameCollationLocale()
{
    QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

PersonListIndex::PersonListIndex(const TAhnenData& data, const QLocale& locale)
{
    for (int column = 0; column < kPersonColumnCount; ++column) {
        m_lowerCase[column].reserve(data.Persons.size());
        for (const TPerson& p : data.Persons)
            m_lowerCase[column].push_back(LowerCaseUtf8(PersonColumnText(p, column)));
    }
    m_rank[0] = RanksOf(data.Persons.size(), [&](int64_t a, int64_t b) {
        return CompareNatural(data.Persons[a].Id, data.Persons[b].Id) < 0;
    });
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_rank[1] = CollationRanks(data, 1, collator);
    m_rank[2] = CollationRanks(data, 2, collator);
}

std::vector<int64_t> PersonListIndex::Filter(const PersonFilters& filters) const
{
    std::array<std::string, kPersonColumnCount> lower;
    for (int c = 0; c < kPersonColumnCount; ++c) lower[c] = LowerCaseUtf8(filters[c]);
    std::vector<int64_t> rows;
    const size_t count = m_lowerCase[0].size();
    rows.reserve(count);
    for (size_t p = 0; p < count; ++p) {
        bool listed = true;
        for (int c = 0; c < kPersonColumnCount && listed; ++c)
            listed = lower[c].empty() || m_lowerCase[c][p].find(lower[c]) != std::string::npos;
        if (listed) rows.push_back(static_cast<int64_t>(p));
    }
    return rows;
}

void PersonListIndex::Sort(std::vector<int64_t>& rows, const SortPriorities& priorities) const
{
    // One stable sort with the keys by falling priority equals one stable pass per key
    // from the least significant upward.
    std::array<int, 3> keys = {0, 1, 2};
    std::sort(keys.begin(), keys.end(), [&](int a, int b) { return priorities[a] > priorities[b]; });
    std::stable_sort(rows.begin(), rows.end(), [&](int64_t a, int64_t b) {
        for (int key : keys) {
            if (m_rank[key][a] != m_rank[key][b]) return m_rank[key][a] < m_rank[key][b];
        }
        return false;
    });
}

std::vector<int64_t> PersonListIndex::Rows(const PersonFilters& filters,
                                           const SortPriorities& priorities) const
{
    std::vector<int64_t> rows = Filter(filters);
    Sort(rows, priorities);
    return rows;
}

}  // namespace qv
