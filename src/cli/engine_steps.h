// Steps shared by the commands that compute metrics: rooting the engine and Ctrl-C.
#pragma once

#include <cstdint>
#include <string>

#include "calc/calc_class.h"

namespace qv::cli {

// Roots the engine at person and prints the 62-generation warning once; false on Ctrl-C.
bool RootEngine(TCalcClass& calc, int64_t root);
// Says on stderr that the command was cancelled; returns the exit status for it.
int Interrupted();
// A value as text output shows it: the superscript markers U+000E/U+000F as "^(" and ")".
std::string PlainText(const std::string& text);

}  // namespace qv::cli
