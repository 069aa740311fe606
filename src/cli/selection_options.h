// The persons a command works on: --select PERSON,... and --query NAME:PERSON,...
#pragma once

#include <string>
#include <vector>

#include "app/relationship_query.h"
#include "app/selection_list.h"
#include "cli/arguments.h"
#include "data/ahnen_data.h"

namespace qv::cli {

inline const OptionSpec kSelectOption{"--select", true};
inline const OptionSpec kQueryOption{"--query", true};

// A batch name of the relationship queries (any case); a usage error naming them otherwise.
RelationshipQuery QueryByName(const std::string& name);

// "I3,#5,I12": every person of a comma-separated list.
std::vector<int64_t> ResolvePersonList(const TAhnenData& data, const std::string& list);

// Adds to the list what every --select and --query NAME:PERSON,... reaches, in command-line
// order, as the context menu of the person list would.
void ApplySelectionOptions(const Arguments& args, const TAhnenData& data, SelectionList& list);

}  // namespace qv::cli
