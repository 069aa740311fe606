// "select": the selection list that relationship queries fill, in its order.
#include <iostream>

#include "app/selection_list.h"
#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/json_output.h"
#include "cli/selection_options.h"

namespace qv::cli {
namespace {

// "--query NAME --from PERSON,..." is the command's own short form of one query.
void ApplyFromOption(const Arguments& parsed, const TAhnenData& data, SelectionList& list)
{
    std::vector<std::string> queries = parsed.Values(kQueryOption.name);
    if (queries.size() != 1 || parsed.Has(kSelectOption.name))
        throw UsageError("--from gehört zu genau einem --query NAME");
    list.AddRelatives(data, QueryByName(queries[0]),
                      ResolvePersonList(data, parsed.Value("--from")));
}

}  // namespace

int RunSelect(const std::vector<std::string>& args)
{
    Arguments parsed(args,
                     {kExampleOption, {"--json"}, {"--from", true}, kSelectOption, kQueryOption});
    auto data = LoadData(parsed);
    SelectionState state;
    SelectionList list(state);
    if (parsed.Has("--from"))
        ApplyFromOption(parsed, *data, list);
    else
        ApplySelectionOptions(parsed, *data, list);

    if (parsed.Has("--json")) {
        nlohmann::json items = nlohmann::json::array();
        for (int64_t p : list.Items()) {
            const TPerson& person = data->Persons[p];
            items.push_back({{"index", p},
                             {"id", person.Id},
                             {"surname", person.Surname},
                             {"given", person.GivenNames}});
        }
        PrintJson(items);
        return 0;
    }
    for (int64_t p : list.Items()) std::cout << SelectionItemText(data->Persons[p]) << '\n';
    return 0;
}

}  // namespace qv::cli
