// "chart tree" and "chart triangle": a proband's tree chart or triangle diagram written to a
// picture, SVG, PDF or HTML file.
#include "app/program_identity.h"
#include "calc/family_document.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "charts/triangle/triangle_file.h"
#include "cli/chart_command.h"
#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/selection_options.h"

namespace qv::cli {
namespace {

// The Kekule-1 person and the selection decide which persons these charts show.
const std::vector<OptionSpec> kPersonOptions{kKekuleOneOption, kSelectOption, kQueryOption};

// The completion line of a chart that counts its persons, nothing when it was cancelled.
std::optional<std::vector<std::string>> PersonsLine(const std::optional<OutputCounts>& counts)
{
    if (!counts) return std::nullopt;
    return std::vector<std::string>{"Personen: " + std::to_string(counts->persons)};
}

int RunTreeChart(const std::vector<std::string>& args)
{
    ChartCommand command;
    command.options = kPersonOptions;
    command.options.push_back({"--interactive", false});
    command.checkOutput = [](const Arguments& parsed, const std::string& output) {
        RequirePictureOutput(IsTreeChartFileName(output));
        if (parsed.Has("--interactive") && !IsInteractiveTreeChartFileName(output))
            throw UsageError("--interactive verlangt eine AUSGABE auf .svg, .html oder .htm");
    };
    command.write = [](const Arguments& parsed, std::unique_ptr<TAhnenData> data,
                       const TImageSettings& settings, const std::string& output,
                       const ProgressCallback& progress) {
        FamilyDocument document(std::move(data), progress);
        const TreeChartTexts texts = TemplateTexts(document.Calc(), settings);
        return PersonsLine(WriteTreeChart(document.Data(), settings, texts, output,
                                          ProgramIdentification(), progress,
                                          parsed.Has("--interactive")));
    };
    return RunChartCommand(args, command);
}

int RunTriangleChart(const std::vector<std::string>& args)
{
    ChartCommand command;
    command.options = kPersonOptions;
    command.checkOutput = [](const Arguments&, const std::string& output) {
        RequirePictureOutput(IsTreeChartFileName(output));
    };
    command.write = [](const Arguments&, std::unique_ptr<TAhnenData> data,
                       const TImageSettings& settings, const std::string& output,
                       const ProgressCallback& progress) {
        FamilyDocument document(std::move(data), progress);
        const TriangleLabels labels = TriangleTemplateLabels(document.Calc(), settings);
        return PersonsLine(WriteTriangleDiagram(document.Data(), settings, labels, output,
                                                ProgramIdentification(), progress));
    };
    return RunChartCommand(args, command);
}

}  // namespace

int RunChart(const std::vector<std::string>& args)
{
    std::string kind = args.empty() ? "" : args[0];
    std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (kind == "tree") return RunTreeChart(rest);
    if (kind == "circle") return RunCircleChart(rest);
    if (kind == "triangle") return RunTriangleChart(rest);
    if (kind == "frequency") return RunFrequencyChart(rest);
    throw UsageError("chart erwartet tree, circle, triangle oder frequency");
}

}  // namespace qv::cli
