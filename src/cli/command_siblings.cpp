// "siblings": the sibling list of a proband as text, HTML, spreadsheet or document.
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "tables/sibling_list_output.h"

namespace qv::cli {

int RunSiblings(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption, {"--root", true}, kOutputOption});
    std::string output = parsed.Required(kOutputOption.name);
    auto data = LoadData(parsed);
    int64_t root = ResolveRoot(parsed, *data);
    Completion completion;
    WriteSiblingList(*data, root, output);
    completion.Print({"Geschwisterpaare: " + std::to_string(data->SiblingPairCount),
                      "Personen: " + std::to_string(data->OutputPersonCount)});
    return 0;
}

}  // namespace qv::cli
