// Reading table cells: numbers, and the superscript runs between the 0x0E/0x0F markers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// True when the whole text is a floating-point number with "." as decimal separator
// ("12", "-0.25", "1e5"); "INF", "3/8", "<0.01" and texts with blanks are not.
bool ParseCellNumber(std::string_view text, double& value);

// True for an integer with more than 15 digits ("9260546608070656"), of which a spreadsheet,
// keeping 15 significant digits of a number, would lose some.
bool ExceedsSpreadsheetPrecision(std::string_view text);

struct TextRun {
    std::string Text;
    bool Superscript = false;
};

// The cell without its markers, cut into non-empty runs of normal and raised text.
std::vector<TextRun> SuperscriptRuns(std::string_view cell);

// The cell's text without markers.
std::string WithoutMarkers(std::string_view cell);

// The length in characters of the longest line of a cell's text (markers left out).
size_t LongestLineLength(std::string_view cell);

}  // namespace qv
