// Command-line options of the batch tool: declared per command, parsed strictly.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qv::cli {

// Wrong usage: the batch tool prints the message with the command's usage and exits with 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

struct OptionSpec {
    std::string name;  // "--root", or a short one such as "-o"
    bool takesValue = false;
};

class Arguments {
public:
    // Accepts "--name value" and "--name=value"; unknown options are usage errors.
    Arguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& spec);

    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Has(const std::string& name) const { return m_values.count(name) > 0; }
    // The last value given, or fallback.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
    // Every value in order; repeated options add up.
    std::vector<std::string> Values(const std::string& name) const;
    // The value of a required option.
    std::string Required(const std::string& name) const;
    // Every option with its value, in command-line order (for options that add up together).
    const std::vector<std::pair<std::string, std::string>>& InOrder() const { return m_inOrder; }

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::vector<std::string>> m_values;
    std::vector<std::pair<std::string, std::string>> m_inOrder;
};

}  // namespace qv::cli
