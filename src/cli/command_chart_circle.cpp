// "chart circle": the circle ancestor chart of a proband written by the batch tool.
#include "app/program_identity.h"
#include "charts/circle/circle_chart_file.h"
#include "cli/chart_command.h"
#include "cli/command.h"

namespace qv::cli {

int RunCircleChart(const std::vector<std::string>& args)
{
    ChartCommand command;
    command.checkOutput = [](const Arguments&, const std::string& output) {
        RequirePictureOutput(IsCircleChartFileName(output));
    };
    // The chart walks the ancestors itself: no engine is needed.
    command.write =
        [](const Arguments&, std::unique_ptr<TAhnenData> data, const TImageSettings& settings,
           const std::string& output,
           const ProgressCallback& progress) -> std::optional<std::vector<std::string>> {
        if (!WriteCircleChart(*data, settings, output, ProgramIdentification(), progress))
            return std::nullopt;
        return std::vector<std::string>{};
    };
    return RunChartCommand(args, command);
}

}  // namespace qv::cli
