// The family file and the persons a command works on.
#pragma once

#include <memory>
#include <string>

#include "cli/arguments.h"
#include "data/ahnen_data.h"
#include "data/selection_state.h"

namespace qv::cli {

// Options shared by every command that reads a family file.
inline const OptionSpec kExampleOption{"--example", false};

// FILE (the first positional argument) or the embedded example with --example; prints the
// data object's warnings on stderr.
std::unique_ptr<TAhnenData> LoadData(const Arguments& args);

// --root, or person 0 (Kekule number 1) of a sibling list; a usage error when a GEDCOM file
// is given without --root.
int64_t ResolveRoot(const Arguments& args, const TAhnenData& data);

inline const OptionSpec kKekuleOneOption{"--kekule-one", true};

// --kekule-one PERSON: the person who carries Kekule number 1 instead of the root.
void ApplyKekuleOneOption(const Arguments& args, const TAhnenData& data, SelectionState& state);

// "I12" is a GEDCOM id, "#5" person index 5; usage error when no such person exists.
int64_t ResolvePerson(const TAhnenData& data, const std::string& text);

}  // namespace qv::cli
