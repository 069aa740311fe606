// Strict parsing of command-line options.
#include "cli/arguments.h"

#include <algorithm>

namespace qv::cli {

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& spec)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Short options such as "-o" are options only when the command declares them.
        bool declared = std::any_of(spec.begin(), spec.end(),
                                    [&](const OptionSpec& o) { return o.name == arg; });
        if ((!arg.starts_with("--") && !declared) || arg == "--") {
            m_positional.push_back(arg);
            continue;
        }
        size_t equals = arg.find('=');
        std::string name = arg.substr(0, equals);
        auto option = std::find_if(spec.begin(), spec.end(),
                                   [&](const OptionSpec& o) { return o.name == name; });
        if (option == spec.end()) throw UsageError("Unbekannte Option: " + name);
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            else
                throw UsageError("Option " + name + " braucht einen Wert");
        } else if (equals != std::string::npos) {
            throw UsageError("Option " + name + " nimmt keinen Wert");
        }
        m_values[name].push_back(value);
        m_inOrder.emplace_back(name, value);
    }
}

std::string Arguments::Value(const std::string& name, const std::string& fallback) const
{
    auto it = m_values.find(name);
    return it == m_values.end() ? fallback : it->second.back();
}

std::vector<std::string> Arguments::Values(const std::string& name) const
{
    auto it = m_values.find(name);
    return it == m_values.end() ? std::vector<std::string>{} : it->second;
}

std::string Arguments::Required(const std::string& name) const
{
    if (!Has(name)) throw UsageError("Option " + name + " fehlt");
    return Value(name);
}

}  // namespace qv::cli
