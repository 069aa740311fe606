// The eight relationship queries that fill the selection list from marked persons.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"

namespace qv {

enum class RelationshipQuery {
    Marked,          // "Markierte": the start persons themselves
    Ancestors,       // "Vorfahren", the start person included
    Descendants,     // "Nachfahren", the start person included
    TopAncestors,    // "Spitzenahnen": ancestors (or the start person) with neither parent known
    BloodRelatives,  // "alle Blutsverwandten": ancestors and all their descendants
    XAncestors,      // "X-chrom. rel. Vorfahren": a man's father is not followed
    XDescendants,    // "X-chrom. rel. Nachfahren": a man's sons are not followed
    XRelatives,      // "alle X-chrom. Verwandten"
};

// Every person the query reaches from the start persons (taken in turn, sharing one set of
// visited persons per walk direction), once each, in the order a depth-first walk -- father
// before mother, children in their order -- first reaches them. Walks are iterative, so
// any depth of ancestry or descendancy is fine; start persons out of range are skipped.
std::vector<int64_t> QueryRelatives(const TAhnenData& data, RelationshipQuery query,
                                    const std::vector<int64_t>& starts);

}  // namespace qv
