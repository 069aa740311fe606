// Looking up relationship queries by their batch names.
#include "app/relationship_query_names.h"

#include <algorithm>
#include <cctype>

namespace qv {

std::optional<RelationshipQuery> QueryByBatchName(std::string_view name)
{
    auto sameLetters = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    for (const RelationshipQueryName& entry : kRelationshipQueryNames)
        if (std::ranges::equal(name, std::string_view(entry.batchName), sameLetters))
            return entry.query;
    return std::nullopt;
}

std::string BatchQueryNames()
{
    std::string names;
    for (const RelationshipQueryName& entry : kRelationshipQueryNames)
        (names += names.empty() ? "" : ", ") += entry.batchName;
    return names;
}

}  // namespace qv
