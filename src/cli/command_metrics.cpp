// "metrics": the per-person values of the calculation engine for chosen persons and names.
#include <algorithm>
#include <iostream>
#include <sstream>

#include "calc/family_document.h"
#include "calc/metric_names.h"
#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/progress_bar.h"
#include "data/selection_state.h"

namespace qv::cli {
namespace {

// The names of --names, checked; by default all 60 and "kekule-min".
std::vector<std::string> RequestedNames(const Arguments& args)
{
    std::vector<std::string> known = PersonMetricNames();
    known.push_back("kekule-min");
    if (!args.Has("--names")) return known;
    std::vector<std::string> names;
    std::istringstream list(args.Value("--names"));
    for (std::string name; std::getline(list, name, ',');) {
        if (std::find(known.begin(), known.end(), name) == known.end())
            throw UsageError("Unbekannter Kennwert: " + name);
        names.push_back(name);
    }
    if (names.empty()) throw UsageError("--names braucht mindestens einen Kennwert");
    return names;
}

std::string PlaceholderText(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += "<" + name + ">";
    return text;
}

struct Row {
    int64_t person;
    std::vector<std::string> texts;
};

// Without --person: every person with a value that depends on the root and differs from
// the value of a person without any relation to it ("0", "NaN", empty …). F, FW and FX do
// not depend on the root and only count when nothing else is asked for.
std::vector<Row> Rows(TCalcClass& calc, const std::vector<int64_t>& persons, bool all,
                      const std::vector<std::string>& names)
{
    std::vector<std::string> nothing;
    for (const std::string& name : names) nothing.push_back(calc.GetValueText(name, -1));
    auto ownOnly = [](const std::string& n) { return n == "f" || n == "fw" || n == "fx"; };
    bool onlyOwn = std::all_of(names.begin(), names.end(), ownOnly);
    std::vector<Row> rows;
    for (int64_t p : persons) {
        Row row{p, {}};
        bool shown = !all;
        for (size_t i = 0; i < names.size(); ++i) {
            row.texts.push_back(calc.GetValueText(names[i], p));
            bool decides = onlyOwn || !ownOnly(names[i]);
            shown = shown || (decides && row.texts.back() != nothing[i]);
        }
        if (shown) rows.push_back(std::move(row));
    }
    return rows;
}

void PrintRows(const TAhnenData& data, const std::vector<Row>& rows,
               const std::vector<std::string>& names, bool json)
{
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Row& row : rows) {
            const TPerson& person = data.Persons[row.person];
            nlohmann::ordered_json values = nlohmann::ordered_json::object();
            for (size_t i = 0; i < names.size(); ++i) values[names[i]] = row.texts[i];
            list.push_back({{"index", row.person},
                            {"id", person.Id},
                            {"surname", person.Surname},
                            {"given", person.GivenNames},
                            {"values", values}});
        }
        PrintOrderedJson(list);
        return;
    }
    std::cout << "Ident.-Nr.\tNachname\tVorname";
    for (const std::string& name : names) std::cout << '\t' << name;
    std::cout << '\n';
    for (const Row& row : rows) {
        const TPerson& person = data.Persons[row.person];
        std::cout << person.Id << '\t' << person.Surname << '\t' << person.GivenNames;
        for (const std::string& text : row.texts) std::cout << '\t' << PlainText(text);
        std::cout << '\n';
    }
}

}  // namespace

int RunMetrics(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption,
                            {"--json"},
                            {"--root", true},
                            kKekuleOneOption,
                            {"--person", true},
                            {"--names", true}});
    std::vector<std::string> names = RequestedNames(parsed);
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    const TAhnenData& data = document.Data();
    SelectionState selection;
    selection.ProbandIndex = ResolveRoot(parsed, data);
    ApplyKekuleOneOption(parsed, data, selection);
    std::vector<int64_t> persons;
    for (const std::string& person : parsed.Values("--person"))
        persons.push_back(ResolvePerson(data, person));
    bool all = persons.empty();
    for (int64_t p = 0; all && p < static_cast<int64_t>(data.Persons.size()); ++p)
        persons.push_back(p);

    // Values count from the Kekule-1 person, as labels and tables show them.
    TCalcClass& calc = document.Calc();
    if (!RootEngine(calc, selection.GetKekuleOne())) return Interrupted();
    TArrayOfBoolean required(data.Persons.size(), false);
    for (int64_t p : persons) required[p] = true;
    calc.SetRequired(required);
    if (!calc.Calculate(RequiredFlags(PlaceholderText(names))) || InterruptRequested())
        return Interrupted();
    PrintRows(data, Rows(calc, persons, all, names), names, parsed.Has("--json"));
    return 0;
}

}  // namespace qv::cli
