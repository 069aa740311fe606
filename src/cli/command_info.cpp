// "info": what a family file holds.
#include <iostream>

#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/json_output.h"

namespace qv::cli {

int RunInfo(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption, {"--json"}});
    auto data = LoadData(parsed);
    if (parsed.Has("--json")) {
        PrintJson({{"persons", data->Persons.size()},
                   {"families", data->Families.size()},
                   {"charset", data->CharSet},
                   {"largestSpouseGroup", data->LargestSpouseGroup},
                   {"warnings", data->Warnings}});
        return 0;
    }
    std::cout << "Personen: " << data->Persons.size() << '\n'
              << "Familien: " << data->Families.size() << '\n'
              << "Zeichensatz: " << data->CharSet << '\n'
              << "Größte Ehegruppe: " << data->LargestSpouseGroup << '\n';
    return 0;
}

}  // namespace qv::cli
