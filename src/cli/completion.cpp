// Completion figures on stderr.
#include "cli/completion.h"

#include <iostream>

#include "app/duration_text.h"

namespace qv::cli {

void Completion::Print(const std::vector<std::string>& countLines) const
{
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - m_start);
    for (const std::string& line : countLines) std::cerr << line << '\n';
    std::cerr << "Benötigte Zeit: " << DurationText(elapsed.count()) << '\n';
}

}  // namespace qv::cli
