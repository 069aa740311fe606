// The program's version and the identification written into PDF files.
#pragma once

#include <string>

namespace qv {

// "0.1.0.0": the four-part version number.
std::string ProgramVersion();
// "Quilvane 0.1.0.0 by Veldrin".
std::string ProgramIdentification();

}  // namespace qv
