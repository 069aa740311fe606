// Cell numbers and superscript runs.
#include "tables/table_cells.h"

#include <algorithm>
#include <charconv>

#include "tables/table_data.h"

namespace qv {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t i)
{
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// Sign, digits with an optional point (at least one digit), optional exponent.
bool IsDecimalNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = SkipDigits(text, i);
    size_t count = digits - i;
    i = digits;
    if (i < text.size() && text[i] == '.') {
        size_t fraction = SkipDigits(text, i + 1);
        count += fraction - i - 1;
        i = fraction;
    }
    if (count == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t exponent = SkipDigits(text, j);
        if (exponent == j) return false;
        i = exponent;
    }
    return i == text.size();
}

}  // namespace

bool ParseCellNumber(std::string_view text, double& value)
{
    if (!IsDecimalNumber(text)) return false;
    if (text.front() == '+') text.remove_prefix(1);
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return end == text.data() + text.size() &&
           (error == std::errc() || error == std::errc::result_out_of_range);
}

bool ExceedsSpreadsheetPrecision(std::string_view text)
{
    constexpr size_t kSpreadsheetDigits = 15;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return text.size() > kSpreadsheetDigits && SkipDigits(text, 0) == text.size();
}

std::vector<TextRun> SuperscriptRuns(std::string_view cell)
{
    std::vector<TextRun> runs;
    bool raised = false;
    for (char c : cell) {
        if (c == kSuperscriptOn || c == kSuperscriptOff) {
            raised = c == kSuperscriptOn;
            continue;
        }
        if (runs.empty() || runs.back().Superscript != raised) runs.push_back({{}, raised});
        runs.back().Text += c;
    }
    return runs;
}

std::string WithoutMarkers(std::string_view cell)
{
    std::string text;
    for (char c : cell)
        if (c != kSuperscriptOn && c != kSuperscriptOff) text += c;
    return text;
}

size_t LongestLineLength(std::string_view cell)
{
    size_t longest = 0, current = 0;
    for (char c : cell) {
        if (c == '\n' || c == '\r') {
            current = 0;
        } else if (c != kSuperscriptOn && c != kSuperscriptOff && (c & 0xC0) != 0x80) {
            longest = std::max(longest, ++current);
        }
    }
    return longest;
}

}  // namespace qv
