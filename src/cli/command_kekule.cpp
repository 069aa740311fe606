// "kekule": every ancestor of a root person with its Kekule numbers.
#include <iostream>

#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/json_output.h"

namespace qv::cli {

int RunKekule(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption, {"--json"}, {"--root", true}});
    auto data = LoadData(parsed);
    int64_t root = ResolveRoot(parsed, *data);
    bool depthCut = false;
    TArrayOfArrayOfInt64 numbers = data->ComputeKekuleNumbers(root, &depthCut);
    if (depthCut) std::cerr << "Warnung: " << kDepthCutWarning << '\n';

    nlohmann::json list = nlohmann::json::array();
    if (!parsed.Has("--json")) std::cout << "Ident.-Nr.\tNachname\tVorname\tKekule-Nummern\n";
    for (size_t p = 0; p < numbers.size(); ++p) {
        if (numbers[p].empty()) continue;
        const TPerson& person = data->Persons[p];
        if (parsed.Has("--json")) {
            list.push_back({{"index", p}, {"id", person.Id}, {"surname", person.Surname},
                            {"given", person.GivenNames}, {"kekule", numbers[p]}});
            continue;
        }
        std::cout << person.Id << '\t' << person.Surname << '\t' << person.GivenNames << '\t';
        for (size_t i = 0; i < numbers[p].size(); ++i)
            std::cout << (i ? ", " : "") << numbers[p][i];
        std::cout << '\n';
    }
    if (parsed.Has("--json")) PrintJson(list);
    return 0;
}

}  // namespace qv::cli
