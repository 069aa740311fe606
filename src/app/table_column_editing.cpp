// Sort marks: cycling with renumbering.
#include "app/table_column_editing.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace qv {
namespace {

struct SortMark {
    bool ascending = false;
    bool descending = false;
    int number = 0;
};

SortMark ParseMark(const std::string& spec)
{
    SortMark mark;
    size_t blank = spec.find(' ');
    std::string word = spec.substr(0, blank);
    mark.ascending = word == "aufsteigend";
    mark.descending = word == "absteigend";
    if (blank != std::string::npos) {
        const char* begin = spec.data() + blank + 1;
        std::from_chars(begin, spec.data() + spec.size(), mark.number);
    }
    return mark;
}

std::string MarkText(const char* word, int number) { return word + std::string(" ") + std::to_string(number); }

}  // namespace

void CycleSortMark(std::vector<PersonTableColumn>& columns, size_t row)
{
    if (row >= columns.size()) return;
    SortMark mark = ParseMark(columns[row].SortSpec);
    if (mark.ascending) {
        columns[row].SortSpec = MarkText("absteigend", mark.number);
    } else if (mark.descending) {
        columns[row].SortSpec.clear();
        for (PersonTableColumn& column : columns) {
            SortMark other = ParseMark(column.SortSpec);
            if ((other.ascending || other.descending) && other.number > mark.number)
                column.SortSpec = MarkText(other.ascending ? "aufsteigend" : "absteigend",
                                           other.number - 1);
        }
    } else {
        int highest = 0;
        for (size_t i = 0; i < columns.size(); ++i)
            if (i != row) highest = std::max(highest, ParseMark(columns[i].SortSpec).number);
        columns[row].SortSpec = MarkText("aufsteigend", highest + 1);
    }
}

void ClearSortMarks(std::vector<PersonTableColumn>& columns)
{
    for (PersonTableColumn& column : columns) column.SortSpec.clear();
}

}  // namespace qv
