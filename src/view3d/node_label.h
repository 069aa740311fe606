// The name written beside a node of the 3D scene.
#pragma once

#include <string>

#include "data/person.h"

namespace qv {

// Surname, ", ", given names, each "?" when empty.
std::string NodeLabelText(const TPerson& person);

}  // namespace qv
