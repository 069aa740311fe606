// The completion figures of an output command, printed on stderr when the file is written.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "cli/arguments.h"

namespace qv::cli {

inline const OptionSpec kOutputOption{"-o", true};

// Started when the work starts; Print adds "Benötigte Zeit: " and the duration.
class Completion {
public:
    Completion() : m_start(std::chrono::steady_clock::now()) {}
    void Print(const std::vector<std::string>& countLines) const;

private:
    std::chrono::steady_clock::time_point m_start;
};

}  // namespace qv::cli
