// Building a family from a sibling list: the listed ancestors and the couples that join them.
#pragma once

#include <string>
#include <string_view>

#include "data/ahnen_data.h"
#include "data/sibling_list_text.h"

namespace qv {

// Person 0 is the root ("I1", Kekule number 1); every other person is named "I" + the Kekule
// number it was created for, men for even and women for odd numbers. Siblings' parents are
// merged until no statement adds a merge, then everything that connects no listed person is
// pruned. A list that makes a person his own ancestor loads with a warning, as GEDCOM files do.
TAhnenData BuildFromSiblingList(const SiblingListContents& contents, std::string fileName);

// Parses and builds; throws Error with the user's message.
TAhnenData ReadSiblingList(std::string_view bytes, std::string fileName);
TAhnenData ReadSiblingListFile(const std::string& path);

}  // namespace qv
