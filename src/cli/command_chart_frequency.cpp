// "chart frequency": how often the selected persons occur per generation of a proband's
// pedigree, as a workbook with an XY chart or as a picture.
#include <iostream>

#include "app/program_identity.h"
#include "calc/family_document.h"
#include "charts/frequency/diagram_data.h"
#include "cli/chart_command.h"
#include "cli/command.h"
#include "cli/selection_options.h"
#include "data/error.h"
#include "data/replace_all.h"
#include "tables/frequency_diagram_file.h"

namespace qv::cli {
namespace {

// The desktop program asks before drawing many persons; a batch run draws them and says so.
void WarnAboutManyPersons(int64_t persons)
{
    if (persons <= kDiagramPersonsAdvised) return;
    std::string text = TooManyPersonsWarning(persons);
    ReplaceAll(text, "\r\n", " ");
    std::cerr << "Warnung: " << text << '\n';
}

}  // namespace

int RunFrequencyChart(const std::vector<std::string>& args)
{
    ChartCommand command;
    command.options = {kSelectOption, kQueryOption};
    command.checkOutput = [](const Arguments&, const std::string& output) {
        if (!IsFrequencyDiagramFileName(output))
            throw UsageError("AUSGABE muss auf .xlsx, .png, .svg oder .pdf enden");
    };
    command.rootRequired = true;
    command.write =
        [](const Arguments&, std::unique_ptr<TAhnenData> data, const TImageSettings& settings,
           const std::string& output,
           const ProgressCallback& progress) -> std::optional<std::vector<std::string>> {
        if (settings.SelectedCount() == 0) throw Error("Keine Personen in der Liste zum Anzeigen!");
        WarnAboutManyPersons(settings.SelectedCount());
        FamilyDocument document(std::move(data), progress);
        if (!WriteFrequencyDiagram(document.Calc(), settings, output, ProgramIdentification(),
                                   progress))
            return std::nullopt;
        return std::vector<std::string>{"Personen: " + std::to_string(settings.SelectedCount())};
    };
    return RunChartCommand(args, command);
}

}  // namespace qv::cli
