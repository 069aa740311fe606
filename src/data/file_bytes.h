// Reading a whole file into memory, with the user's message when that fails.
#pragma once

#include <string>

namespace qv {

// "Datei <path> kann nicht geöffnet werden. <the system's reason for errno error>".
std::string CannotOpenMessage(const std::string& path, int error);

// Throws Error with CannotOpenMessage.
std::string ReadFileBytes(const std::string& path);

}  // namespace qv
