// "chart": the charts of a proband written to a picture, SVG, PDF or HTML file.
#include "app/program_identity.h"
#include "calc/family_document.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/selection_options.h"
#include "cli/settings_options.h"
#include "data/data_file.h"

namespace qv::cli {
namespace {

int RunTreeChart(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption,
                            {"--root", true},
                            kKekuleOneOption,
                            kSelectOption,
                            kQueryOption,
                            kConfigOption,
                            kSetOption,
                            {"--interactive", false},
                            kOutputOption});
    const std::string output = parsed.Required(kOutputOption.name);
    if (!IsTreeChartFileName(output))
        throw UsageError("AUSGABE muss auf .png, .bmp, .svg, .pdf, .html oder .htm enden");
    const bool interactive = parsed.Has("--interactive");
    if (interactive && !IsInteractiveTreeChartFileName(output))
        throw UsageError("--interactive verlangt eine AUSGABE auf .svg, .html oder .htm");
    TImageSettings settings = LoadSettingsOptions(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    const TAhnenData& data = document.Data();
    // Without a proband the chart says so itself ("Kein Proband gewählt!").
    if (parsed.Has("--root") || IsSiblingListFile(data.FileName))
        settings.ProbandIndex = ResolveRoot(parsed, data);
    ApplyKekuleOneOption(parsed, data, settings);
    SelectionList selection(settings);
    ApplySelectionOptions(parsed, data, selection);
    Completion completion;
    const TreeChartTexts texts = TemplateTexts(document.Calc(), settings);
    const std::optional<OutputCounts> counts = WriteTreeChart(
        data, settings, texts, output, ProgramIdentification(), bar.Callback(), interactive);
    // The file is in place once counts are: a late Ctrl-C no longer cancels the run.
    if (!counts) return Interrupted();
    completion.Print({"Personen: " + std::to_string(counts->persons)});
    return 0;
}

}  // namespace

int RunChart(const std::vector<std::string>& args)
{
    std::string kind = args.empty() ? "" : args[0];
    std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (kind == "tree") return RunTreeChart(rest);
    if (kind == "circle") return RunCircleChart(rest);
    throw UsageError("chart erwartet tree oder circle");
}

}  // namespace qv::cli
