// The version comes from the build.
#include "app/program_identity.h"

namespace qv {

std::string ProgramVersion() { return QV_VERSION; }

std::string ProgramIdentification() { return "Quilvane " + ProgramVersion() + " by Veldrin"; }

}  // namespace qv
