// The one exception type of the program: what() is the complete message the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace qv
