// "chart circle": the circle ancestor chart of a proband written by the batch tool.
#include "app/program_identity.h"
#include "charts/circle/circle_chart_file.h"
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/settings_options.h"
#include "data/data_file.h"

namespace qv::cli {

int RunCircleChart(const std::vector<std::string>& args)
{
    Arguments parsed(args,
                     {kExampleOption, {"--root", true}, kConfigOption, kSetOption, kOutputOption});
    const std::string output = parsed.Required(kOutputOption.name);
    if (!IsCircleChartFileName(output))
        throw UsageError("AUSGABE muss auf .png, .bmp, .svg, .pdf, .html oder .htm enden");
    TImageSettings settings = LoadSettingsOptions(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    const std::unique_ptr<TAhnenData> data = LoadData(parsed);
    // Without a proband the chart says so itself ("Kein Proband gewählt!").
    if (parsed.Has("--root") || IsSiblingListFile(data->FileName))
        settings.ProbandIndex = ResolveRoot(parsed, *data);
    Completion completion;
    if (!WriteCircleChart(*data, settings, output, ProgramIdentification(), bar.Callback()) ||
        InterruptRequested())
        return Interrupted();
    completion.Print({});
    return 0;
}

}  // namespace qv::cli
