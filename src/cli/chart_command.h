// The run every chart command shares: options, family file, proband, selection, completion.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/image_settings.h"
#include "cli/arguments.h"
#include "data/ahnen_data.h"
#include "data/progress.h"

namespace qv::cli {

// Writes the chart of the family with the settings to the output; returns the completion
// lines to print, nothing when cancelled before the file was in place.
using ChartWriter = std::function<std::optional<std::vector<std::string>>(
    const Arguments& parsed, std::unique_ptr<TAhnenData> data, const TImageSettings& settings,
    const std::string& output, const ProgressCallback& progress)>;

struct ChartCommand {
    // The command's options besides --example, --root, --config, --set and -o.
    std::vector<OptionSpec> options;
    // Throws UsageError for an output the chart cannot be written to, before a file is read.
    std::function<void(const Arguments& parsed, const std::string& output)> checkOutput;
    // Without --root the proband stays unset and the chart says so itself; some need one.
    bool rootRequired = false;
    ChartWriter write;
};

// A UsageError unless the output ends in one of the five chart formats the check accepts.
void RequirePictureOutput(bool accepted);

// Parses the options, reads the family, sets the proband, the Kekule-1 person and the
// selection, writes the chart and prints its completion; the exit status.
int RunChartCommand(const std::vector<std::string>& args, const ChartCommand& command);

}  // namespace qv::cli
