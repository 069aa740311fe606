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
    // Without a progress callback nothing can cancel the writing.
    const OutputCounts counts = *WriteSiblingList(*data, root, output, {}, &depthCut);
    if (depthCut) std::cerr << "Warnung: " << kDepthCutWarning << '\n';
    completion.Print({"Geschwisterpaare: " + std::to_string(counts.siblingPairs),
                      "Personen: " + std::to_string(counts.persons)});
    return 0;
}

}  // namespace qv::cli
