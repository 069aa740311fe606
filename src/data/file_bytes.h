// Reading a whole file into memory, with the user's message when that fails.
#pragma once

#include <string>

namespace qv {

// Throws Error "Datei <path> kann nicht geöffnet werden. <reason>".
std::string ReadFileBytes(const std::string& path);

}  // namespace qv
