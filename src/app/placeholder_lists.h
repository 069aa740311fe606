// The placeholder lists the settings dialogs and template editors offer, in their order.
#pragma once

#include <string>
#include <vector>

namespace qv {

// Person table cells: names, number, Kekule minimum, events, "<kmin>", the metrics with
// "<f>", "<fw>", "<fx>", "<c>", "<gc>" last.
std::vector<std::string> PersonTablePlaceholders();
// The person-label editor: as the table, with "<Kekule>" and "<KekuleX>" after "<Nummer>".
std::vector<std::string> PersonLabelPlaceholders();
// The 24 generation placeholders in the dialogs' order.
std::vector<std::string> GenerationPlaceholders();
// The dynamic header.
std::vector<std::string> HeadlinePlaceholders();

}  // namespace qv
