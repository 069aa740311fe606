// The five per-generation tables of a root's pedigree and the 24 values read from them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "calc/person_result.h"

namespace qv {

class FamilyGraph;

// Distances 0 to 128; wrapping signed 64-bit entries, meaningful up to distance 62.
constexpr int kGenerationTableSize = 129;
using GenerationTable = std::array<int64_t, kGenerationTableSize>;

struct GenerationTables {
    // Distinct ancestors a generation can hold once repeats and the unknown ancestors above
    // them are taken off 2^d.
    GenerationTable AncestorsPossible{};
    // Ancestor positions held by known persons (a repeated person counts each time).
    GenerationTable AncestorPositions{};
    // Distinct ancestors whose smallest Kekule number lies in the generation.
    GenerationTable AncestorsFirstSeen{};
    // Distinct descendants whose nearest line of descent has this length.
    GenerationTable DescendantsFirstSeen{};
    // Lines of descent of this length.
    GenerationTable DescendantPositions{};
};

// Fills the tables from each person's KekuleMin, DirectUp and DirectDown (all computed);
// entries deeper than distance 128 are left out.
void ComputeGenerationTables(GenerationTables& tables, const FamilyGraph& graph,
                             const std::vector<TPersonResult>& results);

// "vafk": the estimated share of a's distinct ancestors that collapse already accounts for.
double EstimatedShare(const GenerationTables& tables, int a);
// "aapk": the estimated number of distinct ancestors at distance a.
double EstimatedAncestors(const GenerationTables& tables, int a);

}  // namespace qv
