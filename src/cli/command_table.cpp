// "table": the metric tables of the selected persons or of the generations.
#include <iostream>

#include "calc/family_document.h"
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/selection_options.h"
#include "cli/settings_options.h"
#include "data/error.h"
#include "tables/generation_table.h"
#include "tables/person_table.h"

namespace qv::cli {
namespace {

void WarnAboutDepthCut(TCalcClass& calc)
{
    if (calc.DepthCut()) std::cerr << "Warnung: " << kDepthCutWarning << '\n';
}

int RunPersonTable(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption,
                            {"--root", true},
                            kKekuleOneOption,
                            kSelectOption,
                            kQueryOption,
                            kConfigOption,
                            kSetOption,
                            kOutputOption});
    std::string output = parsed.Required(kOutputOption.name);
    TImageSettings settings = LoadSettingsOptions(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    const TAhnenData& data = document.Data();
    settings.ProbandIndex = ResolveRoot(parsed, data);
    ApplyKekuleOneOption(parsed, data, settings);
    SelectionList selection(settings);
    ApplySelectionOptions(parsed, data, selection);
    if (settings.SelectedCount() == 0) throw Error("Keine Personen in der Liste zum Anzeigen!");
    Completion completion;
    // A table that was built is in its file: a late Ctrl-C no longer cancels the run.
    if (!BuildPersonTable(document.Calc(), settings, output, bar.Callback())) return Interrupted();
    WarnAboutDepthCut(document.Calc());
    completion.Print({"Personen: " + std::to_string(settings.SelectedCount())});
    return 0;
}

int RunGenerationTable(const std::vector<std::string>& args)
{
    Arguments parsed(args,
                     {kExampleOption, {"--root", true}, kConfigOption, kSetOption, kOutputOption});
    std::string output = parsed.Required(kOutputOption.name);
    TImageSettings settings = LoadSettingsOptions(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    settings.ProbandIndex = ResolveRoot(parsed, document.Data());
    Completion completion;
    // A table that was built is in its file: a late Ctrl-C no longer cancels the run.
    if (!BuildGenerationTable(document.Calc(), settings, output, bar.Callback())) return Interrupted();
    WarnAboutDepthCut(document.Calc());
    completion.Print({});
    return 0;
}

}  // namespace

int RunTable(const std::vector<std::string>& args)
{
    std::string kind = args.empty() ? "" : args[0];
    std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (kind == "persons") return RunPersonTable(rest);
    if (kind == "generations") return RunGenerationTable(rest);
    throw UsageError("table erwartet persons oder generations");
}

}  // namespace qv::cli
