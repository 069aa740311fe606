// "chart": the charts of a proband written to a picture, SVG, PDF or HTML file.
#include <functional>

#include "app/program_identity.h"
#include "calc/family_document.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "charts/triangle/triangle_file.h"
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

// What a chart command writes: the chart of the document with the settings, to the output.
using ChartWriter = std::function<std::optional<OutputCounts>(
    FamilyDocument& document, const TImageSettings& settings, const std::string& output,
    const ProgressCallback& progress)>;

// The options every chart command shares, the family file read, the proband, Kekule-1 person
// and selection applied, the chart written and its persons counted.
int RunChartCommand(const std::vector<std::string>& args, const ChartWriter& write)
{
    Arguments parsed(args, {kExampleOption,
                            {"--root", true},
                            kKekuleOneOption,
                            kSelectOption,
                            kQueryOption,
                            kConfigOption,
                            kSetOption,
                            kOutputOption});
    const std::string output = parsed.Required(kOutputOption.name);
    if (!IsTreeChartFileName(output))
        throw UsageError("AUSGABE muss auf .png, .bmp, .svg, .pdf, .html oder .htm enden");
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
    const std::optional<OutputCounts> counts = write(document, settings, output, bar.Callback());
    if (!counts || InterruptRequested()) return Interrupted();
    completion.Print({"Personen: " + std::to_string(counts->persons)});
    return 0;
}

int RunTreeChart(const std::vector<std::string>& args)
{
    return RunChartCommand(args, [](FamilyDocument& document, const TImageSettings& settings,
                                    const std::string& output, const ProgressCallback& progress) {
        const TreeChartTexts texts = TemplateTexts(document.Calc(), settings);
        return WriteTreeChart(document.Data(), settings, texts, output, ProgramIdentification(),
                              progress);
    });
}

int RunTriangleChart(const std::vector<std::string>& args)
{
    return RunChartCommand(args, [](FamilyDocument& document, const TImageSettings& settings,
                                    const std::string& output, const ProgressCallback& progress) {
        const TriangleLabels labels = TriangleTemplateLabels(document.Calc(), settings);
        return WriteTriangleDiagram(document.Data(), settings, labels, output,
                                    ProgramIdentification(), progress);
    });
}

}  // namespace

int RunChart(const std::vector<std::string>& args)
{
    std::string kind = args.empty() ? "" : args[0];
    std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (kind == "tree") return RunTreeChart(rest);
    if (kind == "triangle") return RunTriangleChart(rest);
    throw UsageError("chart erwartet tree oder triangle");
}

}  // namespace qv::cli
