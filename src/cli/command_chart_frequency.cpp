// "chart frequency": how often the selected persons occur per generation of a proband's
// pedigree, as a workbook with an XY chart or as a picture.
#include <iostream>

#include "app/program_identity.h"
#include "calc/family_document.h"
#include "charts/frequency/diagram_data.h"
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/selection_options.h"
#include "cli/settings_options.h"
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
    Arguments parsed(args, {kExampleOption,
                            {"--root", true},
                            kSelectOption,
                            kQueryOption,
                            kConfigOption,
                            kSetOption,
                            kOutputOption});
    const std::string output = parsed.Required(kOutputOption.name);
    if (!IsFrequencyDiagramFileName(output))
        throw UsageError("AUSGABE muss auf .xlsx, .png, .svg oder .pdf enden");
    TImageSettings settings = LoadSettingsOptions(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    const TAhnenData& data = document.Data();
    settings.ProbandIndex = ResolveRoot(parsed, data);
    SelectionList selection(settings);
    ApplySelectionOptions(parsed, data, selection);
    if (settings.SelectedCount() == 0) throw Error("Keine Personen in der Liste zum Anzeigen!");
    WarnAboutManyPersons(settings.SelectedCount());
    Completion completion;
    if (!WriteFrequencyDiagram(document.Calc(), settings, output, ProgramIdentification(),
                               bar.Callback()) ||
        InterruptRequested())
        return Interrupted();
    completion.Print({"Personen: " + std::to_string(settings.SelectedCount())});
    return 0;
}

}  // namespace qv::cli
