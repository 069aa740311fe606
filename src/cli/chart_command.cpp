// The shared run of the chart commands.
#include "cli/chart_command.h"

#include "app/selection_list.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/selection_options.h"
#include "cli/settings_options.h"
#include "data/data_file.h"

namespace qv::cli {

void RequirePictureOutput(bool accepted)
{
    if (!accepted)
        throw UsageError("AUSGABE muss auf .png, .bmp, .svg, .pdf, .html oder .htm enden");
}

int RunChartCommand(const std::vector<std::string>& args, const ChartCommand& command)
{
    std::vector<OptionSpec> options{
        kExampleOption, {"--root", true}, kConfigOption, kSetOption, kOutputOption};
    options.insert(options.end(), command.options.begin(), command.options.end());
    Arguments parsed(args, options);
    const std::string output = parsed.Required(kOutputOption.name);
    command.checkOutput(parsed, output);
    TImageSettings settings = LoadSettingsOptions(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    std::unique_ptr<TAhnenData> data = LoadData(parsed);
    if (command.rootRequired || parsed.Has("--root") || IsSiblingListFile(data->FileName))
        settings.ProbandIndex = ResolveRoot(parsed, *data);
    ApplyKekuleOneOption(parsed, *data, settings);
    SelectionList selection(settings);
    ApplySelectionOptions(parsed, *data, selection);
    Completion completion;
    const std::optional<std::vector<std::string>> lines =
        command.write(parsed, std::move(data), settings, output, bar.Callback());
    // The file is in place once the lines are: a late Ctrl-C no longer cancels the run.
    if (!lines) return Interrupted();
    completion.Print(*lines);
    return 0;
}

}  // namespace qv::cli
