// Where the programs find the files installed with them, installed or in the build folder.
#pragma once

#include <string>

namespace qv {

// True when programDirectory is <prefix>/bin and <prefix>/share/quilvane exists, as after
// "cmake --install" or installing the package.
bool IsInstalledProgram(const std::string& programDirectory);
// The program's own data files (the example family, help pages): <prefix>/share/quilvane
// when installed, else the program's own folder.
std::string DataDirectory(const std::string& programDirectory);
// The root of the icon theme folders (hicolor/<size>/apps/quilvane.png): <prefix>/share/icons
// when installed, else the "icons" folder beside the program.
std::string IconDirectory(const std::string& programDirectory);

}  // namespace qv
