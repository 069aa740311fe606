// The user's column definitions of the two metric tables.
#pragma once

#include <string>

namespace qv {

struct PersonTableColumn {
    std::string Caption;
    // A template of placeholders, expanded per person.
    std::string Template;
    // Empty, or "aufsteigend N" / "absteigend N" with N the sort priority (1 = primary key).
    std::string SortSpec;

    bool operator==(const PersonTableColumn&) const = default;
};

struct GenerationTableColumn {
    std::string Caption;
    std::string Template;

    bool operator==(const GenerationTableColumn&) const = default;
};

}  // namespace qv
