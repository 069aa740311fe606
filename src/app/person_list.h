// The person list of the main window: seven columns, substring filters and sort priorities.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QLocale>

#include "data/ahnen_data.h"

namespace qv {

constexpr int kPersonColumnCount = 7;
using PersonFilters = std::array<std::string, kPersonColumnCount>;
// One priority per column, a permutation of 0..6; the highest is the most significant key.
using SortPriorities = std::array<int, kPersonColumnCount>;

extern const std::array<const char*, kPersonColumnCount> kPersonColumnCaptions;
constexpr SortPriorities kInitialSortPriorities = {6, 5, 4, 3, 2, 1, 0};

// Id, surname, given names, birth date and place, death date and place, exactly as stored.
const std::string& PersonColumnText(const TPerson& person, int column);

// Makes column the most significant sort key (the sort buttons of columns 0 to 2).
void RaiseSortPriority(SortPriorities& priorities, int column);

// The collation locale: the user's, or German where the system has none (the "C" locale).
QLocale NameCollationLocale();

// Pre-computes lower-cased column texts and sort ranks once per data object, so that
// refilling the list on every keystroke stays fast for 100,000 persons.
class PersonListIndex {
public:
    explicit PersonListIndex(const TAhnenData& data, const QLocale& locale = NameCollationLocale());

    // Persons in list order: those whose lower-cased columns contain every non-empty
    // lower-cased filter, sorted stably from file order by the priorities.
    std::vector<int64_t> Rows(const PersonFilters& filters, const SortPriorities& priorities) const;

private:
    std::vector<int64_t> Filter(const PersonFilters& filters) const;
    void Sort(std::vector<int64_t>& rows, const SortPriorities& priorities) const;

    std::array<std::vector<std::string>, kPersonColumnCount> m_lowerCase;
    // Ranks of the id (natural order), surname and given names (locale order); equal
    // texts share a rank, so the stable sort keeps their file order.
    std::array<std::vector<int32_t>, 3> m_rank;
};

}  // namespace qv
