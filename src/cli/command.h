// The subcommands of the batch tool.
#pragma once

#include <string>
#include <vector>

namespace qv::cli {

struct Command {
    const char* name;
    const char* summary;
    // The full help text, shown by "--help" and after a usage error.
    const char* usage;
    int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& Commands();

int RunInfo(const std::vector<std::string>& args);
int RunPersons(const std::vector<std::string>& args);
int RunKekule(const std::vector<std::string>& args);
int RunConfig(const std::vector<std::string>& args);
int RunSelect(const std::vector<std::string>& args);
int RunMetrics(const std::vector<std::string>& args);
int RunGenerations(const std::vector<std::string>& args);
int RunSiblings(const std::vector<std::string>& args);
int RunTable(const std::vector<std::string>& args);
int RunChart(const std::vector<std::string>& args);
int RunCircleChart(const std::vector<std::string>& args);
int RunFrequencyChart(const std::vector<std::string>& args);
int RunWebGl(const std::vector<std::string>& args);
int RunDetails(const std::vector<std::string>& args);

}  // namespace qv::cli
