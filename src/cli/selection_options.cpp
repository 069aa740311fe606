// Parsing selection options and running their queries.
#include "cli/selection_options.h"

#include <optional>

#include "app/relationship_query_names.h"
#include "cli/data_source.h"

namespace qv::cli {

RelationshipQuery QueryByName(const std::string& name)
{
    if (std::optional<RelationshipQuery> query = QueryByBatchName(name)) return *query;
    throw UsageError("Unbekannte Abfrage: " + name + " (" + BatchQueryNames() + ")");
}

std::vector<int64_t> ResolvePersonList(const TAhnenData& data, const std::string& list)
{
    std::vector<int64_t> persons;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = std::min(list.find(',', start), list.size());
        std::string item = list.substr(start, comma - start);
        if (item.empty()) throw UsageError("Leerer Eintrag in der Personenliste: " + list);
        persons.push_back(ResolvePerson(data, item));
        start = comma + 1;
    }
    return persons;
}

void ApplySelectionOptions(const Arguments& args, const TAhnenData& data, SelectionList& list)
{
    for (const auto& [option, value] : args.InOrder()) {
        if (option == kSelectOption.name) {
            list.AddRelatives(data, RelationshipQuery::Marked, ResolvePersonList(data, value));
        } else if (option == kQueryOption.name) {
            size_t colon = value.find(':');
            if (colon == std::string::npos) throw UsageError("--query erwartet NAME:PERSON,...");
            list.AddRelatives(data, QueryByName(value.substr(0, colon)),
                              ResolvePersonList(data, value.substr(colon + 1)));
        }
    }
}

}  // namespace qv::cli
