// The names of the eight relationship queries: the context menu's captions and the batch
// tool's names, in one table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/relationship_query.h"

namespace qv {

struct RelationshipQueryName {
    RelationshipQuery query;
    const char* caption;    // in the person list's context menu
    const char* batchName;  // the batch tool's --query NAME
};

// In the context menu's order.
inline constexpr std::array<RelationshipQueryName, 8> kRelationshipQueryNames = {{
    {RelationshipQuery::Marked, "Markierte", "markierte"},
    {RelationshipQuery::Ancestors, "Vorfahren", "vorfahren"},
    {RelationshipQuery::Descendants, "Nachfahren", "nachfahren"},
    {RelationshipQuery::TopAncestors, "Spitzenahnen", "spitzenahnen"},
    {RelationshipQuery::BloodRelatives, "alle Blutsverwandten", "blutsverwandte"},
    {RelationshipQuery::XAncestors, "X-chrom. rel. Vorfahren", "x-vorfahren"},
    {RelationshipQuery::XDescendants, "X-chrom. rel. Nachfahren", "x-nachfahren"},
    {RelationshipQuery::XRelatives, "alle X-chrom. Verwandten", "x-verwandte"},
}};

// The query of a batch name, in any letter case; nothing for an unknown name.
std::optional<RelationshipQuery> QueryByBatchName(std::string_view name);

// "markierte, vorfahren, …": every batch name, for messages.
std::string BatchQueryNames();

}  // namespace qv
