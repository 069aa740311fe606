// "persons": the person list of the main window, filtered and sorted by its rules.
#include <iostream>

#include "app/person_list.h"
#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/json_output.h"

namespace qv::cli {
namespace {

int ColumnByCaption(const std::string& caption)
{
    for (int c = 0; c < kPersonColumnCount; ++c)
        if (caption == kPersonColumnCaptions[c]) return c;
    static const char* const kShortNames[] = {"id", "surname", "given", "birthdate",
                                              "birthplace", "deathdate", "deathplace"};
    for (int c = 0; c < kPersonColumnCount; ++c)
        if (caption == kShortNames[c]) return c;
    throw UsageError("Unbekannte Spalte: " + caption);
}

PersonFilters ParseFilters(const Arguments& args)
{
    PersonFilters filters;
    for (const std::string& filter : args.Values("--filter")) {
        size_t equals = filter.find('=');
        if (equals == std::string::npos) throw UsageError("--filter erwartet SPALTE=TEXT");
        filters[ColumnByCaption(filter.substr(0, equals))] = filter.substr(equals + 1);
    }
    return filters;
}

// Each --sort acts like a click on that column's sort button, in the order given.
SortPriorities ParseSort(const Arguments& args)
{
    SortPriorities priorities = kInitialSortPriorities;
    for (const std::string& column : args.Values("--sort")) {
        int c = ColumnByCaption(column);
        if (c > 2) throw UsageError("Sortieren nur nach Ident.-Nr., Nachname oder Vorname");
        RaiseSortPriority(priorities, c);
    }
    return priorities;
}

nlohmann::json PersonJson(const TPerson& p, int64_t index)
{
    return {{"index", index},           {"id", p.Id},
            {"surname", p.Surname},     {"given", p.GivenNames},
            {"birthDate", p.Birth.Date}, {"birthPlace", p.Birth.Place},
            {"deathDate", p.Death.Date}, {"deathPlace", p.Death.Place}};
}

}  // namespace

int RunPersons(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption, {"--json"}, {"--filter", true}, {"--sort", true}});
    PersonFilters filters = ParseFilters(parsed);
    SortPriorities priorities = ParseSort(parsed);
    auto data = LoadData(parsed);
    std::vector<int64_t> rows = PersonListIndex(*data).Rows(filters, priorities);
    if (parsed.Has("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (int64_t p : rows) list.push_back(PersonJson(data->Persons[p], p));
        PrintJson(list);
        return 0;
    }
    for (int c = 0; c < kPersonColumnCount; ++c)
        std::cout << kPersonColumnCaptions[c] << (c + 1 < kPersonColumnCount ? '\t' : '\n');
    for (int64_t p : rows) {
        for (int c = 0; c < kPersonColumnCount; ++c)
            std::cout << PersonColumnText(data->Persons[p], c)
                      << (c + 1 < kPersonColumnCount ? '\t' : '\n');
    }
    return 0;
}

}  // namespace qv::cli
