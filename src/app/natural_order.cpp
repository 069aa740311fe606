// Natural order: digit runs by value, everything else byte by byte, ASCII letters folded.
#include "app/natural_order.h"

namespace qv {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Compares the digit runs starting at i and j by value and moves past them.
int CompareNumbers(std::string_view a, size_t& i, std::string_view b, size_t& j)
{
    while (i < a.size() && a[i] == '0') ++i;
    while (j < b.size() && b[j] == '0') ++j;
    size_t startA = i, startB = j;
    while (i < a.size() && IsDigit(a[i])) ++i;
    while (j < b.size() && IsDigit(b[j])) ++j;
    std::string_view x = a.substr(startA, i - startA), y = b.substr(startB, j - startB);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
}

}  // namespace

int CompareNatural(std::string_view a, std::string_view b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (int c = CompareNumbers(a, i, b, j); c != 0) return c;
            continue;
        }
        unsigned char x = Fold(a[i]), y = Fold(b[j]);
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    return j < b.size() ? -1 : 0;
}

}  // namespace qv
