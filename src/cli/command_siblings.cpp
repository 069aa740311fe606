// "siblings": the sibling list of a proband as text, HTML, spreadsheet or document.
#include <iostream>

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
    bool depthCut = false;
    WriteSiblingList(*data, root, output, {}, &depthCut);
    if (depthCut) std::cerr << "Warnung: " << kDepthCutWarning << '\n';
    completion.Print({"Geschwisterpaare: " + std::to_string(data->SiblingPairCount),
                      "Personen: " + std::to_string(data->OutputPersonCount)});
    return 0;
}

}  // namespace qv::cli
